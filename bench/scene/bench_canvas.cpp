// The canvas work of one redraw: a new 700 x 500 base picture and one part
// copied over it; RedrawCanvas of the composer on its default scene. Target:
// RedrawCanvas median under 0.1 ms.
//
// bench_scene_canvas [program folder]
#include "BenchProgramFolder.h"
#include "CanvasPicture.h"
#include "SceneCanvas.h"
#include "SceneEditor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QImage noise(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    quint32 state = seed;
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            line[x] = 0xff000000u | (state >> 8);
        }
    }
    return image;
}

template <typename Work> void report(const char *what, int runs, Work work)
{
    std::vector<qint64> times;
    times.reserve(size_t(runs));
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        work(i);
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    std::printf("%-52s median %8.3f ms   p95 %8.3f ms   max %8.3f ms  (%d runs)\n", what,
                double(times[times.size() / 2]) / 1e6, double(times[times.size() * 95 / 100]) / 1e6,
                double(times.back()) / 1e6, runs);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchProgramFolder platform(argc, argv);
    CanvasPicture canvas;
    SceneCanvas widget;
    widget.setPicture(&canvas.image());
    widget.show();
    QApplication::processEvents();

    const QImage background = noise(700, 500, 1);
    const QImage part = noise(120, 90, 2);
    const QImage bigBackground = noise(1600, 1200, 3);
    const int runs = 1000;

    report("redraw: base 700x500 + a 120x90 overlay", runs, [&](int i) {
        canvas.setBasePicture(background);
        canvas.copyPicture(part, float(i % 600), float(i % 400), 120, 90);
    });
    report("redraw: base 1600x1200 (cut) + a 120x90 overlay", runs, [&](int i) {
        canvas.setBasePicture(bigBackground);
        canvas.copyPicture(part, float(i % 600), float(i % 400), 120, 90);
    });
    report("outline drag step: two inversions 120x90", runs, [&](int i) {
        canvas.invertOutline(float(i % 600), float(i % 400), 120, 90);
        canvas.invertOutline(float(i % 600), float(i % 400), 120, 90);
    });
    // The composer's own redraw: the default scene's background and the
    // selected part (the Zumi mouth, then the miscellaneous part).
    SceneEditor editor({[&platform] { return platform.programFolder(); },
                        [&platform](const QString &path) { return platform.loadPicture(path); }});
    editor.startUp();
    report("RedrawCanvas, default scene, Zumi mouth", runs, [&](int) { editor.RedrawCanvas(); });
    editor.switchPart(ScenePart::Misc, true);
    report("RedrawCanvas, default scene, misc part", runs, [&](int) { editor.RedrawCanvas(); });
    editor.setShowPart(false);
    report("RedrawCanvas, default scene, part hidden", runs, [&](int) { editor.RedrawCanvas(); });

    report("redraw + paint on screen (repaint)", runs / 4, [&](int i) {
        canvas.setBasePicture(background);
        canvas.copyPicture(part, float(i % 600), float(i % 400), 120, 90);
        widget.repaint();
    });
    return 0;
}
