#pragma once

#include "SceneDefaults.h"
#include "SceneRecord.h"

#include <QString>

// One of the five parts of a scene, seen through its fields in the record:
// picture name, left, top, width and height. Holds a reference to the record,
// so it lives only as long as the statement or handler that made it.
class ScenePart
{
public:
    ScenePart(SceneRecord &scene, SceneDefaults::Part part);

    SceneDefaults::Part part() const { return m_part; }

    // The record's picture name field of a part.
    static QString SceneRecord::*nameField(SceneDefaults::Part part);

    QString &name() const;
    float &x() const;
    float &y() const;
    float &w() const;
    float &h() const;

    // Moves the part's top-left corner to (n, m) as a drag does: never past the
    // left or top edge, and, except for the miscellaneous part, never past the
    // right or bottom edge of a canvas of the given size. A part larger than
    // the canvas ends with its right (bottom) edge on the canvas edge.
    // Single precision throughout, positions not rounded to whole pixels.
    void dragTo(float n, float m, float canvasWidth, float canvasHeight) const;

    // Moves the part one pixel (dx, dy each -1, 0 or +1). Left and top stop at
    // 0; right and bottom stop at the fixed 700 x 500 canvas, except for the
    // miscellaneous part, which has no right or bottom limit.
    void nudge(int dx, int dy) const;

    static constexpr float NudgeRightLimit = 700;
    static constexpr float NudgeBottomLimit = 500;

private:
    SceneRecord &m_scene;
    SceneDefaults::Part m_part;
};
