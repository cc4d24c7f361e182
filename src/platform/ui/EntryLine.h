// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LineBox.h"

// The one-line entry box of the editors (their `Text2`).
//
// entered() is emitted when Enter (or the keypad's Enter) is released, with
// any modifiers, after it was pressed in this box: a held key's repeats add
// nothing, and the Enter that closed a message box or dialog, or that clicked
// the button which opened the window, is released here without having been
// pressed here, so it is not taken as an entry.
class EntryLine : public LineBox
{
    Q_OBJECT
public:
    explicit EntryLine(QWidget *parent = nullptr);

signals:
    void entered();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool m_enterPressed = false; // Enter went down here and is not released yet
};
