// SPDX-License-Identifier: GPL-3.0-or-later
#include "KnowledgeFileCache.h"

#include "ChatFiles.h"

#include <QDir>
#include <QFileInfo>

QString KnowledgeFileCache::read(const QString &folder, const QString &name, ChatDocument *document)
{
    const QString path = QFileInfo(name).isAbsolute() ? name : QDir(folder).filePath(name);
    const FileStamp now = FileStamp::of(path);
    const auto known = m_files.constFind(path);
    if (now.exists && known != m_files.cend() && known->stamp == now) {
        *document = known->document;
        return QString();
    }
    const QString error = ChatFiles::readKnowledge(folder, name, document);
    if (error.isEmpty())
        m_files.insert(path, Entry{now, *document});
    else
        m_files.remove(path);
    return error;
}
