// SPDX-License-Identifier: GPL-3.0-or-later
// Imports generated book-like texts of 1, 10 and 40 MB through the Knowledge
// Base Editor and prints, for each size: the time to put the final text into
// the text area in one call, the time of the import from the click to the end
// of the split, their ratio, the longest time the window went without handling
// its events, how long STOP took to take effect, and peak memory. Every
// measurement runs in a process of its own, so that peak memory belongs to it.
//
//   bench_import                         all sizes
//   bench_import <MB>...                 the given sizes
//   bench_import --child <what> <MB>     one measurement (internal)

#include "FakePlatform.h"
#include "KBEd.h"
#include "KnowledgeBase.h"
#include "SentenceSplitter.h"
#include "TextArea.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

// Sentences of 8 to 25 words, a few with "?" or "!" inside, lines wrapped at
// about 72 characters with CR LF and an empty line every few sentences, as a
// book saved as plain text looks.
QByteArray bookText(qsizetype bytes)
{
    static const char *const words[] = {
        "the",   "star", "light", "of",     "a",      "planet",  "moves",   "around",   "its",
        "sun",   "and",  "every", "comet",  "leaves", "dust",    "behind",  "night",    "sky",
        "shows", "many", "faint", "galaxy", "orbit",  "moon",    "gravity", "pulls",    "bright",
        "cold",  "far",  "away",  "slow",   "when",   "through", "space",   "telescope"};
    QRandomGenerator random(20240611);
    QByteArray text;
    text.reserve(bytes + 256);
    qsizetype lineStart = 0;
    int sentencesInParagraph = 0;
    while (text.size() < bytes) {
        const int count = 8 + int(random.bounded(18));
        for (int i = 0; i < count; ++i) {
            QByteArray word = words[random.bounded(int(sizeof words / sizeof *words))];
            if (i == 0)
                word[0] = char(word[0] - 'a' + 'A');
            if (text.size() - lineStart + word.size() > 72) {
                text += "\r\n";
                lineStart = text.size();
            } else if (text.size() > lineStart) {
                text += ' ';
            }
            text += word;
            if (i == count / 2 && random.bounded(10) == 0)
                text += random.bounded(2) ? '?' : '!';
        }
        text += '.';
        if (++sentencesInParagraph == 6) {
            text += "\r\n\r\n";
            lineStart = text.size();
            sentencesInParagraph = 0;
        }
    }
    return text;
}

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// Measures the longest pause between two timeouts of a 1 ms timer: how long
// the window at most went without handling its events.
class EventGapProbe
{
public:
    EventGapProbe()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_maxGapNs = qMax(m_maxGapNs, m_clock.nsecsElapsed());
            m_clock.restart();
        });
    }
    void start()
    {
        m_maxGapNs = 0;
        m_clock.start();
        m_timer.start();
    }
    double stopMs()
    {
        m_timer.stop();
        return double(m_maxGapNs) / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_maxGapNs = 0;
};

int childBaseline(qsizetype bytes)
{
    const QString source = QString::fromLatin1(bookText(bytes));
    QElapsedTimer clock;
    clock.start();
    const QString facts = SentenceSplitter::facts(source);
    const double cutMs = double(clock.nsecsElapsed()) / 1e6;

    QWidget window;
    window.resize(537, 449);
    TextArea area(&window);
    area.setGeometry(15, 20, 396, 356);
    window.show();
    settle();
    clock.restart();
    area.setText(facts);
    settle();
    const double setMs = double(clock.nsecsElapsed()) / 1e6;
    std::printf("baseline cut_ms=%.1f set_ms=%.1f sentences=%lld rss_kb=%ld\n", cutMs, setMs,
                static_cast<long long>(SentenceSplitter::sentences(source).size()), peakRssKb());
    return 0;
}

