// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Where spelling finds its dictionaries and keeps what the user chose: every
// place is an input, so tests and the command line point it elsewhere.
struct SpellingPlaces
{
    // Searched for dictionaries (an ".aff" and a ".dic" file of one name), in
    // this order; the folders the user added (kept in the settings) follow.
    QStringList dictionaryFolders;
    // The personal word list: one word a line, shared by every editor.
    QString personalWordList;
    // Where earlier versions kept the chosen dictionary, whether checking is
    // on and the folders the user added: read once, when the user's choices
    // hold none of them yet. Empty: there is nothing to carry over.
    QString formerSettingsFile;

    bool operator==(const SpellingPlaces &o) const
    {
        return dictionaryFolders == o.dictionaryFolders && personalWordList == o.personalWordList &&
               formerSettingsFile == o.formerSettingsFile;
    }

    // The system's dictionaries (/usr/share/hunspell, and the folders other
    // desktops install them in), the word list in the user's data folder and
    // the former settings in the user's configuration folder. Needs the kit's
    // application name.
    static SpellingPlaces standard();
};
