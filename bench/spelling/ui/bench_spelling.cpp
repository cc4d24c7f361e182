// SPDX-License-Identifier: GPL-3.0-or-later
// Checking the spelling of a large knowledge base as it is shown: opening it
// (the text set into the area and the first screen painted), a key typed, and
// scrolling through it (jumping, and page by page), each with the underline
// and without it (as before spelling), side by side. Run by hand:
//   bench_spelling [size in MB] [pairs of openings]   (default 20 and 12)
// The targets: opening within 5 % of the time without the underline, under
// 2 ms more per key typed, no frame over 16 ms while scrolling.
// Openings alternate without and with, and each figure is a median, printed
// in wall-clock and processor time: on a shared machine the wall clock also
// holds what other programs ran.
// The dictionary is the system's American English one when installed, else
// the tests' small one.

#include "BenchApplication.h"
#include "BenchSupport.h"
#include "FakePlatform.h"
#include "SpellChecker.h"
#include "SpellingUnderline.h"
#include "TextArea.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

using BenchSupport::median;
using BenchSupport::ms;

// Facts one a paragraph, as the editor adds them, some with a misspelling.
QString knowledgeBase(qsizetype size)
{
    const QString facts[] = {
        QStringLiteral("The Sun is a star at the centre of the Solar System."),
        QStringLiteral("Jupiter is the largest planet, with a storm larger than the Earth."),
        QStringLiteral("A light year is the distance light travels in one year."),
        QStringLiteral("The Moon has no atmosphere, so its sky is black even by day."),
        QStringLiteral("Saturn's rings are made of ice and rock, and teh wrod is wrong here."),
    };
    QString text;
    text.reserve(size + 200);
    for (int i = 0; text.size() < size; ++i)
        text += facts[i % 5] + QStringLiteral(" (%1)\r\n\r\n").arg(i);
    return text;
}

// The processor time this thread used, in milliseconds: on a busy machine a
// frame's wall-clock time also holds the time other programs ran.
double threadMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Area
{
    std::unique_ptr<QWidget> window;
    TextArea *area = nullptr;
};

// A text area of the editors' size, with or without the underline.
Area makeArea(FakePlatform *platform)
{
    Area made;
    made.window = std::make_unique<QWidget>();
    made.window->resize(396, 356);
    made.area = new TextArea(made.window.get());
    made.area->setGeometry(0, 0, 396, 356);
    SpellingUnderline *underline = platform ? new SpellingUnderline(made.area, *platform) : nullptr;
    made.window->show();
    (void)QTest::qWaitForWindowExposed(made.window.get());
    // As in an editor open for a while: the underline has its checker, and
    // both areas have handled what showing them left (so the one that waited
    // longer does not open faster).
    if (underline)
        (void)QTest::qWaitFor([underline] { return underline->isReady(); });
    QTest::qWait(50);
    return made;
}

struct Timed
{
    double wall = 0;
    double cpu = 0;
};

Timed timed(const std::function<void()> &work)
{
    const double before = threadMs();
    const double wall = ms(work);
    return {wall, threadMs() - before};
}

// Sets the text and paints the first screen.
Timed open(Area &made, const QString &text)
{
    return timed([&] {
        made.area->setText(text);
        made.area->viewport()->repaint();
    });
}

// What is left to do once the first screen is on it: the underline's part
// (and the painting of what it underlined).
Timed settle(Area &made)
{
    return timed([&] {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            made.area->viewport()->repaint();
        }
    });
}

// Records when the area's first paint begins.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(const QElapsedTimer &clock) : m_clock(clock) {}
    double at = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && at < 0)
            at = double(m_clock.nsecsElapsed()) / 1e6;
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer &m_clock;
};

// A new editor's text area, shown: the time until its first paint begins,
// with a platform whose checker is not made yet, as for the first editor a
// program opens; and from there until the underline is ready (it opened the
// dictionary and underlined the screen).
struct WindowTimes
{
    double shown = 0;
    double ready = 0;
};

