// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChatTest.h"

#include <QString>

// Chat test files (*.chat), 8-bit text with CR LF line ends like every file
// of the kit (read as UTF-8 when they hold valid UTF-8 with multi-byte
// sequences or start with its byte-order mark):
//
//   # a comment
//   personality: Juniper
//   knowledge: Astronomy.kba
//   > What is your name?
//   < *Juniper*
//   < My name is*
//
// The header lines come first, "knowledge:" as often as needed. Each ">" line
// is what the user says; the "<" lines after it are the patterns (wildcards,
// case-insensitive) one of which the reply must match. One space after ">" or
// "<" belongs to the mark. Empty lines and "#" lines are skipped.
namespace ChatTestFile {

struct ReadResult
{
    ChatTest test;
    QString error; // "FILE:LINE: why", or the file and the reason it cannot be read
    bool ok() const { return error.isEmpty(); }
};

ReadResult read(const QString &path);
// name: the file's name for the messages.
ReadResult parse(const QString &text, const QString &name);

// The file's text (without the final CR LF the writer adds).
QString text(const ChatTest &test);
// Writes the file; returns an empty string or the message naming the file
// and the reason.
QString write(const QString &path, const ChatTest &test);

// A pattern that only text matches: the wildcard characters in brackets.
QString literalPattern(const QString &text);

} // namespace ChatTestFile
