#include "SceneDrawing.h"

#include <utility>

void SceneDrawing::redraw(const SceneState &state)
{
    ++m_counts.redraws;
    // Where the canvas already shows this background, only what was drawn over
    // it since needs restoring: a drag then costs the part's size, not the
    // canvas's.
    const QImage &background = state.pictures.background.image;
    if (m_shownBackground == background.cacheKey()) {
        m_canvas.restoreBase(background, m_drawnOver);
        m_changedArea |= m_drawnOver;
    } else {
        m_changedArea |= m_canvas.setBasePicture(background);
        m_shownBackground = background.cacheKey();
    }
    m_drawnOver = QRect();
    if (!state.showPart || state.selected < 0)
        return;
    const SceneRecord::Part &part = state.record.part(state.selected);
    m_drawnOver = m_canvas.copyPicture(state.pictures.parts[size_t(state.selected)].image, part.x, part.y,
                                       part.w, part.h);
    m_changedArea |= m_drawnOver;
}

void SceneDrawing::drawOutline(const SceneState &state)
{
    ++m_counts.outlines;
    if (state.selected < 0)
        return;
    const SceneRecord::Part &part = state.record.part(state.selected);
    const QRect area = m_canvas.invertOutline(part.x, part.y, part.w, part.h);
    m_drawnOver |= area;
    m_changedArea |= area;
}

QRect SceneDrawing::takeChangedArea()
{
    return std::exchange(m_changedArea, QRect());
}
