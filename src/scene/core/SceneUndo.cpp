#include "SceneUndo.h"

#include "SceneStep.h"

#include <utility>

void SceneUndo::open(const SceneState &now, const QString &text, int mergeKey)
{
    if (m_depth++ > 0)
        return;
    m_before = now;
    m_text = text;
    m_mergeKey = mergeKey;
}

void SceneUndo::close(const SceneState &now)
{
    if (--m_depth > 0 || now == m_before)
        return;
    m_stack.push(new SceneStep(m_editor, m_text, std::move(m_before), now, m_mergeKey));
}

int SceneUndo::nudgeKey(bool repeat)
{
    if (!repeat || m_nudgeKey == 0)
        m_nudgeKey = m_nextMergeKey++;
    return m_nudgeKey;
}

int SceneUndo::textKey(int box)
{
    int &key = m_textKeys[size_t(box)];
    if (key == 0)
        key = m_nextMergeKey++;
    return key;
}
