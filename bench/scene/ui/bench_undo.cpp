// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo in the composer window, step by step: each kind of step is
// taken once over the default scene, then undone and redone many times; the
// figures include mirroring the editor into the controls and painting.
//
// bench_scene_undo [program folder]

#include "BenchApplication.h"
#include "BenchProgramFolder.h"
#include "BenchSupport.h"
#include "CanvasMouse.h"
#include "Form1.h"
#include "SceneCanvas.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Kind
{
    const char *name;
    std::function<void(Form1 &)> step;
};

} // namespace

int main(int argc, char *argv[])
{
    BenchApplication app(argc, argv);
    BenchProgramFolder platform(argc, argv);
    Form1 window(platform);
    window.show();
    app.processEvents();
    SceneEditor &editor = window.editor();
    auto *canvas = window.findChild<SceneCanvas *>(QStringLiteral("picCanvas"));

    const QString sceneFile = platform.programFolder() + QStringLiteral("bench.scn");
    BenchSupport::writeFile(
        sceneFile, "BG=bg.jpg;\r\nZM=zumimouth.jpg;\r\nZMh=96;\r\nZMw=114;\r\nZMx=200;\r\nZMy=150;\r\n"
                   "UserMouthOn;\r\nUM=usermouth.jpg;\r\nUMh=96;\r\nUMw=42;\r\nUMx=400;\r\nUMy=300;\r\n"
                   "MiscOn;\r\nMP=miscpart.jpg;\r\nMPh=12;\r\nMPw=96;\r\nMPx=40;\r\nMPy=40;\r\n"
                   "MR=990;\r\nMF=8;\r\nMD=5;\r\nMS=100;\r\n\r\n");
    const QString otherScene = platform.programFolder() + QStringLiteral("other.scn");
    BenchSupport::writeFile(
        otherScene,
        "BG=bg.jpg;\r\nZM=zumimouth.jpg;\r\nZMh=96;\r\nZMw=114;\r\nZMx=20;\r\nZMy=15;\r\n"
        "UserBlinkOn;\r\nUB=userblink.jpg;\r\nUBh=48;\r\nUBw=42;\r\nUBx=300;\r\nUBy=100;\r\n\r\n");
    const Picture picture =
        platform.loadPicture(editor.pictureFolder() + QStringLiteral("usermouth.jpg")).picture;

    const Kind kinds[] = {
        {"nudge", [](Form1 &w) { w.editor().nudge(1, 0); }},
        {"drag of 1,000 moves",
         [canvas](Form1 &) {
             sendMouse(canvas, QEvent::MouseButtonPress, QPointF(300, 300));
             for (int i = 1; i <= 1000; ++i)
                 sendMouse(canvas, QEvent::MouseMove, wanderingPoint(i));
             sendMouse(canvas, QEvent::MouseButtonRelease, QPointF(300, 300));
         }},
        {"part switched on", [](Form1 &w) { w.editor().switchPart(ScenePart::UserBlink, true); }},
        {"part chosen", [](Form1 &w) { w.editor().selectPart(ScenePart::ZumiMouth); }},
        {"LOAD of a part",
         [&picture](Form1 &w) {
             w.editor().loadPicture(SceneEditor::LoadZumiMouth, picture, QStringLiteral("usermouth.jpg"),
                                    QStringLiteral("usermouth.jpg"));
         }},
        {"New Scene", [](Form1 &w) { w.editor().newScene(); }},
        {"Load Scene", [&otherScene](Form1 &w) { w.editor().loadSceneFile(otherScene); }},
        {"typing into Speed",
         [](Form1 &w) {
             for (const char *text : {"1", "12", "125"})
                 w.editor().setAnimationText(SceneEditor::Speed, QLatin1String(text));
             w.editor().finishTextEdit();
         }},
        {"Nude BG", [](Form1 &w) { w.editor().setNudeImageOn(!w.editor().record().NudeImageOn); }},
    };

    constexpr int Rounds = 200;
    std::printf("%-22s %12s %12s %12s   (median of %d, window mirrored and painted)\n", "step", "undo ms",
                "redo ms", "worst ms", Rounds);
    for (const Kind &kind : kinds) {
        editor.loadSceneFile(sceneFile); // a scene with parts on, the user mouth selected
        app.processEvents();
        const int before = editor.undoStack().count();
        kind.step(window);
        app.processEvents();
        if (editor.undoStack().count() != before + 1) {
            std::printf("%-22s took %d steps instead of one\n", kind.name,
                        editor.undoStack().count() - before);
            continue;
        }
        std::vector<double> undos, redos;
        QElapsedTimer timer;
        for (int i = 0; i < Rounds; ++i) {
            timer.start();
            editor.undo();
            app.processEvents();
            undos.push_back(double(timer.nsecsElapsed()) / 1e6);
            timer.start();
            editor.redo();
            app.processEvents();
            redos.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        const double worst = std::max(*std::max_element(undos.begin(), undos.end()),
                                      *std::max_element(redos.begin(), redos.end()));
        std::printf("%-22s %12.3f %12.3f %12.3f\n", kind.name, BenchSupport::median(undos),
                    BenchSupport::median(redos), worst);
    }
    return 0;
}
