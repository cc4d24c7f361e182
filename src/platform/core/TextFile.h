// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileStamp.h"

#include <QFileDevice>
#include <QList>
#include <QString>

#include <functional>

// Whole-file 8-bit text, lines ended by CR LF: a file is read whole into one
// string, or written whole (the text, then one CR LF).
namespace TextFile {

struct ReadResult
{
    QString text;
    QString error;   // empty on success; names the file and the reason otherwise
    FileStamp stamp; // the file as it was read (a file device's only)
    bool ok() const { return error.isEmpty(); }
};

ReadResult read(const QString &path);
ReadResult read(QIODevice &device, const QString &name);

// read() without the decoding, for a reader that decodes the bytes its own way.
struct BytesResult
{
    QByteArray bytes;
    QString error;
    FileStamp stamp;
    bool ok() const { return error.isEmpty(); }
};
BytesResult readBytes(const QString &path);
BytesResult readBytes(QIODevice &device, const QString &name);

// read() for a reader that decodes the bytes as they come: take receives the
// file's bytes in pieces, in their order, and no buffer holds them all.
// Returns an empty string on success, otherwise the message of read();
// stamp, when given, receives the file as read.
QString readInPieces(QFileDevice &file, const QString &name, const std::function<void(QByteArrayView)> &take,
                     FileStamp *stamp = nullptr);
// The same for the file at path, which it opens; size, when given, receives
// the file's size as opened, for the reader to make room.
QString readInPieces(const QString &path, const std::function<void(QByteArrayView)> &take,
                     FileStamp *stamp = nullptr, qint64 *size = nullptr);

// Writes text followed by CR LF, replacing the file atomically. Returns an
// empty string on success, otherwise a message naming the file and the reason.
// A failed write leaves the old file whole. A text holding a character the
// code page cannot store writes nothing and the message names that character.
// *stamp, when given, receives the file as written.
QString write(const QString &path, const QString &text, FileStamp *stamp = nullptr);

// write() for the user's own documents: the version it replaces is kept in
// the Backups folder beside the file first (Backups::keep), unless the bytes
// are the same.
QString writeWithBackup(const QString &path, const QString &text, FileStamp *stamp = nullptr);

// The bytes write() would put into the file, or an error message.
QString encodeForFile(const QString &text, QByteArray *bytes, const QString &path);

// Replaces the file's bytes, atomically where a temporary file can be made
// beside it and renamed to the file's name. Where that fails (a folder the user
// may not add files to, though the file itself is writable; a name too long
// for the temporary's), the file is written in place by overwrite(). Returns
// an error message or "".
QString writeBytes(const QString &path, const QByteArray &bytes);

// A file and the bytes it is to hold.
struct Replacement
{
    QString path;
    QByteArray bytes;
};

// Replaces several files as one: each is written whole into a temporary file
// beside it first, and the files are given their names only when every
// temporary is complete, so that a failed write (a full disk) leaves every
// old file as it was. Should giving a file its name fail after another was
// replaced, the replaced ones get their old bytes back. Where no temporary
// can be made beside a file, the files are written one after the other by
// writeBytes(). Returns an error message or "".
QString writeAll(const QList<Replacement> &files);

// The reason the system gave for the failed operation of file: its own error
// text, or the system's text of errno when Qt has none of its own.
QString reason(const QFileDevice &file, int savedErrno);

// Writes bytes over the whole of a file open for reading and writing. A failed
// write puts the old bytes back where the device still takes them, and is
// reported either way: the message names `name` and the reason, and says when
// the old bytes could not be put back. Returns an error message or "".
QString overwrite(QFileDevice &file, const QByteArray &bytes, const QString &name);

} // namespace TextFile
