#pragma once

#include "SceneRecord.h"

#include <QPointF>

#include <array>

// Moving a part with the mouse: where it was grabbed, whether an outline
// stands for it while it moves, and the canvas it is kept on. The composer
// draws; this keeps the gesture.
class SceneDrag
{
public:
    // "Use outline": the next press drags an outline instead of the picture.
    bool useOutline() const { return m_useOutline; }
    void setUseOutline(bool on) { m_useOutline = on; }
    // Whether the outline stands for the part in the present (or last) drag.
    bool outlineOn() const { return m_outlineOn; }
    bool dragging() const { return m_dragging; }

    // The canvas size the part is kept on (0 x 0 until the scene is set up).
    float width() const { return m_width; }
    float height() const { return m_height; }
    void setBounds(float width, float height);

    // A press at position grabs the part where it lies; a second press during
    // a drag grabs it afresh.
    void grab(int id, const SceneRecord::Part &part, QPointF position);
    // Moves the grabbed part so that the grip follows position.
    void moveTo(int id, SceneRecord::Part &part, QPointF position) const;
    // Returns whether a drag was going.
    bool release();

private:
    bool m_useOutline = false;
    bool m_dragging = false;
    bool m_outlineOn = false;
    float m_width = 0;
    float m_height = 0;
    struct Offset
    {
        float x = 0;
        float y = 0;
    };
    std::array<Offset, ScenePart::Count> m_offsets{};
};
