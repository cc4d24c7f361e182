// SPDX-License-Identifier: GPL-3.0-or-later
#include "Backups.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace Backups {
namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss-zzz");

QByteArray readAll(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    return *ok ? file.readAll() : QByteArray();
}

} // namespace

QString folderName()
{
    return QStringLiteral("Backups");
}

QString folderFor(const QString &path)
{
    return QFileInfo(path).absolutePath() + QLatin1Char('/') + folderName() + QLatin1Char('/');
}

QStringList list(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    // Exactly the name, "~" and the time: a file whose own name ends in such a
    // time has backups of its own that never count as this one's.
    const QRegularExpression pattern(QStringLiteral("^%1~\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d-\\d{3}$")
                                         .arg(QRegularExpression::escape(name)));
    QStringList found;
    const QDir folder(folderFor(path));
    for (const QString &entry : folder.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (pattern.match(entry).hasMatch())
            found << folder.filePath(entry);
    }
    return found;
}

QString keep(const QString &path, const QByteArray &newBytes, QString *error, int kept, const QDateTime &now)
{
    if (error)
        error->clear();
    const QFileInfo info(path);
    if (!info.isFile())
        return QString();
    bool ok = false;
    const QByteArray old = readAll(path, &ok);
    if (!ok || old == newBytes)
        return QString();
    QStringList backups = list(path);
    if (!backups.isEmpty()) {
        bool newestOk = false;
        if (readAll(backups.last(), &newestOk) == old && newestOk)
            return QString();
    }
    const QString folder = folderFor(path);
    const auto failed = [&](const QString &why) {
        if (error)
            *error = QCoreApplication::translate("Backups", "No backup of \"%1\" was kept: %2")
                         .arg(QDir::toNativeSeparators(path), why);
        return QString();
    };
    if (!QDir().mkpath(folder))
        return failed(QCoreApplication::translate("Backups", "the folder \"%1\" cannot be made.")
                          .arg(QDir::toNativeSeparators(folder)));
    const QString target = folder + info.fileName() + QLatin1Char('~') + now.toString(kTimeFormat);
    QFile::remove(target); // the same millisecond: the newer copy counts
    QFile copy(target);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(old) != old.size() || !copy.flush()) {
        const QString why = copy.errorString();
        copy.close();
        copy.remove();
        return failed(why);
    }
    copy.close();
    backups = list(path);
    for (qsizetype i = 0; i + kept < backups.size(); ++i)
        QFile::remove(backups.at(i));
    return target;
}

} // namespace Backups
