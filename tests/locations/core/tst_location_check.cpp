// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckFindings.h"
#include "LocationCheck.h"
#include "TestFiles.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// What --check reports for "Options.Cfg": a fixture per finding. The program
// folder's Locations holds "a.jpg" to "e.jpg" and the unreadable "broken.jpg".
class TestLocationCheck : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void check_data();
    void check();
    void shippedSettingsAreClean();

private:
    QTemporaryDir m_dir;
};

namespace {

using CheckFindings::shown;

const QByteArray Entries = "Location1=a.jpg,One,\r\nLocation2=b.jpg,Two,\r\nLocation3=c.jpg,Three,\r\n"
                           "Location4=d.jpg,Four,\r\nLocation5=e.jpg,Five,\r\n\r\n";

} // namespace

void TestLocationCheck::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("Locations")));
    for (const char *name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"})
        TestFiles::writePicture(m_dir.filePath(QStringLiteral("Locations/") + QLatin1String(name)), 4, 4,
                                qRgb(0, 255, 0));
    TestFiles::writeBytes(m_dir.filePath(QStringLiteral("Locations/broken.jpg")), "no picture");
    // A JPEG cut off inside its picture data still decodes.
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && TestFiles::noise(64, 64).save(&buffer, "JPEG"));
    TestFiles::writeBytes(m_dir.filePath(QStringLiteral("Locations/short.jpg")),
                          jpeg.left(jpeg.size() * 3 / 4));
}

void TestLocationCheck::check_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("findings");

    QTest::newRow("as the window writes it") << QByteArray("UserName=Friend\r\n") + Entries << QStringList();
    QTest::newRow("any order, any case, within lines")
        << QByteArray(
               "x LOCATION5=e.jpg,Five, location4=d.jpg,Four,\r\nLocation3=c.jpg,Three,Location2=b.jpg,"
               "Two,Location1=a.jpg,One,")
        << QStringList();
    QTest::newRow("a key within a line without its commas")
        << QByteArray("; old: Location2=beach\r\n") + Entries
        << QStringList{QStringLiteral(
               "1: \"Location2=\" stands within a line without two commas after it, so it is no entry")};
    // A key that begins a line is an entry whatever its commas.
    QTest::newRow("an entry whose commas are on the next line")
        << QByteArray("Location2=b.jpg\r\n,Two,\r\n") + Entries
        << QStringList{QStringLiteral("1: the entry of location 2 has no comma: the rest of its line is the "
                                      "picture's name, and saving adds both commas"),
                       QStringLiteral("4: a second entry of location 2: only the one on line 1 is read, and "
                                      "saving drops this one")};
    QTest::newRow("an entry without its last comma")
        << QByteArray("Location1=a.jpg,One,\r\nLocation2=b.jpg,Two\r\nLocation3=c.jpg,Three,\r\n"
                      "Location4=d.jpg,Four,\r\nLocation5=e.jpg,Five,\r\n")
        << QStringList{
               QStringLiteral("2: the entry of location 2 has no comma after its text, which saving adds")};
    QTest::newRow("a second entry") << Entries + "location3=x.jpg,Other,\r\n"
                                    << QStringList{
                                           QStringLiteral("7: a second entry of location 3: only the one on "
                                                          "line 3 is read, and saving drops this one")};
    // The values of an entry are text, whatever they hold.
    QTest::newRow("a key inside a value")
        << QByteArray(
               "Location1=a.jpg,See Location2=x.jpg,\r\nLocation2=b.jpg,Two,\r\nLocation3=c.jpg,Three,\r\n"
               "Location4=d.jpg,Four,\r\nLocation5=e.jpg,Five,\r\n")
        << QStringList();
    QTest::newRow("locations without entries")
        << QByteArray("Location1=a.jpg,One,\r\nLocation5=e.jpg,Five,\r\n")
        << QStringList{QStringLiteral("0: there is no entry of location 2 (\"Location2=\"), so it is empty"),
                       QStringLiteral("0: there is no entry of location 3 (\"Location3=\"), so it is empty"),
                       QStringLiteral("0: there is no entry of location 4 (\"Location4=\"), so it is empty")};
    QTest::newRow("pictures unnamed, missing, unreadable")
        << QByteArray("Location1=,One,\r\nLocation2=gone.jpg,Two,\r\nLocation3=broken.jpg,Three,\r\n"
                      "Location4=d.jpg,Four,\r\nLocation5=e.jpg,Five,\r\n")
        << QStringList{
               QStringLiteral("1: location 1 names no picture"),
               QStringLiteral("2: the picture \"gone.jpg\" of location 2 is missing from Locations"),
               QStringLiteral("3: the picture \"broken.jpg\" of location 3 in Locations cannot be read")};
    QTest::newRow("a picture cut short")
        << QByteArray("Location1=a.jpg,One,\r\nLocation2=short.jpg,Two,\r\nLocation3=c.jpg,Three,\r\n"
                      "Location4=d.jpg,Four,\r\nLocation5=e.jpg,Five,\r\n")
        << QStringList{
               QStringLiteral("2: warning: \"%1\" is cut short: the file ends inside its picture data, "
                              "so the rest of the picture is missing")
                   .arg(QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("Locations/short.jpg"))))};
    // A name is quoted as it is, whatever placeholders of the message it holds.
    QTest::newRow("a missing picture's name holds a placeholder")
        << QByteArray("Location1=a.jpg,One,\r\nLocation2=50%2off.jpg,Two,\r\nLocation3=c.jpg,Three,\r\n"
                      "Location4=d.jpg,Four,\r\nLocation5=e.jpg,Five,\r\n")
        << QStringList{
               QStringLiteral("2: the picture \"50%2off.jpg\" of location 2 is missing from Locations")};
    QTest::newRow("undefined byte") << QByteArray("Name=\x90\r\n") + Entries
                                    << QStringList{
                                           QStringLiteral("1: the byte 90 is no character of Windows-1252")};
}

void TestLocationCheck::check()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, findings);
    QCOMPARE(shown(LocationCheck::check(bytes, m_dir.path() + QLatin1Char('/'))), shown(findings));
}

void TestLocationCheck::shippedSettingsAreClean()
{
    const QString assets = QStringLiteral(MINDLOOM_ASSETS_DIR "/");
    const FileCheck::Result result = LocationCheck::checkFile(assets + QStringLiteral("Options.Cfg"), assets);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(shown(result.findings), QString());
}

QTEST_GUILESS_MAIN(TestLocationCheck)
#include "tst_location_check.moc"