WindowTimes openWindow(const QStringList &dictionaryFolders, bool spelling)
{
    FakePlatform platform;
    platform.spelling.dictionaryFolders = dictionaryFolders;
    QElapsedTimer clock;
    clock.start();
    FirstPaint firstPaint(clock);
    double ready = -1;
    auto window = std::make_unique<QWidget>();
    window->resize(396, 356);
    auto *area = new TextArea(window.get());
    area->setGeometry(0, 0, 396, 356);
    area->setText(QStringLiteral("The Sun is a star at the centre of the Solar System, teh wrod."));
    if (spelling) {
        auto *underline = new SpellingUnderline(area, platform);
        QObject::connect(underline, &SpellingUnderline::ready,
                         [&] { ready = double(clock.nsecsElapsed()) / 1e6; });
    }
    area->viewport()->installEventFilter(&firstPaint);
    window->show();
    (void)QTest::qWaitFor([&] { return firstPaint.at >= 0 && (!spelling || ready >= 0); });
    return {firstPaint.at, spelling ? ready - firstPaint.at : 0};
}

double medianOf(const std::vector<Timed> &times, double Timed::*part)
{
    std::vector<double> values;
    for (const Timed &t : times)
        values.push_back(t.*part);
    return median(values);
}

void printPair(const char *what, const std::vector<Timed> &without, const std::vector<Timed> &with)
{
    for (double Timed::*part : {&Timed::wall, &Timed::cpu}) {
        const double before = medianOf(without, part);
        const double after = medianOf(with, part);
        std::printf("%-40s without %8.1f ms   with %8.1f ms   (%+.1f %%, median of %d, %s)\n",
                    part == &Timed::wall ? what : "", before, after, (after - before) / before * 100,
                    int(with.size()), part == &Timed::wall ? "wall clock" : "processor time");
    }
}

double keyTyped(Area &made)
{
    return ms([&] {
        QTest::keyClick(made.area, Qt::Key_A);
        made.area->viewport()->repaint();
    });
}

struct Frames
{
    double median = 0;
    double p95 = 0;
    double longest = 0;
    double longestCpu = 0; // the most processor time a frame took
};

// Times one frame, wall clock and processor time.
void frame(std::vector<double> &times, std::vector<double> &cpu, const std::function<void()> &work)
{
    const double before = threadMs();
    times.push_back(ms(work));
    cpu.push_back(threadMs() - before);
}

Frames summary(std::vector<double> times, const std::vector<double> &cpu)
{
    Frames result;
    if (times.empty())
        return result;
    std::sort(times.begin(), times.end());
    result.median = times[times.size() / 2];
    result.p95 = times[times.size() * 95 / 100];
    result.longest = times.back();
    result.longestCpu = *std::max_element(cpu.begin(), cpu.end());
    return result;
}

// Jumps through the whole text, a screen of paragraphs never seen before each
// time, and paints each.
Frames scroll(Area &made, int frames)
{
    QScrollBar *bar = made.area->verticalScrollBar();
    std::vector<double> times, cpu;
    for (int i = 0; i <= frames; ++i) {
        const int value = int(qint64(bar->maximum()) * i / frames);
        frame(times, cpu, [&] {
            bar->setValue(value);
            made.area->viewport()->repaint();
        });
    }
    return summary(times, cpu);
}

// Page by page from the top to the end, as Page Down does, painting each
// page: every screen is new to the underline the first time.
Frames pageThrough(Area &made, int *pages)
{
    QScrollBar *bar = made.area->verticalScrollBar();
    bar->setValue(0);
    made.area->viewport()->repaint();
    std::vector<double> times, cpu;
    while (bar->value() < bar->maximum()) {
        frame(times, cpu, [&] {
            bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
            made.area->viewport()->repaint();
        });
    }
    *pages = int(times.size());
    return summary(times, cpu);
}

} // namespace

