#pragma once

#include <QIODevice>
#include <QString>

// Whole-file 8-bit text, lines ended by CR LF: a file is read whole into one
// string, or written whole (the text, then one CR LF).
namespace TextFile {

struct ReadResult
{
    QString text;
    QString error; // empty on success; names the file and the reason otherwise
    bool ok() const { return error.isEmpty(); }
};

ReadResult read(const QString &path);
ReadResult read(QIODevice &device, const QString &name);

// Writes text followed by CR LF, replacing the file atomically. Returns an
// empty string on success, otherwise a message naming the file and the reason.
// A failed write leaves the old file whole. A text holding a character the
// code page cannot store writes nothing and the message names that character.
QString write(const QString &path, const QString &text);

// The bytes write() would put into the file, or an error message.
QString encodeForFile(const QString &text, QByteArray *bytes, const QString &path);

} // namespace TextFile
