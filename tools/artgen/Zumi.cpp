// SPDX-License-Identifier: GPL-3.0-or-later
#include "Zumi.h"

#include "Paint.h"

#include <QPainter>
#include <QRadialGradient>

namespace {

const QColor furLight(232, 222, 255);
const QColor furMid(166, 142, 242);
const QColor furDark(120, 92, 212);
const QColor line(61, 40, 120);
const QColor innerEar(255, 182, 220);
const QColor muzzle(246, 240, 255);
const QColor blush(255, 130, 190);
const QColor nose(200, 79, 144);
const QColor mouthInside(92, 27, 63);
const QColor tongue(255, 127, 174);
const QColor starGold(255, 213, 74);

const qreal eyeX = 50;
const qreal eyeY = -17;
const qreal eyeRx = 22;
const qreal eyeRy = 29;

QPen outlinePen(qreal width = 4.0)
{
    return QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QBrush furBrush(QPointF centre, qreal radius)
{
    QRadialGradient g(centre + QPointF(-radius * 0.3, -radius * 0.4), radius * 1.45);
    g.setColorAt(0.0, furLight);
    g.setColorAt(0.5, furMid);
    g.setColorAt(1.0, furDark);
    return g;
}

} // namespace

void Zumi::draw(QPainter &p, QPointF headCentre, qreal scale, const Look &look)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(headCentre);
    p.scale(scale, scale);
    if (look.body)
        drawBody(p, look);
    drawEars(p);
    drawAntenna(p);
    drawHead(p);
    drawEyes(p, look.eyesClosed);
    drawMouth(p, look.mouthOpen);
    p.restore();
}

void Zumi::drawBody(QPainter &p, const Look &look)
{
    p.setPen(outlinePen());
    // Feet first, the body sits on them.
    p.setBrush(furBrush(QPointF(0, 262), 40));
    p.drawEllipse(QPointF(-58, 262), 40, 22);
    p.drawEllipse(QPointF(58, 262), 40, 22);
    p.setPen(Qt::NoPen);
    p.setBrush(innerEar);
    for (int side : {-1, 1})
        for (int toe = -1; toe <= 1; ++toe)
            p.drawEllipse(QPointF(side * 58 + toe * 13, 268), 5, 4);

    // The paw that is not waving rests on the body's right side.
    p.setPen(outlinePen());
    p.setBrush(furBrush(QPointF(100, 215), 40));
    p.save();
    p.translate(100, 218);
    p.rotate(-18);
    p.drawEllipse(QPointF(0, 0), 26, 42);
    p.restore();
    if (!look.waving) {
        p.save();
        p.translate(-100, 218);
        p.rotate(18);
        p.drawEllipse(QPointF(0, 0), 26, 42);
        p.restore();
    }

    p.setBrush(furBrush(QPointF(0, 200), 110));
    p.drawEllipse(QPointF(0, 200), 108, 80);
    p.setPen(Qt::NoPen);
    p.setBrush(muzzle);
    p.drawEllipse(QPointF(0, 215), 62, 50);
    p.setBrush(QColor(255, 120, 180));
    p.setPen(QPen(QColor(190, 60, 130), 2));
    p.drawPath(Paint::heart(QPointF(0, 212), 28));

    if (look.waving) {
        // The raised paw, reaching up and out from the body's side.
        p.setPen(outlinePen());
        p.setBrush(furBrush(QPointF(-132, 134), 40));
        p.save();
        p.translate(-132, 146);
        p.rotate(-30);
        p.drawEllipse(QPointF(0, 0), 24, 46);
        p.setPen(Qt::NoPen);
        p.setBrush(innerEar);
        p.drawEllipse(QPointF(0, -28), 10, 8);
        p.restore();
    }
}

void Zumi::drawEars(QPainter &p)
{
    for (int side : {-1, 1}) {
        p.save();
        p.translate(side * 78, -105);
        p.rotate(side * 28);
        p.setPen(outlinePen());
        p.setBrush(furBrush(QPointF(0, -40), 60));
        p.drawEllipse(QPointF(0, -40), 32, 58);
        p.setPen(Qt::NoPen);
        QRadialGradient inner(QPointF(0, -30), 44);
        inner.setColorAt(0.0, innerEar.lighter(108));
        inner.setColorAt(1.0, innerEar.darker(112));
        p.setBrush(inner);
        p.drawEllipse(QPointF(0, -36), 17, 40);
        p.restore();
    }
}

