// SPDX-License-Identifier: GPL-3.0-or-later
// Checking the spelling of a large knowledge base as it is shown: opening it
// (the text set into the area and the first screen painted), a key typed, and
// scrolling through it (jumping, and page by page), each with the underline
// and without it (as before spelling), side by side. Run by hand:
//   bench_spelling [size in MB]   (default 20)
// The targets: opening within 5 % of the time without the underline, under
// 2 ms more per key typed, no frame over 16 ms while scrolling.
// The dictionary is the system's American English one when installed, else
// the tests' small one.

#include "BenchApplication.h"
#include "BenchSupport.h"
#include "FakePlatform.h"
#include "SpellChecker.h"
#include "SpellingUnderline.h"
#include "TextArea.h"

#include <QDir>
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
    if (platform)
        new SpellingUnderline(made.area, *platform);
    made.window->show();
    (void)QTest::qWaitForWindowExposed(made.window.get());
    return made;
}

// Sets the text and paints the first screen.
double open(Area &made, const QString &text)
{
    return ms([&] {
        made.area->setText(text);
        made.area->viewport()->repaint();
    });
}

double keyTyped(Area &made)
{
    return ms([&] {
        QTest::keyClick(made.area, Qt::Key_A);
        made.area->viewport()->repaint();
    });
}

// The processor time this thread used, in milliseconds: on a busy machine a
// frame's wall-clock time also holds the time other programs ran.
double threadMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
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
    std::vector<double> without, with;
    for (int run = 0; run < 6; ++run) {
        for (int turn = 0; turn < 2; ++turn) {
            if ((run + turn) % 2 == 0) {
                Area plain = makeArea(nullptr);
                without.push_back(open(plain, text));
            } else {
                Area checked = makeArea(&platform);
                with.push_back(open(checked, text));
            }
        }
    }
    const double before = median(without);
    const double after = median(with);
    std::printf("%-40s without %8.1f ms   with %8.1f ms   (%+.1f %%, median of 6)\n",
                "open and paint the first screen", before, after, (after - before) / before * 100);

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
