// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChatDocument.h"
#include "FileStamp.h"

#include <QHash>
#include <QString>

// The folder's knowledge bases as the Test Chat last read them. A file whose
// size and time are unchanged is not read again, and its text stays the same
// string, which the paragraph index takes as unchanged at no cost: a reply
// over many megabytes of files reads nothing.
class KnowledgeFileCache
{
public:
    // As ChatFiles::readKnowledge: an empty string, or why it cannot be read.
    QString read(const QString &folder, const QString &name, ChatDocument *document);

private:
    struct Entry
    {
        FileStamp stamp;
        ChatDocument document;
    };
    QHash<QString, Entry> m_files; // by path
};
