#include "TalkSchedule.h"

#include <QtTest>

// When the talking mouth is drawn while a text is spoken, at 200 ms a syllable.
class TestTalkSchedule : public QObject
{
    Q_OBJECT
private slots:
    void mouthAtTime_data();
    void mouthAtTime();
    void syllablesAndDuration_data();
    void syllablesAndDuration();
    void nextChange();
};

void TestTalkSchedule::mouthAtTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("time");
    QTest::addColumn<bool>("drawn");
    const QString hello = QStringLiteral("hello"); // open 0-100, 200-300
    QTest::newRow("before the start") << hello << -1 << false;
    QTest::newRow("first syllable opens") << hello << 0 << true;
    QTest::newRow("first syllable, end of open half") << hello << 99 << true;
    QTest::newRow("first syllable, closed half") << hello << 100 << false;
    QTest::newRow("second syllable") << hello << 200 << true;
    QTest::newRow("second syllable, closed half") << hello << 300 << false;
    QTest::newRow("rests after the text") << hello << 400 << false;
    QTest::newRow("rests long after") << hello << 100000 << false;
    // One syllable, a short pause of 400 ms, one syllable ("there": silent e).
    const QString comma = QStringLiteral("Hi, there");
    QTest::newRow("comma: closed half") << comma << 150 << false;
    QTest::newRow("comma: pause") << comma << 599 << false;
    QTest::newRow("comma: after the pause") << comma << 600 << true;
    QTest::newRow("comma: last closed half") << comma << 700 << false;
    // A long pause of 800 ms.
    const QString stop = QStringLiteral("Yes. No");
    QTest::newRow("full stop: pause") << stop << 999 << false;
    QTest::newRow("full stop: after the pause") << stop << 1000 << true;
    QTest::newRow("exclamation: after the pause") << QStringLiteral("Yes! No") << 1000 << true;
    QTest::newRow("question: after the pause") << QStringLiteral("Yes? No") << 1000 << true;
    QTest::newRow("ellipsis: one long pause") << QStringLiteral("Wait... what") << 1000 << true;
    QTest::newRow("ellipsis character") << QStringLiteral("Wait\u2026 what") << 1000 << true;
    QTest::newRow("marks together: the longest") << QStringLiteral("Well, ... yes") << 999 << false;
    QTest::newRow("marks together: then") << QStringLiteral("Well, ... yes") << 1000 << true;
    QTest::newRow("a point inside a number is no pause") << QStringLiteral("3.5 kg") << 400 << true;
    QTest::newRow("leading marks wait for nothing") << QStringLiteral("...hmm") << 0 << true;
    QTest::newRow("steady syllables across words") << QStringLiteral("make a table") << 600 << true;
    QTest::newRow("steady syllables, closed half") << QStringLiteral("make a table") << 700 << false;
    QTest::newRow("nothing to say") << QString() << 0 << false;
    QTest::newRow("only marks") << QStringLiteral("?!") << 0 << false;
}

void TestTalkSchedule::mouthAtTime()
{
    QFETCH(QString, text);
    QFETCH(int, time);
    QFETCH(bool, drawn);
    QCOMPARE(TalkSchedule(text, 200).mouthDrawnAt(time), drawn);
}

void TestTalkSchedule::syllablesAndDuration_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("syllables");
    QTest::addColumn<int>("duration");
    QTest::newRow("empty") << QString() << 0 << 0;
    QTest::newRow("spaces and marks only") << QStringLiteral(" , . ") << 0 << 0;
    QTest::newRow("vowel groups") << QStringLiteral("beautiful") << 3 << 600;
    QTest::newRow("silent final e") << QStringLiteral("make") << 1 << 200;
    QTest::newRow("only vowel is an e") << QStringLiteral("the") << 1 << 200;
    QTest::newRow("consonant and le") << QStringLiteral("table") << 2 << 400;
    QTest::newRow("accented final e is spoken") << QStringLiteral("Caf\u00e9") << 2 << 400;
    QTest::newRow("apostrophe inside a word") << QStringLiteral("they're") << 1 << 200;
    QTest::newRow("y starting a word") << QStringLiteral("yes") << 1 << 200;
    QTest::newRow("y before a vowel") << QStringLiteral("player") << 2 << 400;
    QTest::newRow("y ending a word") << QStringLiteral("happy") << 2 << 400;
    QTest::newRow("no vowel") << QStringLiteral("Hmm") << 1 << 200;
    QTest::newRow("digits") << QStringLiteral("42") << 2 << 400;
    QTest::newRow("digits with letters") << QStringLiteral("3rd") << 1 << 200;
    QTest::newRow("thousands comma is no pause") << QStringLiteral("1,000") << 4 << 800;
    QTest::newRow("short pause between") << QStringLiteral("Hello, world.") << 3 << 1000;
    QTest::newRow("trailing pause is rest") << QStringLiteral("Hi!") << 1 << 200;
    QTest::newRow("line break is a short pause") << QStringLiteral("one\ntwo") << 2 << 800;
    QTest::newRow("long pause between sentences") << QStringLiteral("Hi. Hi?") << 2 << 1200;
}

void TestTalkSchedule::syllablesAndDuration()
{
    QFETCH(QString, text);
    QFETCH(int, syllables);
    QFETCH(int, duration);
    const TalkSchedule schedule(text, 200);
    QCOMPARE(schedule.syllables(), syllables);
    QCOMPARE(schedule.duration(), qint64(duration));
    QVERIFY(!schedule.mouthDrawnAt(schedule.duration()));
}

void TestTalkSchedule::nextChange()
{
    const TalkSchedule schedule(QStringLiteral("Hi, there"), 200);
    const struct
    {
        qint64 after;
        qint64 next;
    } steps[] = {{-5, 0}, {0, 100}, {50, 100}, {100, 600}, {600, 700}, {700, -1}, {5000, -1}};
    for (const auto &step : steps)
        QCOMPARE(schedule.nextChangeAfter(step.after), step.next);
    // An odd syllable time still closes the mouth within the syllable.
    const TalkSchedule odd(QStringLiteral("a a"), 3);
    QVERIFY(odd.mouthDrawnAt(0));
    QVERIFY(!odd.mouthDrawnAt(1));
    QVERIFY(odd.mouthDrawnAt(3));
    QCOMPARE(TalkSchedule(QStringLiteral("a"), 0).syllableMs(), 2);
}

QTEST_GUILESS_MAIN(TestTalkSchedule)
#include "tst_talk_schedule.moc"
