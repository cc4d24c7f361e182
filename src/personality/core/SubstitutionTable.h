// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <initializer_list>

// The fixed character substitution that keeps personality files unreadable at
// a glance. The same table serves the writer and both readers.
namespace SubstitutionTable {

struct Entry
{
    char16_t character; // as it stands in the text
    char16_t stored;    // the byte value that replaces it in the file
};

// The twelve entries, in the order the encoder applies them.
extern const std::array<Entry, 12> kEntries;

// A byte value the readers turn into a letter that no entry encodes; nothing
// ever writes it.
extern const Entry kReadOnlyEntry;

// The memory file stores each CR LF as this one character.
extern const char16_t kLineBreak;

enum class LineBreakStep {
    None, // the question/answer file: line breaks stay CR LF
    Fold  // the memory file: every CR LF becomes kLineBreak and back
};

// Replaces every table character by its byte value, then (Fold) every CR LF
// by the line-break character. Characters outside the table stay as they are.
QString encode(QStringView text, LineBreakStep step);

// Encodes the pieces as one text, without joining them first.
QString encode(std::initializer_list<QStringView> pieces, LineBreakStep step);

// The bytes of a file that holds encode() of the pieces, in the code page,
// followed by the CR LF the file writer adds. Returns false, leaving *out
// alone, when a character has no byte in the code page.
bool encodeFile(std::initializer_list<QStringView> pieces, LineBreakStep step, QByteArray *out);

// Replaces every table byte value (and the read-only one) by its character,
// then (Fold) every line-break character by CR LF.
QString decode(QStringView text, LineBreakStep step);

// decode() of the file's bytes decoded by the code page, in one pass.
QString decodeFile(const QByteArray &bytes, LineBreakStep step);

// Appends decodeFile() of one piece of a file's bytes to out, for a file read
// in pieces: a CR LF that the line-break character gives never spans two.
void appendDecoded(QByteArrayView piece, LineBreakStep step, QString &out);

// Whether decodeFile() of the bytes gives the pieces joined, without building
// either text.
bool decodesTo(QByteArrayView bytes, LineBreakStep step, std::initializer_list<QStringView> pieces);

// The character that c comes back as after encode and decode, the
// line-break step aside: a table byte value typed into a text comes back as
// its character, every other character as itself.
char16_t comesBackAs(char16_t c);

} // namespace SubstitutionTable
