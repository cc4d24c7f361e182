// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SceneState.h"

#include <QImage>

// "Show Other Parts": the canvas as the composer shows it, with every other
// part that is in the scene drawn faintly (half transparent) over the
// background and under the selected part, so one part can be lined up with
// the others. Only what the screen shows: files, renders, Save Frame and the
// preview never see it.
namespace SceneGhosts {

// canvas: the composer's canvas picture (700 x 500, RGB32) for state.
QImage compose(const QImage &canvas, const SceneState &state);

} // namespace SceneGhosts
