// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class ArtWriter;
class QPainter;

// The launcher's background and its four picture buttons. The buttons are
// pills sitting in dark slots that the background paints at the buttons'
// places in the window.
class LauncherArt
{
public:
    enum class Glyph { Frame, Book, Heart, Pin };

    // With a preview folder, also writes the window as it will look: the
    // background with the buttons placed and clipped as the window does.
    static void writeAll(ArtWriter &writer, const QString &previewDir);

    static QImage background();
    // A button picture: `image` its size, `visible` the part of it the window
    // shows (the buttons are slightly smaller than some pictures).
    static QImage label(QSize image, QRect visible, Glyph glyph, const QString &text);

private:
    static void drawGlyph(QPainter &p, QPointF centre, qreal radius, Glyph glyph);
};
