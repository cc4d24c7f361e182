// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkFolder.h"

#include "KitTranslations.h"

#include "AppCommandLine.h"
#include "FileCheck.h"
#include "KitProgram.h"
#include "LocationSettings.h"
#include "ProgramFolder.h"
#include "TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

namespace WorkFolder {
namespace {

QString asFolder(const QString &path)
{
    return ProgramFolder::withTrailingSeparator(QDir::toNativeSeparators(QDir::cleanPath(path)));
}

// True when anything stands at path, a dangling link included: the fill never
// puts a file where the user has one.
bool taken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Replaces a help file of an earlier version by the shipped one when they differ.
void refresh(const QString &from, const QString &to, const QString &relative, FillResult &result)
{
    QByteArray shipped;
    QString error = FileCheck::readBytes(from, &shipped);
    if (error.isEmpty()) {
        QByteArray present;
        if (FileCheck::readBytes(to, &present).isEmpty() && present == shipped)
            return;
        error = TextFile::writeBytes(to, shipped);
    }
    if (!error.isEmpty()) {
        result.errors << error;
        return;
    }
    result.copied << relative;
}

} // namespace

Choice choose(const Situation &situation)
{
    Choice choice;
    if (situation.folderGiven) {
        choice.kind = Choice::Kind::Requested;
        if (situation.requested.isEmpty()) {
            choice.error = QStringLiteral("--folder needs a folder.");
            return choice;
        }
        const QString path = QDir(situation.workingDirectory).absoluteFilePath(situation.requested);
        const QFileInfo info(path);
        if (!info.exists())
            choice.error = QStringLiteral("The folder \"%1\" does not exist.").arg(situation.requested);
        else if (!info.isDir())
            choice.error = QStringLiteral("\"%1\" is not a folder.").arg(situation.requested);
        else
            choice.folder = asFolder(path);
        return choice;
    }
    if (situation.programFolderHasSettings || situation.programFolderWritable) {
        choice.kind = Choice::Kind::ProgramFolder;
        choice.folder = asFolder(situation.programFolder);
        return choice;
    }
    choice.kind = Choice::Kind::DataFolder;
    choice.folder = asFolder(situation.dataFolder);
    return choice;
}

Situation currentSituation(bool folderGiven, const QString &requested)
{
    Situation situation;
    situation.folderGiven = folderGiven;
    situation.requested = requested;
    situation.workingDirectory = QDir::currentPath();
    situation.programFolder = QCoreApplication::applicationDirPath();
    situation.programFolderHasSettings =
        QFileInfo::exists(situation.programFolder + QLatin1Char('/') + LocationSettings::fileName());
    situation.programFolderWritable = QFileInfo(situation.programFolder).isWritable();
    situation.dataFolder = KitInfo::dataFolder();
    situation.contentFolder = KitInfo::installedContentFolder();
    return situation;
}

QString filledMarkerName()
{
    return QStringLiteral(".shipped-content");
}

FillResult fill(const QString &dataFolder, const QString &contentFolder, const QString &version)
{
    FillResult result;
    const QDir target(dataFolder);
    const QString marker = target.filePath(filledMarkerName());
    // What an earlier fill recorded: its version and the files it knew.
    const bool filledBefore = taken(marker);
    QStringList known;
    if (filledBefore) {
        // An unreadable record counts as one of another version.
        QByteArray recorded;
        if (FileCheck::readBytes(marker, &recorded).isEmpty())
            known = QString::fromUtf8(recorded).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (!known.isEmpty() && known.takeFirst() == version)
            return result;
    }
    if (!QDir().mkpath(dataFolder)) {
        result.errors
            << QStringLiteral("Cannot make the folder \"%1\".").arg(QDir::toNativeSeparators(dataFolder));
        return result;
    }
    const QDir source(contentFolder);
    if (!source.exists()) {
        result.errors << QStringLiteral("The shipped content \"%1\" is missing.")
                             .arg(QDir::toNativeSeparators(contentFolder));
        return result;
    }

    QStringList files;
    QDirIterator it(contentFolder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << source.relativeFilePath(it.next());
    // The translations are the programs' own, read where they are installed.
    files.removeIf([](const QString &file) {
        return file.startsWith(KitTranslations::folderName() + QLatin1Char('/'));
    });
    // The listing order is the file system's; copying in name order makes a
    // fill the same everywhere.
    files.sort();
    const QSet<QString> knownFiles(known.cbegin(), known.cend());

    for (const QString &relative : files) {
        const QString to = target.filePath(relative);
        const QString from = source.filePath(relative);
        if (taken(to)) {
            if (filledBefore && relative.startsWith(QLatin1String("Docs/")))
                refresh(from, to, relative, result);
            continue;
        }
        // A file an earlier fill placed and the user deleted stays deleted.
        if (knownFiles.contains(relative))
            continue;
        const QString folder = QFileInfo(to).path();
        if (!QDir().mkpath(folder)) {
            result.errors
                << QStringLiteral("Cannot make the folder \"%1\".").arg(QDir::toNativeSeparators(folder));
            continue;
        }
        QFile file(from);
        // The copy lands under its name only when complete.
        if (!file.copy(to)) {
            if (!taken(to))
                result.errors << QStringLiteral("Cannot copy \"%1\" to \"%2\": %3")
                                     .arg(QDir::toNativeSeparators(file.fileName()),
                                          QDir::toNativeSeparators(to), file.errorString());
            continue;
        }
        // An installation's files may be read-only; the user's copies are theirs to change.
        QFile::setPermissions(to, QFile::permissions(to) | QFile::ReadOwner | QFile::WriteOwner);
        result.copied << relative;
    }

    if (result.ok()) {
        const QByteArray record = (QStringList{version} + files).join(QLatin1Char('\n')).toUtf8() + '\n';
        const QString error = TextFile::writeBytes(marker, record);
        if (!error.isEmpty())
            result.errors << error;
    }
    return result;
}

QString prepare(AppCommandLine &commandLine)
{
    const AppCommandLine::Request &request = commandLine.request();
    const Situation situation = currentSituation(request.folderGiven, request.folder);
    const Choice choice = choose(situation);
    if (!choice.ok()) {
        commandLine.refuse(choice.error);
        return QString();
    }
    if (choice.kind == Choice::Kind::DataFolder) {
        const FillResult filled = fill(situation.dataFolder, situation.contentFolder);
        for (const QString &error : filled.errors)
            AppCommandLine::writeErr(KitInfo::programName(commandLine.program()) + QStringLiteral(": ") +
                                     error + QLatin1Char('\n'));
    }
    return choice.folder;
}

} // namespace WorkFolder
