// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckFindings.h"
#include "KnowledgeCheck.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

// What --check reports for a knowledge base: a fixture per finding.
class TestKnowledgeCheck : public QObject
{
    Q_OBJECT
private slots:
    void check_data();
    void check();
    void shippedSampleIsClean();
    void unreadableFile();
};

using CheckFindings::shown;

void TestKnowledgeCheck::check_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("findings");

    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("facts as the editor writes them")
        << QByteArray("The Sun is a star.\r\n\r\n\r\n") << QStringList();
    const QString noFinalCrLf = QStringLiteral("the file does not end in CR LF: a save adds one");
    const QString lf =
        QStringLiteral("the line ends in an LF without CR: the companion reads lines ended by CR LF");
    QTest::newRow("LF line ends") << QByteArray("One.\r\n\nTwo.\n\r\n")
                                  << QStringList{QStringLiteral("2: ") + lf};
    QTest::newRow("NUL byte")
        << QByteArray("One.\r\nT\0wo.\r\n", 13)
        << QStringList{
               QStringLiteral("2: the line holds a NUL byte, where many programs take the text to end")};
    QTest::newRow("no final CR LF") << QByteArray("One.\r\n\r\nTwo.")
                                    << QStringList{QStringLiteral("3: ") + noFinalCrLf};
    QTest::newRow("every defined byte above 127")
        << QByteArray("\x80\x82\x8A\x8E\x91\x9C\x9F\xA0\xE9\xFF\r\n") << QStringList();
    QTest::newRow("lone CRs")
        << QByteArray("One.\rTwo.\r\n\r\nThree.\r")
        << QStringList{QStringLiteral("1: the line ends in a CR without LF, which comes back as CR LF"),
                       QStringLiteral("4: the line ends in a CR without LF, which comes back as CR LF"),
                       QStringLiteral("4: ") + noFinalCrLf};
    QTest::newRow("each undefined byte")
        << QByteArray("\x81\r\n\x8D\r\n\x8F\r\n\x90\r\n\x9D\r\n")
        << QStringList{QStringLiteral("1: the byte 81 is no character of Windows-1252"),
                       QStringLiteral("2: the byte 8D is no character of Windows-1252"),
                       QStringLiteral("3: the byte 8F is no character of Windows-1252"),
                       QStringLiteral("4: the byte 90 is no character of Windows-1252"),
                       QStringLiteral("5: the byte 9D is no character of Windows-1252")};
    QTest::newRow("UTF-8 from the second line")
        << QByteArray("Plain.\r\nThe \xE2\x82\xAC is money.\r\n")
        << QStringList{QStringLiteral(
               "2: the file is UTF-8 text: read as Windows-1252, \"\u20AC\" becomes \"\u00E2\u201A\u00AC\"")};
    // One byte that is no UTF-8 makes it a code-page file.
    QTest::newRow("code page that looks like UTF-8 in places")
        << QByteArray("\xC3\xA9 and \xE9\r\n") << QStringList();
}

void TestKnowledgeCheck::check()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, findings);
    QCOMPARE(shown(KnowledgeCheck::check(bytes)), shown(findings));
}

void TestKnowledgeCheck::shippedSampleIsClean()
{
    const FileCheck::Result result =
        KnowledgeCheck::checkFile(QStringLiteral(MINDLOOM_ASSETS_DIR "/Astronomy.kba"));
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(shown(result.findings), shown(QStringList()));
}

void TestKnowledgeCheck::unreadableFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const FileCheck::Result result = KnowledgeCheck::checkFile(dir.filePath(QStringLiteral("none.kba")));
    QVERIFY(!result.ok());
    QVERIFY2(result.error.contains(QStringLiteral("none.kba")), qPrintable(result.error));
}

QTEST_GUILESS_MAIN(TestKnowledgeCheck)
#include "tst_knowledge_check.moc"
