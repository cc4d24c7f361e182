// SPDX-License-Identifier: GPL-3.0-or-later
// The scene preview running by itself: every part in the scene, every
// animation on, the strip stepping every 33 ms (30 frames a second, runs back
// to back), in a shown window on the real event loop.
//
// Prints the process's CPU time over a stretch of running (target: under 2 %
// of one core), how often and how much it painted, the resident memory before
// and after a longer stretch (target: no growth), and what following a drag
// in the composer costs per move, with and without the preview.
//
// bench_scene_preview [seconds for CPU, default 10] [seconds for memory, default 60]

#include "BenchApplication.h"
#include "QtPlatform.h"
#include "SceneEditor.h"
#include "ScenePreviewPicture.h"
#include "ScenePreviewWindow.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

// The pictures in the sizes of the shipped art; the strip has 8 frames of 32.
QImage picture(int width, int height, QColor from, QColor to)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    painter.fillRect(image.rect(), gradient);
    return image;
}

PictureResult loadGenerated(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    QImage image;
    if (name == QLatin1String("bg.jpg"))
        image = picture(700, 500, QColor(40, 120, 200), QColor(230, 180, 60));
    else if (name == QLatin1String("zumimouth.jpg"))
        image = picture(304, 256, Qt::red, Qt::darkRed);
    else if (name == QLatin1String("zumiblink.jpg"))
        image = picture(304, 128, Qt::yellow, Qt::darkYellow);
    else if (name == QLatin1String("usermouth.jpg"))
        image = picture(112, 256, Qt::blue, Qt::darkBlue);
    else if (name == QLatin1String("userblink.jpg"))
        image = picture(112, 128, Qt::magenta, Qt::darkMagenta);
    else
        image = picture(256, 32, Qt::cyan, Qt::darkCyan);
    PictureResult result;
    result.picture = PictureLoader::fromImage(image);
    return result;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

void runFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// 1,000 pointer moves of a drag in the composer's model: median and 95th
// percentile in milliseconds. Each move changes the record once; a preview
// composes the mouth's old and new places again.
std::pair<double, double> dragMoves(SceneEditor &editor)
{
    std::vector<qint64> times;
    QElapsedTimer move;
    editor.press(QPointF(200, 200));
    for (int i = 0; i < 1000; ++i) {
        move.start();
        editor.move(QPointF(200 + i % 300, 200 + (i / 3) % 200));
        times.push_back(move.nsecsElapsed());
    }
    editor.release();
    editor.undo();
    std::sort(times.begin(), times.end());
    return {double(times[times.size() / 2]) / 1e6, double(times[times.size() * 95 / 100]) / 1e6};
}

} // namespace

int main(int argc, char **argv)
{
    BenchApplication app(argc, argv);
    const int cpuTime = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    const int memoryTime = argc > 2 ? std::max(1, atoi(argv[2])) : 60;

    SceneEditor editor({[] { return QStringLiteral("/bench/"); }, &loadGenerated});
    editor.startUp();
    for (int id = ScenePart::ZumiBlink; id < ScenePart::Count; ++id)
        editor.switchPart(id, true);
    editor.setAnimationText(SceneEditor::Frames, QStringLiteral("8"));
    editor.setAnimationText(SceneEditor::Speed, QStringLiteral("33"));
    editor.setAnimationText(SceneEditor::Delay, QStringLiteral("0"));
    editor.setAnimationText(SceneEditor::Rndm, QStringLiteral("0"));

    const std::pair<double, double> alone = dragMoves(editor);

    QtPlatform platform{QStringLiteral("/bench/")};
    ScenePreviewWindow window(editor, platform);
    window.show();
    runFor(1000); // shown, painted once, running

    const ScenePreviewPicture::PaintCounts before = window.picture().paintCounts();
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    runFor(cpuTime * 1000);
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;
    const ScenePreviewPicture::PaintCounts after = window.picture().paintCounts();
    const double paints = double(after.paints - before.paints);
    std::printf("preview, all parts and animations, strip at 30 frames/s, %.1f s:\n", seconds);
    std::printf("  CPU %.3f s = %.2f %% of one core (target < 2 %%)\n", cpu, 100.0 * cpu / seconds);
    std::printf("  %.1f paints/s, %.0f pixels per paint (the whole picture is %d)\n", paints / seconds,
                paints > 0 ? double(after.pixels - before.pixels) / paints : 0.0, 700 * 500);

    const double residentBefore = residentMiB();
    runFor(memoryTime * 1000);
    const double residentAfter = residentMiB();
    std::printf("resident memory over %d s: %.2f MiB before, %.2f MiB after, growth %+.2f MiB\n", memoryTime,
                residentBefore, residentAfter, residentAfter - residentBefore);

    const auto [median, p95] = dragMoves(editor);
    std::printf("drag move with the preview following: median %.3f ms, p95 %.3f ms "
                "(without a preview: median %.3f ms, p95 %.3f ms)\n",
                median, p95, alone.first, alone.second);
    return 0;
}
