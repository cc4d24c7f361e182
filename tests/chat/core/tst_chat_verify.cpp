// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChatRules.h"
#include "ChatTestFile.h"
#include "KitTasks.h"
#include "PersonalityFile.h"
#include "ProgramFolderFixture.h"
#include "TestFiles.h"
#include "Wildcard.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

// Chat test files, --verify and the Test Chat's findings of --check, in a
// folder of their own.
class TestChatVerify : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void readErrors_data();
    void readErrors();
    void readsHeaderExchangesAndUtf8();
    void writesWhatItReads();
    void literalPatternMatchesOnlyItself();
    void verify_data();
    void verify();
    void coverage();
    void shippedSamplePasses();
    void checkFindsShadowedQuestions();
    void helpPageStatesTheRules();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString writeChat(const QByteArray &bytes) { return TestFiles::writeBytes(path(u"t.chat"_s), bytes); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestChatVerify::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QCOMPARE(PersonalityFile::save(m_dir->path() + u"/"_s, u"Ada"_s, u"I like cats.\r\n\r\n"_s,
                                   u"zebra\r\n"_s, QString(),
                                   u"\r\n#What is your name?&I am Ada.%\r\n#Do you sing?&Only in the bath.%"
                                   "\r\n#What is your name?&Never said.%"_s),
             QString());
    TestFiles::writeBytes(path(u"Stars.kba"_s), "Stars are suns.\r\n\r\nThe Moon has no air.\r\n");
    TestFiles::writeBytes(path(u"Birds.kba"_s), "Robins sing at dawn.\r\n");
}

void TestChatVerify::readErrors_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    QTest::newRow("reply first") << QByteArray("< hi\r\n")
                                 << u"1: a \"<\" line before the first \">\" line"_s;
    QTest::newRow("no pattern") << QByteArray("> hi\r\n> there\r\n< x\r\n")
                                << u"1: no \"<\" line says what the reply must be"_s;
    QTest::newRow("no pattern at the end")
        << QByteArray("> hi\r\n< x\r\n\r\n> there\r\n") << u"4: no \"<\" line says what the reply must be"_s;
    QTest::newRow("header late") << QByteArray("> hi\r\n< x\r\npersonality: Ada\r\n")
                                 << u"3: header lines come before the first \">\" line"_s;
    QTest::newRow("two personalities")
        << QByteArray("personality: A\r\npersonality: B\r\n") << u"2: a second \"personality:\" line"_s;
    QTest::newRow("stray line")
        << QByteArray("hello\r\n")
        << u"1: not a \">\", \"<\", \"#\", \"personality:\" or \"knowledge:\" line: \"hello\""_s;
}

void TestChatVerify::readErrors()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const QString file = writeChat(bytes);
    QCOMPARE(ChatTestFile::read(file).error, file + u":"_s + error);
    // --verify names it and gives up.
    const KitTasks::Result result = KitTasks::verify(file, m_dir->path(), false);
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.errors.contains(error), qPrintable(result.errors));
}

void TestChatVerify::readsHeaderExchangesAndUtf8()
{
    const QString file =
        writeChat("# comment\r\npersonality: Ada\r\nKnowledge:  Stars.kba \r\nknowledge: Birds.kba\n"
                  "\r\n>What?\r\n<  two spaces\r\n< caf\xC3\xA9\r\n>\r\n< (no answer)");
    const ChatTestFile::ReadResult read = ChatTestFile::read(file);
    QVERIFY2(read.ok(), qPrintable(read.error));
    ChatTest expected;
    expected.personality = u"Ada"_s;
    expected.knowledge = QStringList{u"Stars.kba"_s, u"Birds.kba"_s};
    expected.exchanges = {{6, u"What?"_s, {{7, u" two spaces"_s}, {8, u"caf\u00e9"_s}}},
                          {9, QString(), {{10, u"(no answer)"_s}}}};
    QCOMPARE(read.test, expected);
    // In the code page, é is one byte.
    QCOMPARE(ChatTestFile::read(writeChat("> caf\xE9\r\n< x")).test.exchanges.at(0).said, u"caf\u00e9"_s);
}

void TestChatVerify::writesWhatItReads()
{
    ChatTest test;
    test.personality = u"Ada"_s;
    test.knowledge = QStringList{u"Stars.kba"_s};
    test.exchanges = {{3, u"Hi \u00e9"_s, {{4, u"I am [*]"_s}}}, {5, u"Bye"_s, {{6, u"a"_s}, {7, u"b"_s}}}};
    const QString file = path(u"w.chat"_s);
    QCOMPARE(ChatTestFile::write(file, test), QString());
    QCOMPARE(TestFiles::readBytes(file), QByteArray("personality: Ada\r\nknowledge: Stars.kba\r\n> Hi "
                                                    "\xE9\r\n< I am [*]\r\n> Bye\r\n< a\r\n< b\r\n"));
    QCOMPARE(ChatTestFile::read(file).test, test);
    // What the code page cannot store is refused, by name.
    test.exchanges[0].said = u"\u263A"_s;
    QVERIFY(!ChatTestFile::write(file, test).isEmpty());
    QCOMPARE(ChatTestFile::read(file).test.exchanges.at(0).said, u"Hi \u00e9"_s);
}

void TestChatVerify::literalPatternMatchesOnlyItself()
{
    for (const QString &text : {u"Is it *really* #1? [yes]"_s, u"a?b"_s, u"[!x]"_s}) {
        QVERIFY(Wildcard::match(text, ChatTestFile::literalPattern(text), Qt::CaseInsensitive));
        QVERIFY(!Wildcard::match(text + u"x"_s, ChatTestFile::literalPattern(text), Qt::CaseInsensitive));
    }
    QVERIFY(!Wildcard::match(u"a1b"_s, ChatTestFile::literalPattern(u"a#b"_s)));
}

