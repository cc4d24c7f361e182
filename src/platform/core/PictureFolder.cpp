// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureFolder.h"

#include "TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace {

bool sameBytes(const QString &a, const QString &b)
{
    QFile left(a);
    QFile right(b);
    if (left.size() != right.size() || !left.open(QIODevice::ReadOnly) || !right.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 Chunk = 1 << 20;
    while (!left.atEnd()) {
        if (left.read(Chunk) != right.read(Chunk))
            return false;
    }
    return true;
}

// Returns "" or the reason the copy failed. Qt's own copy reports a full disk
// as "Unknown error"; the system's reason is kept here, and a failed copy
// leaves no part of the file behind.
QString copyBytes(const QString &from, const QString &to)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return in.errorString();
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    errno = 0;
    if (out.write(bytes) != bytes.size() || !out.flush()) {
        const QString why = TextFile::reason(out, errno);
        out.cancelWriting();
        return why;
    }
    errno = 0;
    if (!out.commit())
        return TextFile::reason(out, errno);
    return QString();
}

} // namespace

namespace PictureFolder {

bool holds(const QString &folder, const QString &path)
{
    const QString inside = QFileInfo(path).absoluteDir().canonicalPath();
    return !inside.isEmpty() && inside == QDir(folder).canonicalPath();
}

CopyResult copyInto(const QString &source, const QString &folder)
{
    CopyResult result;
    const QFileInfo from(source);
    const QString shownSource = QDir::toNativeSeparators(source);
    if (!from.isFile()) {
        result.error =
            QCoreApplication::translate("PictureFolder", "%1 cannot be copied: the file does not exist.")
                .arg(shownSource);
        return result;
    }
    QDir target(folder);
    if (!target.exists() && !QDir().mkpath(folder)) {
        result.error = QCoreApplication::translate("PictureFolder", "The folder %1 cannot be made.")
                           .arg(QDir::toNativeSeparators(folder));
        return result;
    }

    const QString stem = from.completeBaseName();
    const QString suffix = from.suffix().isEmpty() ? QString() : QLatin1Char('.') + from.suffix();
    QString name = from.fileName();
    for (int n = 2;; ++n) {
        const QString candidate = target.filePath(name);
        if (!QFileInfo::exists(candidate))
            break;
        if (QFileInfo(candidate).isFile() && sameBytes(source, candidate)) {
            result.name = name;
            return result;
        }
        name = QStringLiteral("%1 (%2)%3").arg(stem).arg(n).arg(suffix);
    }

    const QString why = copyBytes(source, target.filePath(name));
    if (!why.isEmpty()) {
        result.error = QCoreApplication::translate("PictureFolder", "%1 cannot be copied into %2: %3")
                           .arg(shownSource, QDir::toNativeSeparators(folder), why);
        return result;
    }
    result.name = name;
    return result;
}

} // namespace PictureFolder
