// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowLayout.h"

#include <QImage>
#include <QList>
#include <QPair>
#include <QRectF>
#include <QString>

#include <cstddef>

class ArtWriter;
class QPainter;

// Backgrounds of the three editor windows of the suite: quiet frames behind
// the controls, painted captions beside the marks whose own captions are
// hidden, and a motif in each window's free corner.
class EditorArt
{
public:
    // With a preview folder, also writes each window with stand-ins for its
    // controls at their places, to check that nothing painted hides under them.
    static void writeAll(ArtWriter &writer, const QString &previewDir);

    static QImage personality(); // 563 x 469
    static QImage knowledge();   // 537 x 449
    static QImage locations();   // 490 x 341

private:
    struct Control
    {
        QRect rect;
        QColor fill;
        QString text;
    };
    struct StandInColours
    {
        QColor button;
        QColor label;
        QColor box; // text boxes, text areas, lists
    };
    // The controls of a layout table as coloured rectangles with their
    // captions (or the given texts, by control name).
    template <std::size_t N>
    static QList<Control> standIns(const WindowLayout::Control (&table)[N], const StandInColours &colours,
                                   const QList<QPair<const char *, QString>> &texts);
    static void writePreview(const QString &path, QImage window, const QList<Control> &controls);
    static void frame(QPainter &p, const QRectF &control, qreal margin, const QColor &fill,
                      const QColor &border);
    static void drawBooks(QPainter &p, QPointF base);
    static void drawCompass(QPainter &p, QPointF centre, qreal radius);
    static void drawPin(QPainter &p, QPointF tip, qreal size, const QColor &colour);
};
