// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneDocument.h"

#include "SceneFile.h"
#include "TextFile.h"

const QString &SceneDocument::build(const SceneRecord &record)
{
    m_text = BuildSceneText(record);
    return m_text;
}

QString SceneDocument::write(const QString &path, FileStamp *stamp) const
{
    return TextFile::writeWithBackup(path, m_text, stamp);
}

bool SceneDocument::updateModified(const SceneRecord &record)
{
    const bool modified = record != m_savedRecord;
    if (modified == m_modified)
        return false;
    m_modified = modified;
    return true;
}
