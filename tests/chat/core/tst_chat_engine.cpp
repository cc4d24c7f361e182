// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChatEngine.h"
#include "ChatRules.h"
#include "ChatWords.h"
#include "ParagraphIndex.h"
#include "PhraseModule.h"
#include "QandAEntries.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The question/answer text of the cases: the entry line's layout, a second
// entry of the first question's words, and hand-edited entries.
const QString kQandA =
    QStringLiteral("\r\n#What is your name?&My name is Juniper.%"
                   "\r\n#Do you like stars?&I love the stars.%"
                   "\r\n#what is YOUR name&Second answer.%"
                   "\r\n#Where do you live in the big city?&In a small flat.%"
                   "\r\n#Tell me\r\na joke&Why did the\r\n  comet blush?%#Who are you?&Juniper.%"
                   "\r\n#Lonely question"
                   "\r\n#Unclosed&answer to the end\r\n");
const QString kMemory = QStringLiteral("I like cats.\r\n\r\nMy favourite colour is green.\r\n\r\n");
const QString kKnowledge = QStringLiteral("The Sun is a star.\r\n\r\nMars looks red because of rust.\r\n"
                                          "It has two small moons.\r\n\r\n");

QStringList splitWordsReference(const QString &text)
{
    // SplitWords with room for every token, then the tester's filter.
    QStringList tokens(text.size() + 3);
    PhraseModule::SplitWords(QString(text)
                                 .replace(QLatin1Char('\r'), QLatin1Char(' '))
                                 .replace(QLatin1Char('\n'), QLatin1Char(' ')),
                             tokens);
    QStringList words;
    for (const QString &token : tokens) {
        if (token.isEmpty())
            break;
        QString word = token;
        while (word.endsWith(QLatin1Char('.')))
            word.chop(1);
        if (std::any_of(word.cbegin(), word.cend(), [](QChar c) { return c.isLetterOrNumber(); }))
            words << word.toCaseFolded();
    }
    return words;
}

} // namespace

class TestChatEngine : public QObject
{
    Q_OBJECT
private slots:
    void words_data();
    void words();
    void wordsFollowSplitWords();
    void entries_data();
    void entries();
    void replies_data();
    void replies();
    void runnersUpAndScores();
    void followsChangedTexts();
    void incrementalIndexMatchesFreshOne();
    void termsTellWordsApart();
};

void TestChatEngine::words_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("punctuation left out") << u"Hello, World!"_s << QStringList{u"hello"_s, u"world"_s};
    QTest::newRow("apostrophes") << u"I don't know 'tis"_s
                                 << QStringList{u"i"_s, u"don't"_s, u"know"_s, u"tis"_s};
    QTest::newRow("numbers and stops")
        << u"It's 3.14... e.g. this"_s << QStringList{u"it's"_s, u"3.14"_s, u"e.g"_s, u"this"_s};
    QTest::newRow("line ends are spaces")
        << u"one\r\ntwo.\r\nthree"_s << QStringList{u"one"_s, u"two"_s, u"three"_s};
    QTest::newRow("only punctuation") << u"?! ... ( ) ,"_s << QStringList{};
    QTest::newRow("case folded beyond ASCII")
        << u"\u00c9COLE Stra\u00dfe"_s << QStringList{u"\u00e9cole"_s, u"stra\u00dfe"_s};
}

void TestChatEngine::words()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    QCOMPARE(ChatWords::words(text), words);
}

void TestChatEngine::wordsFollowSplitWords()
{
    // The tester's own scanner keeps SplitWords' tokens, whatever the text.
    const QString alphabet = QStringLiteral("ab1 '.!\",?()x\r\n");
    QRandomGenerator random(20);
    for (int n = 0; n < 3000; ++n) {
        QString text;
        const int length = int(random.bounded(12));
        for (int i = 0; i < length; ++i)
            text += alphabet.at(random.bounded(alphabet.size()));
        QCOMPARE(ChatWords::words(text), splitWordsReference(text));
    }
}

void TestChatEngine::entries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("read"); // line|question|answer|flags (& and %)
    QTest::newRow("entry line") << u"\r\n#Q1&A1%\r\n#Q2&A2%"_s
                                << QStringList{u"2|Q1|A1|&%"_s, u"3|Q2|A2|&%"_s};
    QTest::newRow("several on a line")
        << u"#Q1&A1%#Q2&A2% #Q3&A3%"_s << QStringList{u"1|Q1|A1|&%"_s, u"1|Q2|A2|&%"_s, u"1|Q3|A3|&%"_s};
    QTest::newRow("over lines") << u"#Tell\r\nme&one\r\ntwo%"_s
                                << QStringList{u"1|Tell\r\nme|one\r\ntwo|&%"_s};
    QTest::newRow("no ampersand, no percent")
        << u"#Lonely\r\n#Open&ended\r\n\r\n#Last&one%"_s
        << QStringList{u"1|Lonely||"_s, u"2|Open|ended|&"_s, u"4|Last|one|&%"_s};
    QTest::newRow("hash inside a line is text")
        << u"Notes #1\r\n#Is #2 ok?&Yes, #2.%"_s << QStringList{u"2|Is #2 ok?|Yes, #2.|&%"_s};
    QTest::newRow("empty parts") << u"#&%\r\n#Q&%"_s << QStringList{u"1|||&%"_s, u"2|Q||&%"_s};
}

