// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp1252.h"
#include "PhraseModule.h"
#include "PhrasePattern.h"
#include "Wildcard.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

const QString Untouched = QStringLiteral("~untouched~");

QString q(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

// Tokens written as one string, separated by "|".
QStringList tokens(const char *joined)
{
    return *joined ? q(joined).split(QLatin1Char('|')) : QStringList();
}

// The tokenizer exactly as described step by step: it keeps scanning after the
// array is full and builds the current word one character at a time.
void literalSplitWords(const QString &text, QStringList &words)
{
    const qsizetype u = words.size() - 1;
    qsizetype k = 0;
    QString w;
    auto endWord = [&] {
        if (k == u - 1 || w.isEmpty())
            return;
        words[k++] = w;
        w.clear();
    };
    auto emitToken = [&](QChar c) {
        endWord();
        w = c;
        endWord();
    };
    auto isLetter = [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar n = i + 1 < text.size() ? text[i + 1] : QLatin1Char(' ');
        if (c == QLatin1Char('!') || c == QLatin1Char('"'))
            emitToken(c);
        else if (c == QLatin1Char('\'') && w.isEmpty()) {
            w = c;
            endWord();
        } else if (c == QLatin1Char('\'') && !isLetter(n))
            emitToken(c);
        else if (c == QLatin1Char('.') && n == QLatin1Char(' '))
            emitToken(c);
        else if (c == QLatin1Char('(') || c == QLatin1Char(')') || c == QLatin1Char(','))
            emitToken(c);
        else if (c == QLatin1Char('?'))
            emitToken(c);
        else if (c == QLatin1Char(' '))
            endWord();
        else
            w += c;
    }
    endWord();
    words[k] = QString();
}

// The tidy-up exactly as described: 1-based positions, characters removed in
// place, the position never moved back.
QString literalTidySentence(QString t)
{
    const QChar sp = QLatin1Char(' ');
    while (t.startsWith(sp))
        t.remove(0, 1);
    while (t.endsWith(sp))
        t.chop(1);
    QString r;
    for (qsizetype k = 1; k <= t.size(); ++k) {
        const QString p = t.mid(k - 1, 2);
        if (p == q("  "))
            continue;
        if (p.size() == 2 && p[0] == sp && q(",.?!").contains(p[1])) {
            r += p[1];
            ++k;
        } else {
            r += t[k - 1];
        }
    }
    t = r;

    auto at = [&](qsizetype k) { return k >= 1 && k <= t.size() ? t[k - 1] : QChar(); };
    auto alnum = [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
               (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
    };
    bool on = false;
    auto quote = [&](qsizetype k) {
        on = !on;
        if (on && at(k + 1) == sp)
            t.remove(k, 1);
        else if (!on && at(k - 1) == sp)
            t.remove(k - 2, 1);
    };
    for (qsizetype k = 1; k <= t.size(); ++k) {
        if (at(k) == QLatin1Char('"'))
            quote(k);
        if (at(k) == QLatin1Char('\'')) {
            if (k == 1 || k == t.size() || !alnum(at(k - 1)) || !alnum(at(k + 1)))
                quote(k);
        }
    }
    return t;
}

// Every character the code page stores, in byte order; optionally each one
// followed by a space.
QString everyCodePageCharacter(bool spaced)
{
    QString text;
    for (int byte = 0; byte < 256; ++byte) {
        text += Cp1252::decode(QByteArray(1, char(byte)));
        if (spaced)
            text += QLatin1Char(' ');
    }
    return text;
}

QString randomText(QRandomGenerator &rng, qsizetype maxLength)
{
    static const QString alphabet = QStringLiteral("  '\"aZ1.,?!()\t\u00e9") + QChar(0) + QChar(0x0D);
    QString text;
    const qsizetype length = rng.bounded(int(maxLength) + 1);
    for (qsizetype i = 0; i < length; ++i)
        text += alphabet[rng.bounded(int(alphabet.size()))];
    return text;
}

QString printable(const QString &text)
{
    QString out;
    for (QChar c : text)
        out += c.unicode() < 0x20 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                                  : QString(c);
    return out;
}

} // namespace

class TestPhrase : public QObject
{
    Q_OBJECT
private slots:
    void splitWords_data();
    void splitWords();
    void splitWordsLimit_data();
    void splitWordsLimit();
    void splitWordsMatchesStepByStep();
    void swapPerson_data();
    void swapPerson();
    void swapPersonKeepsOnly99Tokens();
    void tidySentence_data();
    void tidySentence();
    void tidySentenceMatchesStepByStep();
    void capitalizeFirst_data();
    void capitalizeFirst();
    void capitalizeFirstKeepsEveryCodePageCharacterStorable();
    void patternsMatchLikeWildcards();
    void hugeInputsComplete();
};

void TestPhrase::splitWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("contraction and full stop") << q("I don't know.") << tokens("I|don't|know|.");
    QTest::newRow("comma and exclamation") << q("Hello, world!") << tokens("Hello|,|world|!");
    QTest::newRow("decimal number") << q("It's 3.14 exactly.") << tokens("It's|3.14|exactly|.");
    QTest::newRow("leading and trailing apostrophes")
        << q("'Tis the dogs' toy") << tokens("'|Tis|the|dogs|'|toy");
    QTest::newRow("parentheses") << q("(maybe)") << tokens("(|maybe|)");
    QTest::newRow("question and exclamation") << q("Really?!") << tokens("Really|?|!");
    QTest::newRow("abbreviation e.g.") << q("e.g. this") << tokens("e.g|.|this");
    QTest::newRow("Mr.") << q("Mr. Smith") << tokens("Mr|.|Smith");
    QTest::newRow("ellipsis") << q("...") << tokens("..|.");
    QTest::newRow("apostrophes between letters") << q("rock'n'roll") << tokens("rock'n'roll");
    QTest::newRow("apostrophe after digits") << q("the 90's") << tokens("the|90's");
    QTest::newRow("double quotes") << q("He said \"hi\"") << tokens("He|said|\"|hi|\"");
    QTest::newRow("runs of spaces, spaces at both ends") << q("   a   b  ") << tokens("a|b");
    QTest::newRow("tab stays inside a word") << q("a\tb") << tokens("a\tb");
    QTest::newRow("empty text") << QString() << QStringList();
    QTest::newRow("only spaces") << q("     ") << QStringList();
    QTest::newRow("upper-case letter keeps the apostrophe") << q("O'NEIL") << tokens("O'NEIL");
    QTest::newRow("apostrophe before a digit") << q("it'9") << tokens("it|'|9");
    QTest::newRow("apostrophe before a non-ASCII letter")
        << QStringLiteral("l'\u00e9t\u00e9") << QStringList{q("l"), q("'"), QStringLiteral("\u00e9t\u00e9")};
    QTest::newRow("full stop before a tab") << q("end.\tnext") << tokens("end.\tnext");
    QTest::newRow("lone CR and LF are word characters") << q("a\rb c\nd") << tokens("a\rb|c\nd");
    QTest::newRow("embedded NUL") << QString(QChar(0)) + q("x y")
                                  << QStringList{QString(QChar(0)) + q("x"), q("y")};
}

