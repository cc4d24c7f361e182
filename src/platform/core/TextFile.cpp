// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFile.h"

#include "Backups.h"
#include "Cp1252.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

namespace TextFile {
namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString cannotWrite(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("TextFile", "Cannot write \"%1\": %2").arg(shown(path), reason);
}

QString cannotOpen(const QString &path, const QFile &file)
{
    return QCoreApplication::translate("TextFile", "Cannot open \"%1\": %2")
        .arg(shown(path), file.errorString());
}

QString cannotRead(const QString &name, const QIODevice &device)
{
    return QCoreApplication::translate("TextFile", "Cannot read \"%1\": %2")
        .arg(shown(name), device.errorString());
}

ReadResult decoded(BytesResult bytes)
{
    ReadResult result;
    result.error = std::move(bytes.error);
    result.stamp = std::move(bytes.stamp);
    if (result.ok())
        result.text = Cp1252::decode(bytes.bytes);
    return result;
}

} // namespace

BytesResult readBytes(QIODevice &device, const QString &name)
{
    BytesResult result;
    result.bytes = device.readAll();
    auto *file = qobject_cast<QFileDevice *>(&device);
    if (file && file->error() != QFileDevice::NoError) {
        result.error = cannotRead(name, device);
        result.bytes.clear();
        return result;
    }
    if (file)
        result.stamp = FileStamp::of(file->fileName(), result.bytes);
    return result;
}

BytesResult readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        BytesResult result;
        result.error = cannotOpen(path, file);
        return result;
    }
    return readBytes(file, path);
}

QString readInPieces(QFileDevice &file, const QString &name, const std::function<void(QByteArrayView)> &take,
                     FileStamp *stamp)
{
    // Small enough to stay in the cache between the read and the decoding.
    constexpr qint64 pieceSize = 256 * 1024;
    QByteArray piece(pieceSize, Qt::Uninitialized);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (;;) {
        const qint64 got = file.read(piece.data(), pieceSize);
        if (got < 0 || file.error() != QFileDevice::NoError)
            return cannotRead(name, file);
        if (got == 0)
            break;
        const QByteArrayView bytes(piece.constData(), got);
        hash.addData(bytes);
        take(bytes);
    }
    if (stamp) {
        *stamp = FileStamp::of(file.fileName());
        if (stamp->exists)
            stamp->sha256 = hash.result();
    }
    return QString();
}

QString readInPieces(const QString &path, const std::function<void(QByteArrayView)> &take, FileStamp *stamp,
                     qint64 *size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return cannotOpen(path, file);
    if (size)
        *size = file.size();
    return readInPieces(file, path, take, stamp);
}

ReadResult read(QIODevice &device, const QString &name)
{
    return decoded(readBytes(device, name));
}

ReadResult read(const QString &path)
{
    return decoded(readBytes(path));
}

QString encodeForFile(const QString &text, QByteArray *bytes, const QString &path)
{
    qsizetype bad = -1;
    if (!Cp1252::encode(text, bytes, &bad)) {
        return QCoreApplication::translate(
                   "TextFile", "\"%1\" was not written: the text holds the character %2, which an 8-bit text "
                               "file cannot store. Remove or replace it and save again.")
            .arg(shown(path), Cp1252::describeAt(text, bad));
    }
    bytes->append("\r\n");
    return QString();
}

QString write(const QString &path, const QString &text, FileStamp *stamp)
{
    QByteArray bytes;
    const QString encodeError = encodeForFile(text, &bytes, path);
    if (!encodeError.isEmpty())
        return encodeError;
    const QString error = writeBytes(path, bytes);
    if (error.isEmpty() && stamp)
        *stamp = FileStamp::of(path, bytes);
    return error;
}

QString reason(const QFileDevice &file, int savedErrno)
{
    // Qt leaves its text unset for some failures of the system's calls (a
    // full disk found when the file is closed): its "Unknown error" tells the
    // user nothing, the system's reason does.
    const bool qtHasNone = file.error() == QFileDevice::NoError || file.errorString().isEmpty() ||
                           file.errorString() == QLatin1String("Unknown error");
    if (qtHasNone && savedErrno != 0)
        return QString::fromLocal8Bit(std::strerror(savedErrno));
    return file.errorString();
}

QString writeWithBackup(const QString &path, const QString &text, FileStamp *stamp)
{
    QByteArray bytes;
    const QString encodeError = encodeForFile(text, &bytes, path);
    if (!encodeError.isEmpty())
        return encodeError;
    Backups::keep(path, bytes);
    const QString error = writeBytes(path, bytes);
    if (error.isEmpty() && stamp)
        *stamp = FileStamp::of(path, bytes);
    return error;
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
    return cannotWrite(name, reason) +
           QCoreApplication::translate("TextFile", " Its old content could not be put back.");
}

QString writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        errno = 0;
        if (file.write(bytes) != bytes.size() || !file.flush()) {
            const QString why = reason(file, errno);
            file.cancelWriting();
            return cannotWrite(path, why);
        }
        // With every byte in the temporary file, what can still fail is
        // syncing it and giving it the file's name; a full disk may show only
        // then.
        errno = 0;
        if (file.commit())
            return QString();
        if (file.error() == QFileDevice::WriteError)
            return cannotWrite(path, reason(file, errno));
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

QString writeAll(const QList<Replacement> &files)
{
    std::vector<std::unique_ptr<QSaveFile>> temporaries;
    for (const Replacement &file : files) {
        auto temporary = std::make_unique<QSaveFile>(file.path);
        if (!temporary->open(QIODevice::WriteOnly)) {
            for (auto &opened : temporaries)
                opened->cancelWriting();
            const QFileInfo target(file.path);
            if (target.exists() && !target.isFile())
                return cannotWrite(file.path, temporary->errorString());
            // No temporary beside this file: one after the other, each as
            // whole as writeBytes() can make it.
            for (const Replacement &each : files) {
                const QString error = writeBytes(each.path, each.bytes);
                if (!error.isEmpty())
                    return error;
            }
            return QString();
        }
        errno = 0;
        if (temporary->write(file.bytes) != file.bytes.size() || !temporary->flush()) {
            const QString why = reason(*temporary, errno);
            temporary->cancelWriting();
            for (auto &opened : temporaries)
                opened->cancelWriting();
            return cannotWrite(file.path, why);
        }
        temporaries.push_back(std::move(temporary));
    }

    // Every byte is in place; now the names. The old bytes are kept to put
    // back should a later file fail.
    struct Old
    {
        bool existed;
        QByteArray bytes;
    };
    std::vector<Old> olds;
    for (const Replacement &file : files) {
        QFile old(file.path);
        olds.push_back({old.exists(), old.open(QIODevice::ReadOnly) ? old.readAll() : QByteArray()});
    }
    for (std::size_t i = 0; i < temporaries.size(); ++i) {
        errno = 0;
        if (temporaries[i]->commit())
            continue;
        const QString error = cannotWrite(files[int(i)].path, reason(*temporaries[i], errno));
        for (std::size_t j = i + 1; j < temporaries.size(); ++j)
            temporaries[j]->cancelWriting();
        QString notBack;
        for (std::size_t j = 0; j < i; ++j) {
            const QString &path = files[int(j)].path;
            const bool back =
                olds[j].existed ? writeBytes(path, olds[j].bytes).isEmpty() : QFile::remove(path);
            if (!back)
                notBack += QCoreApplication::translate("TextFile", " \"%1\" could not be put back as it was.")
                               .arg(shown(path));
        }
        return error + notBack;
    }
    return QString();
}

} // namespace TextFile
