// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: an empty Qt window, started and
// shown as the kit's programs are, of the size given on the command line.
//
// bench_startup_bare <width> <height>

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(arguments.value(1).toInt(), arguments.value(2).toInt());
    window.show();
    return QApplication::exec();
}
