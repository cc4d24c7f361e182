// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;

// The end of the desktop session (logging out, shutting down) closes every
// window as the user would, so each asks about its unsaved work first; a
// window that stays open (Cancel, or a save that failed) asks the session to
// wait. Without this the session manager ends the program with its work.
namespace SessionEnd {

// Follows the application's session from now on.
void follow(QApplication &application);

// Closes every visible window as the user would; true when all of them closed.
bool closeAllWindows();

} // namespace SessionEnd
