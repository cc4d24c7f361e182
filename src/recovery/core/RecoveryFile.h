// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecoveryRecord.h"

#include <QByteArray>
#include <QString>

// The recovery file format: plain UTF-8 a user can read in any text editor
// should everything else fail. A header line, one "key: value" line each for
// the program, the kind, the file, its stamp and the time, then each text as
// a line "text NAME BYTES" followed by exactly BYTES bytes of UTF-8 and a line
// end, and a closing "end" line. The byte counts carry every character of a
// text, line ends included, unchanged; the closing line tells a whole file
// from a cut one.
namespace RecoveryFile {

struct ReadResult
{
    RecoveryRecord record;
    QString error; // names the file and the reason; empty on success
    bool ok() const { return error.isEmpty(); }
};

QByteArray toBytes(const RecoveryRecord &record);
// name: the file's name for the error text.
ReadResult fromBytes(const QByteArray &bytes, const QString &name);
ReadResult read(const QString &path);

// Writes the file atomically: a reader sees the old file or the new one,
// whole, whenever the writer stops. Returns an error message or "".
QString write(const QString &path, const QByteArray &bytes);

} // namespace RecoveryFile
