#include "AppCommandLine.h"
#include "ProgramIdentity.h"
#include "QtPlatform.h"
#include "SuiteMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    AppCommandLine commandLine(KitProgram::Mindloom);
    if (!commandLine.read(AppCommandLine::arguments(argc, argv), AppCommandLine::Stage::BeforeApplication))
        return commandLine.finish();
    QApplication app(argc, argv);
    ProgramIdentity::apply(KitProgram::Mindloom);
    if (!commandLine.read(QCoreApplication::arguments(), AppCommandLine::Stage::WithApplication))
        return commandLine.finish();

    QtPlatform platform;
    // Closing the launcher only hides it: the editors it opened stay open, and
    // the program ends when the last open window closes.
    SuiteMain launcher(platform);
    launcher.show();
    return app.exec();
}
