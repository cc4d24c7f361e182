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

// One row of the person swap: the text, its result, and what the word-table
// swap it replaced gave where that differs (`Kept` where it does not).
struct SwapRow
{
    const char *text;
    const char *result;
    const char *before;
};
constexpr const char *Kept = nullptr;

void addSwapRows(const char *group, std::initializer_list<SwapRow> rows)
{
    for (const SwapRow &row : rows) {
        const QString text = QString::fromUtf8(row.text);
        const QString result = QString::fromUtf8(row.result);
        QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(group), text)))
            << text << result << (row.before ? QString::fromUtf8(row.before) : result);
    }
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
    QTest::addColumn<QString>("before"); // what the word-table swap gave

    // "word table": the examples the word-table swap was written to, each kept
    // or mended; "must read right": sentences every swap must get right; then
    // the rules one by one.
    addSwapRows("word table",
                {
                    {"I love you.", "You love me.", Kept},
                    {"I love you!", "You love me!", Kept},
                    {"I love you", "You love me", "You love I"},
                    {"You are my best friend.", "I am your best friend.", Kept},
                    {"I am happy.", "You are happy.", Kept},
                    {"i am here", "You are here", Kept},
                    {"Are you happy?", "Am I happy?", Kept},
                    {"Do you like me?", "Do I like you?", Kept},
                    {"I give you a gift.", "You give me a gift.", Kept},
                    {"I heard from you.", "You heard from me.", Kept},
                    {"Tell me about you.", "Tell you about me.", Kept},
                    {"I don't know what you mean.", "You don't know what I mean.", Kept},
                    {"If you like, I can help.", "If I like, you can help.", Kept},
                    {"I think you are right, you know.", "You think I am right, I know.", Kept},
                    {"That's yours, not mine.", "That's mine, not yours.", Kept},
                    {"YOU ARE MINE", "I am yours", Kept},
                    {"My dog likes your cat.", "Your dog likes my cat.", Kept},
                    {"You and I are friends.", "I and you are friends.", "Me and you are friends."},
                    {"Where are you from?", "Where am I from?", "Where am me from?"},
                    {"We met at 5 am yesterday.", "We met at 5 am yesterday.", Kept},
                    {"It is 10 am.", "It is 10 am.", Kept},
                    {"I'm tired", "You're tired", "I'm tired"},
                    {"I said 'hello' to you.", "You said 'hello' to me.", Kept},
                    {"I said 'you are nice'", "You said 'you are nice'", Kept},
                    {"the dogs' toy is mine", "The dogs 'toy is mine", Kept},
                    {"He said, \"I love you\" to me.", "He said, \"I love you\" to you.", Kept},
                    {"you're sure you'll come", "I'm sure I'll come", "You're sure you'll come"},
                    {"'tis my turn", "'tis my turn", Kept},
                    {"Thank you, my friend", "Thank me, your friend", Kept},
                    {"Did I see you?", "Did you see me?", "Did you see I?"},
                    {"you AND me", "Me AND you", Kept},
                    {"\"x\" am", "\"x\" are", Kept},
                });
    addSwapRows(
        "must read right",
        {
            {"I love you", "You love me", "You love I"},
            {"I love you.", "You love me.", Kept},
            {"Where are you from?", "Where am I from?", "Where am me from?"},
            {"You and I are friends.", "I and you are friends.", "Me and you are friends."},
            {"I'm tired", "You're tired", "I'm tired"},
            {"You're my best friend.", "I'm your best friend.", "You're your best friend."},
            {"I was late, but you were on time.", "You were late, but I was on time.",
             "You was late, but I were on time."},
            {"Were you there?", "Was I there?", "Were I there?"},
            {"I am happy with myself.", "You are happy with yourself.", "You are happy with myself."},
            {"Can you help me?", "Can I help you?", Kept},
            {"I told you that you are kind.", "You told me that I am kind.", "You told I that I am kind."},
            {"I'll call you tomorrow.", "You'll call me tomorrow.", "I'll call I tomorrow."},
            {"I think you are right, you know.", "You think I am right, I know.", Kept},
            {"Do you like me?", "Do I like you?", Kept},
            {"I give you a gift.", "You give me a gift.", Kept},
            {"I said 'you are nice'", "You said 'you are nice'", Kept},
            {"We met at 5 am yesterday.", "We met at 5 am yesterday.", Kept},
        });
    addSwapRows("clause start",
                {
                    {"Yes, you can.", "Yes, I can.", Kept},
                    {"Because you said so.", "Because I said so.", Kept},
                    {"Then you left.", "Then I left.", Kept},
                    {"Maybe you are right.", "Maybe I am right.", Kept},
                    {"You know, I think you are sweet.", "I know, you think I am sweet.", Kept},
                });
    addSwapRows("verb after you", {
                                      {"I love the way you smile.", "You love the way I smile.", Kept},
                                      {"The man you met is here.", "The man I met is here.", Kept},
                                      {"I saw you left early.", "You saw I left early.", Kept},
                                      {"I bet you can't.", "You bet I can't.", Kept},
                                      {"I know you like me.", "You know I like you.", Kept},
                                      {"Just like you said.", "Just like I said.", Kept},
                                  });
    addSwapRows("question", {
                                {"Will you marry me?", "Will I marry you?", Kept},
                                {"How long have you been here?", "How long have I been here?", Kept},
                                {"What time do you wake up?", "What time do I wake up?", Kept},
                                {"Why don't you love me?", "Why don't I love you?", Kept},
                                {"So do you.", "So do I.", "So do me."},
                            });
    addSwapRows(
        "object of a verb or preposition",
        {
            {"I want you to stay.", "You want me to stay.", "You want I to stay."},
            {"I'll let you know.", "You'll let me know.", "I'll let I know."},
            {"I saw you do it.", "You saw me do it.", "You saw I do it."},
            {"I have you now.", "You have me now.", "You have I now."},
            {"Thank you so much!", "Thank me so much!", "Thank I so much!"},
            {"I wish you luck.", "You wish me luck.", "You wish I luck."},
            {"I love you like a brother.", "You love me like a brother.", "You love I like a brother."},
            {"I know you well.", "You know me well.", "You know I well."},
            {"See you tomorrow!", "See me tomorrow!", "See I tomorrow!"},
            {"people like you and me", "People like me and you", Kept},
        });
    addSwapRows(
        "end of clause",
        {
            {"Did you know that I love you?", "Did I know that you love me?", "Did I know that you love I?"},
            {"Is it you?", "Is it me?", "Is it I?"},
            {"How about you?", "How about me?", "How about I?"},
            {"I love you too.", "You love me too.", "You love I too."},
            {"I love you (really).", "You love me ( really ).", "You love I ( really )."},
        });
    addSwapRows("left to the cue words", {
                                             {"Hey you from there", "Hey me from there", Kept},
                                             {"Hey you there", "Hey I there", Kept},
                                         });
    addSwapRows("pair",
                {
                    {"Between you and me, he is wrong.", "Between me and you, he is wrong.", Kept},
                    {"He likes me and you.", "He likes you and me.", Kept},
                    {"John and you are friends.", "John and I are friends.", "John and I am friends."},
                    {"Are you and I friends?", "Are I and you friends?", "Am me and you friends?"},
                    {"You and I.", "I and you.", "Me and you."},
                });
    addSwapRows("contraction",
                {
                    {"I'm sure you're right.", "You're sure I'm right.", "I'm sure you're right."},
                    {"YOU'RE MY FRIEND", "I'm your FRIEND", "YOU'RE your FRIEND"},
                    {"i'm tired", "You're tired", "I'm tired"},
                    {"I\u2019m tired", "You\u2019re tired", "I\u2019m tired"},
                    {"I've missed you.", "You've missed me.", "I've missed me."},
                    {"You've changed.", "I've changed.", "You've changed."},
                    {"I'd go if you would.", "You'd go if I would.", "I'd go if I would."},
                    {"You'd say that.", "I'd say that.", "You'd say that."},
                });
    addSwapRows("was and were",
                {
                    {"Was I right?", "Were you right?", "Was you right?"},
                    {"What was I thinking?", "What were you thinking?", "What was you thinking?"},
                    {"It was me.", "It was you.", Kept},
                    {"It was you.", "It was me.", Kept},
                    {"I wasn't there.", "You weren't there.", "You wasn't there."},
                    {"You weren't there.", "I wasn't there.", "I weren't there."},
                    {"Weren't you there?", "Wasn't I there?", "Weren't I there?"},
                    {"If you were me, what would you do?", "If I were you, what would I do?", Kept},
                    {"I wish you were here.", "You wish I were here.", Kept},
                });
    addSwapRows("are and am",
                {
                    {"You aren't listening.", "I am not listening.", "I aren't listening."},
                    {"Aren't you happy?", "Aren't I happy?", Kept},
                    {"You aren't sure, are you?", "I am not sure, am I?", "I aren't sure, am I?"},
                    {"Am I right?", "Are you right?", "Am you right?"},
                    {"Am I late at 9 am?", "Are you late at 9 am?", "Am you late at 9 am?"},
                    {"I am 30 years old.", "You are 30 years old.", Kept},
                    {"I am what I am.", "You are what you are.", Kept},
                });
    addSwapRows("reflexive", {
                                 {"You hurt yourself.", "I hurt myself.", "I hurt yourself."},
                                 {"MYSELF", "Yourself", "MYSELF"},
                             });
    addSwapRows(
        "quote",
        {
            {"He said \"you are nice\" and I agree.", "He said \"you are nice\" and you agree.", Kept},
            {"You said, \"I love you,\" and I smiled.", "I said, \"I love you,\" and you smiled.", Kept},
            {"\"You are nice,\" I said.", "\"You are nice,\" you said.", Kept},
            {"I said 'I'm tired' to you.", "You said 'I'm tired' to me.", Kept},
        });
    addSwapRows("number", {
                              {"I have 2 cats and you have 3.", "You have 2 cats and I have 3.", Kept},
                              {"I was born in 1990, you in 1991.", "You were born in 1990, I in 1991.",
                               "You was born in 1990, I in 1991."},
                          });
    addSwapRows("capital", {
                               {"YOU LOVE ME", "I LOVE you", Kept},
                               {"I LOVE YOU", "You LOVE me", "You LOVE I"},
                           });
    addSwapRows("punctuation on a word",
                {
                    {"I love you; you love me.", "You love me; I love you.", "You love you; I love you."},
                    {"I miss you...", "You miss me...", "You miss you..."},
                    {"I love you; you love me: we are friends.", "You love me; I love you: we are friends.",
                     "You love you; I love me: we are friends."},
                });
    addSwapRows("several clauses",
                {
                    {"I said that you were wrong, but you know I love you.",
                     "You said that I was wrong, but I know you love me.",
                     "You said that I were wrong, but I know you love me."},
                    {"I think you are sweet, but you think I am mean.",
                     "You think I am sweet, but I think you are mean.", Kept},
                    {"Call me, and I will call you.", "Call you, and you will call me.", Kept},
                    {"If you want, you can come with me.", "If I want, I can come with you.", Kept},
                });

    QTest::newRow("word table: double quotes keep persons")
        << q("He said, \"I love you\" to me.") << q("He said, \"I love you\" to you.")
        << q("He said, \"I love you\" to you.");
    QTest::newRow("word table: empty text") << QString() << QString() << QString();
    QTest::newRow("word table: only spaces") << q("    ") << QString() << QString();
    QTest::newRow("word table: lone LF stays inside a word")
        << q("I\nlove you") << q("I\nlove me") << q("I\nlove I");
    QTest::newRow("word table: lone CR stays inside a word") << q("me\r you") << q("Me\r me") << q("Me\r I");
    QTest::newRow("word table: embedded NUL")
        << q("I") + QChar(0) + q(" love you") << q("I") + QChar(0) + q(" love me")
        << q("I") + QChar(0) + q(" love I");
    QTest::newRow("word table: capital of a code page letter")
        << QStringLiteral("\u00e9t\u00e9 with you") << QStringLiteral("\u00c9t\u00e9 with me")
        << QStringLiteral("\u00c9t\u00e9 with I");

    // The 99-token limit: the analysis sees only the tokens kept, so a "you"
    // that ends them ends its clause, and a quote closed beyond them stays open.
    auto words = [](int count) {
        return QStringList(count, q("w")).join(QLatin1Char(' ')) + QLatin1Char(' ');
    };
    auto capital = [](QString text) {
        text[0] = text[0].toUpper();
        return text;
    };
    QTest::newRow("limit: the 99th token is you")
        << words(96) + q("I love you forever") << capital(words(96)) + q("you love me")
        << capital(words(96)) + q("you love I");
    QTest::newRow("limit: the you after the 99th token is dropped")
        << words(96) + q("w w are you") << capital(words(96)) + q("w w are")
        << capital(words(96)) + q("w w are");
    QTest::newRow("limit: a quote closed beyond the 99th token")
        << words(95) + q("\"I love you\" me") << capital(words(95)) + q("\"I love you")
        << capital(words(95)) + q("\"I love you");
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
