// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What a file was when the kit read or wrote it: enough to tell later that
// another program changed it, so that a save never silently replaces work the
// kit has not seen. The size and the time tell most changes at no cost; the
// digest of the bytes, where it was taken, tells a change that kept both (a
// rewrite within the file system's time resolution).
struct FileStamp
{
    bool exists = false;
    qint64 size = -1;
    QDateTime modified; // UTC, to the millisecond the file system keeps
    QByteArray sha256;  // of the bytes read or written; empty when not taken

    // The file as it is now: its size and time, no digest.
    static FileStamp of(const QString &path);
    // The file as it is now, with the digest of bytes: the bytes the caller
    // has just read from it or written to it.
    static FileStamp of(const QString &path, const QByteArray &bytes);

    // Whether the file at path is no longer what this stamp describes: it
    // came or went, its size or its time differ, or (with a digest) its bytes
    // differ. A file that cannot be read for the digest counts as changed.
    bool changedOnDisk(const QString &path) const;

    // One line of plain text ("exists size time digest"), and back; a text
    // that is no stamp gives a stamp of a missing file.
    QString toText() const;
    static FileStamp fromText(const QString &text);

    bool operator==(const FileStamp &o) const
    {
        return exists == o.exists && size == o.size && modified == o.modified && sha256 == o.sha256;
    }
    bool operator!=(const FileStamp &o) const { return !(*this == o); }
};
