// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpellingFindings.h"

#include "Cp1252.h"
#include "LocationSettings.h"
#include "PersonalityFile.h"
#include "SpellingCheck.h"
#include "SubstitutionTable.h"

#include <QFileInfo>

namespace SpellingFindings {
namespace {

bool hasExtension(const QString &file, const char *extension)
{
    return file.endsWith(QLatin1String(extension), Qt::CaseInsensitive);
}

// The MatchWords section of a decoded memory file.
QString matchWordsOf(const QString &decodedMemory)
{
    QString memory = decodedMemory;
    QString section;
    PersonalityFile::takeOutSection(memory, section, PersonalityFile::kMatchWordsMarker);
    return section;
}

QString decodedMemory(const QByteArray &bytes)
{
    return SubstitutionTable::decode(Cp1252::decode(bytes), SubstitutionTable::LineBreakStep::Fold);
}

// The personality's name, as the editor loads it: the file name without its
// extension.
QString personalityName(const QString &file)
{
    return QFileInfo(file).fileName().chopped(4);
}

QList<FileCheck::Finding> checkText(SpellChecker &checker, const QString &text,
                                    const SpellingExceptions &exceptions = {})
{
    return SpellingCheck::check(checker, text, FileCheck::Lines(text), exceptions);
}

} // namespace

QList<FileCheck::Finding> check(SpellChecker &checker, const QString &file, const QByteArray &bytes)
{
    if (hasExtension(file, ".mem")) {
        QString text = decodedMemory(bytes);
        const SpellingExceptions exceptions =
            SpellingExceptions::of({personalityName(file), matchWordsOf(text)});
        // The section markers are the file's own words.
        for (QLatin1String marker : {PersonalityFile::kMatchWordsMarker, PersonalityFile::kWontSayMarker})
            text.replace(marker, QString(marker.size(), QLatin1Char(' ')));
        return checkText(checker, text, exceptions);
    }
    if (hasExtension(file, ".qas")) {
        const QString text =
            SubstitutionTable::decode(Cp1252::decode(bytes), SubstitutionTable::LineBreakStep::None);
        // The MatchWords are in the memory file beside it.
        QByteArray memory;
        const QString memoryPath = file.chopped(4) + QStringLiteral(".mem");
        const QString matchWords = FileCheck::readBytes(memoryPath, &memory).isEmpty()
                                       ? matchWordsOf(decodedMemory(memory))
                                       : QString();
        return checkText(checker, text, SpellingExceptions::of({personalityName(file), matchWords}));
    }
    if (hasExtension(file, ".kba"))
        return checkText(checker, Cp1252::decode(bytes));

    // Options.Cfg: the text of each location's entry, the first one of each
    // as the Locations window reads it.
    const QString text = Cp1252::decode(bytes);
    const FileCheck::Lines lines(text);
    QList<FileCheck::Finding> findings;
    for (const LocationSettings::Key &key : LocationSettings::keys(text)) {
        if (key.kind != LocationSettings::Key::Kind::Entry || key.commas == 0)
            continue;
        const qsizetype from = key.fileEnd + 1;
        findings += SpellingCheck::check(checker, text, lines, {}, from, key.textEnd - from);
    }
    return findings;
}

} // namespace SpellingFindings
