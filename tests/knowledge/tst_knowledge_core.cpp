#include "SentenceSplitter.h"

#include <QtTest>

// Cutting a source text into facts, without any window.
class TestKnowledgeCore : public QObject
{
    Q_OBJECT
private slots:
    void sentences_data();
    void sentences();
    void appendFactsStopsBetweenSentences();
    void splitterOutlivesItsSource();
    void percentage_data();
    void percentage();
};

void TestKnowledgeCore::sentences_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("question mark is no end")
        << QStringLiteral("Hello there. How are you? Fine.")
        << QStringList{QStringLiteral("Hello there."), QStringLiteral("How are you? Fine.")};
    QTest::newRow("fragment after last stop dropped")
        << QStringLiteral("A b. C d. E f") << QStringList{QStringLiteral("A b."), QStringLiteral("C d.")};
    QTest::newRow("letter after stop left out")
        << QStringLiteral("One.Two.") << QStringList{QStringLiteral("One."), QStringLiteral("wo.")};
    QTest::newRow("ellipsis gives empty facts")
        << QStringLiteral("Wait... what.")
        << QStringList{QStringLiteral("Wait."), QString(), QString(), QStringLiteral("what.")};
    QTest::newRow("no full stop") << QStringLiteral("No end here! Or here?") << QStringList{};
    QTest::newRow("empty") << QString() << QStringList{};
    QTest::newRow("only a stop") << QStringLiteral(".") << QStringList{QStringLiteral(".")};
    QTest::newRow("two stops") << QStringLiteral("..") << QStringList{QStringLiteral("."), QString()};
    QTest::newRow("stop first keeps next char")
        << QStringLiteral(".abc.") << QStringList{QStringLiteral("."), QStringLiteral("bc.")};
    // After a full stop ending a line, the CR is left out and the LF begins
    // the next sentence; line ends and spaces inside sentences stay.
    QTest::newRow("crlf after stop") << QStringLiteral("First line.\r\nSecond\r\nline.  Third.")
                                     << QStringList{QStringLiteral("First line."),
                                                    QStringLiteral("\nSecond\r\nline."),
                                                    QStringLiteral(" Third.")};
    QTest::newRow("empty lines are no end") << QStringLiteral("Title\r\n\r\nBody text.")
                                            << QStringList{QStringLiteral("Title\r\n\r\nBody text.")};
    QTest::newRow("stop as last char after space")
        << QStringLiteral("A. .") << QStringList{QStringLiteral("A."), QStringLiteral(".")};
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
    QCOMPARE(splitter.scanPosition(), qsizetype(4));
    QVERIFY(!splitter.finished());

    // Goes on until the batch has grown by the requested amount: "Bb." and its
    // line ends are 7 characters, so 8 takes a second sentence.
    QCOMPARE(splitter.appendFacts(&out, 8), qsizetype(2));
    QCOMPARE(out, QStringLiteral("xAa.\r\n\r\nBb.\r\n\r\nCc.\r\n\r\n"));
    QVERIFY(!splitter.finished());

    QCOMPARE(splitter.appendFacts(&out, 100), qsizetype(0));
    QVERIFY(splitter.finished());
    QCOMPARE(splitter.appendFacts(&out, 100), qsizetype(0));
    QCOMPARE(out, QStringLiteral("xAa.\r\n\r\nBb.\r\n\r\nCc.\r\n\r\n"));
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

QTEST_APPLESS_MAIN(TestKnowledgeCore)
#include "tst_knowledge_core.moc"
