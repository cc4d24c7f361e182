// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserAvatar.h"

#include "Paint.h"

#include <QPainter>
#include <QRadialGradient>

namespace {

const qreal badgeRadius = 78;
const QPointF faceOffset(0, -5); // face centre relative to the badge centre

const QColor skin(246, 205, 168);
const QColor skinShade(226, 170, 132);
const QColor hair(112, 70, 44);
const QColor hairLight(150, 100, 64);
const QColor sweater(46, 170, 168);
const QColor ink(58, 36, 30);

} // namespace

void UserAvatar::drawBadge(QPainter &p, QPointF centre, qreal radius, const Look &look)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(centre);
    p.scale(radius / badgeRadius, radius / badgeRadius);

    // Frame: a soft shadow, a violet ring and a white inner ring.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 90, 40));
    p.drawEllipse(QPointF(2, 4), badgeRadius + 1, badgeRadius + 1);
    QLinearGradient ring(QPointF(0, -badgeRadius), QPointF(0, badgeRadius));
    ring.setColorAt(0.0, QColor(190, 150, 255));
    ring.setColorAt(1.0, QColor(112, 72, 200));
    p.setBrush(ring);
    p.drawEllipse(QPointF(0, 0), badgeRadius, badgeRadius);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0), badgeRadius - 6, badgeRadius - 6);

    const qreal inner = badgeRadius - 10;
    QPainterPath clip;
    clip.addEllipse(QPointF(0, 0), inner, inner);
    p.setClipPath(clip);
    QLinearGradient back(QPointF(0, -inner), QPointF(0, inner));
    back.setColorAt(0.0, QColor(255, 236, 200));
    back.setColorAt(1.0, QColor(255, 200, 220));
    p.setBrush(back);
    p.drawEllipse(QPointF(0, 0), inner, inner);

    p.translate(faceOffset);
    drawPerson(p, look);
    p.restore();
}

void UserAvatar::drawPerson(QPainter &p, const Look &look)
{
    const QPen inkPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Hair behind the head.
    p.setPen(Qt::NoPen);
    p.setBrush(hair);
    p.drawEllipse(QPointF(0, -8), 48, 54);
    p.drawRoundedRect(QRectF(-48, -10, 96, 52), 18, 18);

    // Neck and sweater.
    p.setBrush(skinShade);
    p.drawRect(QRectF(-13, 34, 26, 26));
    QPainterPath body;
    body.moveTo(-80, 120);
    body.cubicTo(-78, 78, -58, 60, -22, 56);
    body.lineTo(22, 56);
    body.cubicTo(58, 60, 78, 78, 80, 120);
    body.closeSubpath();
    p.setBrush(sweater);
    p.setPen(QPen(sweater.darker(140), 2));
    p.drawPath(body);
    QPainterPath collar;
    collar.moveTo(-22, 56);
    collar.quadTo(0, 80, 22, 56);
    collar.quadTo(0, 68, -22, 56);
    p.setBrush(Qt::white);
    p.drawPath(collar);

    // Ears and head.
    p.setPen(QPen(skinShade.darker(115), 1.5));
    p.setBrush(skin);
    p.drawEllipse(QPointF(-40, 2), 8, 11);
    p.drawEllipse(QPointF(40, 2), 8, 11);
    p.drawEllipse(QPointF(0, 0), 40, 47);

    // Fringe swept to one side.
    QPainterPath fringe;
    fringe.moveTo(-43, 4);
    fringe.cubicTo(-48, -40, -20, -60, 6, -56);
    fringe.cubicTo(34, -54, 48, -34, 43, 4);
    fringe.cubicTo(38, -16, 30, -26, 16, -30);
    fringe.cubicTo(4, -24, -18, -26, -30, -36);
    fringe.cubicTo(-36, -24, -38, -12, -43, 4);
    fringe.closeSubpath();
    QLinearGradient hairFill(QPointF(0, -58), QPointF(0, 0));
    hairFill.setColorAt(0.0, hairLight);
    hairFill.setColorAt(1.0, hair);
    p.setPen(QPen(hair.darker(130), 1.5));
    p.setBrush(hairFill);
    p.drawPath(fringe);

    // Cheeks, brows, nose.
    p.setPen(Qt::NoPen);
    for (int side : {-1, 1}) {
        QRadialGradient cheek(QPointF(side * 24, 12), 10);
        cheek.setColorAt(0.0, QColor(255, 140, 150, 140));
        cheek.setColorAt(1.0, QColor(255, 140, 150, 0));
        p.setBrush(cheek);
        p.drawEllipse(QPointF(side * 24, 12), 10, 7);
    }
    p.setPen(inkPen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-27, -25, 16, 8), 30 * 16, 120 * 16);
    p.drawArc(QRectF(11, -25, 16, 8), 30 * 16, 120 * 16);
    p.setPen(QPen(skinShade.darker(120), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(-4, 2, 8, 6), 200 * 16, 140 * 16);

    // Eyes.
    for (int side : {-1, 1}) {
        const QPointF c(side * 19, -9);
        if (look.eyesClosed) {
            QPainterPath lid;
            lid.moveTo(c + QPointF(-6, -1));
            lid.quadTo(c + QPointF(0, 5), c + QPointF(6, -1));
            p.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(lid);
            continue;
        }
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(c, 4.6, 6);
        p.setBrush(Qt::white);
        p.drawEllipse(c + QPointF(-1.5, -2.2), 1.7, 1.9);
    }

    // Mouth.
    if (look.mouthOpen) {
        QPainterPath mouth;
        mouth.moveTo(-10, 18);
        mouth.quadTo(0, 21, 10, 18);
        mouth.cubicTo(10, 27, 5, 32, 0, 32);
        mouth.cubicTo(-5, 32, -10, 27, -10, 18);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 40, 50));
        p.drawPath(mouth);
        p.save();
        p.setClipPath(mouth);
        p.setBrush(QColor(240, 120, 130));
        p.drawEllipse(QPointF(0, 31), 7, 4.5);
        p.restore();
        p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(mouth);
    } else {
        QPainterPath smile;
        smile.moveTo(-11, 19);
        smile.quadTo(0, 29, 11, 19);
        p.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(smile);
    }
}
