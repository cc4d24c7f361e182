// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneComposition.h"

#include "CanvasPicture.h"

QImage composeScene(const SceneRecord &scene, const ScenePictures &pictures)
{
    CanvasPicture canvas;
    composeScene(canvas, scene, pictures);
    return canvas.image();
}

void composeScene(CanvasPicture &canvas, const SceneRecord &scene, const ScenePictures &pictures)
{
    canvas.setBasePicture(pictures.background.image);
    for (int id = 0; id < ScenePart::Count; ++id) {
        if (!scene.inScene(id))
            continue;
        const SceneRecord::Part &part = scene.part(id);
        canvas.copyPicture(pictures.parts[size_t(id)].image, part.x, part.y, part.w, part.h);
    }
}
