// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

// Drawing helpers shared by all pictures of the kit.
namespace Paint {

// An opaque RGB32 image filled with one colour.
QImage canvas(int width, int height, const QColor &fill = Qt::white);

// An opaque image filled with a linear gradient from `from` (colour a) to
// `to` (colour b), padded with the end colours beyond them.
QImage gradientCanvas(QSize size, QPointF from, QPointF to, const QColor &a, const QColor &b);

// A painter-ready font of one of the DejaVu families, sized in pixels.
QFont font(const QString &family, int pixelSize, bool bold = false, bool italic = false);
QFont sans(int pixelSize, bool bold = false);
QFont serif(int pixelSize, bool bold = false, bool italic = false);

// Text as a filled outline path with its baseline starting at `origin`.
QPainterPath textPath(const QFont &font, const QString &text, QPointF origin);
qreal textWidth(const QFont &font, const QString &text);

// Text drawn centred (or left-aligned) in `box` with a soft drop shadow.
void shadowedText(QPainter &p, const QRectF &box, int flags, const QFont &font, const QString &text,
                  const QColor &fill, const QColor &shadow, QPointF offset = {1.0, 1.0});

// Five-pointed (or n-pointed) star and heart outlines.
QPainterPath star(QPointF centre, qreal outer, qreal inner, int points = 5, qreal rotationDeg = -90);
QPainterPath heart(QPointF centre, qreal size);

// A four-pointed twinkle with a soft glow.
void sparkle(QPainter &p, QPointF centre, qreal radius, const QColor &colour);

// A rounded panel with an optional soft shadow and a border.
void panel(QPainter &p, const QRectF &rect, qreal radius, const QBrush &fill, const QColor &border,
           qreal borderWidth = 1.5, int shadowDepth = 0);

// A fluffy cloud whose bounding box is roughly `box`.
void cloud(QPainter &p, const QRectF &box, const QColor &colour);

// A simple five-petal flower.
void flower(QPainter &p, QPointF centre, qreal radius, const QColor &petal, const QColor &heart);

// Colour helpers.
QColor mix(const QColor &a, const QColor &b, qreal t);
QColor alpha(const QColor &c, int a);

} // namespace Paint
