// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneStep.h"

#include <utility>

SceneStep::SceneStep(SceneEditor &editor, const QString &text, SceneEditor::State before,
                     SceneEditor::State after, int mergeKey)
    : m_editor(editor), m_before(std::move(before)), m_after(std::move(after)), m_mergeKey(mergeKey)
{
    setText(text);
}

void SceneStep::undo()
{
    m_editor.restore(m_before);
}

void SceneStep::redo()
{
    if (std::exchange(m_applied, false))
        return;
    m_editor.restore(m_after);
}

int SceneStep::id() const
{
    return m_mergeKey != 0 ? 1 : -1;
}

bool SceneStep::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const SceneStep *>(other);
    if (m_mergeKey == 0 || next->m_mergeKey != m_mergeKey)
        return false;
    m_after = next->m_after;
    // Typing that ends where it began leaves no step.
    setObsolete(m_before == m_after);
    return true;
}
