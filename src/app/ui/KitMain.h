// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppCommandLine.h"
#include "KitProgram.h"

#include <QString>
#include <QStringList>

#include <functional>

class Platform;

// What both programs do from main(): read the command line, run a task that
// needs no window without a display, or choose the folder to work in and open
// the program's window on the desktop.
namespace KitMain {

// Shows the program's first window on platform, runs the event loop
// (QApplication::exec()) and returns its exit code. request is what the
// command line asked for; dataFolderProblem what the user is to be told about
// the data folder worked in (WorkFolder::dataFolderProblem), or "".
using OpenWindow = std::function<int(Platform &platform, const AppCommandLine::Request &request,
                                     const QString &dataFolderProblem)>;

// Whether the first window draws text in its first picture: the system's
// font configuration is then read while the toolkit starts.
enum class FirstWindow { Pictures, WithText };

// The pictures the first window loads before its first picture, for the
// folder worked in (ending in a separator): they are decoded from the moment
// the folder is known.
using FirstPictures = std::function<QStringList(const QString &workFolder)>;

// The program's exit code.
int run(KitProgram program, int argc, char *argv[], const OpenWindow &openWindow,
        FirstWindow firstWindow = FirstWindow::Pictures, const FirstPictures &firstPictures = {});

} // namespace KitMain
