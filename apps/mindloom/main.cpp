#include "QtPlatform.h"
#include "SuiteMain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setWindowIcon(QIcon(QStringLiteral(":/launcher/mindloom_icon.png")));
    QtPlatform platform;
    // Closing the launcher only hides it: the editors it opened stay open, and
    // the program ends when the last open window closes.
    SuiteMain launcher(platform);
    launcher.show();
    return app.exec();
}
