// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program folder: the folder of the running executable, always ending in
// exactly one separator, and the paths built from it.
namespace ProgramFolder {

// The platform's path separator ("\" on Windows, "/" elsewhere).
QChar separator();

// Appends one separator when the folder does not already end in one
// (a filesystem root such as "/" or "C:\" keeps the one it has).
QString withTrailingSeparator(const QString &folder);

// The running executable's folder, in native separators, with the trailing separator.
QString current();

// folder + name + separator, for the "Images", "Docs" and "Locations" subfolders.
QString subfolder(const QString &programFolder, const QString &name);

// The part of a path after its last separator, or the whole path when it has none.
// On Windows both "\" and "/" count as separators.
QString fileNameWithoutFolder(const QString &path);

// The longest path any file system takes. A damaged file can name a "file" of
// megabytes; a name longer than this is neither looked for nor quoted whole.
constexpr qsizetype LongestPath = 32767;

} // namespace ProgramFolder
