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
#include <QLocale>
#include <QSet>
#include <QStandardPaths>
#include <QStorageInfo>

#include <filesystem>
#include <system_error>

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

QString tr(const char *text, const char *disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate("WorkFolder", text, disambiguation, n);
}

// Makes a folder and the folders it is in; returns "" or a message naming
// the folder and the system's reason.
QString makeFolder(const QString &path)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(path).toStdString()), error);
    if (!error && QFileInfo(path).isDir())
        return QString();
    const QString reason =
        error ? QString::fromLocal8Bit(error.message()) : tr("a file of that name is in the way");
    return tr("Cannot make the folder \"%1\": %2").arg(QDir::toNativeSeparators(path), reason);
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
            choice.error = QCoreApplication::translate("WorkFolder", "--folder needs a folder.");
            return choice;
        }
        const QString path = QDir(situation.workingDirectory).absoluteFilePath(situation.requested);
        const QFileInfo info(path);
        if (!info.exists())
            choice.error = QCoreApplication::translate("WorkFolder", "The folder \"%1\" does not exist.")
                               .arg(situation.requested);
        else if (!info.isDir())
            choice.error =
                QCoreApplication::translate("WorkFolder", "\"%1\" is not a folder.").arg(situation.requested);
        else
            choice.folder = asFolder(path);
        return choice;
    }
    if (!situation.installed && (situation.programFolderHasSettings || situation.programFolderWritable)) {
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
    situation.installed = QFileInfo(situation.contentFolder).isDir();
    return situation;
}

bool checkRequested(AppCommandLine &commandLine)
{
    const AppCommandLine::Request &request = commandLine.request();
    if (!request.folderGiven)
        return true;
    Situation situation;
    situation.folderGiven = true;
    situation.requested = request.folder;
    situation.workingDirectory = QDir::currentPath();
    const Choice choice = choose(situation);
    if (choice.ok())
        return true;
    commandLine.refuse(choice.error);
    return false;
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
    const QString folderError = makeFolder(dataFolder);
    if (!folderError.isEmpty()) {
        result.errors << folderError;
        return result;
    }
    const QDir source(contentFolder);
    if (!source.exists()) {
        result.errors << QCoreApplication::translate("WorkFolder", "The shipped content \"%1\" is missing.")
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
        const QString folderError = makeFolder(QFileInfo(to).path());
        if (!folderError.isEmpty()) {
            result.errors << folderError;
            continue;
        }
        // The copy lands under its name only when complete, and a failed
        // write (a full disk) says the system's reason. Written afresh, the
        // user's copies are theirs to change even where the installation's
        // files are read-only.
        QByteArray bytes;
        QString error = FileCheck::readBytes(from, &bytes);
        if (error.isEmpty())
            error = TextFile::writeBytes(to, bytes);
        if (!error.isEmpty()) {
            result.errors << error;
            continue;
        }
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

QString dataFolderProblem(const QString &dataFolder, const FillResult &filled, qint64 bytesAvailable)
{
    const QString folder = QDir::toNativeSeparators(dataFolder);
    QStringList problems;
    if (!filled.ok()) {
        // A broken folder fails every file alike: a few say why.
        constexpr qsizetype shown = 5;
        QStringList errors = filled.errors.mid(0, shown);
        if (filled.errors.size() > shown)
            errors << tr("... and %n more.", nullptr, int(filled.errors.size() - shown));
        problems << tr("The data folder \"%1\", where your work is kept, could not be made or filled with "
                       "the kit's samples and pictures:\n%2")
                        .arg(folder, errors.join(QLatin1Char('\n')));
    }
    if (bytesAvailable >= 0 && bytesAvailable < FullBelow) {
        problems << tr("The disk of the data folder \"%1\", where your work is kept, is full: %2 are free, "
                       "so saving may fail.")
                        .arg(folder, QLocale().formattedDataSize(bytesAvailable));
    }
    if (problems.isEmpty())
        return QString();
    return problems.join(QStringLiteral("\n\n")) +
           tr("\n\nThe editors may find no samples and no pictures until this is put right.");
}

Prepared prepare(AppCommandLine &commandLine)
{
    Prepared prepared;
    const AppCommandLine::Request &request = commandLine.request();
    const Situation situation = currentSituation(request.folderGiven, request.folder);
    const Choice choice = choose(situation);
    if (!choice.ok()) {
        commandLine.refuse(choice.error);
        return prepared;
    }
    prepared.folder = choice.folder;
    if (choice.kind == Choice::Kind::DataFolder) {
        const FillResult filled = fill(situation.dataFolder, situation.contentFolder);
        for (const QString &error : filled.errors)
            AppCommandLine::writeErr(KitInfo::programName(commandLine.program()) + QStringLiteral(": ") +
                                     error + QLatin1Char('\n'));
        const QStorageInfo storage(situation.dataFolder);
        const qint64 available = storage.isValid() && storage.isReady() ? storage.bytesAvailable() : -1;
        prepared.problem = dataFolderProblem(situation.dataFolder, filled, available);
    }
    return prepared;
}

} // namespace WorkFolder
