// SPDX-License-Identifier: GPL-3.0-or-later
#include "AfterFirstFrame.h"
#include "Form1.h"
#include "KitMain.h"
#include "RecoveryWindow.h"
#include "ScenePictureSource.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char *argv[])
{
    return KitMain::run(
        KitProgram::Frameloft, argc, argv,
        [](Platform &platform, const AppCommandLine::Request &request, const QString &) {
            Form1 window(platform);
            window.show();
            auto offerRecovery = [&platform, &window] {
                RecoveryWindow::offer(
                    platform, [&window](const RecoveryRecord &r) { return window.recover(r); }, &window);
            };
            if (request.file.isEmpty()) {
                // Looking for an earlier run's leftovers reads and clears lock
                // files, with a wait for the disk each, which the window's first
                // picture need not wait for.
                AfterFirstFrame::run(offerRecovery);
            } else {
                // A scene given on the command line (a file manager opening one)
                // is loaded once the window is up, as Load Scene would, so a
                // message about it has its window; the leftovers are offered
                // first, as they always were.
                offerRecovery();
                const QString path = QFileInfo(request.file).absoluteFilePath();
                QMetaObject::invokeMethod(
                    &window, [&window, path] { window.loadSceneFrom(path); }, Qt::QueuedConnection);
            }
            return QApplication::exec();
        },
        KitMain::FirstWindow::WithText,
        [](const QString &workFolder) {
            return ScenePictureSource({[workFolder] { return workFolder; }, {}}).defaultPaths();
        });
}
