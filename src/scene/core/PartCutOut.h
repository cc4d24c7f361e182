// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

// Cutting a part out of a full picture of the scene: a picture as large as the
// background in which only the part differs (the character with its mouth
// open, with its eyes shut). The companion copies a part onto the background
// as an opaque rectangle, so the art that works is exactly such a piece of
// the background; this finds the smallest rectangle that holds every real
// difference.
//
// A pixel differs when one of its red, green or blue values differs from the
// background's by more than the tolerance, which passes over the noise of a
// JPEG saved again. Differing pixels that touch (also at a corner) form a
// patch; patches of fewer than SpeckPixels pixels are specks of that noise
// and count for nothing. The rectangle around the rest grows by the margin on
// every side, held to the picture.
namespace PartCutOut {

constexpr int DefaultTolerance = 24;
constexpr int DefaultMargin = 0;
constexpr int MaxTolerance = 254; // 255 would leave no difference at all
constexpr int MaxMargin = 100;
// A JPEG saved again from another leaves specks of up to about 8 pixels at
// sharp edges (text, outlines); a part is far larger.
constexpr int SpeckPixels = 16;

struct Settings
{
    int tolerance = DefaultTolerance;
    int margin = DefaultMargin;
    bool operator==(const Settings &o) const { return tolerance == o.tolerance && margin == o.margin; }
};

struct Difference
{
    QRect rect;    // in the picture's pixels; empty with an error
    QString error; // why there is no part to cut out: wrong size, no difference
    bool ok() const { return error.isEmpty(); }
};

// background and full: any format; compared as RGB. name: the full picture's
// file name, for the message.
Difference findDifference(const QImage &background, const QImage &full, const Settings &settings,
                          const QString &name);

// The free file name for a part cut out of source (a path) in folder: the
// source's stem and the part's default picture stem, "talking-zumimouth.bmp";
// when that is taken, "talking-zumimouth (2).bmp" and on. Never the name of
// a file that is there. A ";" or "=" of the source's name, which a scene file
// cannot hold in a name, becomes "_".
QString freeName(const QString &folder, const QString &source, const QString &partStem);

// Writes image into path as a 24-bit BMP, replacing it in one step. Returns
// the error naming the file and the reason; empty on success.
QString writeBmp(const QImage &image, const QString &path);

} // namespace PartCutOut
