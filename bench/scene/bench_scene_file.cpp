// Scene file text on absurdly large input (hand-made or damaged files): the
// writer and the entry lookup must stay linear and never hang.
#include "SceneFile.h"

#include <QElapsedTimer>

#include <cstdio>

namespace {

double millis(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

void measure(qsizetype megabytes)
{
    const qsizetype size = megabytes * 1024 * 1024;
    SceneRecord scene;
    for (SceneRecord::Part &part : scene.parts)
        part.on = true;
    scene.NudeImageOn = true;
    // One enormous picture name before every other entry, and the
    // alternative background, the last entry, after it.
    scene.Background = QString(size, QLatin1Char('b'));
    scene.NudeImage = QStringLiteral("nude.jpg");

    QElapsedTimer timer;
    timer.start();
    const QString text = BuildSceneText(scene);
    const double build = millis(timer);

    timer.start();
    QString value;
    const bool last = FindSceneEntry(text, QStringLiteral("NI="), &value);
    const double findLast = millis(timer);

    timer.start();
    const bool absent = FindSceneEntry(text, QStringLiteral("XX="), nullptr);
    const double findAbsent = millis(timer);

    timer.start();
    const SceneFile::SceneContent content = SceneFile::readScene(text);
    const double read = millis(timer);

    // Near misses everywhere: "ZMh" over and over, never followed by "=".
    QString nearMisses;
    nearMisses.reserve(size);
    while (nearMisses.size() + 4 <= size)
        nearMisses += QLatin1String("ZMh;");
    timer.start();
    const bool missed = FindSceneEntry(nearMisses, QStringLiteral("ZMh="), nullptr);
    const double findNearMisses = millis(timer);

    // A key without ";": the value runs to the end of the text.
    const QString unended = QStringLiteral("BG=") + QString(size, QLatin1Char('x'));
    timer.start();
    FindSceneEntry(unended, QStringLiteral("BG="), &value);
    const double findUnended = millis(timer);

    std::printf(
        "%4lld MB text: build %8.1f ms | find last %7.1f ms | find absent %7.1f ms | read all %8.1f ms | "
        "near misses %7.1f ms | no ';' %7.1f ms%s\n",
        static_cast<long long>(megabytes), build, findLast, findAbsent, read, findNearMisses, findUnended,
        (last && !absent && !missed && content.parts[ScenePart::Misc].present && value.size() == size)
            ? ""
            : "  (WRONG RESULT)");
}

} // namespace

int main()
{
    for (qsizetype megabytes : {12, 25, 50})
        measure(megabytes);
    return 0;
}
