#include "Form1.h"
#include "QtPlatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtPlatform platform;
    Form1 window(platform);
    window.show();
    return app.exec();
}
