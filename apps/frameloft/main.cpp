#include "AppCommandLine.h"
#include "Form1.h"
#include "KitTasks.h"
#include "ProgramIdentity.h"
#include "QtPlatform.h"
#include "WorkFolder.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char *argv[])
{
    AppCommandLine commandLine(KitProgram::Frameloft);
    if (!commandLine.read(AppCommandLine::arguments(argc, argv), AppCommandLine::Stage::BeforeApplication))
        return commandLine.finish();
    if (commandLine.request().task != AppCommandLine::Request::Task::OpenWindow) {
        // No window, so no display is needed.
        QCoreApplication app(argc, argv);
        KitInfo::setApplicationIdentity();
        const QString folder = WorkFolder::prepare(commandLine);
        if (folder.isEmpty())
            return commandLine.finish();
        return KitTasks::run(KitProgram::Frameloft, commandLine.request(), folder).finish();
    }

    QApplication app(argc, argv);
    ProgramIdentity::apply(KitProgram::Frameloft);
    if (!commandLine.read(QCoreApplication::arguments(), AppCommandLine::Stage::WithApplication))
        return commandLine.finish();
    const QString folder = WorkFolder::prepare(commandLine);
    if (folder.isEmpty())
        return commandLine.finish();

    QtPlatform platform(folder);
    Form1 window(platform);
    window.show();
    // A scene given on the command line (a file manager opening one) is loaded
    // once the window is up, as Load Scene would, so a message about it has
    // its window.
    const QString scene = commandLine.request().file;
    if (!scene.isEmpty()) {
        const QString path = QFileInfo(scene).absoluteFilePath();
        QMetaObject::invokeMethod(
            &window, [&window, path] { window.loadSceneFrom(path); }, Qt::QueuedConnection);
    }
    return app.exec();
}
