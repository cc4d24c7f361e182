// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

// The words the tester compares: the tokens SplitWords cuts a text into,
// without the tokens that hold no letter or digit (".", "?", "'", "..."),
// and without the full stops at a word's end (SplitWords leaves ".." of "..."
// on the word before it); every one of them, however many. Line ends count as spaces, so a question
// or a paragraph that runs over several lines is one run of words. Words are
// compared case-folded.
namespace ChatWords {

// Calls word for every word of text, in order, as a view into text (not
// folded). No allocation.
void forEachWord(QStringView text, const std::function<void(QStringView word)> &word);

// The words of text, case-folded.
QStringList words(QStringView text);

// Writes the case-folded word into out, reusing its storage.
void fold(QStringView word, QString &out);

// Whether text, once trimmed, ends in "?": a question rather than a statement.
bool isQuestion(QStringView text);

} // namespace ChatWords
