// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScenePictures.h"
#include "SceneRecord.h"

#include <QImage>

// The whole scene as the playing program puts it together: the background
// holder's picture with every part that is in the scene over it, in part
// order, each copied as the canvas copies the selected part. The composer's
// canvas shows one part at a time; this shows them all, without a window.
QImage composeScene(const SceneRecord &scene, const ScenePictures &pictures);

// The same into a canvas that is kept from one composition to the next, so
// that a preview redrawn on every change allocates nothing.
class CanvasPicture;
void composeScene(CanvasPicture &canvas, const SceneRecord &scene, const ScenePictures &pictures);
