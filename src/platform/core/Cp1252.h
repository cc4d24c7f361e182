// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// The 8-bit code page of every text file the programs read and write
// (Windows-1252), on Qt's converter. Every byte value decodes to one
// character and encodes back to the same byte.
namespace Cp1252 {

QString decode(const QByteArray &bytes);

// The character of each byte value, as decode() gives it.
const std::array<char16_t, 256> &characters();
// The byte of each character, -1 for one the code page cannot store: the
// inverse of characters(), which maps every byte to a character of its own.
const std::array<qint16, 65536> &bytesOf();

// True when the character has a byte of its own in the code page.
bool canStore(QChar c);

// Index of the first character that the code page cannot store, or -1.
qsizetype firstUnstorable(QStringView text);

// Encodes text. Returns false (and leaves *out untouched) when the text holds a
// character the code page cannot store; *unstorable then receives its index.
bool encode(QStringView text, QByteArray *out, qsizetype *unstorable = nullptr);

// "é" (U+00E9) style description of a character, for messages; one that
// cannot be shown (a control character, a lone half of a surrogate pair) is
// named by its code alone.
QString describe(char32_t c);

// The description of the whole character at `at`: a character outside the
// Basic Multilingual Plane ("😀" (U+1F600)) takes two places in a QString,
// and is named whole from either of them.
QString describeAt(QStringView text, qsizetype at);

} // namespace Cp1252