void TestPhrase::splitWords()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QStringList words(101, Untouched);
    PhraseModule::SplitWords(text, words);
    QCOMPARE(words.mid(0, expected.size()), expected);
    QCOMPARE(words[expected.size()], QString());
    // Everything after the terminator keeps its previous content.
    for (qsizetype i = expected.size() + 1; i < words.size(); ++i)
        QCOMPARE(words[i], Untouched);
}

void TestPhrase::splitWordsLimit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");
    QTest::addColumn<QStringList>("expected"); // the whole array afterwards; "~" = untouched

    QStringList words120;
    for (int i = 0; i < 120; ++i)
        words120 << QStringLiteral("w%1").arg(i);
    QStringList full = words120.mid(0, 99);
    full << QString() << q("~");
    QTest::newRow("120 words in 101 entries") << words120.join(QLatin1Char(' ')) << 101 << full;

    QStringList full2 = words120.mid(0, 98);
    full2 << q("w98") << QString() << q("~");
    QTest::newRow("punctuation beyond the 99th token is dropped")
        << (words120.mid(0, 99).join(QLatin1Char(' ')) + q("! more")) << 101 << full2;

    QTest::newRow("no entries: nothing happens") << q("a b") << 0 << QStringList();
    QTest::newRow("one entry: no room below U") << q("a b") << 1 << tokens("~");
    QTest::newRow("two entries: terminator only") << q("a b") << 2 << QStringList{QString(), q("~")};
    QTest::newRow("three entries: one token") << q("a, b") << 3 << QStringList{q("a"), QString(), q("~")};
    QTest::newRow("U - 1 tokens fill the array")
        << q("a b c") << 4 << QStringList{q("a"), q("b"), QString(), q("~")};
}

