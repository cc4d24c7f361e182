// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFile.h"

#include "Backups.h"
#include "Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace TextFile {
namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString cannotWrite(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot write \"%1\": %2").arg(shown(path), reason);
}

} // namespace

ReadResult read(QIODevice &device, const QString &name)
{
    ReadResult result;
    const QByteArray bytes = device.readAll();
    auto *file = qobject_cast<QFileDevice *>(&device);
    if (file && file->error() != QFileDevice::NoError) {
        result.error = QStringLiteral("Cannot read \"%1\": %2").arg(shown(name), device.errorString());
        return result;
    }
    result.text = Cp1252::decode(bytes);
    return result;
}

ReadResult read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ReadResult result;
        result.error = QStringLiteral("Cannot open \"%1\": %2").arg(shown(path), file.errorString());
        return result;
    }
    return read(file, path);
}

QString encodeForFile(const QString &text, QByteArray *bytes, const QString &path)
{
    qsizetype bad = -1;
    if (!Cp1252::encode(text, bytes, &bad)) {
        return QStringLiteral("\"%1\" was not written: the text holds the character %2, which an 8-bit text "
                              "file cannot store. Remove or replace it and save again.")
            .arg(shown(path), Cp1252::describeAt(text, bad));
    }
    bytes->append("\r\n");
    return QString();
}

QString write(const QString &path, const QString &text)
{
    QByteArray bytes;
    const QString encodeError = encodeForFile(text, &bytes, path);
    if (!encodeError.isEmpty())
        return encodeError;
    return writeBytes(path, bytes);
}

QString writeWithBackup(const QString &path, const QString &text)
{
    QByteArray bytes;
    const QString encodeError = encodeForFile(text, &bytes, path);
    if (!encodeError.isEmpty())
        return encodeError;
    Backups::keep(path, bytes);
    return writeBytes(path, bytes);
}

QString overwrite(QFileDevice &file, const QByteArray &bytes, const QString &name)
{
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return cannotWrite(name, file.errorString());
    const auto replaceWith = [&file](const QByteArray &content) {
        return file.seek(0) && file.write(content) == content.size() && file.resize(content.size()) &&
               file.flush();
    };
    if (replaceWith(bytes))
        return QString();
    const QString reason = file.errorString();
    if (replaceWith(old))
        return cannotWrite(name, reason);
    return cannotWrite(name, reason) + QStringLiteral(" Its old content could not be put back.");
}

QString writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        if (file.write(bytes) != bytes.size() || !file.flush()) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return cannotWrite(path, reason);
        }
        // With every byte in the temporary file, what can still fail is giving
        // it the file's name.
        if (file.commit())
            return QString();
    }

    // The temporary file could not be made beside the target, or not given its
    // name: the file is written in place. (Qt's own direct-write fallback
    // covers only a folder refusing access, and cannot put the old bytes back
    // after a failed write.)
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return cannotWrite(path, file.errorString());
    const bool existed = target.exists();
    QFile inPlace(path);
    if (!inPlace.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return cannotWrite(path, existed ? inPlace.errorString() : file.errorString());
    QString error = overwrite(inPlace, bytes, path);
    inPlace.close();
    if (error.isEmpty() && inPlace.error() != QFileDevice::NoError)
        error = cannotWrite(path, inPlace.errorString());
    if (!error.isEmpty() && !existed)
        inPlace.remove();
    return error;
}

} // namespace TextFile
