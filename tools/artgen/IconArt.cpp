// SPDX-License-Identifier: GPL-3.0-or-later
#include "IconArt.h"

#include "ArtWriter.h"
#include "Paint.h"
#include "Zumi.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

// Below this size the icons use their pixel-fitted design.
const int kFullDesignSize = 48;

const QColor kLine(61, 40, 120);
const QColor kFur(166, 142, 242);
const QColor kFurLight(222, 210, 255);
const QColor kEye(28, 18, 62);
const QColor kMuzzle(246, 240, 255);
const QColor kGold(255, 213, 74);
const QColor kFrameLine(20, 40, 110);
const QColor kSkyTop(120, 196, 248);
const QColor kSkyBottom(220, 242, 255);
const QColor kHill(110, 186, 96);

int scaled(int size, qreal fraction)
{
    return qRound(size * fraction);
}

// The tile's outline as a path: the inside of its border for clipping.
QPainterPath tileShape(int size, qreal inset)
{
    const qreal margin = qMax(1, scaled(size, 1.0 / 32));
    const QRectF box(margin + inset, margin + inset, size - 2 * (margin + inset),
                     size - 2 * (margin + inset));
    QPainterPath path;
    const qreal radius = size * 0.2 - inset;
    path.addRoundedRect(box, radius, radius);
    return path;
}

// A rounded tile with a top-to-bottom gradient, on a transparent image. The
// border is one pixel wide up to 32 pixels, and sits on whole pixels.
QImage tile(int size, const QColor &top, const QColor &bottom)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal border = size < kFullDesignSize ? 1.0 : size / 42.0;
    QLinearGradient fill(QPointF(0, 0), QPointF(0, size));
    fill.setColorAt(0.0, top);
    fill.setColorAt(1.0, bottom);
    p.setPen(QPen(bottom.darker(140), border));
    p.setBrush(fill);
    p.drawPath(tileShape(size, border / 2));
    return image;
}

void clipToTile(QPainter &p, int size)
{
    const qreal border = size < kFullDesignSize ? 1.0 : size / 42.0;
    p.setClipPath(tileShape(size, border));
}

// Zumi's head for 16 to 32 pixels: ears, head, eyes on whole pixels, and the
// muzzle, antenna star and smile where there is room for them.
void smallZumi(QPainter &p, int n)
{
    const qreal u = n / 16.0;
    const QPointF head(n / 2.0, n * 0.63);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kLine, 1.0));
    for (int side : {-1, 1}) {
        p.save();
        p.translate(head.x() + side * 2.6 * u, n * 0.36);
        p.rotate(side * 24);
        p.setBrush(kFur);
        p.drawEllipse(QPointF(0, 0), 1.5 * u, 3.3 * u);
        p.restore();
    }
    if (n >= 22) {
        p.setBrush(kGold);
        p.setPen(QPen(kGold.darker(150), 0.8));
        p.drawPath(Paint::star(QPointF(head.x() + 1.5 * u, n * 0.16), 1.9 * u, 0.9 * u));
        p.setPen(QPen(kLine, 1.0));
    }
    QRadialGradient fur(head + QPointF(-1.5 * u, -2.0 * u), 7.0 * u);
    fur.setColorAt(0.0, kFurLight);
    fur.setColorAt(1.0, kFur);
    p.setBrush(fur);
    p.drawEllipse(head, 5.6 * u, 4.7 * u);

    if (n >= 22) {
        p.setPen(Qt::NoPen);
        p.setBrush(kMuzzle);
        p.drawEllipse(head + QPointF(0, 2.0 * u), 2.8 * u, 1.9 * u);
    }
    if (n >= 32) {
        QPainterPath smile;
        smile.moveTo(head + QPointF(-1.3 * u, 1.8 * u));
        smile.quadTo(head + QPointF(0, 3.0 * u), head + QPointF(1.3 * u, 1.8 * u));
        p.setPen(QPen(kLine, 1.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(smile);
    }

    // The eyes carry the face: solid blocks on the pixel grid, no blur.
    p.setRenderHint(QPainter::Antialiasing, false);
    const int eyeWidth = qMax(1, scaled(n, 1.0 / 11));
    const int eyeHeight = qMax(2, scaled(n, 1.0 / 7));
    const int eyeTop = qRound(head.y() - 1.4 * u - eyeHeight / 2.0);
    const int gap = qMax(2, scaled(n, 0.19));
    for (int side : {-1, 1}) {
        const int left = side < 0 ? n / 2 - gap / 2 - eyeWidth : n / 2 + (gap + 1) / 2;
        p.fillRect(QRect(left, eyeTop, eyeWidth, eyeHeight), kEye);
        if (eyeWidth >= 2)
            p.fillRect(QRect(left, eyeTop, 1, 1), Qt::white);
    }
}

// The framed landscape for 16 to 32 pixels, its frame on whole pixels.
void smallLandscape(QPainter &p, int n)
{
    const int side = scaled(n, 0.17);
    const int top = scaled(n, 0.24);
    const QRect frame(side, top, n - 2 * side, n - 2 * top);
    const int frameWidth = n >= 32 ? 2 : 1;
    const QRect picture = frame.adjusted(frameWidth + 1, frameWidth + 1, -frameWidth - 1, -frameWidth - 1);

    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(frame, kFrameLine);
    p.fillRect(frame.adjusted(1, 1, -1, -1), Qt::white);
    QLinearGradient sky(picture.topLeft(), picture.bottomLeft());
    sky.setColorAt(0.0, kSkyTop);
    sky.setColorAt(1.0, kSkyBottom);
    p.fillRect(picture, sky);

    p.save();
    p.setClipRect(picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kHill);
    const qreal w = picture.width();
    const qreal h = picture.height();
    p.drawEllipse(QPointF(picture.left() + w * 0.4, picture.bottom() + 1 + h * 0.25), w * 0.75, h * 0.55);
    p.setBrush(kGold);
    const qreal sun = qMax(1.2, n / 14.0);
    p.drawEllipse(QPointF(picture.right() + 1 - sun - 1, picture.top() + sun + 1), sun, sun);
    if (n >= 32) {
        p.setBrush(kFur);
        p.setPen(QPen(kLine, 1.0));
        p.drawEllipse(QPointF(picture.left() + w * 0.45, picture.bottom() + 1 - h * 0.35), 2.5, 2.3);
    }
    p.restore();
}

} // namespace

