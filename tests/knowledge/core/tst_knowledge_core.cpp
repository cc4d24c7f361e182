// SPDX-License-Identifier: GPL-3.0-or-later
#include "SentenceSplitter.h"
#include "SourceText.h"

#include <QTemporaryDir>
#include <QtTest>

// Cutting a source text into facts, without any window.
class TestKnowledgeCore : public QObject
{
    Q_OBJECT
private slots:
    void sentences_data();
    void sentences();
    void paragraphs_data();
    void paragraphs();
    void appendFactsStopsBetweenSentences();
    void splitterOutlivesItsSource();
    void percentage_data();
    void percentage();
    void decodeSource_data();
    void decodeSource();
    void readSource();
};

void TestKnowledgeCore::sentences_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("every rule at once")
        << QStringLiteral("Hello there. How are you?\r\nFine. One.Two. Wait... what. E f")
        << QStringList{QStringLiteral("Hello there."), QStringLiteral("How are you? Fine."),
                       QStringLiteral("One.Two."),     QStringLiteral("Wait..."),
                       QStringLiteral("what."),        QStringLiteral("E f")};
    QTest::newRow("question mark is no end")
        << QStringLiteral("Hello there. How are you? Fine.")
        << QStringList{QStringLiteral("Hello there."), QStringLiteral("How are you? Fine.")};
    QTest::newRow("fragment after last stop")
        << QStringLiteral("A b. C d. E f")
        << QStringList{QStringLiteral("A b."), QStringLiteral("C d."), QStringLiteral("E f")};
    QTest::newRow("a letter or digit after a stop ends nothing")
        << QStringLiteral("See fsf.org and 3.14 here. One.Two. Wait...what. Yes.")
        << QStringList{QStringLiteral("See fsf.org and 3.14 here."), QStringLiteral("One.Two."),
                       QStringLiteral("Wait...what."), QStringLiteral("Yes.")};
    QTest::newRow("ellipsis ends one sentence")
        << QStringLiteral("Wait... what.") << QStringList{QStringLiteral("Wait..."), QStringLiteral("what.")};
    QTest::newRow("no full stop: the whole text")
        << QStringLiteral("No end here! Or here?") << QStringList{QStringLiteral("No end here! Or here?")};
    QTest::newRow("empty") << QString() << QStringList{};
    QTest::newRow("white space only") << QStringLiteral(" \t\r\n\f") << QStringList{};
    QTest::newRow("only a stop") << QStringLiteral(".") << QStringList{QStringLiteral(".")};
    QTest::newRow("only stops") << QStringLiteral("..") << QStringList{QStringLiteral("..")};
    QTest::newRow("stop first") << QStringLiteral(". abc.")
                                << QStringList{QStringLiteral("."), QStringLiteral("abc.")};
    // A line end within a paragraph is a space; one separator is left out,
    // so a second one begins the next sentence.
    QTest::newRow("line ends after stops")
        << QStringLiteral("First line.\r\nSecond\r\nline.  Third.\tFourth.\nFifth.\rSixth.")
        << QStringList{QStringLiteral("First line."), QStringLiteral("Second line."),
                       QStringLiteral(" Third."),     QStringLiteral("Fourth."),
                       QStringLiteral("Fifth."),      QStringLiteral("Sixth.")};
    QTest::newRow("hard-wrapped with LF")
        << QStringLiteral("A fact that\nruns over\nthree lines. And\nanother.")
        << QStringList{QStringLiteral("A fact that runs over three lines."), QStringLiteral("And another.")};
    QTest::newRow("hard-wrapped with CR")
        << QStringLiteral("A fact\rwrapped.") << QStringList{QStringLiteral("A fact wrapped.")};
    QTest::newRow("other characters after a stop stay")
        << QStringLiteral("A.\u00a0B.\"C.\" D.)")
        << QStringList{QStringLiteral("A."), QStringLiteral("\u00a0B."), QStringLiteral("\"C."),
                       QStringLiteral("\" D."), QStringLiteral(")")};
    // An empty line ends the paragraph and its sentence.
    QTest::newRow("a heading is a fact of its own")
        << QStringLiteral("Title\r\n\r\nBody text\r\ngoes on.")
        << QStringList{QStringLiteral("Title"), QStringLiteral("Body text goes on.")};
    QTest::newRow("paragraph breaks of every kind")
        << QStringLiteral("One\n\nTwo\r\rThree\r\n \t\r\nFour\n\n\n\nFive.")
        << QStringList{QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three"),
                       QStringLiteral("Four"), QStringLiteral("Five.")};
    QTest::newRow("paragraph after a stop") << QStringLiteral("Done. \r\n\r\nNext")
                                            << QStringList{QStringLiteral("Done."), QStringLiteral("Next")};
    QTest::newRow("empty lines around the text")
        << QStringLiteral("\r\n\r\n  Indented.\r\n\r\n") << QStringList{QStringLiteral("  Indented.")};
    QTest::newRow("stop after a separator")
        << QStringLiteral("A. .") << QStringList{QStringLiteral("A."), QStringLiteral(".")};
    QTest::newRow("white space after the last stop is dropped")
        << QStringLiteral("A.\r\n\r\n \t") << QStringList{QStringLiteral("A.")};
    QTest::newRow("fragment keeps its white space")
        << QStringLiteral("A.  b \r\n") << QStringList{QStringLiteral("A."), QStringLiteral(" b ")};
    QTest::newRow("NUL left out") << QStringLiteral("Nu") + QChar(0) + QStringLiteral("ll.") + QChar(0) +
                                         QStringLiteral("\r\nEnd.")
                                  << QStringList{QStringLiteral("Null."), QStringLiteral("End.")};
}

