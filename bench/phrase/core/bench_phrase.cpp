// Times the phrase operations on statements of 1 to 10 MB; the time per MB
// should stay about the same as the statement grows. Then times the person
// swap per statement, beside the word-table swap it replaced.
#include "PhraseModule.h"
#include "PhrasePattern.h"

#include <QElapsedTimer>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

const qsizetype MB = 1024 * 1024;

// The word-table swap as it was before the clause analysis, kept here only to
// compare speeds: one table of replacements, "you" decided by the next token.
namespace WordTableSwap {

const QStringView ObjectCueWords[] = {
    u"and", u"when", u"if", u"from", u"or", u"then", u"where", u"a", u"about", u"how", u"I", u"[.,!]", u"",
};

bool isWord(const QString &token, QStringView word)
{
    return token.compare(word, Qt::CaseInsensitive) == 0;
}

bool isObjectCue(const QString &token)
{
    for (QStringView cue : ObjectCueWords) {
        if (cue.isEmpty())
            break;
        if (PhrasePattern::match(token, cue))
            return true;
    }
    return false;
}

QString replacement(const QString &token, const QString &next, const QString *previous)
{
    if (isWord(token, u"yours"))
        return QStringLiteral("mine");
    if (isWord(token, u"mine"))
        return QStringLiteral("yours");
    if (isWord(token, u"you"))
        return isObjectCue(next) ? QStringLiteral("me") : QStringLiteral("I");
    if (isWord(token, u"I"))
        return QStringLiteral("you");
    if (isWord(token, u"me"))
        return QStringLiteral("you");
    if (isWord(token, u"are")) {
        if (isWord(next, u"you") || (previous && isWord(*previous, u"I")))
            return QStringLiteral("am");
        return QString();
    }
    if (isWord(token, u"am")) {
        if (previous && PhrasePattern::match(*previous, u"[!0-9]*"))
            return QStringLiteral("are");
        return QString();
    }
    if (isWord(token, u"my"))
        return QStringLiteral("your");
    if (isWord(token, u"your"))
        return QStringLiteral("my");
    return QString();
}

void SwapPerson(QString &text)
{
    if (text.isEmpty())
        return;
    const QString statement = text;
    text.clear();

    QStringList words(101);
    PhraseModule::SplitWords(statement, words);

    bool quoted = false;
    for (qsizetype i = 0; i < 100 && !words[i].isEmpty(); ++i) {
        QString &token = words[i];
        if (token.size() == 1 && (token[0] == QLatin1Char('"') || token[0] == QLatin1Char('\'')))
            quoted = !quoted;
        if (!quoted) {
            const QString replaced = replacement(token, words[i + 1], i > 0 ? &words[i - 1] : nullptr);
            if (!replaced.isNull())
                token = replaced;
        }
        text += QLatin1Char(' ');
        text += token;
    }

    PhraseModule::TidySentence(text);
    PhraseModule::CapitalizeFirst(text);
}

} // namespace WordTableSwap

// Statements as writers type them, short and long.
const char *const Statements[] = {
    "I love you.",
    "Where are you from?",
    "You and I are friends.",
    "I'm tired",
    "I was late, but you were on time.",
    "Can you help me?",
    "I told you that you are kind.",
    "I think you are right, you know.",
    "We met at 5 am yesterday.",
    "I said 'you are nice'",
    "My dog likes your cat, and your cat likes my dog, but I don't know what you mean by that.",
    "If you like, I can help you find the book that you lost when we were at the library last week.",
};

// Nanoseconds per statement over one round of many passes through the list.
double perStatement(const QStringList &statements, void (*swap)(QString &))
{
    const int passes = 5000;
    qsizetype sink = 0;
    QElapsedTimer timer;
    timer.start();
    for (int pass = 0; pass < passes; ++pass) {
        for (const QString &statement : statements) {
            QString text = statement;
            swap(text);
            sink += text.size();
        }
    }
    const double ns = double(timer.nsecsElapsed()) / (double(passes) * statements.size());
    return sink > 0 ? ns : 0;
}

// The two swaps take turns, so that a busy machine slows both alike; the best
// round of each counts.
void reportPerStatement(const char *name, const QStringList &statements)
{
    double before = 1e30;
    double now = 1e30;
    for (int round = 0; round < 7; ++round) {
        before = std::min(before, perStatement(statements, WordTableSwap::SwapPerson));
        now = std::min(now, perStatement(statements, PhraseModule::SwapPerson));
    }
    std::printf("%-44s  word table %7.0f ns  clauses %7.0f ns  (%.2fx)\n", name, before, now, now / before);
}

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

    std::printf("\nSwapPerson per statement, the word-table swap beside the clause analysis:\n");
    QStringList typical;
    for (const char *statement : Statements)
        typical << QString::fromLatin1(statement);
    reportPerStatement("typical statements (12, 1 to 20 words)", typical);
    QStringList longest;
    for (int i = 0; i < 12; ++i)
        longest << typical.join(QLatin1Char(' ')); // beyond 99 tokens: the limit applies
    reportPerStatement("99-token statements", longest);
    reportPerStatement(
        "statements without a person",
        {QStringLiteral("The cat sat on the mat and looked at the dog."), QStringLiteral("It is 10 am.")});
    return 0;
}
