// SPDX-License-Identifier: GPL-3.0-or-later
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
            RecoveryWindow::offer(
                platform, [&window](const RecoveryRecord &r) { return window.recover(r); }, &window);
            // A scene given on the command line (a file manager opening one) is
            // loaded once the window is up, as Load Scene would, so a message about
            // it has its window.
            if (!request.file.isEmpty()) {
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
