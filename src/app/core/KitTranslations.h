// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The programs' texts in the user's language: the kit's catalogue and the
// toolkit's own (its dialogs' buttons), for the first of the user's languages
// that has one; English, the texts of the sources, when none has. Only what
// the programs show is translated: the files they write never change with the
// language.
namespace KitTranslations {

// The folder of the catalogues, in the program folder of a build and in the
// shipped content of an installed kit.
QString folderName();

// Where the kit's catalogues are looked for, first found first: beside the
// executable (a build's program folder), then the installed kit's. Needs the
// application object.
QStringList folders();

// Loads and installs the catalogues for the languages of locale (the user's
// follows LANGUAGE, then LC_MESSAGES and LANG), the kit's from the first of
// folders that has one. Returns the language loaded, or an empty string when
// the texts stay English.
QString install(const QLocale &locale, const QStringList &folders = KitTranslations::folders());

} // namespace KitTranslations
