#pragma once

#include "SceneState.h"

#include <QString>
#include <QUndoStack>

#include <array>

class SceneEditor;

// The composer's undo plumbing: one step spans the outermost call (or a drag
// from press to release) and keeps the state before and after it; steps that
// share a merge key become one.
class SceneUndo
{
public:
    explicit SceneUndo(SceneEditor &editor) : m_editor(editor) {}
    SceneUndo(const SceneUndo &) = delete;
    SceneUndo &operator=(const SceneUndo &) = delete;

    QUndoStack &stack() { return m_stack; }

    // Nested steps are part of the outermost one; a step that changed nothing
    // is not kept.
    void open(const SceneState &now, const QString &text, int mergeKey);
    void close(const SceneState &now);

    // A repeated nudge (a held button or key) joins the step of the one it
    // repeats.
    int nudgeKey(bool repeat);
    // Typing into one text box is one step until finishTextEdit.
    int textKey(int box);
    void finishTextEdit() { m_textKeys.fill(0); }

private:
    SceneEditor &m_editor;
    QUndoStack m_stack;
    int m_depth = 0;
    SceneState m_before;
    QString m_text;
    int m_mergeKey = 0;
    int m_nextMergeKey = 1;
    int m_nudgeKey = 0;
    std::array<int, 4> m_textKeys{};
};
