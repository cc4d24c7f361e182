#include "IconArt.h"

#include "ArtWriter.h"
#include "Paint.h"
#include "Zumi.h"

#include <QPainter>
#include <QRadialGradient>

namespace {

// A rounded tile with a top-to-bottom gradient, on a transparent image.
QImage tile(const QColor &top, const QColor &bottom)
{
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(QPointF(0, 2), QPointF(0, 62));
    fill.setColorAt(0.0, top);
    fill.setColorAt(1.0, bottom);
    p.setPen(QPen(bottom.darker(140), 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 13, 13);
    return image;
}

} // namespace

void IconArt::writeAll(ArtWriter &writer)
{
    writer.writeWithAlpha(QStringLiteral("src/launcher/art/mindloom_icon.png"), mindloom(), QSize(64, 64));
    writer.writeWithAlpha(QStringLiteral("src/scene/art/frameloft_icon.png"), frameloft(), QSize(64, 64));
}

QImage IconArt::mindloom()
{
    QImage image = tile(QColor(150, 110, 240), QColor(70, 36, 150));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath inside;
    inside.addRoundedRect(QRectF(3, 3, 58, 58), 12, 12);
    p.setClipPath(inside);
    Zumi::Look look;
    look.body = false;
    Zumi::draw(p, QPointF(32, 38), 0.17, look);
    return image;
}

QImage IconArt::frameloft()
{
    QImage image = tile(QColor(110, 170, 255), QColor(30, 60, 170));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A picture in a white frame: sky, a hill and a small lavender friend.
    const QRectF frame(10, 14, 44, 36);
    p.setPen(QPen(QColor(20, 40, 110), 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(frame, 3, 3);
    const QRectF picture = frame.adjusted(4, 4, -4, -4);
    p.save();
    p.setClipRect(picture);
    QLinearGradient sky(picture.topLeft(), picture.bottomLeft());
    sky.setColorAt(0.0, QColor(120, 196, 248));
    sky.setColorAt(1.0, QColor(220, 242, 255));
    p.fillRect(picture, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 186, 96));
    p.drawEllipse(QPointF(26, 50), 26, 10);
    p.setBrush(QColor(255, 220, 100));
    p.drawEllipse(QPointF(45, 23), 4, 4);
    p.setBrush(QColor(166, 142, 242));
    p.setPen(QPen(QColor(61, 40, 120), 1));
    p.drawEllipse(QPointF(30, 36), 6.5, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 60));
    p.drawEllipse(QPointF(28, 35.5), 1.1, 1.5);
    p.drawEllipse(QPointF(32, 35.5), 1.1, 1.5);
    p.restore();
    Paint::sparkle(p, QPointF(52, 13), 7, QColor(255, 220, 120));
    return image;
}
