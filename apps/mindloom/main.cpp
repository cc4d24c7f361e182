// SPDX-License-Identifier: GPL-3.0-or-later
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
            RecoveryWindow::offer(
                platform, [&launcher](const RecoveryRecord &r) { return launcher.recover(r); }, &launcher);
            // Once the launcher is up, so that the message has its window.
            if (!dataFolderProblem.isEmpty()) {
                QMetaObject::invokeMethod(
                    &launcher,
                    [&launcher, dataFolderProblem] { launcher.reportDataFolder(dataFolderProblem); },
                    Qt::QueuedConnection);
            }
            // Files given (a file manager opening them) open once the launcher is
            // up, so a message about one has its window.
            for (const QString &file : request.files) {
                const QString path = QFileInfo(file).absoluteFilePath();
                QMetaObject::invokeMethod(
                    &launcher, [&launcher, path] { launcher.openFile(path); }, Qt::QueuedConnection);
            }
            return QApplication::exec();
        });
}
