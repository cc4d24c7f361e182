#include "QtPlatform.h"
#include "SuiteMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtPlatform platform;
    auto *launcher = new SuiteMain(platform);
    launcher->setAttribute(Qt::WA_DeleteOnClose);
    launcher->show();
    return app.exec();
}