void TestKnowledgeCore::sentences()
{
    QFETCH(QString, source);
    QFETCH(QStringList, expected);
    QCOMPARE(SentenceSplitter::sentences(source), expected);

    QString facts;
    for (const QString &sentence : expected)
        facts += sentence + QStringLiteral("\r\n\r\n");
    QCOMPARE(SentenceSplitter::facts(source), facts);
    // Whatever the source's line ends, the knowledge base has CR LF only.
    QCOMPARE(facts.count(QLatin1Char('\n')), facts.count(QStringLiteral("\r\n")));
    QCOMPARE(facts.count(QLatin1Char('\r')), facts.count(QStringLiteral("\r\n")));
}

void TestKnowledgeCore::paragraphs_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("drops");

    QTest::newRow("one line") << QStringLiteral("Plain. Text.") << QStringLiteral("Plain. Text.") << 0;
    QTest::newRow("lines joined by spaces")
        << QStringLiteral("a\r\nb\nc\rd") << QStringLiteral("a b c d") << 0;
    QTest::newRow("spaces at the line ends stay")
        << QStringLiteral("a \r\n b") << QStringLiteral("a   b") << 0;
    QTest::newRow("paragraphs one a line")
        << QStringLiteral("a\r\n\r\nb\n \nc") << QStringLiteral("a\nb\nc") << 0;
    QTest::newRow("no line end at the ends") << QStringLiteral("\n\r\na\r\n") << QStringLiteral("a") << 0;
    QTest::newRow("NUL left out, and counted")
        << QChar(0) + QStringLiteral("a") + QChar(0) + QChar(0) + QStringLiteral("\r\n") + QChar(0)
        << QStringLiteral("a") << 4;
    QTest::newRow("a line of NULs is empty")
        << QStringLiteral("a\r\n") + QChar(0) + QStringLiteral("\r\nb") << QStringLiteral("a\nb") << 1;
}

void TestKnowledgeCore::paragraphs()
{
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QFETCH(int, drops);
    qsizetype dropped = -1;
    QCOMPARE(SentenceSplitter::paragraphs(source, &dropped), expected);
    QCOMPARE(dropped, qsizetype(drops));
    const SentenceSplitter splitter(source);
    QCOMPARE(splitter.text(), expected);
    QCOMPARE(splitter.drops(), qsizetype(drops));
}

void TestKnowledgeCore::appendFactsStopsBetweenSentences()
{
    const QString source = QStringLiteral("Aa. Bb. Cc. Dd");
    SentenceSplitter splitter(source);
    QCOMPARE(splitter.scanPosition(), qsizetype(1));

    QString out = QStringLiteral("x");
    // At least one sentence even when no characters are asked for.
    QCOMPARE(splitter.appendFacts(&out, 0), qsizetype(1));
    QCOMPARE(out, QStringLiteral("xAa.\r\n\r\n"));
    QCOMPARE(splitter.scanPosition(), qsizetype(5));
    QVERIFY(!splitter.finished());

    // Goes on until the batch has grown by the requested amount: "Bb." and its
    // line ends are 7 characters, so 8 takes a second sentence.
    QCOMPARE(splitter.appendFacts(&out, 8), qsizetype(2));
    QCOMPARE(out, QStringLiteral("xAa.\r\n\r\nBb.\r\n\r\nCc.\r\n\r\n"));
    QVERIFY(!splitter.finished());

    QCOMPARE(splitter.appendFacts(&out, 100), qsizetype(1));
    QVERIFY(splitter.finished());
    QCOMPARE(splitter.appendFacts(&out, 100), qsizetype(0));
    QCOMPARE(out, QStringLiteral("xAa.\r\n\r\nBb.\r\n\r\nCc.\r\n\r\nDd\r\n\r\n"));
}

void TestKnowledgeCore::splitterOutlivesItsSource()
{
    QString source = QStringLiteral("Kept. Text.");
    SentenceSplitter splitter(source);
    QStringView first;
    QVERIFY(splitter.next(&first));
    source = QStringLiteral("Changed. Entirely.");
    source.detach();
    QStringView second;
    QVERIFY(splitter.next(&second));
    QCOMPARE(first, QStringLiteral("Kept."));
    QCOMPARE(second, QStringLiteral("Text."));
}

