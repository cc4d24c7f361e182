// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The canvas a scene must give, built pixel by pixel without the drawing code,
// for the editor's and the composer window's tests.

#include "CanvasPicture.h"

#include <QImage>

#include <algorithm>

// The plain colour, the background unscaled, and the part's picture at
// (x, y) (whole pixels), clipped.
inline QImage composite(const QImage &background, const QImage &part = QImage(), int x = 0, int y = 0)
{
    QImage expected = CanvasPicture().image();
    for (int row = 0; row < std::min(background.height(), expected.height()); ++row)
        for (int column = 0; column < std::min(background.width(), expected.width()); ++column)
            expected.setPixel(column, row, background.pixel(column, row));
    for (int row = 0; row < part.height(); ++row)
        for (int column = 0; column < part.width(); ++column)
            if (expected.valid(x + column, y + row))
                expected.setPixel(x + column, y + row, part.pixel(column, row));
    return expected;
}
