// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScenePlacement.h"

#include <algorithm>

namespace {

// One coordinate of a drag: n below 0 gives 0; beyond the limit (when there
// is one) gives the limit.
float dragged(float n, float canvasSize, float size, bool farLimit)
{
    if (n < 0)
        return 0;
    const float limit = canvasSize - size;
    if (farLimit && limit < n)
        return limit;
    return n;
}

float nudged(float position, float size, int step, float farLimit, bool hasFarLimit)
{
    const float moved = position + float(step);
    if (step < 0)
        return moved < 0 ? 0 : moved;
    const float farEdge = moved + size;
    if (hasFarLimit && farEdge > farLimit)
        return farLimit - size;
    return moved;
}

} // namespace

namespace ScenePlacement {

void dragTo(SceneRecord::Part &part, ScenePart::Id id, float n, float m, float canvasWidth,
            float canvasHeight)
{
    const bool farLimits = id != ScenePart::Misc;
    part.x = dragged(n, canvasWidth, part.w, farLimits);
    part.y = dragged(m, canvasHeight, part.h, farLimits);
}

void nudge(SceneRecord::Part &part, ScenePart::Id id, int dx, int dy)
{
    const bool farLimits = id != ScenePart::Misc;
    if (dx != 0)
        part.x = nudged(part.x, part.w, dx, NudgeRightLimit, farLimits);
    if (dy != 0)
        part.y = nudged(part.y, part.h, dy, NudgeBottomLimit, farLimits);
}

void holdPlace(SceneRecord::Part &part, ScenePart::Id id, float x, float y, float w, float h)
{
    const bool farLimits = id != ScenePart::Misc;
    const float widest = farLimits ? NudgeRightLimit : LargestMiscSize;
    const float highest = farLimits ? NudgeBottomLimit : LargestMiscSize;
    // A value that is no number is taken as the smallest.
    auto held = [](float value, float low, float high) { return value >= low ? std::min(value, high) : low; };
    part.w = held(w, 1, widest);
    part.h = held(h, 1, highest);
    part.x = held(x, 0, farLimits ? NudgeRightLimit - part.w : LargestMiscSize);
    part.y = held(y, 0, farLimits ? NudgeBottomLimit - part.h : LargestMiscSize);
}

} // namespace ScenePlacement
