// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

class ArtWriter;

// The five location pictures shipped in the Locations folder, 320 x 240 each.
class LocationPictures
{
public:
    static const int width = 320;
    static const int height = 240;

    // With a preview folder, also writes a sheet of the five pictures as
    // decoded from the written files.
    static void writeAll(ArtWriter &writer, const QString &previewDir);

    static QImage garden();
    static QImage library();
    static QImage beach();
    static QImage nightCity();
    static QImage mountains();
};
