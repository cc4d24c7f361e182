// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChatFiles.h"

#include "PersonalityFile.h"
#include "TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

ChatFiles ChatFiles::read(const QString &folder, const QString &personality, const QStringList &knowledge)
{
    ChatFiles files = readPersonality(folder, personality);
    if (!files.ok())
        return files;
    const QStringList names = knowledge.isEmpty() ? knowledgeBases(folder) : knowledge;
    for (const QString &name : names) {
        ChatDocument document;
        files.error = readKnowledge(folder, name, &document);
        if (!files.ok())
            return files;
        files.knowledge << document;
    }
    return files;
}

QString ChatFiles::readKnowledge(const QString &folder, const QString &name, ChatDocument *document)
{
    const QString path = QFileInfo(name).isAbsolute() ? name : QDir(folder).filePath(name);
    const TextFile::ReadResult text = TextFile::read(path);
    if (!text.ok())
        return QCoreApplication::translate("ChatFiles", "the knowledge base \"%1\" cannot be read: %2")
            .arg(name, text.error);
    *document = ChatDocument{QFileInfo(name).fileName(), text.text};
    return QString();
}

ChatFiles ChatFiles::readPersonality(const QString &folder, const QString &personality)
{
    ChatFiles files;
    files.personality = personality;
    if (files.personality.isEmpty()) {
        const QStringList list = PersonalityFile::list(folder);
        if (list.isEmpty()) {
            files.error = QCoreApplication::translate("ChatFiles", "%1 holds no personality")
                              .arg(QDir::toNativeSeparators(folder));
            return files;
        }
        files.personality = list.constFirst();
    }
    const PersonalityFile::ReadResult read = PersonalityFile::read(folder, files.personality);
    switch (read.status) {
    case PersonalityFile::ReadResult::Status::Loaded:
        break;
    case PersonalityFile::ReadResult::Status::QandAMissing:
        files.error =
            QCoreApplication::translate("ChatFiles", "the personality \"%1\" cannot be read: %2 is missing")
                .arg(files.personality, PersonalityFile::qandAPath(folder, files.personality));
        return files;
    default:
        files.error = QCoreApplication::translate("ChatFiles", "the personality \"%1\" cannot be read: %2")
                          .arg(files.personality, read.error);
        return files;
    }
    // The load has taken the sections out of the memory text already.
    files.memory = read.texts.memory;
    files.qandA = read.texts.qandA;
    files.qandAPath = PersonalityFile::qandAPath(folder, files.personality);
    return files;
}

QStringList ChatFiles::knowledgeBases(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.kba")}, QDir::Files | QDir::Hidden,
                                  QDir::Name | QDir::IgnoreCase);
}