int childImport(qsizetype bytes, bool stopRuns)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bookText(bytes)) < 0)
            return 2;
    }
    FakePlatform platform;
    platform.folder = dir.path() + QDir::separator();
    KBEd window(platform);
    const KnowledgeBase &kb = window.knowledgeBase();
    window.show();
    settle();
    auto *read = window.findChild<QPushButton *>(QStringLiteral("Command3"));
    auto *stop = window.findChild<QPushButton *>(QStringLiteral("Command5"));
    auto *area = window.findChild<TextArea *>(QStringLiteral("RichTextBox1"));

    if (!stopRuns) {
        EventGapProbe probe;
        QElapsedTimer clock;
        platform.dialogAnswers << path;
        clock.start();
        read->click();
        // The click reads and decodes the whole file, empties the area and runs
        // the first slice; the split goes on from the event loop.
        const double clickMs = double(clock.nsecsElapsed()) / 1e6;
        probe.start();
        while (kb.isSplitting())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        settle();
        const double importMs = double(clock.nsecsElapsed()) / 1e6;
        const double gapMs = probe.stopMs();
        const bool same = area->text() == SentenceSplitter::facts(kb.textData());
        std::printf("import import_ms=%.1f click_ms=%.1f max_event_gap_ms=%.1f result=%s rss_kb=%ld\n",
                    importMs, clickMs, gapMs, same ? "identical" : "DIFFERENT", peakRssKb());
        return same ? 0 : 1;
    }

    // STOP pressed at several moments of a run: the time from the moment the
    // click was due until the window is idle again.
    double worstMs = 0;
    for (int dueMs : {30, 120, 250}) {
        // The knowledge base holds the last run's facts: discard them.
        platform.answers << Platform::Answer::Discard;
        platform.dialogAnswers << path;
        read->click();
        QElapsedTimer clock;
        clock.start();
        double latencyMs = -1;
        QTimer::singleShot(dueMs, Qt::PreciseTimer, [&] {
            const double lateMs = double(clock.nsecsElapsed()) / 1e6 - dueMs;
            if (kb.isSplitting()) {
                stop->click();
                latencyMs = kb.isSplitting() ? -1 : lateMs;
            }
        });
        while (clock.elapsed() < dueMs + 50)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        while (kb.isSplitting())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        if (latencyMs >= 0)
            worstMs = qMax(worstMs, latencyMs);
        std::printf("stop at_ms=%d latency_ms=%s\n", dueMs,
                    latencyMs >= 0 ? qPrintable(QString::number(latencyMs, 'f', 1)) : "(split already over)");
    }
    std::printf("stop worst_latency_ms=%.1f\n", worstMs);
    return 0;
}

QString field(const QString &output, const QString &key)
{
    const qsizetype at = output.indexOf(key + QLatin1Char('='));
    if (at < 0)
        return QStringLiteral("?");
    const qsizetype start = at + key.size() + 1;
    qsizetype end = start;
    while (end < output.size() && !output[end].isSpace())
        ++end;
    return output.mid(start, end - start);
}

QString runChild(const QString &what, int mb)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--child"), what, QString::number(mb)});
    child.waitForFinished(-1);
    return QString::fromLocal8Bit(child.readAllStandardOutput());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == QLatin1String("--child")) {
        const qsizetype bytes = qsizetype(args[2].toInt()) * 1024 * 1024;
        if (args[1] == QLatin1String("baseline"))
            return childBaseline(bytes);
        return childImport(bytes, args[1] == QLatin1String("stop"));
    }

    QList<int> sizes;
    for (const QString &arg : args)
        sizes << arg.toInt();
    if (sizes.isEmpty())
        sizes = {1, 10, 40};

    std::printf("%6s %10s %10s %10s %10s %7s %9s %8s %9s %10s %10s %s\n", "MB", "sentences", "cut ms",
                "set ms", "import ms", "ratio", "click ms", "gap ms", "stop ms", "set RSS MB", "imp RSS MB",
                "result");
    for (int mb : sizes) {
        const QString baseline = runChild(QStringLiteral("baseline"), mb);
        const QString import = runChild(QStringLiteral("import"), mb);
        const QString stop = runChild(QStringLiteral("stop"), mb);
        const double setMs = field(baseline, QStringLiteral("set_ms")).toDouble();
        const double importMs = field(import, QStringLiteral("import_ms")).toDouble();
        std::printf("%6d %10s %10s %10s %10s %7.2f %9s %8s %9s %10.1f %10.1f %s\n", mb,
                    qPrintable(field(baseline, QStringLiteral("sentences"))),
                    qPrintable(field(baseline, QStringLiteral("cut_ms"))),
                    qPrintable(QString::number(setMs, 'f', 1)), qPrintable(QString::number(importMs, 'f', 1)),
                    setMs > 0 ? importMs / setMs : 0.0, qPrintable(field(import, QStringLiteral("click_ms"))),
                    qPrintable(field(import, QStringLiteral("max_event_gap_ms"))),
                    qPrintable(field(stop, QStringLiteral("worst_latency_ms"))),
                    field(baseline, QStringLiteral("rss_kb")).toDouble() / 1024.0,
                    field(import, QStringLiteral("rss_kb")).toDouble() / 1024.0,
                    qPrintable(field(import, QStringLiteral("result"))));
        std::fflush(stdout);
    }
    return 0;
}
