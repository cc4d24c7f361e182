#include "AppCommandLine.h"
#include "KitTasks.h"
#include "ProgramIdentity.h"
#include "QtPlatform.h"
#include "SuiteMain.h"
#include "WorkFolder.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    AppCommandLine commandLine(KitProgram::Mindloom);
    if (!commandLine.read(AppCommandLine::arguments(argc, argv), AppCommandLine::Stage::BeforeApplication))
        return commandLine.finish();
    if (commandLine.request().task != AppCommandLine::Request::Task::OpenWindow) {
        // No window, so no display is needed.
        QCoreApplication app(argc, argv);
        KitInfo::setApplicationIdentity();
        const QString folder = WorkFolder::prepare(commandLine);
        if (folder.isEmpty())
            return commandLine.finish();
        return KitTasks::run(KitProgram::Mindloom, commandLine.request(), folder).finish();
    }

    QApplication app(argc, argv);
    ProgramIdentity::apply(KitProgram::Mindloom);
    if (!commandLine.read(QCoreApplication::arguments(), AppCommandLine::Stage::WithApplication))
        return commandLine.finish();
    const QString folder = WorkFolder::prepare(commandLine);
    if (folder.isEmpty())
        return commandLine.finish();

    QtPlatform platform(folder);
    // Closing the launcher only hides it: the editors it opened stay open, and
    // the program ends when the last open window closes.
    SuiteMain launcher(platform);
    launcher.show();
    return app.exec();
}
