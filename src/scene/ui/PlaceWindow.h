// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <array>

class QSpinBox;
class SceneEditor;

// "Position and Size": the selected part's X, Y, Width and Height as spin
// boxes. Each change shows on the canvas at once, held to the nudges' limits;
// OK makes the changes one undo step, Cancel (Escape, closing) puts the part
// back. Whole pixels: a value left alone keeps its fraction.
class PlaceWindow : public QDialog
{
    Q_OBJECT
public:
    static const char *const Title; // "Position and Size"

    PlaceWindow(SceneEditor &editor, QWidget *owner);

private:
    void changed(int field);
    void mirror();

    SceneEditor &m_editor;
    std::array<QSpinBox *, 4> m_boxes{}; // X, Y, Width, Height
};
