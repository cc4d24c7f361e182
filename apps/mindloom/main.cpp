// SPDX-License-Identifier: GPL-3.0-or-later
#include "AfterFirstFrame.h"
#include "KitMain.h"
#include "RecoveryWindow.h"
#include "SuiteMain.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char *argv[])
{
    return KitMain::run(
        KitProgram::Mindloom, argc, argv,
        [](Platform &platform, const AppCommandLine::Request &request, const QString &dataFolderProblem) {
            // Closing the launcher only hides it: the editors it opened stay open,
            // and the program ends when the last open window closes.
            SuiteMain launcher(platform);
            launcher.show();
            QStringList files;
            for (const QString &file : request.files)
                files << QFileInfo(file).absoluteFilePath();
            // The windows that may follow the launcher open once it has drawn
            // itself: looking for an earlier run's leftovers reads and clears
            // lock files, with a wait for the disk each, which the launcher's
            // first picture need not wait for. They open in the same order as
            // before, each on the launcher.
            AfterFirstFrame::run([&platform, &launcher, dataFolderProblem, files] {
                RecoveryWindow::offer(
                    platform, [&launcher](const RecoveryRecord &r) { return launcher.recover(r); },
                    &launcher);
                // Once the launcher is up, so that the message has its window.
                if (!dataFolderProblem.isEmpty()) {
                    QMetaObject::invokeMethod(
                        &launcher,
                        [&launcher, dataFolderProblem] { launcher.reportDataFolder(dataFolderProblem); },
                        Qt::QueuedConnection);
                }
                // Files given (a file manager opening them) open once the launcher
                // is up, so a message about one has its window.
                for (const QString &path : files) {
                    QMetaObject::invokeMethod(
                        &launcher, [&launcher, path] { launcher.openFile(path); }, Qt::QueuedConnection);
                }
            });
            return QApplication::exec();
        });
}