void Zumi::drawAntenna(QPainter &p)
{
    QPainterPath curl;
    curl.moveTo(4, -118);
    curl.cubicTo(0, -150, 30, -160, 30, -178);
    p.setPen(QPen(line, 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curl);
    p.setPen(QPen(furDark, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curl);

    const QPointF tip(31, -186);
    QRadialGradient glow(tip, 30);
    glow.setColorAt(0.0, QColor(255, 240, 150, 200));
    glow.setColorAt(1.0, QColor(255, 240, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(tip, 30, 30);
    p.setPen(QPen(QColor(190, 130, 20), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(starGold);
    p.drawPath(Paint::star(tip, 16, 7.5, 5, -90 + 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220));
    p.drawEllipse(tip + QPointF(-3, -4), 3, 3);
}

void Zumi::drawHead(QPainter &p)
{
    p.setPen(outlinePen());
    p.setBrush(furBrush(QPointF(0, 0), 140));
    p.drawEllipse(QPointF(0, 0), 140, 128);

    // A soft sheen on the forehead.
    QRadialGradient sheen(QPointF(-52, -70), 60);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 110));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawEllipse(QPointF(-52, -70), 60, 40);

    p.setBrush(muzzle);
    p.drawEllipse(QPointF(0, 52), 70, 46);

    for (int side : {-1, 1}) {
        QRadialGradient cheek(QPointF(side * 92, 40), 24);
        cheek.setColorAt(0.0, Paint::alpha(blush, 170));
        cheek.setColorAt(1.0, Paint::alpha(blush, 0));
        p.setBrush(cheek);
        p.drawEllipse(QPointF(side * 92, 40), 26, 16);
    }

    QPainterPath n;
    n.moveTo(-8, 24);
    n.quadTo(0, 20, 8, 24);
    n.quadTo(8, 30, 0, 33);
    n.quadTo(-8, 30, -8, 24);
    p.setBrush(nose);
    p.drawPath(n);
    p.setBrush(QColor(255, 210, 235));
    p.drawEllipse(QPointF(-2.5, 24.5), 2.2, 1.4);
}

void Zumi::drawEyes(QPainter &p, bool closed)
{
    for (int side : {-1, 1}) {
        const QPointF c(side * eyeX, eyeY);
        if (closed) {
            // A relaxed, smiling lid line with a lash at the outer corner.
            QPainterPath lid;
            lid.moveTo(c + QPointF(-20, -3));
            lid.quadTo(c + QPointF(0, 15), c + QPointF(20, -3));
            p.setPen(QPen(line, 5, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(lid);
            p.drawLine(c + QPointF(side * 20, -3), c + QPointF(side * 26, -9));
            continue;
        }
        QLinearGradient iris(c + QPointF(0, -eyeRy), c + QPointF(0, eyeRy));
        iris.setColorAt(0.0, QColor(28, 18, 62));
        iris.setColorAt(0.65, QColor(40, 28, 96));
        iris.setColorAt(1.0, QColor(96, 78, 190));
        p.setPen(QPen(line, 2.5));
        p.setBrush(iris);
        p.drawEllipse(c, eyeRx, eyeRy);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(c + QPointF(-7, -11), 8, 9);
        p.drawEllipse(c + QPointF(8, 10), 3.5, 3.5);
        p.setPen(QPen(line, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(side * 19, -20), c + QPointF(side * 26, -27));
    }
}

void Zumi::drawMouth(QPainter &p, bool open)
{
    if (!open) {
        QPainterPath smile;
        smile.moveTo(-26, 50);
        smile.quadTo(0, 74, 26, 50);
        p.setPen(QPen(line, 4.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(smile);
        return;
    }
    QPainterPath mouth;
    mouth.moveTo(-26, 50);
    mouth.cubicTo(-14, 55, 14, 55, 26, 50);
    mouth.cubicTo(26, 78, 13, 91, 0, 91);
    mouth.cubicTo(-13, 91, -26, 78, -26, 50);
    p.setPen(Qt::NoPen);
    p.setBrush(mouthInside);
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setBrush(tongue);
    p.drawEllipse(QPointF(0, 88), 17, 12);
    p.restore();
    p.setPen(QPen(line, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}
