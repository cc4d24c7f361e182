// SPDX-License-Identifier: GPL-3.0-or-later
// Times the phrase operations on statements of 1 to 10 MB; the time per MB
// should stay about the same as the statement grows.
#include "PhraseModule.h"

#include <QElapsedTimer>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

const qsizetype MB = 1024 * 1024;

// A statement of the given size made of a typical tidy-up input.
QString spacedStatement(qsizetype size)
{
    const QString piece = QStringLiteral(" I think \" you \" are right , you know ' mate ' !");
    QString text;
    text.reserve(size + piece.size());
    while (text.size() < size)
        text += piece;
    text.truncate(size);
    return text;
}

// Best of a few runs, in milliseconds; the input is copied outside the timing.
double bestOf(const QString &input, const std::function<void(QString &)> &run)
{
    double best = 1e30;
    for (int round = 0; round < 3; ++round) {
        QString text = input;
        text.detach();
        QElapsedTimer timer;
        timer.start();
        run(text);
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

void report(const char *name, const std::function<QString(qsizetype)> &make,
            const std::function<void(QString &)> &run)
{
    std::printf("%-44s", name);
    for (const int mb : {1, 2, 5, 10, 20}) {
        const double ms = bestOf(make(mb * MB), run);
        std::printf("  %2d MB %8.2f ms (%6.2f ms/MB)", mb, ms, ms / mb);
    }
    std::printf("\n");
}

} // namespace

int main()
{
    std::printf("Best of 3 runs. Where fresh memory is costly to map, the per-MB time steps up once\n"
                "when the buffers outgrow the allocator's reused heap; run with\n"
                "GLIBC_TUNABLES=glibc.malloc.mmap_threshold=33554432 to see the work alone.\n\n");
    auto oneWord = [](qsizetype size) { return QString(size, QLatin1Char('x')); };

    report("SplitWords, one word, 101 entries", oneWord, [](QString &text) {
        QStringList words(101);
        PhraseModule::SplitWords(text, words);
    });
    report("SplitWords, every token stored", spacedStatement, [](QString &text) {
        QStringList words(text.size() + 2);
        PhraseModule::SplitWords(text, words);
    });
    report("SwapPerson, typical text (first 99 tokens)", spacedStatement,
           [](QString &text) { PhraseModule::SwapPerson(text); });
    report("SwapPerson, one word", oneWord, [](QString &text) { PhraseModule::SwapPerson(text); });
    report("TidySentence, typical text", spacedStatement,
           [](QString &text) { PhraseModule::TidySentence(text); });
    report(
        "TidySentence, only spaces", [](qsizetype size) { return QString(size, QLatin1Char(' ')); },
        [](QString &text) { PhraseModule::TidySentence(text); });
    report(
        "TidySentence, only apostrophes", [](qsizetype size) { return QString(size, QLatin1Char('\'')); },
        [](QString &text) { PhraseModule::TidySentence(text); });
    return 0;
}
