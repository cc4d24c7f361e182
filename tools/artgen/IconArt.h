// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

class ArtWriter;

// The icons of the two programs, drawn for each size of the desktop's icon
// theme. From 48 pixels up the full design is drawn at the size; below it a
// simpler design keeps the lines on whole pixels, so small icons stay crisp
// instead of being a blurred copy of the large one.
class IconArt
{
public:
    static constexpr int sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

    static void writeAll(ArtWriter &writer);

    static QImage mindloom(int size);  // Zumi's face on a violet tile
    static QImage frameloft(int size); // a framed little landscape on a blue tile
};
