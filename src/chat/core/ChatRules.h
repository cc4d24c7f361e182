// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The tester's rules in numbers: every word the Test Chat and --verify leave
// out of the weighting, and every threshold they apply. The help page and the
// README quote this file; the companion may choose differently.
namespace ChatRules {

// Words too common to tell one question or fact from another. Compared after
// case folding; the list is sorted.
const QStringList &stopWords();
bool isStopWord(QStringView foldedWord);

// A close match (rule 2): the line holds at least this share of the
// question's weighted words.
constexpr double CloseMatchShare = 0.5;

// The paragraph weighting (rule 3): BM25 with these constants.
constexpr double Bm25K1 = 1.2;
constexpr double Bm25B = 0.75;

// How many candidates a reply shows after the one that answered.
constexpr int RunnersUp = 2;

// What a reply says when nothing in the files was reached.
QString noAnswer();

} // namespace ChatRules
