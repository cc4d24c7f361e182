// Dragging a part across the composer's canvas: 1,000 pointer moves over the
// default scene, with the outline off (every move rebuilds the canvas) and on
// (every move inverts two rectangles, the release rebuilds once).
//
// bench_scene_drag [program folder]
// Without a folder the default pictures are generated in a temporary one, in
// the sizes of the shipped art.

#include "Form1.h"
#include "QtPlatform.h"
#include "SceneCanvas.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

namespace {

class BenchPlatform : public QtPlatform
{
public:
    QString folder;
    QString programFolder() const override { return folder; }
};

void writeDefaultPictures(const QString &images)
{
    const struct
    {
        const char *name;
        int width, height;
    } pictures[] = {{"bg.jpg", 700, 500},        {"zumimouth.jpg", 304, 256}, {"zumiblink.jpg", 304, 128},
                    {"usermouth.jpg", 112, 256}, {"userblink.jpg", 112, 128}, {"miscpart.jpg", 256, 32}};
    for (const auto &picture : pictures) {
        QImage image(picture.width, picture.height, QImage::Format_RGB32);
        QPainter painter(&image);
        QLinearGradient gradient(0, 0, picture.width, picture.height);
        gradient.setColorAt(0, QColor(40, 120, 200));
        gradient.setColorAt(1, QColor(230, 180, 60));
        painter.fillRect(image.rect(), gradient);
        painter.end();
        image.save(images + QLatin1String(picture.name));
    }
}

void send(QWidget *canvas, QEvent::Type type, QPointF position)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, position, canvas->mapToGlobal(position), button, held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

QPointF pathPoint(int i)
{
    return QPointF(350 + 300 * std::sin(i / 37.0), 250 + 220 * std::cos(i / 23.0));
}

struct Run
{
    double moveMs = 0;
    double releaseMs = 0;
    quint64 redraws = 0;
    quint64 outlines = 0;
    quint64 releaseRedraws = 0;
};

// Presses, makes the moves, releases; painting on screen included when
// paint is true (the window is then shown and its events are handled after
// every move).
Run drag(QApplication &app, Form1 &window, int moves, bool paint)
{
    auto *canvas = window.findChild<SceneCanvas *>(QStringLiteral("picCanvas"));
    send(canvas, QEvent::MouseButtonPress, pathPoint(0));
    const SceneEditor::DrawCounts before = window.editor().drawCounts();
    QElapsedTimer timer;
    timer.start();
    for (int i = 1; i <= moves; ++i) {
        send(canvas, QEvent::MouseMove, pathPoint(i));
        if (paint)
            app.processEvents();
    }
    Run run;
    run.moveMs = double(timer.nsecsElapsed()) / 1e6;
    run.redraws = window.editor().drawCounts().redraws - before.redraws;
    run.outlines = window.editor().drawCounts().outlines - before.outlines;
    timer.restart();
    send(canvas, QEvent::MouseButtonRelease, pathPoint(moves));
    if (paint)
        app.processEvents();
    run.releaseMs = double(timer.nsecsElapsed()) / 1e6;
    run.releaseRedraws = window.editor().drawCounts().redraws - before.redraws - run.redraws;
    return run;
}

void report(const char *title, const Run &run, int moves)
{
    std::printf("%-42s %8.1f ms for %d moves, %7.3f ms per move; release %6.3f ms\n", title, run.moveMs,
                moves, run.moveMs / moves, run.releaseMs);
    std::printf(
        "%-42s canvas rebuilt %llu times while moving, %llu at the release; %llu rectangle inversions "
        "(%.2f per move)\n",
        "", static_cast<unsigned long long>(run.redraws), static_cast<unsigned long long>(run.releaseRedraws),
        static_cast<unsigned long long>(run.outlines), double(run.outlines) / moves);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    BenchPlatform platform;
    QTemporaryDir temporary;
    if (argc > 1) {
        platform.folder = QDir::toNativeSeparators(QString::fromLocal8Bit(argv[1]));
        if (!platform.folder.endsWith(QDir::separator()))
            platform.folder += QDir::separator();
    } else {
        platform.folder = QDir::toNativeSeparators(temporary.path()) + QDir::separator();
        QDir().mkpath(platform.folder + QStringLiteral("Images"));
        writeDefaultPictures(platform.folder + QStringLiteral("Images") + QDir::separator());
    }
    std::printf("Program folder: %s\n", qPrintable(platform.folder));

    constexpr int Moves = 1000;
    Form1 window(platform);
    auto *outline = window.findChild<QCheckBox *>(QStringLiteral("chkUseOutline"));

    drag(app, window, 50, false); // warm-up
    report("Outline off, canvas picture only:", drag(app, window, Moves, false), Moves);
    outline->setChecked(true);
    report("Outline on, canvas picture only:", drag(app, window, Moves, false), Moves);

    window.show();
    app.processEvents();
    outline->setChecked(false);
    report("Outline off, painted on screen:", drag(app, window, Moves, true), Moves);
    outline->setChecked(true);
    report("Outline on, painted on screen:", drag(app, window, Moves, true), Moves);
    return 0;
}
