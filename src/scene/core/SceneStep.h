// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SceneEditor.h"

#include <QUndoCommand>

// One undo step of the scene editor: the state before and after it. Pictures
// share their pixels, so a step costs a few strings, however long the drag or
// the typing it stands for.
class SceneStep : public QUndoCommand
{
public:
    // mergeKey: steps with the same non-zero key that follow each other on the
    // stack become one (typing into one text box, a held nudge).
    SceneStep(SceneEditor &editor, const QString &text, SceneEditor::State before, SceneEditor::State after,
              int mergeKey);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand *other) override;

private:
    SceneEditor &m_editor;
    SceneEditor::State m_before;
    SceneEditor::State m_after;
    int m_mergeKey;
    // The stack calls redo() when the step is pushed; the editor is already
    // in the after state then.
    bool m_applied = true;
};
