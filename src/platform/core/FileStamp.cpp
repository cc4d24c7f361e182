// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileStamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

FileStamp FileStamp::of(const QString &path)
{
    FileStamp stamp;
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return stamp;
    stamp.exists = true;
    stamp.size = info.size();
    stamp.modified = info.lastModified().toUTC();
    return stamp;
}

FileStamp FileStamp::of(const QString &path, const QByteArray &bytes)
{
    FileStamp stamp = of(path);
    if (stamp.exists)
        stamp.sha256 = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    return stamp;
}

bool FileStamp::changedOnDisk(const QString &path) const
{
    const FileStamp now = of(path);
    if (now.exists != exists)
        return true;
    if (!exists)
        return false;
    if (now.size != size || now.modified != modified)
        return true;
    if (sha256.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return true;
    return hash.result() != sha256;
}

QString FileStamp::toText() const
{
    if (!exists)
        return QStringLiteral("missing");
    return QStringLiteral("%1 %2 %3")
        .arg(size)
        .arg(modified.toMSecsSinceEpoch())
        .arg(sha256.isEmpty() ? QStringLiteral("-") : QString::fromLatin1(sha256.toHex()));
}

FileStamp FileStamp::fromText(const QString &text)
{
    const QStringList fields = text.trimmed().split(QLatin1Char(' '));
    FileStamp stamp;
    if (fields.size() != 3)
        return stamp;
    bool sizeOk = false, timeOk = false;
    const qint64 size = fields[0].toLongLong(&sizeOk);
    const qint64 ms = fields[1].toLongLong(&timeOk);
    const QByteArray digest =
        fields[2] == QLatin1String("-") ? QByteArray() : QByteArray::fromHex(fields[2].toLatin1());
    if (!sizeOk || !timeOk || size < 0 || (fields[2] != QLatin1String("-") && digest.size() != 32))
        return stamp;
    stamp.exists = true;
    stamp.size = size;
    stamp.modified = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
    stamp.sha256 = digest;
    return stamp;
}
