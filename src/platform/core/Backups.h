// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// The previous versions of the files a save replaces, kept in a "Backups"
// folder beside each file: "NAME~yyyy-MM-dd_HH-mm-ss-zzz", newest last, the
// newest few per file kept. A save that would write the bytes the file holds
// makes none, and neither does a file whose newest backup holds its bytes.
namespace Backups {

constexpr int DefaultKept = 5;

QString folderName();
// The Backups folder beside path, ending in "/".
QString folderFor(const QString &path);
// The backups of path, oldest first.
QStringList list(const QString &path);

// Keeps a copy of the file at path before newBytes replace it. Returns the
// copy's path, "" when none was needed (no file, unchanged), or an error
// message through *error. The save goes on either way: a backup that cannot
// be made never stops the user's own save.
QString keep(const QString &path, const QByteArray &newBytes, QString *error = nullptr,
             int kept = DefaultKept, const QDateTime &now = QDateTime::currentDateTime());

} // namespace Backups
