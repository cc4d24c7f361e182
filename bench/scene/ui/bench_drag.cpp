// SPDX-License-Identifier: GPL-3.0-or-later
// Dragging a part across the composer's canvas: 1,000 pointer moves over the
// default scene, with the outline off (every move rebuilds the canvas) and on
// (every move inverts two rectangles, the release rebuilds once).
//
// bench_scene_drag [program folder]
// Without a folder the default pictures are generated in a temporary one, in
// the sizes of the shipped art.

#include "BenchApplication.h"
#include "BenchProgramFolder.h"
#include "CanvasMouse.h"
#include "Form1.h"
#include "SceneCanvas.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QImage>

#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

struct Run
{
    double moveMs = 0;
    double moveCpuMs = 0; // processor time of the program, for a busy machine
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
    sendMouse(canvas, QEvent::MouseButtonPress, wanderingPoint(0));
    const SceneEditor::DrawCounts before = window.editor().drawCounts();
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpu = std::clock();
    for (int i = 1; i <= moves; ++i) {
        sendMouse(canvas, QEvent::MouseMove, wanderingPoint(i));
        if (paint)
            app.processEvents();
    }
    Run run;
    run.moveMs = double(timer.nsecsElapsed()) / 1e6;
    run.moveCpuMs = double(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC;
    run.redraws = window.editor().drawCounts().redraws - before.redraws;
    run.outlines = window.editor().drawCounts().outlines - before.outlines;
    timer.restart();
    sendMouse(canvas, QEvent::MouseButtonRelease, wanderingPoint(moves));
    if (paint)
        app.processEvents();
    run.releaseMs = double(timer.nsecsElapsed()) / 1e6;
    run.releaseRedraws = window.editor().drawCounts().redraws - before.redraws - run.redraws;
    return run;
}

void report(const char *title, const Run &run, int moves)
{
    std::printf("%-42s %8.1f ms (processor %6.1f ms) for %d moves, %7.3f ms per move; release %6.3f ms\n",
                title, run.moveMs, run.moveCpuMs, moves, run.moveMs / moves, run.releaseMs);
    std::printf(
        "%-42s canvas rebuilt %llu times while moving, %llu at the release; %llu rectangle inversions "
        "(%.2f per move)\n",
        "", static_cast<unsigned long long>(run.redraws), static_cast<unsigned long long>(run.releaseRedraws),
        static_cast<unsigned long long>(run.outlines), double(run.outlines) / moves);
}

// A drag is one undo step whatever its length: the heap grows by the same
// amount for a drag of 10 moves and one of 1,000.
void oneStep(Form1 &window)
{
    auto *canvas = window.findChild<SceneCanvas *>(QStringLiteral("picCanvas"));
    QUndoStack &steps = window.editor().undoStack();
    for (int moves : {10, 1000, 10, 1000}) {
        // From the default place, along small circles, ending 7 pixels to the right.
        window.editor().newScene();
        const int count = steps.count();
        const qint64 heap = BenchProgramFolder::heapInUse();
        const auto at = [moves](int i) {
            const double turn = 6.283185307 * i / moves;
            return QPointF(300 + 7.0 * i / moves + 40 * std::sin(turn), 300 + 40 * (1 - std::cos(turn)));
        };
        sendMouse(canvas, QEvent::MouseButtonPress, at(0));
        for (int i = 1; i <= moves; ++i)
            sendMouse(canvas, QEvent::MouseMove, at(i));
        sendMouse(canvas, QEvent::MouseButtonRelease, at(moves));
        std::printf("Drag of %4d moves: %d undo step(s) added, heap %+lld bytes\n", moves,
                    steps.count() - count, static_cast<long long>(BenchProgramFolder::heapInUse() - heap));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    BenchApplication app(argc, argv);
    BenchProgramFolder platform(argc, argv);

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

    outline->setChecked(false);
    oneStep(window);
    return 0;
}
