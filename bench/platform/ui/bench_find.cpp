// SPDX-License-Identifier: GPL-3.0-or-later
// Find in a large memory text: the window-free search alone, then F3 in a
// text area end to end (search, selection and scrolling), on a text as it was
// set and on one just edited; and what a key typed costs with the text kept
// in step. Run by hand: bench_find [size in MB]  (default 20; the target is
// under 100 ms to the next match)

#include "BenchApplication.h"
#include "BenchSupport.h"
#include "FindDialog.h"
#include "TextArea.h"
#include "TextSearch.h"

#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

using BenchSupport::ms;
using TextSearch::Direction;

const QString kFirst = QStringLiteral("Haystack start");
const QString kLast = QStringLiteral("Needle in the haystack");

// Statements as the entry line adds them, with kFirst before them and kLast
// after them, each found once.
QString memoryText(qsizetype size)
{
    QString text;
    text.reserve(size + 200);
    text += kFirst + QStringLiteral(".\r\n\r\n");
    BenchSupport::appendStatements(text, size);
    return text + kLast + QStringLiteral(".\r\n\r\n");
}

// The slowest of a few runs: the figure a user may meet.
double worst(int runs, const std::function<double()> &run)
{
    double result = 0;
    for (int i = 0; i < runs; ++i)
        result = std::max(result, run());
    return result;
}

double median(int runs, const std::function<double()> &run)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(run());
    return BenchSupport::median(times);
}

void core(const QString &text, int megabytes)
{
    const struct
    {
        const char *what;
        QString needle;
        qsizetype from;
        Direction direction;
        Qt::CaseSensitivity cs;
    } cases[] = {
        {"forwards to the end, case matters", kLast, 0, Direction::Forward, Qt::CaseSensitive},
        {"forwards to the end, any case", kLast.toUpper(), 0, Direction::Forward, Qt::CaseInsensitive},
        {"backwards to the start, case matters", kFirst, text.size(), Direction::Backward, Qt::CaseSensitive},
        {"backwards to the start, any case", kFirst.toLower(), text.size(), Direction::Backward,
         Qt::CaseInsensitive},
        {"nowhere, round the whole text, any case", QStringLiteral("zebra"), text.size() / 2,
         Direction::Forward, Qt::CaseInsensitive},
    };
    for (const auto &c : cases) {
        TextSearch::Match match;
        const double time = worst(5, [&] {
            return ms([&] { match = TextSearch::find(text, c.needle, c.from, c.direction, c.cs, true); });
        });
        std::printf("%3d MB  search alone, %-42s %6.1f ms (at %lld)\n", megabytes, c.what, time,
                    static_cast<long long>(match.position));
    }
}

void area(QString text, int megabytes)
{
    TextArea area;
    area.resize(365, 281);
    area.show();
    const double set = ms([&] {
        area.setText(text);
        QCoreApplication::processEvents();
    });
    text.clear(); // the area's text is its own, as when a window hands its text over
    std::printf("%3d MB  text area filled in %.1f ms\n", megabytes, set);
    area.setFocus();
    FindDialog *dialog = area.findDialog();

    const auto press = [&](Qt::KeyboardModifiers modifiers) {
        return ms([&] {
            QTest::keyClick(&area, Qt::Key_F3, modifiers);
            QCoreApplication::processEvents();
        });
    };
    dialog->setNeedle(kLast);
    const double forwards = worst(5, [&] {
        area.moveCursor(QTextCursor::Start);
        return press(Qt::NoModifier);
    });
    std::printf("%3d MB  F3 from the start to the one match at the end:        %6.1f ms\n", megabytes,
                forwards);
    dialog->setNeedle(kFirst);
    const double backwards = worst(5, [&] {
        area.moveCursor(QTextCursor::End);
        return press(Qt::ShiftModifier);
    });
    std::printf("%3d MB  Shift+F3 from the end to the one match at the start:  %6.1f ms\n", megabytes,
                backwards);
    dialog->setNeedle(QStringLiteral("lavender"));
    area.moveCursor(QTextCursor::Start);
    const double next = worst(50, [&] { return press(Qt::NoModifier); });
    std::printf("%3d MB  F3 to the next match (slowest of 50):                 %6.1f ms\n", megabytes, next);

    dialog->setNeedle(kLast);
    const double edited = worst(5, [&] {
        QTextCursor cursor = area.textCursor();
        cursor.setPosition(area.document()->characterCount() / 2);
        area.setTextCursor(cursor);
        QTest::keyClicks(&area, QStringLiteral("typed "));
        area.moveCursor(QTextCursor::Start);
        return press(Qt::NoModifier);
    });
    std::printf("%3d MB  F3 to the end just after typing in the middle:        %6.1f ms\n", megabytes,
                edited);

    // A key typed, alone and followed by text() as a caller keeping its own
    // copy in step after every change would ask.
    QTextCursor middle = area.textCursor();
    middle.setPosition(area.document()->characterCount() / 2);
    area.setTextCursor(middle);
    const double key = median(21, [&] { return ms([&] { QTest::keyClick(&area, Qt::Key_X); }); });
    const double keyAndText = median(21, [&] {
        return ms([&] {
            QTest::keyClick(&area, Qt::Key_X);
            (void)area.text();
        });
    });
    std::printf("%3d MB  key typed in the middle (median of 21): %.2f ms; with text() after it: %.2f ms\n",
                megabytes, key, keyAndText);
}

} // namespace

int main(int argc, char *argv[])
{
    BenchApplication app(argc, argv);
    const int megabytes = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 20;
    QString text = memoryText(qsizetype(megabytes) * 1000 * 1000);
    core(text, megabytes);
    area(std::move(text), megabytes);
    return 0;
}
