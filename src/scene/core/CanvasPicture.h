// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

// The composer's canvas picture: a retained 700 x 500 picture, light blue
// where no picture covers it. Window-free, so that a scene can be drawn
// without a screen; the canvas widget only shows it.
class CanvasPicture
{
public:
    static constexpr int Width = 700;
    static constexpr int Height = 500;
    static QColor plainColour(); // RGB (192, 192, 255)

    CanvasPicture();

    // Each drawing operation returns the part of the canvas it changed (at
    // most), so that only that part needs showing again.

    // Replaces the retained picture with the plain colour and the given
    // picture unscaled at (0, 0), cut at the right and bottom. A null image
    // leaves the plain colour alone.
    QRect setBasePicture(const QImage &background);

    // What setBasePicture does, within area only: where the rest of the canvas
    // already shows this background, the result is the same.
    void restoreBase(const QImage &background, const QRect &area);

    // Copies the rectangle (0, 0, w, h) of source to (x, y), unscaled and
    // clipped to the canvas. Only the source's own pixels are copied where the
    // rectangle reaches past it; the canvas keeps its pixels in that strip.
    // Coordinates and sizes land on the nearest whole pixel (halves up); a
    // non-finite one draws nothing.
    QRect copyPicture(const QImage &source, float x, float y, float w, float h);

    // Inverts the one-pixel outline of the rectangle with corners (x, y) and
    // (x + w, y + h), both corner pixels included (same rounding as
    // copyPicture). Each pixel is inverted at most once per call, so doing it
    // twice restores every pixel, also for a rectangle of width or height 0.
    QRect invertOutline(float x, float y, float w, float h);

    // The present picture (always Width x Height, RGB32).
    const QImage &image() const { return m_image; }

private:
    // Copies a rectangle of source, already clipped to source and canvas.
    void blit(const QImage &source, int sourceX, int sourceY, int width, int height, int destX, int destY);

    QImage m_image;
};
