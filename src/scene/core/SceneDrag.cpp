#include "SceneDrag.h"

#include "ScenePlacement.h"

#include <utility>

void SceneDrag::setBounds(float width, float height)
{
    m_width = width;
    m_height = height;
}

void SceneDrag::grab(int id, const SceneRecord::Part &part, QPointF position)
{
    m_offsets[size_t(id)] = {part.x - float(position.x()), part.y - float(position.y())};
    m_outlineOn = m_useOutline;
    m_dragging = true;
}

void SceneDrag::moveTo(int id, SceneRecord::Part &part, QPointF position) const
{
    const float n = m_offsets[size_t(id)].x + float(position.x());
    const float m = m_offsets[size_t(id)].y + float(position.y());
    ScenePlacement::dragTo(part, ScenePart::Id(id), n, m, m_width, m_height);
}

bool SceneDrag::release()
{
    return std::exchange(m_dragging, false);
}