void TestChatVerify::verify_data()
{
    QTest::addColumn<QByteArray>("chat");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("errors");
    QTest::newRow("all pass") << QByteArray(
                                     "> what is your NAME\r\n< i am ada.\r\n> The moon?\r\n< *air*\r\n")
                              << 0 << u"2 passed, 0 failed\n"_s << QString();
    QTest::newRow("one fails, any pattern may match")
        << QByteArray("> Do you sing?\r\n< Never\r\n< *bath*\r\n> robins\r\n< Stars*\r\n< x\r\n") << 1
        << u"@:4: expected \"Stars*\" or \"x\", got \"Robins sing at dawn.\" (from Birds.kba, fact 1 (line "
           u"1))\n"
           "1 passed, 1 failed\n"_s
        << QString();
    QTest::newRow("nothing reached, and why")
        << QByteArray("knowledge: Stars.kba\r\n> robins\r\n< Robins*\r\n") << 1
        << u"@:2: expected \"Robins*\", got \"(no answer)\" (from no shared word: \"robins\" is in no "
           u"question, "
           "statement or fact)\n0 passed, 1 failed\n"_s
        << QString();
    QTest::newRow("sections stay the companion's")
        << QByteArray("> zebra\r\n< (no answer)\r\n> cats\r\n< I like cats.\r\n") << 0
        << u"2 passed, 0 failed\n"_s << QString();
    QTest::newRow("unknown personality") << QByteArray("personality: Bob\r\n> hi\r\n< x\r\n") << 2
                                         << QString() << u"the personality \"Bob\" cannot be read"_s;
    QTest::newRow("unknown knowledge base")
        << QByteArray("knowledge: Nope.kba\r\n> hi\r\n< x\r\n") << 2 << QString()
        << u"the knowledge base \"Nope.kba\" cannot be read"_s;
}

void TestChatVerify::verify()
{
    QFETCH(QByteArray, chat);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errors);
    const QString file = writeChat(chat);
    const KitTasks::Result result = KitTasks::verify(file, m_dir->path() + u"/"_s, false);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.output, QString(output).replace(u"@"_s, file));
    if (errors.isEmpty())
        QCOMPARE(result.errors, QString());
    else
        QVERIFY2(result.errors.startsWith(u"Mindloom: "_s) && result.errors.contains(errors),
                 qPrintable(result.errors));
    // A chat file that is not there.
    if (exitCode == 0)
        QCOMPARE(KitTasks::verify(path(u"missing.chat"_s), m_dir->path(), false).exitCode, 2);
}

void TestChatVerify::coverage()
{
    const QString file = writeChat("> Do you sing?\r\n< *\r\n");
    const KitTasks::Result result = KitTasks::verify(file, m_dir->path() + u"/"_s, true);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.output, u"1 passed, 0 failed\nAda.qas:2: not reached: What is your name?\n"
                            "Ada.qas:4: not reached: What is your name?\n1 of 3 questions reached\n"_s);
}

void TestChatVerify::shippedSamplePasses()
{
    const KitTasks::Result result = KitTasks::verify(QStringLiteral(MINDLOOM_ASSETS_DIR "/Juniper.chat"),
                                                     QStringLiteral(MINDLOOM_ASSETS_DIR "/"), true);
    QCOMPARE(result.errors, QString());
    QVERIFY2(result.output.contains(u" passed, 0 failed\n"_s), qPrintable(result.output));
    QVERIFY2(result.output.endsWith(u"6 of 6 questions reached\n"_s), qPrintable(result.output));
    QCOMPARE(result.exitCode, 0);
}

void TestChatVerify::checkFindsShadowedQuestions()
{
    const KitTasks::Result result =
        KitTasks::check(KitProgram::Mindloom, path(u"Ada.qas"_s), m_dir->path() + u"/"_s);
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.output, path(u"Ada.qas"_s) +
                                u":4: the question \"What is your name?\" never answers: line 2 asks "
                                "it in the same words first\n"_s);
}

// The help page quotes the rules' numbers and words; a change to either side
// alone is caught here.
void TestChatVerify::helpPageStatesTheRules()
{
    const QByteArray bytes =
        TestFiles::readBytes(ProgramFolderFixture::assetsFolder() + u"Docs/Mindloom.htm"_s);
    QStringDecoder decode("windows-1252");
    const QString page = decode(bytes);
    QVERIFY(!decode.hasError() && !page.isEmpty());
    const auto cell = [&page](const QString &id) {
        const QRegularExpression element(u"id=\"%1\">([^<]*)<"_s.arg(id));
        return element.match(page).captured(1).simplified();
    };
    QCOMPARE(cell(u"stop-words"_s).split(u", "_s), ChatRules::stopWords());
    QCOMPARE(cell(u"close-match-share"_s).toDouble(), ChatRules::CloseMatchShare);
    QCOMPARE(cell(u"bm25-k1"_s).toDouble(), ChatRules::Bm25K1);
    QCOMPARE(cell(u"bm25-b"_s).toDouble(), ChatRules::Bm25B);
    QCOMPARE(cell(u"runners-up"_s).toInt(), ChatRules::RunnersUp);
    // What the page must say plainly.
    const QString text = QString(page).replace(QRegularExpression(u"<[^>]*>"_s), u""_s).simplified();
    for (const QString &said :
         {u"These are the tester's rules, not the companion's."_s, u"the companion may choose differently"_s,
          u"MatchWords and WontSay are not interpreted"_s}) {
        QVERIFY2(text.contains(said), qPrintable(said));
    }
}

QTEST_GUILESS_MAIN(TestChatVerify)
#include "tst_chat_verify.moc"
