// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SceneRecord.h"

// Where dragging and nudging put a part. Single precision throughout;
// positions are not rounded to whole pixels.
namespace ScenePlacement {

// The nudges stop at the fixed 700 x 500 canvas, not at the canvas size the
// drag uses.
constexpr float NudgeRightLimit = 700;
constexpr float NudgeBottomLimit = 500;

// Moves the part's top-left corner to (n, m) as a drag does: never past the
// left or top edge, and, except for the miscellaneous part, never past the
// right or bottom edge of a canvas of the given size. A part larger than the
// canvas ends with its right (bottom) edge on the canvas edge. The limit
// canvasWidth - w is rounded to a single before it is compared.
void dragTo(SceneRecord::Part &part, ScenePart::Id id, float n, float m, float canvasWidth,
            float canvasHeight);

// Moves the part by (dx, dy) pixels, one of them 0 (the buttons move 1 pixel,
// Shift with an arrow key 10). Each step checks only the edge it moves
// towards: left and up stop at 0; right and down stop where the part's far
// edge meets the fixed limit (a sum equal to the limit is allowed), except for
// the miscellaneous part, which has no right or bottom limit.
void nudge(SceneRecord::Part &part, ScenePart::Id id, int dx, int dy);

// The largest size "Position and Size" gives the miscellaneous part, whose
// strip may run far past the canvas.
constexpr float LargestMiscSize = 100000;

// The place "Position and Size" asks for, held to the nudges' limits: the
// size at least 1 pixel and, except for the miscellaneous part, at most the
// fixed canvas; the corner never left of or above the canvas and, except for
// the miscellaneous part, never so far that the far edge passes the fixed
// limit (a part that grows wider moves left to stay on the canvas).
void holdPlace(SceneRecord::Part &part, ScenePart::Id id, float x, float y, float w, float h);

} // namespace ScenePlacement
