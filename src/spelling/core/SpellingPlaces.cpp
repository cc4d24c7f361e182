// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpellingPlaces.h"

#include <QDir>
#include <QStandardPaths>

SpellingPlaces SpellingPlaces::standard()
{
    SpellingPlaces places;
    // Debian's dictionary packages install into /usr/share/hunspell; other
    // systems keep them with the data of the desktop.
    places.dictionaryFolders << QStringLiteral("/usr/share/hunspell");
    for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString folder = QDir(data).filePath(QStringLiteral("hunspell"));
        if (!places.dictionaryFolders.contains(folder))
            places.dictionaryFolders << folder;
    }
    // A name without the version, so that the words stay from one version of
    // the kit to the next.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    places.personalWordList = QDir(data).filePath(QStringLiteral("Spelling/Personal words.txt"));
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    places.formerSettingsFile = QDir(config).filePath(QStringLiteral("Spelling.conf"));
    return places;
}
