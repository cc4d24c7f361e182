// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the benchmarks share: their start, timing and printing figures, and
// writing their input files.

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace BenchSupport {

// How long work takes, in milliseconds.
inline double ms(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

inline double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Runs work(i) for i = 0 .. runs - 1 and prints the median, 95th percentile and
// slowest time of a run.
template <typename Work> void printTimes(const char *what, int runs, Work work)
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

// Writes the bytes as the whole file; a file that cannot be written is named
// on stderr, since the figures that follow would not be of the file meant.
inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
}

// Appends statements as the entry line adds them, numbered, each followed by
// an empty line, until text holds at least size characters.
inline void appendStatements(QString &text, qsizetype size)
{
    const QString lines[] = {
        QStringLiteral("I like cats, especially the fluffy ones that sleep in the sun."),
        QStringLiteral("My favourite colour is the soft purple of lavender."),
        QStringLiteral("You told me that your sister lives by the sea."),
        QStringLiteral("I am a little afraid of thunderstorms, but I love to watch the lightning."),
    };
    for (int i = 0; text.size() < size; ++i)
        text += lines[i % 4] + QStringLiteral(" (%1)\r\n\r\n").arg(i);
}

} // namespace BenchSupport
