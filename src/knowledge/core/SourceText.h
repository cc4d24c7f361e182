// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TextFile.h"

#include <QByteArray>
#include <QString>

// A text file read for the import: written by any program, so it may be in
// the 8-bit code page of the kit's own files or in UTF-8, the encoding of
// today's editors. It is read as UTF-8 when it starts with the UTF-8
// byte-order mark (which is dropped), or when it holds multi-byte sequences
// and is valid UTF-8 throughout; a file in the code page is almost never
// valid UTF-8 once it holds a byte above 127. Everything else is read in the
// code page, where every byte is one character.
namespace SourceText {

using ReadResult = TextFile::ReadResult;

// The whole file at path, decoded.
ReadResult read(const QString &path);

// The text of a file's bytes. A file that starts with the byte-order mark but
// holds broken sequences further on keeps them as U+FFFD.
QString decode(const QByteArray &bytes);

// True when bytes are read as UTF-8.
bool isUtf8(const QByteArray &bytes);

} // namespace SourceText