void TestPhrase::splitWordsLimit()
{
    QFETCH(QString, text);
    QFETCH(int, size);
    QFETCH(QStringList, expected);
    QStringList words(size, q("~"));
    PhraseModule::SplitWords(text, words);
    QCOMPARE(words, expected);
}

void TestPhrase::splitWordsMatchesStepByStep()
{
    QRandomGenerator rng(20240611);
    for (int round = -2; round < 20000; ++round) {
        const QString text = round < 0 ? everyCodePageCharacter(round == -1) : randomText(rng, 40);
        const int size = round < 0 ? 400 : 2 + rng.bounded(12);
        QStringList expected(size, Untouched);
        QStringList actual(size, Untouched);
        literalSplitWords(text, expected);
        PhraseModule::SplitWords(text, actual);
        if (actual != expected)
            QFAIL(qPrintable(QStringLiteral("size %1, text [%2]: got [%3], expected [%4]")
                                 .arg(size)
                                 .arg(printable(text), printable(actual.join(QLatin1Char('|'))),
                                      printable(expected.join(QLatin1Char('|'))))));
    }
}

void TestPhrase::swapPerson_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const char *const table[][2] = {
        {"I love you.", "You love me."},
        {"I love you!", "You love me!"},
        {"I love you", "You love I"},
        {"You are my best friend.", "I am your best friend."},
        {"I am happy.", "You are happy."},
        {"i am here", "You are here"},
        {"Are you happy?", "Am I happy?"},
        {"Do you like me?", "Do I like you?"},
        {"I give you a gift.", "You give me a gift."},
        {"I heard from you.", "You heard from me."},
        {"Tell me about you.", "Tell you about me."},
        {"I don't know what you mean.", "You don't know what I mean."},
        {"If you like, I can help.", "If I like, you can help."},
        {"I think you are right, you know.", "You think I am right, I know."},
        {"That's yours, not mine.", "That's mine, not yours."},
        {"YOU ARE MINE", "I am yours"},
        {"My dog likes your cat.", "Your dog likes my cat."},
        {"You and I are friends.", "Me and you are friends."},
        {"Where are you from?", "Where am me from?"},
        {"We met at 5 am yesterday.", "We met at 5 am yesterday."},
        {"It is 10 am.", "It is 10 am."},
        {"I'm tired", "I'm tired"},
        {"I said 'hello' to you.", "You said 'hello' to me."},
        {"I said 'you are nice'", "You said 'you are nice'"},
        {"the dogs' toy is mine", "The dogs 'toy is mine"},
    };
    for (const auto &row : table)
        QTest::newRow(row[0]) << q(row[0]) << q(row[1]);

    QTest::newRow("double quotes keep persons")
        << q("He said, \"I love you\" to me.") << q("He said, \"I love you\" to you.");
    QTest::newRow("empty text") << QString() << QString();
    QTest::newRow("only spaces") << q("    ") << QString();
    QTest::newRow("contractions stay") << q("you're sure you'll come") << q("You're sure you'll come");
    QTest::newRow("leading apostrophe opens a quote") << q("'tis my turn") << q("'tis my turn");
    QTest::newRow("you before a comma is an object")
        << q("Thank you, my friend") << q("Thank me, your friend");
    QTest::newRow("you before a question mark stays a subject") << q("Did I see you?") << q("Did you see I?");
    QTest::newRow("cue words ignore case") << q("you AND me") << q("Me AND you");
    QTest::newRow("am after a quote mark") << q("\"x\" am") << q("\"x\" are");
    QTest::newRow("lone LF stays inside a word") << q("I\nlove you") << q("I\nlove I");
    QTest::newRow("lone CR stays inside a word") << q("me\r you") << q("Me\r I");
    QTest::newRow("embedded NUL") << q("I") + QChar(0) + q(" love you") << q("I") + QChar(0) + q(" love I");
    QTest::newRow("capital of a code page letter")
        << QStringLiteral("\u00e9t\u00e9 with you") << QStringLiteral("\u00c9t\u00e9 with I");
}