void TestKnowledgeCore::percentage_data()
{
    QTest::addColumn<qsizetype>("area");
    QTest::addColumn<qsizetype>("data");
    QTest::addColumn<int>("expected");
    QTest::newRow("166 capped") << qsizetype(10) << qsizetype(6) << 100;
    QTest::newRow("rounded down") << qsizetype(37) << qsizetype(100) << 37;
    QTest::newRow("just under one") << qsizetype(199) << qsizetype(20000) << 0;
    QTest::newRow("exactly 100") << qsizetype(500) << qsizetype(500) << 100;
    QTest::newRow("area emptied") << qsizetype(0) << qsizetype(500) << 0;
    QTest::newRow("large") << qsizetype(40) * 1024 * 1024 << qsizetype(50) * 1024 * 1024 << 80;
    QTest::newRow("empty source, empty area") << qsizetype(0) << qsizetype(0) << 0;
    QTest::newRow("empty source, text in area") << qsizetype(8) << qsizetype(0) << 100;
}

void TestKnowledgeCore::percentage()
{
    QFETCH(qsizetype, area);
    QFETCH(qsizetype, data);
    QFETCH(int, expected);
    QCOMPARE(SentenceSplitter::percentage(area, data), expected);
}

void TestKnowledgeCore::decodeSource_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("utf8");

    QTest::newRow("ascii") << QByteArray("Plain. Text.") << QStringLiteral("Plain. Text.") << false;
    QTest::newRow("empty") << QByteArray() << QString() << false;
    QTest::newRow("utf-8 quote") << QByteArray("It\xe2\x80\x99s caf\xc3\xa9.")
                                 << QStringLiteral("It\u2019s caf\u00e9.") << true;
    QTest::newRow("utf-8 outside the basic plane")
        << QByteArray("Smile \xf0\x9f\x98\x80.") << QStringLiteral("Smile \U0001F600.") << true;
    QTest::newRow("utf-8 with NUL") << QByteArray("a\0\xc3\xa9", 4)
                                    << QStringLiteral("a") + QChar(0) + QStringLiteral("\u00e9") << true;
    QTest::newRow("mark dropped") << QByteArray("\xef\xbb\xbfHi.") << QStringLiteral("Hi.") << true;
    QTest::newRow("mark alone") << QByteArray("\xef\xbb\xbf") << QString() << true;
    QTest::newRow("mark, then a broken sequence") << QByteArray("\xef\xbb\xbf"
                                                                "Caf\xe9.")
                                                  << QStringLiteral("Caf\ufffd.") << true;
    QTest::newRow("mark further on stays") << QByteArray("a\xef\xbb\xbf"
                                                         "b")
                                           << QStringLiteral("a\ufeffb") << true;
    QTest::newRow("code page") << QByteArray("Caf\xe9 \x80 \x93quoted\x94.")
                               << QStringLiteral("Caf\u00e9 \u20ac \u201cquoted\u201d.") << false;
    // Valid until one byte: the whole file is read in the code page.
    QTest::newRow("utf-8, then one code-page byte")
        << QByteArray("It\xe2\x80\x99s caf\xe9") << QStringLiteral("It\u00e2\u20ac\u2122s caf\u00e9")
        << false;
    QTest::newRow("sequence cut at the end")
        << QByteArray("It\xe2\x80") << QStringLiteral("It\u00e2\u20ac") << false;
    QTest::newRow("overlong form") << QByteArray("\xc0\xaf") << QStringLiteral("\u00c0\u00af") << false;
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << QStringLiteral("\u00ed\u00a0\u20ac") << false;
    QTest::newRow("past the last character")
        << QByteArray("\xf4\x90\x80\x80") << QStringLiteral("\u00f4\u0090\u20ac\u20ac") << false;
    QTest::newRow("byte without a character") << QByteArray("\x81") << QStringLiteral("\u0081") << false;
}

void TestKnowledgeCore::decodeSource()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, utf8);
    QCOMPARE(SourceText::decode(bytes), text);
    QCOMPARE(SourceText::isUtf8(bytes), utf8);
}

void TestKnowledgeCore::readSource()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("source.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("It\xe2\x80\x99s.");
    file.close();
    const SourceText::ReadResult read = SourceText::read(path);
    QVERIFY(read.ok());
    QCOMPARE(read.text, QStringLiteral("It\u2019s."));

    const QString missing = dir.filePath(QStringLiteral("missing.txt"));
    const SourceText::ReadResult failed = SourceText::read(missing);
    QVERIFY(!failed.ok());
    QVERIFY(failed.error.contains(QDir::toNativeSeparators(missing)));
    QVERIFY(failed.text.isEmpty());
}

QTEST_APPLESS_MAIN(TestKnowledgeCore)
#include "tst_knowledge_core.moc"
