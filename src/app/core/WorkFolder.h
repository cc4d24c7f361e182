// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "KitProgram.h"

#include <QString>
#include <QStringList>

class AppCommandLine;

// The folder both programs read and write: the program folder (the
// executables' own folder) as the kit always had it, a folder named on the
// command line, or, for an installed kit, the user's data folder filled with
// the shipped content. An installed kit is one whose shipped content stands
// beside the executables' folder (share/mindloom beside bin/): it never works
// in the executables' folder, even when that is writable (a program started
// by root from /usr/bin). Window-free, and every fact about the machine is an
// input, so the choice can be tested whatever the test's rights.
namespace WorkFolder {

// What the choice depends on.
struct Situation
{
    bool folderGiven = false;              // --folder was given
    QString requested;                     // its value as typed
    QString workingDirectory;              // where a relative --folder is taken from
    QString programFolder;                 // the executables' folder
    bool programFolderHasSettings = false; // it holds "Options.Cfg"
    bool programFolderWritable = false;
    QString dataFolder;     // the user's data folder, without a trailing separator
    QString contentFolder;  // an installed kit's shipped content (share/mindloom)
    bool installed = false; // contentFolder is a folder
};

struct Choice
{
    enum class Kind { Requested, ProgramFolder, DataFolder };
    Kind kind = Kind::ProgramFolder;
    // Absolute, in native separators, ending in one separator.
    QString folder;
    // Why the requested folder cannot be used; empty when it can.
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// A folder named with --folder (relative ones from the working directory)
// when it exists and is a folder; otherwise the data folder for an installed
// kit, and the program folder for any other, unless that is neither writable
// nor holds "Options.Cfg", when the data folder is taken too.
Choice choose(const Situation &situation);

// Refuses the command line (AppCommandLine::refuse) when it names a --folder
// that cannot be used, and returns false then. Needs no application object, so
// the refusal needs no display.
bool checkRequested(AppCommandLine &commandLine);

// The situation of the running program: the facts are looked up on the
// machine. Needs the application object and the kit's application name.
Situation currentSituation(bool folderGiven, const QString &requested);

struct FillResult
{
    QStringList copied; // relative paths, in the order copied
    QStringList errors; // one message per file or folder that could not be made
    bool ok() const { return errors.isEmpty(); }
};

// The file in the data folder that records a complete fill: the kit's
// version, then the shipped files it knew, one relative path a line.
QString filledMarkerName();

// Fills the data folder with the shipped content: every file of
// contentFolder, subfolders included, that the data folder does not hold yet,
// copied with the user's read and write rights. Nothing of the user's is ever
// replaced. Once everything is there the marker records it, and later calls
// of the same version do nothing, so samples the user deleted stay deleted; a
// fill that failed part way is completed by the next call. A later version
// adds the files it ships new and brings the help (Docs/) up to date, which
// is the kit's own read-only content.
FillResult fill(const QString &dataFolder, const QString &contentFolder,
                const QString &version = KitInfo::version());

// A disk with less room than this left is full: a save of a large knowledge
// base would not fit.
constexpr qint64 FullBelow = 1024 * 1024;

// What the user is to be told about the data folder, or "": that it could not
// be made or filled (the errors of fill(), each naming a file or folder and
// the reason), or that its disk is full (bytesAvailable below FullBelow; a
// negative value: not known). Names the folder.
QString dataFolderProblem(const QString &dataFolder, const FillResult &filled, qint64 bytesAvailable);

struct Prepared
{
    QString folder;  // the work folder; empty when the command line was refused
    QString problem; // dataFolderProblem() of the data folder worked in, or ""
};

// The folder the running program works in, for the command line it has read:
// chosen, and the data folder filled, with whatever went wrong there reported
// on stderr and in `problem` (the program goes on). A --folder that cannot be
// used refuses the command line and gives an empty folder.
Prepared prepare(AppCommandLine &commandLine);

} // namespace WorkFolder
