// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartCutOut.h"

#include "Cp1252.h"
#include "TextFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace PartCutOut {
namespace {

bool differs(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) > tolerance || std::abs(qGreen(a) - qGreen(b)) > tolerance ||
           std::abs(qBlue(a) - qBlue(b)) > tolerance;
}

QImage asRgb32(const QImage &image)
{
    return image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

Difference findDifference(const QImage &background, const QImage &full, const Settings &settings,
                          const QString &name)
{
    Difference result;
    if (background.isNull()) {
        result.error =
            QCoreApplication::translate("PartCutOut", "The scene has no background to compare \"%1\" with.")
                .arg(name);
        return result;
    }
    if (full.size() != background.size()) {
        result.error =
            QCoreApplication::translate("PartCutOut",
                                        "\"%1\" is %2 x %3 pixels, the background %4 x %5: a full picture of "
                                        "the scene must be exactly as large as the background.")
                .arg(name)
                .arg(full.width())
                .arg(full.height())
                .arg(background.width())
                .arg(background.height());
        return result;
    }
    const QImage a = asRgb32(background);
    const QImage b = asRgb32(full);
    const int width = a.width();
    const int height = a.height();
    const int tolerance = std::clamp(settings.tolerance, 0, MaxTolerance);

    std::vector<unsigned char> mask(size_t(width) * size_t(height));
    bool anyDifference = false;
    for (int y = 0; y < height; ++y) {
        const auto *rowA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *rowB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        unsigned char *row = mask.data() + size_t(y) * size_t(width);
        for (int x = 0; x < width; ++x) {
            if ((rowA[x] & 0xffffff) != (rowB[x] & 0xffffff))
                anyDifference = true;
            row[x] = differs(rowA[x], rowB[x], tolerance) ? 1 : 0;
        }
    }

    // Every patch is walked once; a walked pixel is marked 2.
    QRect found;
    std::vector<int> stack;
    for (int start = 0; start < width * height; ++start) {
        if (mask[size_t(start)] != 1)
            continue;
        mask[size_t(start)] = 2;
        stack.assign(1, start);
        int count = 0;
        int left = width, top = height, right = -1, bottom = -1;
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            ++count;
            const int x = at % width, y = at / width;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= width || ny >= height)
                        continue;
                    const size_t next = size_t(ny) * size_t(width) + size_t(nx);
                    if (mask[next] == 1) {
                        mask[next] = 2;
                        stack.push_back(int(next));
                    }
                }
            }
        }
        if (count >= SpeckPixels)
            found |= QRect(QPoint(left, top), QPoint(right, bottom));
    }

    if (found.isEmpty()) {
        result.error =
            anyDifference
                ? QCoreApplication::translate("PartCutOut",
                                              "\"%1\" differs from the background only by noise (no patch of "
                                              "%2 pixels or more by more than the tolerance %3).")
                      .arg(name)
                      .arg(SpeckPixels)
                      .arg(tolerance)
                : QCoreApplication::translate(
                      "PartCutOut", "\"%1\" is the same as the background: nothing differs to cut out.")
                      .arg(name);
        return result;
    }
    const int margin = std::clamp(settings.margin, 0, MaxMargin);
    result.rect = found.adjusted(-margin, -margin, margin, margin) & a.rect();
    return result;
}

QString freeName(const QString &folder, const QString &source, const QString &partStem)
{
    // A scene file ends a name at ";" and reads a key at "=": neither may
    // stand in the name it is to store, nor a character its code page lacks.
    QString stem = QFileInfo(source).completeBaseName() + QLatin1Char('-') + partStem;
    for (QChar &c : stem) {
        if (c == QLatin1Char(';') || c == QLatin1Char('=') || c == QLatin1Char('\r') ||
            c == QLatin1Char('\n') || !Cp1252::canStore(c))
            c = QLatin1Char('_');
    }
    const QDir dir(folder);
    QString name = stem + QStringLiteral(".bmp");
    for (int n = 2; dir.exists(name); ++n)
        name = QStringLiteral("%1 (%2).bmp").arg(stem).arg(n);
    return name;
}

QString writeBmp(const QImage &image, const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) ||
        !image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
        return QCoreApplication::translate("PartCutOut",
                                           "Cannot write \"%1\": the picture could not be encoded")
            .arg(QDir::toNativeSeparators(path));
    return TextFile::writeBytes(path, bytes);
}

} // namespace PartCutOut
