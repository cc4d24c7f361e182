// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChatDocument.h"

#include <QList>
#include <QString>
#include <QStringList>

// The texts a chat answers from, read from a folder as the editors would
// load them: a personality's memory text (without its two sections, which the
// tester leaves to the companion) and question/answer text, and knowledge
// bases.
struct ChatFiles
{
    QString personality;
    QString memory;
    QString qandA;
    QString qandAPath;
    QList<ChatDocument> knowledge;
    QString error; // names what could not be read, and why
    bool ok() const { return error.isEmpty(); }

    // personality: a name of the folder's list, or empty for the first of it;
    // knowledge: file names in the folder (or paths), or empty for every .kba
    // of the folder, by name.
    static ChatFiles read(const QString &folder, const QString &personality, const QStringList &knowledge);

    // The personality alone (knowledge stays empty).
    static ChatFiles readPersonality(const QString &folder, const QString &personality);
    // One knowledge base: an empty string, or why it cannot be read.
    static QString readKnowledge(const QString &folder, const QString &name, ChatDocument *document);

    // The .kba files of the folder, by name.
    static QStringList knowledgeBases(const QString &folder);
};
