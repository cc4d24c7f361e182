// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckFindings.h"
#include "Cp1252.h"
#include "PersonalityCheck.h"
#include "PersonalityFile.h"
#include "SubstitutionTable.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

// What --check reports for a personality's files: a fixture per finding, in
// the stored (substituted) form unless a row says otherwise.
class TestPersonalityCheck : public QObject
{
    Q_OBJECT
private slots:
    void qandA_data();
    void qandA();
    void memory_data();
    void memory();
    void shippedSampleIsClean();
    void memoryFileNeedsItsQandAFile();
    void unreadableFile();
};

namespace {

using SubstitutionTable::LineBreakStep;

using CheckFindings::shown;

// The bytes Save Personality writes for the text (characters below 256 only).
QByteArray stored(const QString &text, LineBreakStep step)
{
    return SubstitutionTable::encode(text, step).toLatin1() + "\r\n";
}

QByteArray storedMemory(const QString &memory, const QString &matchWords, const QString &wontSay)
{
    return stored(PersonalityFile::memoryContent(memory, matchWords, wontSay), LineBreakStep::Fold);
}

const QString kLoneCr = QStringLiteral("the line ends in a CR without LF, which comes back as CR LF");
const QString kChanges =
    QStringLiteral("a load and a save would not give this file back as it is: it changes from this line on");

} // namespace

void TestPersonalityCheck::qandA_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("findings");

    const auto qas = [](const char *text) { return stored(QString::fromLatin1(text), LineBreakStep::None); };
    QTest::newRow("entries as the editor writes them")
        << qas("\r\n#What is your name?&Juniper.%\r\n#Are you happy?&Yes.%") << QStringList();
    QTest::newRow("free text is no entry") << qas("Notes\r\nmore notes & 100%") << QStringList();
    QTest::newRow("no answer: the view was switched before it")
        << qas("\r\n#Do you like tea?&\r\n#Who are you?&Juniper.%")
        << QStringList{QStringLiteral("2: the question \"Do you like tea?\" has no answer")};
    QTest::newRow("no answer: no \"&\"")
        << qas("\r\n#Do you like tea?")
        << QStringList{QStringLiteral("2: the question \"Do you like tea?\" has no answer")};
    QTest::newRow("no answer: empty")
        << qas("#Why?&%") << QStringList{QStringLiteral("1: the question \"Why?\" has no answer")};
    QTest::newRow("no closing %") << qas("#Why?&Because.\r\n")
                                  << QStringList{
                                         QStringLiteral("1: the answer to \"Why?\" has no closing \"%\"")};
    QTest::newRow("no question") << qas("\r\n\r\n#&Because.%")
                                 << QStringList{QStringLiteral("3: the answer \"Because.\" has no question")};
    QTest::newRow("long question shortened")
        << qas("#Which of all the colours of the rainbow do you like best?")
        << QStringList{QStringLiteral(
               "1: the question \"Which of all the colours of the rainbow...\" has no answer")};
    QTest::newRow("plain file read the same")
        << QByteArray("#Why?&%\r\n") << QStringList{QStringLiteral("1: the question \"Why?\" has no answer")};
    QTest::newRow("undefined bytes, one finding a line")
        << QByteArray("#Q?&\x81\x8D%\r\n#R?&\x8F\x90\x9D.%\r\n#S?&\x80\xE9%")
        << QStringList{QStringLiteral("1: the byte 81 is no character of Windows-1252"),
                       QStringLiteral("2: the byte 8F is no character of Windows-1252"),
                       QStringLiteral("3: ") + kChanges};
    QTest::newRow("lone CR") << QByteArray("#Q?&A.%\r#R?&B.%\n#S?&C.%\r\n")
                             << QStringList{QStringLiteral("1: ") + kLoneCr};
    QTest::newRow("UTF-8")
        << QByteArray("#Q?&A.%\r\n#Caf\xC3\xA9?&Oui.%")
        << QStringList{
               QStringLiteral(
                   "2: the file is UTF-8 text: read as Windows-1252, \"\u00E9\" becomes \"\u00C3\u00A9\""),
               QStringLiteral("2: ") + kChanges};
    // Load and save must give the file back, in either writer's form.
    QTest::newRow("plain, as Save Q/A As... writes it")
        << QByteArray("\r\n#Why?&Because.%\r\n") << QStringList();
    QTest::newRow("a table byte in a plain file comes back as its letter")
        << QByteArray("\r\n#Why?&Becau\x12"
                      "e.%\r\n")
        << QStringList{QStringLiteral("2: ") + kChanges};
    QTest::newRow("no final CR LF") << qas("#Why?&Because.%").chopped(2)
                                    << QStringList{QStringLiteral("1: ") + kChanges};
}

void TestPersonalityCheck::qandA()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, findings);
    QCOMPARE(shown(PersonalityCheck::checkQandA(bytes)), shown(findings));
}

