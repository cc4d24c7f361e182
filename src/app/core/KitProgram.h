// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The two programs of the kit and what they share: the version, the data
// folder's name and the desktop identity they are installed under.
enum class KitProgram { Mindloom, Frameloft };

namespace KitInfo {

// The executable's name, which is also the name the programs print.
QString programName(KitProgram program);

// The kit's version, from the build.
QString version();

// The application name a program runs under, its own so that the desktop
// tells the two programs' windows apart (the window class on X11).
QString applicationName(KitProgram program);

// The user's data folder both programs share, as they share the program
// folder: ~/.local/share/Mindloom on Linux, without a trailing separator.
// Works before an application object exists.
QString dataFolder();

// The file in the data folder that keeps the user's small choices of both
// programs (ChoicesFile).
QString choicesFile();

// The reverse-domain id of a program, in lower case: its desktop entry,
// metadata and icon are installed under this name.
QString desktopId(KitProgram program);

// Where an installed kit keeps its shipped content (the samples, Images/,
// Locations/ and Docs/): share/mindloom/ beside the executables' bin/, as an
// absolute path without a trailing separator. Needs the application object.
QString installedContentFolder();

// Sets the program's application name and the version on QCoreApplication
// (no organisation). Works before an application object exists.
void setApplicationIdentity(KitProgram program = KitProgram::Mindloom);

} // namespace KitInfo
