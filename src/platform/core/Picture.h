// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// A decoded picture with its size in hundredths of a millimetre, the unit the
// programs size parts and frames in. Sizes always assume 96 dots per inch,
// whatever resolution the file records.
struct Picture
{
    QImage image;   // null for the empty picture
    int Width = 0;  // hundredths of a millimetre
    int Height = 0; // hundredths of a millimetre

    bool isNull() const { return image.isNull(); }
    bool operator==(const Picture &other) const
    {
        return Width == other.Width && Height == other.Height && image == other.image;
    }
    bool operator!=(const Picture &other) const { return !(*this == other); }
};

struct PictureResult
{
    Picture picture;
    QString error;  // empty on success; names the file and the reason otherwise
    QString reason; // the reason alone, for messages that name the file themselves
    // The file asks for its picture to be turned or mirrored to stand upright
    // (a photo's EXIF orientation other than 1); the picture is as stored.
    bool storedTurned = false;
    bool ok() const { return error.isEmpty(); }
};

namespace PictureLoader {

// P pixels at 96 dpi: P * 2540 / 96, rounded to the nearest whole number.
int pixelsToHimetric(int pixels);

// The most memory one decoded picture may take: pixels at 32 bits each (or at
// the file's own depth where that is more), in bytes.
constexpr qint64 kMaxDecodedBytes = qint64(1) << 30;

// Loads a BMP or JPEG (or PNG) file, deciding the format from the content,
// as stored: a photo's orientation is not applied, since the companion shows
// photos that way and the kit must show what it will.
// The empty path gives the empty picture and no error. A missing or
// undecodable file, or one too large to decode (see kMaxDecodedBytes; the
// message gives its size), gives the empty picture and an error.
PictureResult load(const QString &path);
// The same picture turned upright as its orientation asks.
PictureResult loadUpright(const QString &path);

Picture fromImage(const QImage &image);

// A picture file whose content is of another format than its name says (a
// PNG named ".jpg"): loading goes by the content, but other programs go by
// the name. The message names the file and both formats; empty when they
// agree, or for a name no format is known by.
QString formatMismatch(const QString &path);

// A JPEG file that ends inside its picture data (a download or copy cut
// short): it still decodes, with the missing part filled in, so only its
// markers tell. The message names the file; empty for a whole JPEG and for
// any other file.
QString cutShort(const QString &path);

} // namespace PictureLoader
