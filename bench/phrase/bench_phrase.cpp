// Times the phrase operations on 1 MB and 10 MB statements; the 10 MB figure
// should be about ten times the 1 MB one.
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
    const QString small = make(MB);
    const QString large = make(10 * MB);
    const double a = bestOf(small, run);
    const double b = bestOf(large, run);
    std::printf("%-44s  1 MB %9.2f ms   10 MB %9.2f ms   ratio %5.1f   %7.1f MB/s\n", name, a, b,
                a > 0 ? b / a : 0.0, b > 0 ? 10.0 / (b / 1000.0) : 0.0);
}

} // namespace

int main()
{
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
