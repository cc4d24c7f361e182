// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas work of one redraw: a new 700 x 500 base picture and one part
// copied over it; RedrawCanvas of the composer on its default scene. Target:
// RedrawCanvas median under 0.1 ms.
//
// bench_scene_canvas [program folder]
#include "BenchApplication.h"
#include "BenchProgramFolder.h"
#include "BenchSupport.h"
#include "CanvasPicture.h"
#include "SceneCanvas.h"
#include "SceneEditor.h"

#include <QApplication>
#include <QImage>

#include <cstdio>

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

} // namespace

int main(int argc, char **argv)
{
    BenchApplication app(argc, argv);
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

    BenchSupport::printTimes("redraw: base 700x500 + a 120x90 overlay", runs, [&](int i) {
        canvas.setBasePicture(background);
        canvas.copyPicture(part, float(i % 600), float(i % 400), 120, 90);
    });
    BenchSupport::printTimes("redraw: base 1600x1200 (cut) + a 120x90 overlay", runs, [&](int i) {
        canvas.setBasePicture(bigBackground);
        canvas.copyPicture(part, float(i % 600), float(i % 400), 120, 90);
    });
    BenchSupport::printTimes("outline drag step: two inversions 120x90", runs, [&](int i) {
        canvas.invertOutline(float(i % 600), float(i % 400), 120, 90);
        canvas.invertOutline(float(i % 600), float(i % 400), 120, 90);
    });
    // The composer's own redraw: the default scene's background and the
    // selected part (the Zumi mouth, then the miscellaneous part).
    SceneEditor editor({[&platform] { return platform.programFolder(); },
                        [&platform](const QString &path) { return platform.loadPicture(path); }});
    editor.startUp();
    BenchSupport::printTimes("RedrawCanvas, default scene, Zumi mouth", runs,
                             [&](int) { editor.RedrawCanvas(); });
    editor.switchPart(ScenePart::Misc, true);
    BenchSupport::printTimes("RedrawCanvas, default scene, misc part", runs,
                             [&](int) { editor.RedrawCanvas(); });
    editor.setShowPart(false);
    BenchSupport::printTimes("RedrawCanvas, default scene, part hidden", runs,
                             [&](int) { editor.RedrawCanvas(); });

    BenchSupport::printTimes("redraw + paint on screen (repaint)", runs / 4, [&](int i) {
        canvas.setBasePicture(background);
        canvas.copyPicture(part, float(i % 600), float(i % 400), 120, 90);
        widget.repaint();
    });
    return 0;
}