void TestPersonalityCheck::memory_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("findings");

    const QString crlf = QStringLiteral("\r\n");
    QTest::newRow("as Save Personality writes it")
        << storedMemory(QStringLiteral("I like cats.\r\n\r\n"), QStringLiteral("cats\r\n"),
                        QStringLiteral("no\r\n"))
        << QStringList();
    QTest::newRow("lone CR in the memory text")
        << storedMemory(QStringLiteral("I like cats.\r\nI like\rdogs.\r\n"), QString(), QString())
        << QStringList{QStringLiteral("2: ") + kLoneCr};
    // The sections never pass through the text area.
    QTest::newRow("lone CR in a section is carried")
        << storedMemory(QStringLiteral("I like cats.\r\n"), QStringLiteral("cats\rdogs\r\n"), QString())
        << QStringList();
    // The lines count the file's decoded text, sections included.
    QTest::newRow("lone CR after a section")
        << stored(QStringLiteral("* MatchWords:\r\ncats\r\n\r\nI like\rdogs."), LineBreakStep::Fold)
        << QStringList{QStringLiteral("1: ") + kChanges, QStringLiteral("4: ") + kLoneCr};
    // A second marker stays in the memory text; a save puts the real section
    // after it, and the next load takes this one.
    QTest::newRow("a marker left in the memory text")
        << QByteArray("I like cats.\r\n\r\n* WontSay:\r\nrude\r\n\r\nMore.\r\n* WontSay:\r\nold\r\n")
        << QStringList{
               QStringLiteral("7: the memory text holds \"* WontSay:\": after a save, the next load takes "
                              "it for the start of that section")};
    // A file that ends in a marker without a line end: the save puts one there.
    QTest::newRow("a marker at the end of the memory text")
        << QByteArray("* WontSay:\r\nrude\r\n\r\nNotes\r\n* MatchWords:")
        << QStringList{
               QStringLiteral("5: the memory text holds \"* MatchWords:\": after a save, the next load "
                              "takes it for the start of that section")};
    QTest::newRow("a marker not followed by a line end is text")
        << storedMemory(QStringLiteral("* MatchWords: none\r\n"), QString(), QString()) << QStringList();
    QTest::newRow("undefined byte in a section")
        << QByteArray("I like cats.\r\n\r\n* WontSay:\r\n\x9D\r\n")
        << QStringList{QStringLiteral("3: ") + kChanges,
                       QStringLiteral("4: the byte 9D is no character of Windows-1252")};
    QTest::newRow("UTF-8, plain file")
        << QByteArray("I like caf\xC3\xA9s.\r\n")
        << QStringList{
               QStringLiteral(
                   "1: the file is UTF-8 text: read as Windows-1252, \"\u00E9\" becomes \"\u00C3\u00A9\""),
               QStringLiteral("2: ") + kChanges};
    QTest::newRow("plain, as Save Personality As... writes it")
        << (PersonalityFile::memoryContent(QStringLiteral("I like cats.\r\n"),
                                           QStringLiteral("cats\r\n\r\ndogs"), QString()) +
            QStringLiteral("\r\n"))
               .toLatin1()
        << QStringList();
    // In a plain file the line-break character reads as a line break.
    QTest::newRow("line-break character in a plain file")
        << (PersonalityFile::memoryContent(QStringLiteral("I like\r\nSection \u00b6 3"), QString(),
                                           QString()) +
            QStringLiteral("\r\n"))
               .toLatin1()
        << QStringList{QStringLiteral("2: ") + kChanges};
}

void TestPersonalityCheck::memory()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, findings);
    QCOMPARE(shown(PersonalityCheck::checkMemory(bytes)), shown(findings));
}

void TestPersonalityCheck::shippedSampleIsClean()
{
    const QString sample = QStringLiteral(MINDLOOM_ASSETS_DIR "/Juniper");
    for (const QString &extension : {QStringLiteral(".mem"), QStringLiteral(".qas")}) {
        const FileCheck::Result result = extension == QStringLiteral(".mem")
                                             ? PersonalityCheck::checkMemoryFile(sample + extension)
                                             : PersonalityCheck::checkQandAFile(sample + extension);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(shown(result.findings), shown(QStringList()));
    }
}

void TestPersonalityCheck::memoryFileNeedsItsQandAFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString memory =
        TestFiles::writeBytes(dir.filePath(QStringLiteral("Kit.mem")), "I like\rcats.\r\n");
    FileCheck::Result result = PersonalityCheck::checkMemoryFile(memory);
    QVERIFY(result.ok());
    QCOMPARE(shown(result.findings),
             shown(QStringList{
                 QStringLiteral("0: the question/answer file \"Kit.qas\" is missing, so the personality "
                                "does not load"),
                 QStringLiteral("1: ") + kLoneCr, QStringLiteral("3: ") + kChanges}));

    TestFiles::writeBytes(dir.filePath(QStringLiteral("Kit.qas")), "\r\n");
    result = PersonalityCheck::checkMemoryFile(memory);
    QCOMPARE(shown(result.findings),
             shown(QStringList{QStringLiteral("1: ") + kLoneCr, QStringLiteral("3: ") + kChanges}));
}

void TestPersonalityCheck::unreadableFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("Gone.qas"));
    const FileCheck::Result result = PersonalityCheck::checkQandAFile(missing);
    QVERIFY(!result.ok());
    QVERIFY2(
        result.error.startsWith(QStringLiteral("Cannot open \"%1\"").arg(QDir::toNativeSeparators(missing))),
        qPrintable(result.error));
    QVERIFY(result.findings.isEmpty());
}

QTEST_GUILESS_MAIN(TestPersonalityCheck)
#include "tst_personality_check.moc"
