// SPDX-License-Identifier: GPL-3.0-or-later
// The yardsticks of the start-up benchmark: an empty Qt window, started and
// shown as the kit's programs are, of the size given on the command line; with
// a caption, the same window shows it in one label in the toolkit's default
// font, which is what drawing any text at all costs a window.
//
// bench_startup_bare <width> <height> [caption]

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(arguments.value(1).toInt(), arguments.value(2).toInt());
    if (arguments.size() > 3) {
        auto *label = new QLabel(arguments.at(3), &window);
        label->move(8, 8);
    }
    window.show();
    return QApplication::exec();
}
