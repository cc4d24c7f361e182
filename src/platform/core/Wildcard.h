// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Wildcard patterns as the programs use them:
//   *        any run of characters, also an empty one
//   ?        exactly one character
//   #        one digit 0-9
//   [abc]    one character of the set; ranges such as [a-z] are allowed
//   [!abc]   one character not in the set
// Every other character matches itself. A "[" without a closing "]" matches
// itself literally.
namespace Wildcard {

bool match(QStringView text, QStringView pattern, Qt::CaseSensitivity cs = Qt::CaseSensitive);

} // namespace Wildcard
