// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileCheck.h"

class SpellChecker;

// --check FILE --spelling: the words of a file's texts that the dictionary
// does not know, by the editors' rules. Each kind of file checks the texts its
// editor shows: a memory file's text and sections (the markers are no words),
// a question/answer file, a knowledge base, the five location texts of
// "Options.Cfg". A personality's name and its MatchWords are no misspellings.
namespace SpellingFindings {

// file is a .mem, .qas or .kba file or "Options.Cfg", already read as bytes.
QList<FileCheck::Finding> check(SpellChecker &checker, const QString &file, const QByteArray &bytes);

} // namespace SpellingFindings
