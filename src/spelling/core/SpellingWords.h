// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// What a word is to the spelling check, in the texts of the companion's files.
namespace SpellingWords {

struct Span
{
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype end() const { return start + length; }
    bool operator==(const Span &o) const { return start == o.start && length == o.length; }
};

// The words of a text: runs of letters and digits. An apostrophe between two
// letters belongs to the word ("don't", "Zumi's"); every other character ends
// one, so the markers "#", "&" and "%" of the question/answer layout are
// never part of the word beside them.
QList<Span> words(QStringView text);

// A word the companion's files use on purpose and no dictionary holds: one
// with a digit or an underscore in it ("mp3", "2nd"), or written in capitals
// only ("NASA", "OK").
bool leftUnchecked(QStringView word);

// The word as the dictionary is asked about it: a typographic apostrophe (’)
// is the dictionary's ' .
QString forDictionary(QStringView word);

} // namespace SpellingWords
