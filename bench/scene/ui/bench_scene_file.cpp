// SPDX-License-Identifier: GPL-3.0-or-later
// Scene files of absurd shapes (hand-made or damaged), 1, 4 and 16 MB each:
// reading must stay linear whatever the shape. For each: the reader alone
// (all keys looked up and applied to a record), Load Scene in the editor
// (with the picture loads the file asks for), and Load Scene in the window
// (the loaded texts shown in its boxes). Then the writer on a huge scene.
//
// bench_scene_file [program folder]

#include "BenchApplication.h"
#include "BenchProgramFolder.h"
#include "BenchSupport.h"
#include "Form1.h"
#include "SceneFile.h"

#include <QElapsedTimer>

#include <cstdio>
#include <ctime>
#include <functional>

namespace {

// Wall time, and the processor time of this program: on a busy machine the
// second says what the work itself costs.
struct Timer
{
    QElapsedTimer wall;
    std::clock_t cpu = 0;
    void start()
    {
        wall.start();
        cpu = std::clock();
    }
    QString elapsed() const
    {
        return QStringLiteral("%1 (%2)")
            .arg(double(wall.nsecsElapsed()) / 1e6, 7, 'f', 1)
            .arg(double(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC, 6, 'f', 1);
    }
};

// Repeats the piece up to size bytes, then puts the tail at the end.
QByteArray repeated(const QByteArray &piece, qsizetype size, const QByteArray &tail = QByteArray())
{
    QByteArray bytes;
    bytes.reserve(size);
    while (bytes.size() + piece.size() + tail.size() <= size)
        bytes += piece;
    return bytes + tail;
}

const QByteArray WholeScene =
    "BG=bg.jpg;\r\nZM=zumimouth.jpg;\r\nZMh=96;\r\nZMw=114;\r\nZMx=200;\r\nZMy=150;\r\n"
    "MiscOn;\r\nMP=miscpart.jpg;\r\nMPh=12;\r\nMPw=96;\r\nMPx=40;\r\nMPy=40;\r\n"
    "MR=990;\r\nMF=8;\r\nMD=5;\r\nMS=100;\r\n";

struct Shape
{
    const char *name;
    std::function<QByteArray(qsizetype)> make;
};

const Shape Shapes[] = {
    {"one value without ';'", [](qsizetype size) { return "BG=" + QByteArray(size - 3, 'x'); }},
    {"every key, one line, no ';'",
     [](qsizetype size) {
         // Each value runs to the end of the line: ten values of up to the whole file.
         const char *keys[] = {"BG=", "ZM=", "ZMh=", "ZMw=", "ZMx=", "ZMy=", "UM=", "ZB=",
                               "UB=", "MP=", "MPh=", "MPx=", "MR=",  "MF=",  "MD=", "MS="};
         const qsizetype each = size / qsizetype(std::size(keys));
         QByteArray bytes;
         for (const char *key : keys)
             bytes += key + QByteArray(each - qsizetype(qstrlen(key)), 'v');
         return bytes;
     }},
    {"near misses 'ZMh;'", [](qsizetype size) { return repeated("ZMh;", size); }},
    {"'=' after letters, no key", [](qsizetype size) { return repeated("ZZ=QM=", size); }},
    {"keys repeated",
     [](qsizetype size) { return repeated("BG=a.jpg;\r\nZM=b.jpg;\r\nMP=c.jpg;\r\n", size); }},
    {"empty lines, then a scene", [](qsizetype size) { return repeated("\r\n", size, WholeScene); }},
    {"';' everywhere, then a scene", [](qsizetype size) { return repeated(";", size, WholeScene); }},
    {"keys without ';' on each line",
     [](qsizetype size) { return repeated("MR=1\r\nMPx=2\nBG=3\r\n", size, WholeScene); }},
};

} // namespace

int main(int argc, char *argv[])
{
    BenchApplication app(argc, argv);
    BenchProgramFolder platform(argc, argv);
    Form1 window(platform);
    SceneEditor editor({[&platform] { return platform.programFolder(); },
                        [&platform](const QString &path) { return platform.loadPicture(path); }});
    editor.startUp();
    const QString path = platform.programFolder() + QStringLiteral("bench.scn");

    std::printf("%-32s %3s %17s %17s %17s\n", "shape", "MB", "read ms (cpu)", "editor ms (cpu)",
                "window ms (cpu)");
    for (const Shape &shape : Shapes) {
        for (qsizetype megabytes : {1, 4, 16}) {
            const QByteArray bytes = shape.make(megabytes * 1024 * 1024);
            BenchSupport::writeFile(path, bytes);
            const QString text = QString::fromLatin1(bytes);
            Timer timer;
            timer.start();
            SceneRecord record;
            SceneFile::applyScene(record, SceneFile::readScene(text));
            const QString read = timer.elapsed();

            timer.start();
            editor.loadSceneFile(path);
            const QString inEditor = timer.elapsed();

            timer.start();
            window.editor().loadSceneFile(path);
            const QString inWindow = timer.elapsed();
            std::printf("%-32s %3lld %17s %17s %17s\n", shape.name, static_cast<long long>(megabytes),
                        qPrintable(read), qPrintable(inEditor), qPrintable(inWindow));
            window.editor().newScene();
            editor.newScene();
        }
    }

    // The writer on a scene with a 16 MB picture name and every part on.
    SceneRecord scene;
    for (SceneRecord::Part &part : scene.parts)
        part.on = true;
    scene.Background = QString(16 * 1024 * 1024, QLatin1Char('b'));
    Timer timer;
    timer.start();
    const QString text = BuildSceneText(scene);
    std::printf("BuildSceneText with a 16 MB name: %s ms (%lld characters)\n", qPrintable(timer.elapsed()),
                static_cast<long long>(text.size()));
    return 0;
}