int main(int argc, char *argv[])
{
    BenchApplication app(argc, argv);
    const int megabytes = argc > 1 ? std::atoi(argv[1]) : 20;
    const QString text = knowledgeBase(qsizetype(megabytes) * 1024 * 1024);

    FakePlatform platform;
    const bool system = QFileInfo::exists(QStringLiteral("/usr/share/hunspell/en_US.dic"));
    platform.spelling.dictionaryFolders = {system ? QStringLiteral("/usr/share/hunspell")
                                                  : QStringLiteral(SPELLING_TEST_DATA "/latin")};
    SpellChecker &checker = platform.spellChecker();
    std::printf("Spelling on a %d MB knowledge base (%lld paragraphs), dictionary %s\n", megabytes,
                qlonglong(text.count(QLatin1Char('\n')) / 2), qPrintable(checker.dictionaryName()));

    // Opening: alternately without and with the underline, each first in
    // every other pair, so neither gains from going second.
    const int pairs = argc > 2 ? std::max(2, std::atoi(argv[2])) : 12;
    // Both settle alike after, so neither leaves the other work to do.
    std::vector<Timed> without, with, withoutAfter, withAfter;
    for (int run = 0; run < pairs; ++run) {
        for (int turn = 0; turn < 2; ++turn) {
            const bool spelling = (run + turn) % 2 != 0;
            Area made = makeArea(spelling ? &platform : nullptr);
            (spelling ? with : without).push_back(open(made, text));
            (spelling ? withAfter : withoutAfter).push_back(settle(made));
        }
    }
    printPair("open and paint the first screen", without, with);
    printPair("then the events left (and the underline)", withoutAfter, withAfter);

    // The first editor of a run: the underline opens the dictionary after
    // the window's first paint.
    std::vector<double> windowWithout, windowWith, windowReady;
    for (int run = 0; run < 6; ++run) {
        for (int turn = 0; turn < 2; ++turn) {
            const bool spelling = (run + turn) % 2 != 0;
            const WindowTimes times = openWindow(platform.spelling.dictionaryFolders, spelling);
            (spelling ? windowWith : windowWithout).push_back(times.shown);
            if (spelling)
                windowReady.push_back(times.ready);
        }
    }
    std::printf("%-40s without %8.1f ms   with %8.1f ms   (until its first paint, median of 6)\n",
                "a first editor's area shown", median(windowWithout), median(windowWith));
    std::printf("%-40s                     then %8.1f ms   (the dictionary opened after it, median)\n", "",
                median(windowReady));

    Area plain = makeArea(nullptr);
    open(plain, text);
    Area checked = makeArea(&platform);
    open(checked, text);
    for (Area *made : {&plain, &checked}) {
        QTextCursor middle = made->area->textCursor();
        middle.setPosition(made->area->document()->characterCount() / 2);
        made->area->setTextCursor(middle);
        made->area->ensureCursorVisible();
        made->area->viewport()->repaint();
    }
    std::vector<double> plainKeys, checkedKeys;
    for (int i = 0; i < 200; ++i) {
        plainKeys.push_back(keyTyped(plain));
        checkedKeys.push_back(keyTyped(checked));
    }
    const double plainKey = median(plainKeys);
    const double checkedKey = median(checkedKeys);
    std::printf("%-40s without %8.3f ms   with %8.3f ms   (%+.3f ms, median of 200)\n",
                "a key typed and painted", plainKey, checkedKey, checkedKey - plainKey);

    // Twice each, alternately: the second pass of the underline meets
    // paragraphs it checked before.
    for (int pass = 1; pass <= 2; ++pass) {
        const Frames plainFrames = scroll(plain, 500);
        const Frames checkedFrames = scroll(checked, 500);
        std::printf(
            "scrolling through, 500 screens, pass %d     without %8.3f ms   with %8.3f ms   (median frame)\n",
            pass, plainFrames.median, checkedFrames.median);
        std::printf("%-40s without %8.3f ms   with %8.3f ms   (95th percentile)\n", "", plainFrames.p95,
                    checkedFrames.p95);
        std::printf("%-40s without %8.3f ms   with %8.3f ms   (longest frame)\n", "", plainFrames.longest,
                    checkedFrames.longest);
        std::printf("%-40s without %8.3f ms   with %8.3f ms   (longest frame, processor time)\n", "",
                    plainFrames.longestCpu, checkedFrames.longestCpu);
    }

    int plainPages = 0;
    int checkedPages = 0;
    const Frames plainPaged = pageThrough(plain, &plainPages);
    const Frames checkedPaged = pageThrough(checked, &checkedPages);
    std::printf("page by page to the end, %6d pages      without %8.3f ms   with %8.3f ms   (median frame)\n",
                checkedPages, plainPaged.median, checkedPaged.median);
    std::printf("%-40s without %8.3f ms   with %8.3f ms   (95th percentile)\n", "", plainPaged.p95,
                checkedPaged.p95);
    std::printf("%-40s without %8.3f ms   with %8.3f ms   (longest frame)\n", "", plainPaged.longest,
                checkedPaged.longest);
    std::printf("%-40s without %8.3f ms   with %8.3f ms   (longest frame, processor time)\n", "",
                plainPaged.longestCpu, checkedPaged.longestCpu);
    if (plainPages != checkedPages)
        std::printf("(the areas took %d and %d pages)\n", plainPages, checkedPages);
    return 0;
}
