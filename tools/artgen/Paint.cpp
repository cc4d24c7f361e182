// SPDX-License-Identifier: GPL-3.0-or-later
#include "Paint.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace Paint {

QImage canvas(int width, int height, const QColor &fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QImage gradientCanvas(QSize size, QPointF from, QPointF to, const QColor &a, const QColor &b)
{
    QImage image = canvas(size.width(), size.height());
    QLinearGradient fill(from, to);
    fill.setColorAt(0.0, a);
    fill.setColorAt(1.0, b);
    QPainter p(&image);
    p.fillRect(image.rect(), fill);
    return image;
}

QFont font(const QString &family, int pixelSize, bool bold, bool italic)
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont sans(int pixelSize, bool bold)
{
    return font(QStringLiteral("DejaVu Sans"), pixelSize, bold);
}

QFont serif(int pixelSize, bool bold, bool italic)
{
    return font(QStringLiteral("DejaVu Serif"), pixelSize, bold, italic);
}

QPainterPath textPath(const QFont &font, const QString &text, QPointF origin)
{
    QPainterPath path;
    path.addText(origin, font, text);
    return path;
}

qreal textWidth(const QFont &font, const QString &text)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

void shadowedText(QPainter &p, const QRectF &box, int flags, const QFont &font, const QString &text,
                  const QColor &fill, const QColor &shadow, QPointF offset)
{
    p.save();
    p.setFont(font);
    p.setPen(shadow);
    p.drawText(box.translated(offset), flags, text);
    p.setPen(fill);
    p.drawText(box, flags, text);
    p.restore();
}

QPainterPath star(QPointF centre, qreal outer, qreal inner, int points, qreal rotationDeg)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = (i % 2 == 0) ? outer : inner;
        const qreal a = qDegreesToRadians(rotationDeg + i * 180.0 / points);
        const QPointF pt(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heart(QPointF centre, qreal size)
{
    // Drawn in a unit box and scaled: two lobes meeting in a point below.
    const qreal s = size / 2.0;
    const qreal x = centre.x();
    const qreal y = centre.y();
    QPainterPath path;
    path.moveTo(x, y + s * 0.95);
    path.cubicTo(x - s * 1.25, y + s * 0.05, x - s * 0.95, y - s * 1.05, x, y - s * 0.45);
    path.cubicTo(x + s * 0.95, y - s * 1.05, x + s * 1.25, y + s * 0.05, x, y + s * 0.95);
    path.closeSubpath();
    return path;
}

void sparkle(QPainter &p, QPointF centre, qreal radius, const QColor &colour)
{
    p.save();
    QRadialGradient glow(centre, radius * 1.4);
    glow.setColorAt(0.0, alpha(colour, 150));
    glow.setColorAt(1.0, alpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 1.4, radius * 1.4);
    QPainterPath twinkle;
    const qreal w = radius * 0.22;
    twinkle.moveTo(centre.x(), centre.y() - radius);
    twinkle.quadTo(centre.x() + w, centre.y() - w, centre.x() + radius, centre.y());
    twinkle.quadTo(centre.x() + w, centre.y() + w, centre.x(), centre.y() + radius);
    twinkle.quadTo(centre.x() - w, centre.y() + w, centre.x() - radius, centre.y());
    twinkle.quadTo(centre.x() - w, centre.y() - w, centre.x(), centre.y() - radius);
    p.setBrush(mix(colour, Qt::white, 0.55));
    p.drawPath(twinkle);
    p.restore();
}

void panel(QPainter &p, const QRectF &rect, qreal radius, const QBrush &fill, const QColor &border,
           qreal borderWidth, int shadowDepth)
{
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = shadowDepth; i > 0; --i) {
        p.setBrush(QColor(30, 10, 60, 14));
        p.drawRoundedRect(rect.adjusted(-i + 2, -i + 3, i + 2, i + 3), radius + i, radius + i);
    }
    p.setBrush(fill);
    if (borderWidth > 0 && border.alpha() > 0)
        p.setPen(QPen(border, borderWidth));
    p.drawRoundedRect(rect, radius, radius);
    p.restore();
}

void cloud(QPainter &p, const QRectF &box, const QColor &colour)
{
    const qreal w = box.width();
    const qreal h = box.height();
    QPainterPath path;
    path.addEllipse(QRectF(box.left(), box.top() + h * 0.40, w * 0.42, h * 0.58));
    path.addEllipse(QRectF(box.left() + w * 0.20, box.top() + h * 0.08, w * 0.40, h * 0.78));
    path.addEllipse(QRectF(box.left() + w * 0.45, box.top(), w * 0.36, h * 0.74));
    path.addEllipse(QRectF(box.left() + w * 0.60, box.top() + h * 0.35, w * 0.40, h * 0.62));
    path.addRoundedRect(QRectF(box.left() + w * 0.15, box.top() + h * 0.55, w * 0.72, h * 0.44), h * 0.2,
                        h * 0.2);
    path.setFillRule(Qt::WindingFill);
    const QPainterPath outline = path.simplified();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(alpha(mix(colour, QColor(120, 150, 200), 0.35), 90));
    p.drawPath(outline.translated(0, h * 0.07));
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0.0, Qt::white);
    fill.setColorAt(1.0, colour);
    p.setBrush(fill);
    p.drawPath(outline);
    p.restore();
}

void flower(QPainter &p, QPointF centre, qreal radius, const QColor &petal, const QColor &heart)
{
    p.save();
    p.setPen(QPen(petal.darker(135), radius * 0.08));
    p.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(-90.0 + i * 72.0);
        const QPointF c(centre.x() + qCos(a) * radius * 0.55, centre.y() + qSin(a) * radius * 0.55);
        p.drawEllipse(c, radius * 0.48, radius * 0.48);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(heart);
    p.drawEllipse(centre, radius * 0.34, radius * 0.34);
    p.restore();
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(
        float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
        float(a.blueF() + (b.blueF() - a.blueF()) * t), float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor alpha(const QColor &c, int a)
{
    QColor out(c);
    out.setAlpha(a);
    return out;
}

} // namespace Paint
