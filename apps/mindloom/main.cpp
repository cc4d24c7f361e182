#include "KitMain.h"
#include "RecoveryWindow.h"
#include "SuiteMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    return KitMain::run(
        KitProgram::Mindloom, argc, argv, [](Platform &platform, const AppCommandLine::Request &) {
            // Closing the launcher only hides it: the editors it opened stay open,
            // and the program ends when the last open window closes.
            SuiteMain launcher(platform);
            launcher.show();
            RecoveryWindow::offer(
                platform, [&launcher](const RecoveryRecord &r) { return launcher.recover(r); }, &launcher);
            return QApplication::exec();
        });
}
