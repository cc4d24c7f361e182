// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneGhosts.h"

#include "CanvasPicture.h"

namespace SceneGhosts {

QImage compose(const QImage &canvas, const SceneState &state)
{
    // The other parts drawn opaquely over the canvas, and the selected one
    // again over them; half of that over the canvas is where they show.
    CanvasPicture others;
    others.setBasePicture(canvas);
    for (int id = 0; id < ScenePart::Count; ++id) {
        const QImage &image = state.pictures.parts[size_t(id)].image;
        if (id == state.selected || !state.record.inScene(id) || image.isNull())
            continue;
        const SceneRecord::Part &part = state.record.part(id);
        others.copyPicture(image, part.x, part.y, part.w, part.h);
    }
    if (state.showPart && state.selected >= 0) {
        const QImage &image = state.pictures.parts[size_t(state.selected)].image;
        const SceneRecord::Part &part = state.record.part(state.selected);
        if (!image.isNull())
            others.copyPicture(image, part.x, part.y, part.w, part.h);
    }
    QImage result = canvas.convertToFormat(QImage::Format_RGB32);
    const QImage &over = others.image();
    for (int y = 0; y < result.height() && y < over.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        const auto *ghost = reinterpret_cast<const QRgb *>(over.constScanLine(y));
        for (int x = 0; x < result.width() && x < over.width(); ++x) {
            const QRgb a = line[x], b = ghost[x];
            if (a != b)
                line[x] = qRgb((qRed(a) + qRed(b) + 1) / 2, (qGreen(a) + qGreen(b) + 1) / 2,
                               (qBlue(a) + qBlue(b) + 1) / 2);
        }
    }
    return result;
}

} // namespace SceneGhosts
