#pragma once

#include "CanvasPicture.h"
#include "SceneState.h"

#include <QRect>

// The composer's canvas and what it knows of its own pixels: which background
// it shows and what was drawn over it since, so that a redraw restores only
// that, and which area changed since the window was last told.
class SceneDrawing
{
public:
    // How often the canvas was rebuilt and an outline inverted.
    struct Counts
    {
        quint64 redraws = 0;
        quint64 outlines = 0;
    };

    // The background, and the selected part over it while parts are shown.
    void redraw(const SceneState &state);
    // Inverts the selected part's outline; twice at one place restores it.
    void drawOutline(const SceneState &state);

    const QImage &image() const { return m_canvas.image(); }
    const Counts &counts() const { return m_counts; }
    // The area changed since the last call.
    QRect takeChangedArea();

private:
    CanvasPicture m_canvas;
    // The background holder's picture the canvas shows (by its cache key; -1
    // before the first drawing) and, over it, whatever was drawn in this
    // rectangle since.
    qint64 m_shownBackground = -1;
    QRect m_drawnOver;
    QRect m_changedArea;
    Counts m_counts;
};
