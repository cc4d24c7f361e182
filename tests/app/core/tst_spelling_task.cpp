// SPDX-License-Identifier: GPL-3.0-or-later
#include "KitTasks.h"
#include "PersonalityFile.h"
#include "SpellChecker.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

// Mindloom --check FILE --spelling, run in the test's process with the
// spelling tests' own dictionary.
class TestSpellingTask : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void findings_data();
    void findings();
    void personalWordsCount();
    void noDictionaryInstalled();

private:
    SpellingPlaces places(const QString &folder = QStringLiteral(SPELLING_TEST_DATA "/latin")) const;
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

SpellingPlaces TestSpellingTask::places(const QString &folder) const
{
    SpellingPlaces places;
    places.dictionaryFolders = {folder};
    places.personalWordList = path(QStringLiteral("words.txt"));
    return places;
}

void TestSpellingTask::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSpellingTask::findings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // a .mem is written by Save Personality from the memory text
    QTest::addColumn<bool>("spelling");
    QTest::addColumn<QString>("output"); // its spelling lines; "@" is the file
    QTest::addColumn<int>("exitCode");

    QTest::newRow("knowledge base")
        << QStringLiteral("Facts.kba")
        << QByteArray("The wrod.\r\n\r\nHello world,\r\nqqqqxz caf\xe9 cafe\r\n") << true
        << QStringLiteral("@:1: \"wrod\" is not in the dictionary (suggestions: word)\n"
                          "@:4: \"qqqqxz\" is not in the dictionary\n"
                          "@:4: \"cafe\" is not in the dictionary (suggestions: caf\u00e9)\n")
        << 1;
    QTest::newRow("without --spelling, as before")
        << QStringLiteral("Facts.kba") << QByteArray("The wrod.\r\n") << false << QString() << 0;
    QTest::newRow("clean") << QStringLiteral("Facts.kba") << QByteArray("Hello world.\r\n") << true
                           << QString() << 0;
    // The name, the MatchWords and the section markers are no misspellings;
    // lines count the decoded file.
    QTest::newRow("memory") << QStringLiteral("Zumi.mem") << QByteArray("Zumi says blorp.\r\nThe wrod.")
                            << true
                            << QStringLiteral("@:2: \"wrod\" is not in the dictionary (suggestions: word)\n"
                                              "@:9: \"wrod\" is not in the dictionary (suggestions: word)\n")
                            << 1;
    QTest::newRow("questions and answers")
        << QStringLiteral("Zumi.qas") << QByteArray("\r\n#do you like Zumi?&yes, blorp teh%\r\n") << true
        << QStringLiteral("@:2: \"teh\" is not in the dictionary (suggestions: the)\n") << 1;
    QTest::newRow("location texts")
        << QStringLiteral("Options.Cfg")
        << QByteArray("Wrod=1\r\nLocation1=wrod.jpg,the wrod,\r\nLocation2=,a cat,\r\nLocation3=,,\r\n"
                      "Location4=,,\r\nLocation5=,teh,\r\n\r\n")
        << true
        << QStringLiteral("@:2: \"wrod\" is not in the dictionary (suggestions: word)\n"
                          "@:6: \"teh\" is not in the dictionary (suggestions: the)\n")
        << 1;
}

void TestSpellingTask::findings()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, spelling);
    QFETCH(QString, output);
    QFETCH(int, exitCode);

    if (name.endsWith(QLatin1String(".mem")) || name.endsWith(QLatin1String(".qas"))) {
        // A personality as Save Personality writes it, with "blorp" for its MatchWords.
        const QString memory = name.endsWith(QLatin1String(".mem")) ? QString::fromLatin1(bytes) : QString();
        const QString qandA = name.endsWith(QLatin1String(".qas")) ? QString::fromLatin1(bytes) : QString();
        QCOMPARE(PersonalityFile::save(m_dir->path() + QLatin1Char('/'), QStringLiteral("Zumi"), memory,
                                       QStringLiteral("blorp\r\n"), QStringLiteral("wrod\r\n"), qandA),
                 QString());
    } else {
        TestFiles::writeBytes(path(name), bytes);
    }
    SpellChecker checker(places());
    const KitTasks::Result result = KitTasks::check(
        KitProgram::Mindloom, path(name), m_dir->path() + QLatin1Char('/'), spelling ? &checker : nullptr);
    QCOMPARE(result.errors, QString());
    // The file's other findings come as before, in line order with these.
    QString spellingLines;
    for (const QString &line : result.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.contains(QLatin1String("is not in the dictionary")))
            spellingLines += line + QLatin1Char('\n');
    }
    QCOMPARE(spellingLines, QString(output).replace(QLatin1Char('@'), path(name)));
    if (name != QLatin1String("Options.Cfg"))
        QCOMPARE(result.output, spellingLines);
    QCOMPARE(result.exitCode, exitCode);
}

void TestSpellingTask::personalWordsCount()
{
    TestFiles::writeBytes(path(QStringLiteral("words.txt")), "wrod\r\n");
    TestFiles::writeBytes(path(QStringLiteral("Facts.kba")), "The wrod, teh\r\n");
    SpellChecker checker(places());
    const KitTasks::Result result =
        KitTasks::check(KitProgram::Mindloom, path(QStringLiteral("Facts.kba")), m_dir->path(), &checker);
    QCOMPARE(result.output, path(QStringLiteral("Facts.kba")) +
                                QStringLiteral(":1: \"teh\" is not in the dictionary (suggestions: the)\n"));
}

void TestSpellingTask::noDictionaryInstalled()
{
    QTemporaryDir empty;
    TestFiles::writeBytes(path(QStringLiteral("Facts.kba")), "The wrod.\r\n");
    SpellChecker checker(places(empty.path()));
    const KitTasks::Result result =
        KitTasks::check(KitProgram::Mindloom, path(QStringLiteral("Facts.kba")), m_dir->path(), &checker);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.output, QString());
    QCOMPARE(result.errors,
             QStringLiteral("Mindloom: The spelling is not checked. No dictionary is installed "
                            "(looked in %1).\n")
                 .arg(QDir::toNativeSeparators(empty.path())));
}

QTEST_GUILESS_MAIN(TestSpellingTask)
#include "tst_spelling_task.moc"
