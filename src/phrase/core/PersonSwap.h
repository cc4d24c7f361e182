// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The word replacements of the person swap, on the tokens of one statement:
// every token from index 0 up to the first empty entry (the terminator, or the
// end of the list) is rewritten in place. Tokens between a quote mark and the
// next one keep their persons; everything else is swapped between first and
// second person, "you" by its role in its clause.
namespace PersonSwap {

void swapTokens(QStringList &words);

} // namespace PersonSwap
