// SPDX-License-Identifier: GPL-3.0-or-later
// The whole scene composed as the companion shows it: the background and all
// five parts, into a kept canvas (a live preview's redraw) and into a new
// picture; and --render's work from the scene file to the composed picture,
// pictures decoded included. Target: a composition into a kept canvas under
// 1 ms, so a preview can follow every drag step.
//
// bench_scene_compose [program folder]
#include "BenchProgramFolder.h"
#include "BenchSupport.h"
#include "CanvasPicture.h"
#include "SceneComposition.h"
#include "SceneRender.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    BenchProgramFolder platform(argc, argv);
    const QString folder = platform.programFolder();
    // Every part on, at the default pictures' sizes.
    const QString text =
        QStringLiteral("BG=bg.jpg;\r\nZM=zumimouth.jpg;\r\nZMh=256;\r\nZMw=304;\r\nZMx=300;\r\nZMy=100;\r\n"
                       "ZumiBlinkOn;\r\nZB=zumiblink.jpg;\r\nZBh=128;\r\nZBw=304;\r\nZBx=300;\r\nZBy=50;\r\n"
                       "UserMouthOn;\r\nUM=usermouth.jpg;\r\nUMh=256;\r\nUMw=112;\r\nUMx=20;\r\nUMy=200;\r\n"
                       "UserBlinkOn;\r\nUB=userblink.jpg;\r\nUBh=128;\r\nUBw=112;\r\nUBx=20;\r\nUBy=100;\r\n"
                       "MiscOn;\r\nMP=miscpart.jpg;\r\nMPh=32;\r\nMPw=256;\r\nMPx=600;\r\nMPy=450;\r\n"
                       "MR=990;\r\nMF=8;\r\nMD=3;\r\nMS=100;\r\n");
    const SceneRender::Result rendered = SceneRender::render(text, folder);
    if (!rendered.ok()) {
        std::printf("%s\n", qPrintable(rendered.errors.join(QLatin1Char('\n'))));
        return 1;
    }

    // The record and pictures the composition works on, as --render builds them.
    SceneRecord scene;
    ScenePictures pictures;
    const float places[ScenePart::Count][4] = {{304, 256, 300, 100},
                                               {304, 128, 300, 50},
                                               {112, 256, 20, 200},
                                               {112, 128, 20, 100},
                                               {256, 32, 600, 450}};
    const char *const names[ScenePart::Count] = {"zumimouth.jpg", "zumiblink.jpg", "usermouth.jpg",
                                                 "userblink.jpg", "miscpart.jpg"};
    pictures.background = PictureLoader::load(folder + QStringLiteral("Images/bg.jpg")).picture;
    for (int id = 0; id < ScenePart::Count; ++id) {
        SceneRecord::Part &part = scene.part(id);
        part = {QLatin1String(names[id]), places[id][0], places[id][1], places[id][2], places[id][3], true};
        pictures.parts[size_t(id)] =
            PictureLoader::load(folder + QStringLiteral("Images/") + part.name).picture;
    }

    const int runs = 1000;
    CanvasPicture canvas;
    BenchSupport::printTimes("compose all parts into a kept canvas", runs, [&](int i) {
        scene.part(ScenePart::ZumiMouth).x = float(i % 300);
        composeScene(canvas, scene, pictures);
    });
    BenchSupport::printTimes("compose all parts into a new picture", runs, [&](int i) {
        scene.part(ScenePart::ZumiMouth).x = float(i % 300);
        const QImage image = composeScene(scene, pictures);
        Q_UNUSED(image);
    });
    BenchSupport::printTimes("--render: scene text to picture, pictures decoded", 50,
                             [&](int) { Q_UNUSED(SceneRender::render(text, folder)); });
    return 0;
}
