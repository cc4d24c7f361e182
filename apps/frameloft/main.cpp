#include "AppCommandLine.h"
#include "Form1.h"
#include "ProgramIdentity.h"
#include "QtPlatform.h"
#include "WorkFolder.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    AppCommandLine commandLine(KitProgram::Frameloft);
    if (!commandLine.read(AppCommandLine::arguments(argc, argv), AppCommandLine::Stage::BeforeApplication))
        return commandLine.finish();
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
    return app.exec();
}
