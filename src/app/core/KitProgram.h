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

// The application name both programs run under. Qt derives the user's data
// folder from it (QStandardPaths::AppDataLocation, ~/.local/share/Mindloom on
// Linux), so the two programs share one folder as they share the program folder.
QString applicationName();

// The reverse-domain id of a program: its desktop entry, metadata and icon
// are installed under this name.
QString desktopId(KitProgram program);

// Where an installed kit keeps its shipped content (the samples, Images/,
// Locations/ and Docs/): share/mindloom/ beside the executables' bin/, as an
// absolute path without a trailing separator. Needs the application object.
QString installedContentFolder();

// Sets the application name and version on QCoreApplication (no organisation,
// so the data folder has no extra level). Works before an application object
// exists.
void setApplicationIdentity();

} // namespace KitInfo