void TestChatEngine::entries()
{
    QFETCH(QString, text);
    QFETCH(QStringList, read);
    QStringList got;
    for (const QandAEntry &entry : QandAEntries::read(text)) {
        got << QStringLiteral("%1|%2|%3|%4%5")
                   .arg(entry.line)
                   .arg(entry.question, entry.answer, entry.hasAmpersand ? u"&"_s : QString(),
                        entry.hasPercent ? u"%"_s : QString());
        QCOMPARE(text.mid(entry.position, 1), u"#"_s);
    }
    QCOMPARE(got, read);
}

void TestChatEngine::replies_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("rule");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("kept");

    const QString name = QStringLiteral("Q/A line 2 \u2014 What is your name?");
    QTest::newRow("exact") << u"What is your name?"_s << 1 << u"My name is Juniper."_s << name << QString();
    QTest::newRow("case and punctuation")
        << u"  WHAT is, your NAME!!"_s << 1 << u"My name is Juniper."_s << name << QString();
    QTest::newRow("only stop words, exact")
        << u"who are you"_s << 1 << u"Juniper."_s << u"Q/A line 8 \u2014 Who are you?"_s << QString();
    QTest::newRow("over lines") << u"tell me a joke"_s << 1 << u"Why did the comet blush?"_s
                                << u"Q/A line 6 \u2014 Tell me a joke"_s << QString();
    QTest::newRow("unclosed answer") << u"Unclosed?"_s << 1 << u"answer to the end"_s
                                     << u"Q/A line 10 \u2014 Unclosed"_s << QString();
    QTest::newRow("close match") << u"And your name, then?"_s << 2 << u"My name is Juniper."_s << name
                                 << QString();
    QTest::newRow("close match, two of three")
        << u"Do you live in a city?"_s << 2 << u"In a small flat."_s
        << u"Q/A line 5 \u2014 Where do you live in the big city?"_s << QString();
    QTest::newRow("below the threshold") << u"Where do you live?"_s << 5 << u"(no answer)"_s
                                         << u"no question holds half of its weighted words in the line "
                                            "(Q/A line 5 \u2014 Where do you live in the big city?: 33%)"_s
                                         << QString();
    QTest::newRow("knowledge") << u"Why does Mars look red?"_s << 3
                               << u"Mars looks red because of rust. It has two small moons."_s
                               << u"Astronomy.kba, fact 2 (line 3)"_s << QString();
    QTest::newRow("memory, a statement kept")
        << u"Cats, my cats..."_s << 3 << u"I like cats."_s << u"memory, line 1"_s << u"Cats, your cats..."_s;
    QTest::newRow("a statement no one answers")
        << u"I love you."_s << 5 << u"(no answer)"_s
        << u"no shared word: \"love\" is in no question, statement or fact"_s << u"You love me."_s;
    QTest::newRow("only stop words") << u"Is it?"_s << 5 << u"(no answer)"_s
                                     << u"only stop words: \"is\", \"it\""_s << QString();
    QTest::newRow("no words") << u"?!"_s << 5 << u"(no answer)"_s << u"no words"_s << QString();
    QTest::newRow("an entry without an answer")
        << u"Lonely question?"_s << 5 << u"(no answer)"_s
        << u"no shared word: \"lonely\", \"question\" are in no question, "
           "statement or fact"_s
        << QString();
}

void TestChatEngine::replies()
{
    QFETCH(QString, line);
    QFETCH(int, rule);
    QFETCH(QString, text);
    QFETCH(QString, from);
    QFETCH(QString, kept);
    ChatEngine engine;
    engine.setTexts(kQandA, kMemory, {ChatDocument{u"Astronomy.kba"_s, kKnowledge}});
    const ChatReply reply = engine.reply(line);
    QCOMPARE(int(reply.rule), rule);
    QCOMPARE(reply.text, text);
    QCOMPARE(reply.from(), from);
    QCOMPARE(reply.kept, kept);
}

