#pragma once

#include <QImage>

class ArtWriter;

// 64 x 64 window icons of the two programs.
class IconArt
{
public:
    static void writeAll(ArtWriter &writer);

    static QImage mindloom();  // Zumi's face on a violet tile
    static QImage frameloft(); // a framed little landscape on a blue tile
};
