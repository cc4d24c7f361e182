// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileCheck.h"
#include "SpellingExceptions.h"

class SpellChecker;

// The spelling findings of a file's check (--check FILE --spelling): one per
// word the dictionary does not know, by the editors' rules and with the
// personal word list, in the form
//   "wrod" is not in the dictionary (suggestions: word, ...)
namespace SpellingCheck {

// The words of text from `from` for `length` characters (all of it when
// negative); lines counts the lines of the whole text.
QList<FileCheck::Finding> check(SpellChecker &checker, QStringView text, const FileCheck::Lines &lines,
                                const SpellingExceptions &exceptions = {}, qsizetype from = 0,
                                qsizetype length = -1);

QString message(const QString &word, const QStringList &suggestions);

} // namespace SpellingCheck