void TestChatEngine::runnersUpAndScores()
{
    ChatEngine engine;
    engine.setTexts(QString(), kMemory + u"Cats sleep a lot.\r\n\r\nGreen cats are rare.\r\n"_s,
                    {ChatDocument{u"A.kba"_s, u"Cats and dogs.\r\n"_s}});
    const ChatReply reply = engine.reply(u"green cats"_s);
    QCOMPARE(reply.from(), u"memory, line 7"_s);
    QCOMPARE(reply.runnersUp.size(), ChatRules::RunnersUp);
    QCOMPARE(reply.runnersUp.at(0).source.describe(), u"memory, line 3"_s);
    QVERIFY(reply.score > reply.runnersUp.at(0).score);
    QVERIFY(reply.runnersUp.at(0).score >= reply.runnersUp.at(1).score);
    // Equal scores go by document and place: the memory before the knowledge base.
    const ChatReply cats = engine.reply(u"dogs"_s);
    QCOMPARE(cats.from(), u"A.kba, fact 1 (line 1)"_s);
    // A document's name is shown as it is, whatever placeholders it holds.
    engine.setTexts(QString(), QString(), {ChatDocument{u"100%2.kba"_s, u"Cats and dogs.\r\n"_s}});
    QCOMPARE(engine.reply(u"dogs"_s).from(), u"100%2.kba, fact 1 (line 1)"_s);
    QCOMPARE(cats.source.position, 0);
    QCOMPARE(cats.source.length, 14);
}

void TestChatEngine::followsChangedTexts()
{
    ChatEngine engine;
    engine.setTexts(kQandA, kMemory, {ChatDocument{u"Astronomy.kba"_s, kKnowledge}});
    QCOMPARE(engine.reply(u"mars"_s).from(), u"Astronomy.kba, fact 2 (line 3)"_s);
    engine.setTexts(kQandA + u"\r\n#Mars&Red.%"_s, u"New\r\n\r\n"_s + kMemory,
                    {ChatDocument{u"Astronomy.kba"_s, u"Jupiter.\r\n\r\n"_s + kKnowledge}});
    QCOMPARE(engine.reply(u"mars"_s).text, u"Red."_s);
    QCOMPARE(engine.reply(u"rust"_s).from(), u"Astronomy.kba, fact 3 (line 5)"_s);
    QCOMPARE(engine.reply(u"green"_s).from(), u"memory, line 5"_s);
    engine.setTexts(QString(), QString(), {});
    QCOMPARE(engine.reply(u"mars"_s).rule, ChatReply::Rule::Nothing);
}

void TestChatEngine::incrementalIndexMatchesFreshOne()
{
    // Random edits around paragraph breaks: the index that follows them
    // finds what an index of the final text finds.
    const QStringList pieces = {u"sun "_s, u"moon"_s, u" star"_s, u"\r\n"_s,  u"\r\n\r\n"_s,
                                u"\r"_s,   u"\n"_s,   u"  "_s,    u"mars."_s, u"x"_s};
    QRandomGenerator random(7);
    ChatTerms terms;
    ParagraphIndex followed(terms);
    QString text;
    for (int step = 0; step < 1500; ++step) {
        const qsizetype at = text.isEmpty() ? 0 : random.bounded(int(text.size() + 1));
        if (random.bounded(3) == 0 && !text.isEmpty())
            text.remove(at, random.bounded(1, 8));
        else
            text.insert(at, pieces.at(random.bounded(pieces.size())));
        followed.setDocuments({ChatDocument{u"k"_s, text}});
        ParagraphIndex fresh(terms);
        fresh.setDocuments({ChatDocument{u"k"_s, text}});
        QCOMPARE(followed.paragraphCount(0), fresh.paragraphCount(0));
        for (const QString &word : {u"sun"_s, u"moon"_s, u"star"_s, u"mars"_s, u"x"_s}) {
            const int id = terms.find(word);
            const auto a = followed.best({id}, 100);
            const auto b = fresh.best({id}, 100);
            QCOMPARE(a.size(), b.size());
            for (qsizetype i = 0; i < a.size(); ++i) {
                QCOMPARE(a[i].position, b[i].position);
                QCOMPARE(a[i].length, b[i].length);
                QCOMPARE(a[i].line, b[i].line);
                QCOMPARE(a[i].paragraph, b[i].paragraph);
                QCOMPARE(a[i].score, b[i].score);
            }
        }
    }
}

void TestChatEngine::termsTellWordsApart()
{
    // Words short enough for the table's slot and longer ones, many sharing
    // their first characters, over several growths of the table: each keeps
    // its own number.
    ChatTerms terms;
    QStringList words;
    for (int i = 0; i < 30000; ++i) {
        const QString stem = QString(1 + i % 19, QLatin1Char('a' + char(i % 26)));
        words << stem + QString::number(i / 26);
    }
    words << QString(70000, u'z') << QString(70000, u'z') + u'y' << u"of"_s;
    QHash<QString, int> ids;
    for (const QString &word : std::as_const(words)) {
        const int id = terms.add(word);
        QCOMPARE(ids.value(word, id), id);
        ids.insert(word, id);
    }
    QCOMPARE(ids.size(), terms.count());
    for (auto it = ids.cbegin(); it != ids.cend(); ++it) {
        QCOMPARE(terms.find(it.key()), it.value());
        QCOMPARE(terms.add(it.key()), it.value());
    }
    QCOMPARE(terms.find(u"aaaaaaaaaaaaaaaaaa"_s), -1);
    QVERIFY(terms.isStopWord(terms.find(u"of"_s)));
}

QTEST_APPLESS_MAIN(TestChatEngine)
#include "tst_chat_engine.moc"