void IconArt::writeAll(ArtWriter &writer)
{
    for (int size : sizes) {
        writer.writeWithAlpha(QStringLiteral("src/app/core/icons/mindloom-%1.png").arg(size), mindloom(size),
                              QSize(size, size));
        writer.writeWithAlpha(QStringLiteral("src/app/core/icons/frameloft-%1.png").arg(size), frameloft(size),
                              QSize(size, size));
    }
}

QImage IconArt::mindloom(int size)
{
    QImage image = tile(size, QColor(150, 110, 240), QColor(70, 36, 150));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    clipToTile(p, size);
    if (size < kFullDesignSize) {
        smallZumi(p, size);
        return image;
    }
    p.scale(size / 64.0, size / 64.0);
    Zumi::Look look;
    look.body = false;
    Zumi::draw(p, QPointF(32, 38), 0.17, look);
    return image;
}

QImage IconArt::frameloft(int size)
{
    QImage image = tile(size, QColor(110, 170, 255), QColor(30, 60, 170));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    clipToTile(p, size);
    if (size < kFullDesignSize) {
        smallLandscape(p, size);
        if (size >= 32)
            Paint::sparkle(p, QPointF(size * 0.81, size * 0.2), size * 0.1, QColor(255, 220, 120));
        return image;
    }
    p.scale(size / 64.0, size / 64.0);

    // A picture in a white frame: sky, a hill and a small lavender friend.
    const QRectF frame(10, 14, 44, 36);
    p.setPen(QPen(kFrameLine, 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(frame, 3, 3);
    const QRectF picture = frame.adjusted(4, 4, -4, -4);
    p.save();
    p.setClipRect(picture);
    QLinearGradient sky(picture.topLeft(), picture.bottomLeft());
    sky.setColorAt(0.0, kSkyTop);
    sky.setColorAt(1.0, kSkyBottom);
    p.fillRect(picture, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(kHill);
    p.drawEllipse(QPointF(26, 50), 26, 10);
    p.setBrush(QColor(255, 220, 100));
    p.drawEllipse(QPointF(45, 23), 4, 4);
    p.setBrush(kFur);
    p.setPen(QPen(kLine, 1));
    p.drawEllipse(QPointF(30, 36), 6.5, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 60));
    p.drawEllipse(QPointF(28, 35.5), 1.1, 1.5);
    p.drawEllipse(QPointF(32, 35.5), 1.1, 1.5);
    p.restore();
    Paint::sparkle(p, QPointF(52, 13), 7, QColor(255, 220, 120));
    return image;
}