void TestPhrase::swapPerson()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    PhraseModule::SwapPerson(text);
    QCOMPARE(text, expected);
}

void TestPhrase::swapPersonKeepsOnly99Tokens()
{
    QStringList is(120, q("I"));
    QString text = is.join(QLatin1Char(' ')) + q(" end.");
    PhraseModule::SwapPerson(text);
    QStringList expected(99, q("you"));
    expected[0] = q("You");
    QCOMPARE(text, expected.join(QLatin1Char(' ')));
}

void TestPhrase::tidySentence_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tidy");
    QTest::addColumn<QString>("capitalised");

    const char *const table[][3] = {
        {" you love me .", "you love me.", "You love me."},
        {"x , y", "x, y", "X, y"},
        {"wait ! ? ok", "wait!? ok", "Wait!? ok"},
        {"a  b", "a b", "A b"},
        {"a   ,b", "a,b", "A,b"},
        {"' hello '", "'hello'", "'hello'"},
        {"say ' hi ' now", "say 'hi' now", "Say 'hi' now"},
        {"' a ' ' b '", "'a' 'b'", "'a' 'b'"},
        {"rock 'n' roll", "rock 'n' roll", "Rock 'n' roll"},
        {"the dogs ' toy", "the dogs 'toy", "The dogs 'toy"},
        {"x ' y '' z '", "x 'y'' z '", "X 'y'' z '"},
        {"x \" y \"\" z \"", "x \"y\"\" z \"", "X \"y\"\" z \""},
        {"\" a \" and \" b \"", "\"a\" and \"b\"", "\"a\" and \"b\""},
        {"", "", ""},
        {"   ", "", ""},
        {"1 ok", "1 ok", "1 ok"},
        {"a\t, b", "a\t, b", "A\t, b"},
        {"a ; b : c )", "a ; b : c )", "A ; b : c )"},
        {"\"", "\"", "\""},
        {"' ", "'", "'"},
        {"a\r , b\n .", "a\r, b\n.", "A\r, b\n."},
    };
    for (const auto &row : table)
        QTest::newRow(*row[0] ? qPrintable(printable(q(row[0]))) : "(empty)")
            << q(row[0]) << q(row[1]) << q(row[2]);
    const QString nul(QChar(0));
    QTest::newRow("embedded NUL") << nul + q(" ' x ' ,") << nul + q(" 'x',") << nul + q(" 'x',");
}

void TestPhrase::tidySentence()
{
    QFETCH(QString, text);
    QFETCH(QString, tidy);
    QFETCH(QString, capitalised);
    PhraseModule::TidySentence(text);
    QCOMPARE(text, tidy);
    PhraseModule::CapitalizeFirst(text);
    QCOMPARE(text, capitalised);
}

void TestPhrase::tidySentenceMatchesStepByStep()
{
    QRandomGenerator rng(7);
    for (int round = -2; round < 50000; ++round) {
        const QString text = round < 0 ? everyCodePageCharacter(round == -1) : randomText(rng, 24);
        QString actual = text;
        PhraseModule::TidySentence(actual);
        const QString expected = literalTidySentence(text);
        if (actual != expected)
            QFAIL(qPrintable(QStringLiteral("[%1]: got [%2], expected [%3]")
                                 .arg(printable(text), printable(actual), printable(expected))));
    }
}

void TestPhrase::capitalizeFirst_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("e acute") << QStringLiteral("\u00e9t\u00e9") << QStringLiteral("\u00c9t\u00e9");
    QTest::newRow("s caron") << QStringLiteral("\u0161x") << QStringLiteral("\u0160x");
    QTest::newRow("oe ligature") << QStringLiteral("\u0153uvre") << QStringLiteral("\u0152uvre");
    QTest::newRow("z caron") << QStringLiteral("\u017e") << QStringLiteral("\u017d");
    QTest::newRow("y diaeresis") << QStringLiteral("\u00ff") << QStringLiteral("\u0178");
    QTest::newRow("sharp s stays") << QStringLiteral("\u00dfa") << QStringLiteral("\u00dfa");
    QTest::newRow("micro sign stays") << QStringLiteral("\u00b5m") << QStringLiteral("\u00b5m");
    QTest::newRow("f hook stays") << QStringLiteral("\u0192") << QStringLiteral("\u0192");
    QTest::newRow("only the first character") << q("abc def") << q("Abc def");
    QTest::newRow("capital stays") << q("Abc") << q("Abc");
    QTest::newRow("digit stays") << q("9 lives") << q("9 lives");
    QTest::newRow("empty") << QString() << QString();
}

