// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileStamp.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <utility>

// What a recovery file holds of one open document: enough to rebuild it
// exactly after the program ended without closing it. The texts are the
// document's own (named by its kind's model, such as "memory" or "text");
// file is the file the document was loaded from or last saved to ("" when it
// has none yet), and stamp what that file was then, so that a recovered
// document can tell when another program changed the file since.
struct RecoveryRecord
{
    using Text = std::pair<QString, QString>; // name, content

    QString program; // "Mindloom" or "Frameloft"
    QString kind;    // see RecoveryKind
    QString file;
    FileStamp stamp;
    QDateTime changed; // the last change written, UTC
    QList<Text> texts;

    // The text called name, or "" when there is none.
    QString text(const QString &name) const;
    void setText(const QString &name, const QString &content);

    bool operator==(const RecoveryRecord &o) const
    {
        return program == o.program && kind == o.kind && file == o.file && stamp == o.stamp &&
               changed == o.changed && texts == o.texts;
    }
    bool operator!=(const RecoveryRecord &o) const { return !(*this == o); }
};

// The kinds of documents and what the recovery window calls them.
namespace RecoveryKind {
inline const QString Personality = QStringLiteral("personality");
inline const QString KnowledgeBase = QStringLiteral("knowledge base");
inline const QString Locations = QStringLiteral("locations");
inline const QString Scene = QStringLiteral("scene");
} // namespace RecoveryKind
