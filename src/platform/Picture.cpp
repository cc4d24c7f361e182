#include "Picture.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

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

PictureResult load(const QString &path)
{
    PictureResult result;
    if (path.isEmpty())
        return result;
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("Cannot open the picture \"%1\": %2").arg(shown, file.errorString());
        return result;
    }
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        result.error = QStringLiteral("Cannot read \"%1\" as a picture: %2").arg(shown, reader.errorString());
        return result;
    }
    result.picture = fromImage(image);
    return result;
}

} // namespace PictureLoader
