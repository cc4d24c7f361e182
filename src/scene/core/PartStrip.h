// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// The miscellaneous part's strip: its frames side by side, first frame at the
// left, as the companion plays it (`Frames` equal frames across the picture).
namespace PartStrip {

// The most frames a strip takes: Frames is read up to that number too.
constexpr int MaxFrames = 1000;
// The widest strip, in pixels: BMP readers keep rows far wider, but a picture
// this wide already takes a third of a gigabyte.
constexpr qint64 MaxWidth = 65535;

struct Result
{
    QImage strip;  // RGB32; null with an error
    QString error; // names the frame that does not fit and why
    bool ok() const { return error.isEmpty(); }
};

// frames in order, each named by names (same length) for the messages. Every
// frame must have the first one's size.
Result build(const QList<QImage> &frames, const QStringList &names);

} // namespace PartStrip
