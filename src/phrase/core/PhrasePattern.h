// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// The few wildcard patterns of the phrase module, matched ignoring case:
//   [abc]   one character of the set; ranges such as [0-9] are allowed
//   [!abc]  one character not in the set
//   *       any run of characters, also an empty one (only as the last element)
// Every other character matches itself. Kept inside the module so that it
// builds on QtCore alone.
namespace PhrasePattern {

bool match(QStringView text, QStringView pattern);

} // namespace PhrasePattern
