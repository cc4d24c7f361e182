// SPDX-License-Identifier: GPL-3.0-or-later
#include "Picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

namespace PictureLoader {

int pixelsToHimetric(int pixels)
{
    // Rounded to nearest, halves away from zero; 64-bit so no size overflows.
    const qint64 scaled = qint64(pixels) * 2540;
    return int(scaled >= 0 ? (scaled + 48) / 96 : -((-scaled + 48) / 96));
}

Picture fromImage(const QImage &image)
{
    Picture picture;
    if (image.isNull())
        return picture;
    picture.image = image.convertToFormat(QImage::Format_RGB32);
    picture.Width = pixelsToHimetric(image.width());
    picture.Height = pixelsToHimetric(image.height());
    return picture;
}

namespace {

PictureResult read(const QString &path, bool upright)
{
    PictureResult result;
    if (path.isEmpty())
        return result;
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.reason = file.errorString();
        result.error = QCoreApplication::translate("Picture", "Cannot open the picture \"%1\": %2")
                           .arg(shown, result.reason);
        return result;
    }
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(upright);
    // Qt's own limit (128 MB) refuses an ordinary 48-megapixel photo. Set
    // once: pictures are also decoded on worker threads.
    static const bool limitSet = [] {
        QImageReader::setAllocationLimit(int(kMaxDecodedBytes >> 20));
        return true;
    }();
    Q_UNUSED(limitSet)
    const QSize size = reader.size();
    if (size.isValid()) {
        const int depth = std::max(32, int(QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel()));
        const qint64 bytes = qint64(size.width()) * size.height() * (depth / 8);
        if (bytes > kMaxDecodedBytes) {
            result.reason =
                QCoreApplication::translate(
                    "Picture", "at %1 \u00d7 %2 pixels it is too large (it would take %3 MB; at most %4 MB)")
                    .arg(size.width())
                    .arg(size.height())
                    .arg((bytes + (1 << 20) - 1) >> 20)
                    .arg(kMaxDecodedBytes >> 20);
            result.error = QCoreApplication::translate("Picture", "Cannot load the picture \"%1\": %2")
                               .arg(shown, result.reason);
            return result;
        }
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        result.reason = reader.errorString();
        result.error = QCoreApplication::translate("Picture", "Cannot read \"%1\" as a picture: %2")
                           .arg(shown, result.reason);
        return result;
    }
    result.storedTurned = reader.transformation() != QImageIOHandler::TransformationNone;
    result.picture = fromImage(image);
    return result;
}

} // namespace

PictureResult load(const QString &path)
{
    return read(path, false);
}

PictureResult loadUpright(const QString &path)
{
    return read(path, true);
}

QString formatMismatch(const QString &path)
{
    static const struct
    {
        const char *suffix;
        const char *format;
    } Named[] = {{"jpg", "jpeg"}, {"jpeg", "jpeg"}, {"jpe", "jpeg"}, {"jfif", "jpeg"},
                 {"bmp", "bmp"},  {"dib", "bmp"},   {"png", "png"},  {"gif", "gif"}};
    const QString suffix = QFileInfo(path).suffix().toLower();
    const char *named = nullptr;
    for (const auto &entry : Named) {
        if (suffix == QLatin1String(entry.suffix))
            named = entry.format;
    }
    if (!named)
        return QString();
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format.isEmpty() || format == named)
        return QString();
    return QCoreApplication::translate("Picture",
                                       "\"%1\" holds a %2 picture, not the %3 picture its name says")
        .arg(QDir::toNativeSeparators(path), QString::fromLatin1(format.toUpper()),
             QString::fromLatin1(QByteArray(named).toUpper()));
}

namespace {

// Whether the JPEG in bytes reaches its end-of-picture marker. Segments are
// stepped over by their lengths; in the data after a start of scan a marker
// byte is always escaped, so the next unescaped marker ends the scan.
bool reachesEnd(const uchar *bytes, qsizetype size)
{
    qsizetype at = 2;
    while (at + 1 < size) {
        if (bytes[at] != 0xff) {
            ++at; // stray bytes between segments, which decoders skip
            continue;
        }
        const uchar marker = bytes[at + 1];
        if (marker == 0xd9)
            return true;
        if (marker == 0xff || marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7)) {
            at += marker == 0xff ? 1 : 2;
            continue;
        }
        if (at + 3 >= size)
            return false;
        at += 2 + ((qsizetype(bytes[at + 2]) << 8) | bytes[at + 3]);
        if (marker != 0xda)
            continue;
        while (at + 1 < size) {
            if (bytes[at] == 0xff) {
                const uchar next = bytes[at + 1];
                if (next != 0x00 && next != 0xff && !(next >= 0xd0 && next <= 0xd7))
                    break;
                at += next == 0xff ? 1 : 2;
            } else {
                ++at;
            }
        }
    }
    return false;
}

} // namespace

QString cutShort(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 4)
        return QString();
    const qsizetype size = qsizetype(file.size());
    const uchar *bytes = file.map(0, size);
    QByteArray read;
    if (!bytes) {
        read = file.readAll();
        bytes = reinterpret_cast<const uchar *>(read.constData());
    }
    if (bytes[0] != 0xff || bytes[1] != 0xd8 || reachesEnd(bytes, size))
        return QString();
    return QCoreApplication::translate("Picture", "\"%1\" is cut short: the file ends inside its picture "
                                                  "data, so the rest of the picture is missing")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace PictureLoader
