// SPDX-License-Identifier: GPL-3.0-or-later
#include "CanvasPicture.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Canvas coordinates are singles; pixels are whole. A coordinate lands on the
// nearest pixel, halves rounding up (towards +infinity), so that shifting a
// rectangle by whole pixels never changes its pixel size, also where it
// reaches past the left or top edge. Sizes round the same way, which keeps a
// whole-numbered part exactly w x h pixels wherever it sits. A non-finite
// value gives no pixel at all (the callers then draw nothing).
bool toPixel(float value, double *pixel)
{
    if (!std::isfinite(value))
        return false;
    *pixel = std::floor(double(value) + 0.5);
    return true;
}

// Pixel numbers far beyond the canvas are cut down to this before they become
// integers, so no sum overflows; pictures are far smaller.
qint64 toIndex(double pixel)
{
    constexpr double FarAway = 1099511627776.0; // 2^40
    return qint64(std::clamp(pixel, -FarAway, FarAway));
}

constexpr QRgb InvertMask = 0x00ffffff; // every colour bit, never the alpha byte

} // namespace

QColor CanvasPicture::plainColour()
{
    return QColor(192, 192, 255);
}

CanvasPicture::CanvasPicture() : m_image(Width, Height, QImage::Format_RGB32)
{
    m_image.fill(plainColour());
}

void CanvasPicture::blit(const QImage &source, int sourceX, int sourceY, int width, int height, int destX,
                         int destY)
{
    // The caller has clipped both rectangles already.
    if (width <= 0 || height <= 0)
        return;
    // Pictures come decoded as RGB32 and are copied row by row; any other
    // format is converted (just the rectangle) first.
    const bool direct = source.format() == QImage::Format_RGB32;
    const QImage converted =
        direct ? QImage()
               : source.copy(sourceX, sourceY, width, height).convertToFormat(QImage::Format_RGB32);
    const QImage &rows = direct ? source : converted;
    const int fromX = direct ? sourceX : 0;
    const int fromY = direct ? sourceY : 0;
    const size_t bytes = size_t(width) * sizeof(QRgb);
    for (int row = 0; row < height; ++row) {
        const auto *from = reinterpret_cast<const QRgb *>(rows.constScanLine(fromY + row)) + fromX;
        auto *to = reinterpret_cast<QRgb *>(m_image.scanLine(destY + row)) + destX;
        std::memcpy(to, from, bytes);
    }
}

QRect CanvasPicture::setBasePicture(const QImage &background)
{
    m_image.fill(plainColour());
    if (!background.isNull()) {
        blit(background, 0, 0, std::min(background.width(), int(Width)),
             std::min(background.height(), int(Height)), 0, 0);
    }
    return m_image.rect();
}

void CanvasPicture::restoreBase(const QImage &background, const QRect &area)
{
    const QRect canvasArea = area & m_image.rect();
    if (canvasArea.isEmpty())
        return;
    // The plain colour only where the background does not reach.
    const QRect covered = background.isNull() ? QRect() : canvasArea & background.rect();
    const QRgb plain = plainColour().rgb();
    for (int row = canvasArea.top(); row <= canvasArea.bottom(); ++row) {
        auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(row));
        if (covered.isEmpty() || row < covered.top() || row > covered.bottom()) {
            std::fill(line + canvasArea.left(), line + canvasArea.right() + 1, plain);
            continue;
        }
        std::fill(line + canvasArea.left(), line + covered.left(), plain);
        std::fill(line + covered.right() + 1, line + canvasArea.right() + 1, plain);
    }
    if (!covered.isEmpty())
        blit(background, covered.left(), covered.top(), covered.width(), covered.height(), covered.left(),
             covered.top());
}

QRect CanvasPicture::copyPicture(const QImage &source, float x, float y, float w, float h)
{
    double left, top, width, height;
    if (source.isNull() || !toPixel(x, &left) || !toPixel(y, &top) || !toPixel(w, &width) ||
        !toPixel(h, &height))
        return QRect();
    // Where the stored size reaches past the picture (the LOAD buttons size a
    // part about 1.8 % above its picture), only the picture's own pixels are
    // copied; the strip beyond it keeps what the canvas showed there.
    const qint64 pictureWidth = std::min<qint64>(toIndex(width), source.width());
    const qint64 pictureHeight = std::min<qint64>(toIndex(height), source.height());
    // Clip the destination to the canvas and move the source corner along.
    const qint64 destX = toIndex(left);
    const qint64 destY = toIndex(top);
    const qint64 destLeft = std::max<qint64>(destX, 0);
    const qint64 destTop = std::max<qint64>(destY, 0);
    const qint64 destRight = std::min<qint64>(destX + pictureWidth, Width);
    const qint64 destBottom = std::min<qint64>(destY + pictureHeight, Height);
    if (destRight <= destLeft || destBottom <= destTop)
        return QRect();
    blit(source, int(destLeft - destX), int(destTop - destY), int(destRight - destLeft),
         int(destBottom - destTop), int(destLeft), int(destTop));
    return QRect(int(destLeft), int(destTop), int(destRight - destLeft), int(destBottom - destTop));
}

QRect CanvasPicture::invertOutline(float x, float y, float w, float h)
{
    // The outline runs through the corner pixels (X0, Y0) and (X0 + W, Y0 + H),
    // both included, so it lies just around a part copied with the same
    // numbers (its right and bottom lines one pixel past the part). Every pixel
    // of it is inverted exactly once per call, also for a rectangle that
    // collapses to a line or a single pixel, so a second call restores them all.
    double left, top, width, height;
    if (!toPixel(x, &left) || !toPixel(y, &top) || !toPixel(w, &width) || !toPixel(h, &height))
        return QRect();
    qint64 x0 = toIndex(left);
    qint64 y0 = toIndex(top);
    qint64 x1 = toIndex(left + width);
    qint64 y1 = toIndex(top + height);
    if (x1 < x0)
        std::swap(x0, x1);
    if (y1 < y0)
        std::swap(y0, y1);

    const qint64 clipLeft = std::max<qint64>(x0, 0);
    const qint64 clipRight = std::min<qint64>(x1, Width - 1);
    auto invertRow = [&](qint64 row) {
        if (row < 0 || row >= Height || clipRight < clipLeft)
            return;
        auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(int(row)));
        for (qint64 column = clipLeft; column <= clipRight; ++column)
            line[column] ^= InvertMask;
    };
    auto invertColumn = [&](qint64 column, qint64 fromRow, qint64 toRow) {
        if (column < 0 || column >= Width)
            return;
        for (qint64 row = std::max<qint64>(fromRow, 0); row <= std::min<qint64>(toRow, Height - 1); ++row)
            reinterpret_cast<QRgb *>(m_image.scanLine(int(row)))[column] ^= InvertMask;
    };

    invertRow(y0);
    if (y1 != y0)
        invertRow(y1);
    // The sides between the two rows, without the corners the rows took.
    invertColumn(x0, y0 + 1, y1 - 1);
    if (x1 != x0)
        invertColumn(x1, y0 + 1, y1 - 1);

    const qint64 clipTop = std::max<qint64>(y0, 0);
    const qint64 clipBottom = std::min<qint64>(y1, Height - 1);
    if (clipRight < clipLeft || clipBottom < clipTop)
        return QRect();
    return QRect(QPoint(int(clipLeft), int(clipTop)), QPoint(int(clipRight), int(clipBottom)));
}