void TestPhrase::capitalizeFirst()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    PhraseModule::CapitalizeFirst(text);
    QCOMPARE(text, expected);
}

void TestPhrase::capitalizeFirstKeepsEveryCodePageCharacterStorable()
{
    int changed = 0;
    for (int byte = 0; byte < 256; ++byte) {
        const QString original = Cp1252::decode(QByteArray(1, char(byte)));
        QString text = original;
        PhraseModule::CapitalizeFirst(text);
        QCOMPARE(text.size(), 1);
        QVERIFY2(Cp1252::canStore(text[0]), qPrintable(Cp1252::describe(original[0].unicode())));
        const QChar upper = original[0].toUpper();
        if (Cp1252::canStore(upper))
            QCOMPARE(text[0], upper);
        else
            QCOMPARE(text, original);
        changed += text != original;
    }
    // a-z, the 30 Latin-1 small letters with a capital there, and ÿ š œ ž.
    QCOMPARE(changed, 26 + 30 + 4);
}

void TestPhrase::patternsMatchLikeWildcards()
{
    const QStringList patterns = {q("[.,!]"), q("[!0-9]*"), q("and"), q("I"), q("a")};
    const QStringList texts = {QString(),
                               q("."),
                               q(","),
                               q("!"),
                               q("?"),
                               q(".."),
                               q("AND"),
                               q("And"),
                               q("andy"),
                               q("i"),
                               q("I"),
                               q("a"),
                               q("A"),
                               q("5"),
                               q("5am"),
                               q("x5"),
                               q("\""),
                               q("'"),
                               QStringLiteral("\u00e9"),
                               QString(QChar(0))};
    for (const QString &pattern : patterns) {
        for (const QString &text : texts) {
            QCOMPARE(PhrasePattern::match(text, pattern),
                     Wildcard::match(text, pattern, Qt::CaseInsensitive));
        }
    }
}

void TestPhrase::hugeInputsComplete()
{
    // A quadratic pass would not finish here within the test's time limit.
    const qsizetype sentences = 10 * 1024 * 1024 / 16;

    QString statement;
    statement.reserve(sentences * 16);
    for (qsizetype i = 0; i < sentences; ++i)
        statement += q("I love \" you \" ,");
    QStringList words(101);
    PhraseModule::SplitWords(statement, words);
    QCOMPARE(words[97], q("love"));
    QCOMPARE(words[98], q("\""));
    QCOMPARE(words[99], QString());

    QString tidy = statement;
    PhraseModule::TidySentence(tidy);
    QString expected;
    for (qsizetype i = 0; i < sentences; ++i)
        expected += q("I love \"you\",");
    QCOMPARE(tidy.size(), expected.size());
    QVERIFY(tidy == expected);

    // One 10 MB word, and 100,000 tokens into an array large enough for all.
    QString word(10 * 1024 * 1024, QLatin1Char('x'));
    QString swapped = word;
    PhraseModule::SwapPerson(swapped);
    QCOMPARE(swapped.size(), word.size());
    QCOMPARE(swapped.front(), QLatin1Char('X'));

    QString many;
    for (int i = 0; i < 50000; ++i)
        many += q("you, ");
    QStringList all(100001);
    PhraseModule::SplitWords(many, all);
    QCOMPARE(all[99997], q(","));
    QCOMPARE(all[99998], q("you"));
    QCOMPARE(all[99999], QString());
    QString swappedMany = many;
    PhraseModule::SwapPerson(swappedMany);
    QVERIFY(swappedMany.startsWith(q("Me, me, me,")));
}

QTEST_GUILESS_MAIN(TestPhrase)
#include "tst_phrase.moc"
