// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Finding.h"
#include "Lines.h"
#include "OfAKind.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <functional>

// What a check of a file finds: whatever in it would not load as meant, or
// would not come back unchanged from a load and a save. Each finding names its
// line where it has one. The findings common to the kit's 8-bit text files are
// made here; each file kind adds its own.
namespace FileCheck {

struct Result
{
    QList<Finding> findings;
    QString error; // the file could not be read: names the file and the reason
    bool ok() const { return error.isEmpty(); }
};

// The findings sorted by line (those without one first), keeping the order of
// findings on one line.
QList<Finding> inLineOrder(QList<Finding> findings);

// One line per finding: "name:line: message", or "name: message" without a line.
QString report(const QString &name, const QList<Finding> &findings);

// Reads the whole file; returns an empty string, or a message naming the file
// and the reason.
QString readBytes(const QString &path, QByteArray *bytes);

// Reads the whole file and checks its bytes with check. A file that cannot be
// read gives no findings, only the error naming the file and the reason.
Result checkFile(const QString &path, const std::function<QList<Finding>(const QByteArray &bytes)> &check);

// The findings of every 8-bit text file: undefined bytes and UTF-8 text.
// text is the decoded file; lines counts its lines.
QList<Finding> codePage(const QByteArray &bytes, QStringView text, const Lines &lines);

// The bytes 81, 8D, 8F, 90 and 9D, which Windows-1252 leaves undefined: the
// kit keeps them, but they are no characters, and other programs drop or
// replace them. One finding per line of text (the decoded file) that holds
// any.
QList<Finding> undefinedCharacters(QStringView text, const Lines &lines);

// A file whose bytes above 127 all form UTF-8 sequences was written as UTF-8:
// read as Windows-1252, as the kit reads it, each such character turns into
// two or three. One finding at the first line that holds one. text is the
// decoded file, where the sequences stand as they are.
QList<Finding> utf8Text(const QByteArray &bytes, QStringView text, const Lines &lines);

// A CR without an LF after it: the text areas show it as a line end and give it
// back as CR LF. One finding per line it ends. text may be a part of the text
// that lines counts; at maps a position in text to a position there.
QList<Finding> loneCarriageReturns(QStringView text, const Lines &lines,
                                   const std::function<qsizetype(qsizetype)> &at = nullptr);

// The character for a message: itself when printable, otherwise its code.
QString shown(QChar c);

} // namespace FileCheck
