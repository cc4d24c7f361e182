// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckFindings.h"
#include "Picture.h"
#include "ProgramFolderFixture.h"
#include "SceneCheck.h"
#include "SceneEditor.h"
#include "TestFiles.h"

#include <QDataStream>
#include <QDir>
#include <QImageWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

// What --check reports for a scene file: a fixture per finding. The program
// folder's Images holds "bg.jpg", "m.jpg" and the unreadable "broken.jpg".
class TestSceneCheck : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void check_data();
    void check();
    void unreadableFile();
    void shippedDefaultScene();

private:
    QTemporaryDir m_dir;
};

namespace {

using CheckFindings::shown;

// The lines of a file, each ended by CR LF, then the empty last line.
QByteArray file(std::initializer_list<const char *> lines)
{
    QByteArray bytes;
    for (const char *line : lines)
        bytes += QByteArray(line) + "\r\n";
    return bytes + "\r\n";
}

const char *const Start[] = {"BG=bg.jpg;", "ZM=m.jpg;", "ZMh=90;", "ZMw=120;", "ZMx=120;", "ZMy=90;"};

// The start-up scene, then more lines.
QByteArray startUpAnd(std::initializer_list<const char *> more)
{
    QByteArray bytes;
    for (const char *line : Start)
        bytes += QByteArray(line) + "\r\n";
    for (const char *line : more)
        bytes += QByteArray(line) + "\r\n";
    return bytes + "\r\n";
}

} // namespace

void TestSceneCheck::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Images/faces")));
    for (const char *name : {"bg.jpg", "m.jpg", "faces/u.jpg"})
        TestFiles::writePicture(m_dir.filePath(QStringLiteral("Images/") + QLatin1String(name)), 4, 4,
                                qRgb(255, 0, 0));
    TestFiles::writeBytes(m_dir.filePath(QStringLiteral("Images/broken.jpg")), "no picture");
    // Pictures whose header reads, so that only decoding tells them: a JPEG cut
    // off in its tables, a BMP of 0 x 0 pixels and a JPEG over the size limit.
    const QString good = m_dir.filePath(QStringLiteral("Images/good.jpg"));
    TestFiles::writePicture(good, 64, 64, qRgb(0, 90, 0));
    TestFiles::writeBytes(m_dir.filePath(QStringLiteral("Images/cut.jpg")),
                          TestFiles::readBytes(good).left(40));
    const auto bmp = [](qint32 width, qint32 height) {
        QByteArray bytes("BM");
        QDataStream out(&bytes, QIODevice::Append);
        out.setByteOrder(QDataStream::LittleEndian);
        out << quint32(54) << quint32(0) << quint32(54); // file header
        out << quint32(40) << width << height << quint16(1) << quint16(24) << quint32(0) << quint32(0)
            << qint32(2835) << qint32(2835) << quint32(0) << quint32(0); // info header
        return bytes;
    };
    TestFiles::writeBytes(m_dir.filePath(QStringLiteral("Images/empty.bmp")), bmp(0, 0));
    // A JPEG whose frame header says 20000 x 20000 pixels.
    QByteArray huge = TestFiles::readBytes(good);
    qsizetype at = 2;
    while (at + 9 < huge.size() && uchar(huge[at + 1]) != 0xC0)
        at += 2 + qFromBigEndian<quint16>(huge.constData() + at + 2);
    QVERIFY(at + 9 < huge.size());
    qToBigEndian<quint16>(20000, huge.data() + at + 5);
    qToBigEndian<quint16>(20000, huge.data() + at + 7);
    TestFiles::writeBytes(m_dir.filePath(QStringLiteral("Images/huge.jpg")), huge);
    // A PNG by its content, a JPEG by its name; and a picture beside Images.
    QImage png(4, 4, QImage::Format_RGB32);
    png.fill(Qt::blue);
    QVERIFY(png.save(m_dir.filePath(QStringLiteral("Images/drawn.jpg")), "PNG"));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Locations")));
    TestFiles::writePicture(m_dir.filePath(QStringLiteral("Locations/Beach.jpg")), 4, 4, qRgb(0, 0, 255));
    // JPEGs that decode: one cut off inside its picture data, a progressive one
    // (several scans) and one with bytes after its end.
    const QImage noise = TestFiles::noise(64, 64);
    const QString baseline = m_dir.filePath(QStringLiteral("Images/baseline.jpg"));
    QVERIFY(noise.save(baseline, "JPEG"));
    const QByteArray whole = TestFiles::readBytes(baseline);
    TestFiles::writeBytes(m_dir.filePath(QStringLiteral("Images/short.jpg")),
                          whole.left(whole.size() * 3 / 4));
    TestFiles::writeBytes(m_dir.filePath(QStringLiteral("Images/tail.jpg")), whole + "\xff\xd8 more");
    QImageWriter writer(m_dir.filePath(QStringLiteral("Images/progressive.jpg")), "jpeg");
    writer.setProgressiveScanWrite(true);
    QVERIFY(writer.write(noise));
    QVERIFY(!PictureLoader::load(m_dir.filePath(QStringLiteral("Images/short.jpg"))).picture.image.isNull());
}

void TestSceneCheck::check_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("findings");

    QTest::newRow("start-up scene") << startUpAnd({}) << QStringList();
    QTest::newRow("every part on, a picture in a subfolder named the Windows way")
        << startUpAnd({"ZumiBlinkOn;", "ZB=m.jpg;",    "ZBh=10;",          "ZBw=10;",   "ZBx=0;",
                       "ZBy=0;",       "UserMouthOn;", "UM=faces\\u.jpg;", "UMh=10;",   "UMw=10;",
                       "UMx=690;",     "UMy=490;",     "UserBlinkOn;",     "UB=m.jpg;", "UBh=1.5;",
                       "UBw=2.5;",     "UBx=3;",       "UBy=4;",           "MiscOn;",   "MP=m.jpg;",
                       "MPh=40;",      "MPw=200;",     "MPx=600;",         "MPy=480;",  "MR=990;",
                       "MF=8;",        "MD=3;",        "MS=100;"})
        << QStringList();

    // A damaged file: the first hundred alike findings, then their count.
    QByteArray damaged = startUpAnd({});
    QStringList listed;
    for (int i = 0; i < 250; ++i) {
        damaged += "BG=m.jpg;\r\n";
        if (i < FileCheck::MostOfAKind)
            listed << QStringLiteral(
                          "%1: \"BG=\" is read from line 1, not from this entry, and saving drops this "
                          "one")
                          .arg(i + 8);
    }
    listed << QStringLiteral(
        "108: 150 more lines from this one on have the finding of line 107, which is not "
        "listed again");
    QTest::newRow("a damaged file of many alike lines") << damaged << listed;

    // Characters
    QTest::newRow("undefined byte")
        << startUpAnd({"NI=\x8D.jpg;"})
        << QStringList{QStringLiteral("7: the byte 8D is no character of Windows-1252"),
                       QStringLiteral("7: the picture \"\u008D.jpg\" is missing from Images")};
    QTest::newRow("UTF-8")
        << file({"BG=caf\xC3\xA9.jpg;", "ZM=m.jpg;", "ZMh=1;", "ZMw=1;", "ZMx=1;", "ZMy=1;"})
        << QStringList{QStringLiteral("1: the file is UTF-8 text: read as Windows-1252, \"\u00E9\" "
                                      "becomes \"\u00C3\u00A9\""),
                       QStringLiteral("1: the picture \"caf\u00C3\u00A9.jpg\" is missing from Images")};

    // Lines and values
    QTest::newRow("a line that is no entry")
        << startUpAnd({"; made by hand"})
        << QStringList{QStringLiteral("7: \"; made by hand\" is no entry, and saving drops it")};
    QTest::newRow("text after the \";\"")
        << file({"BG=bg.jpg;", "ZM=m.jpg;", "ZMh=90;", "ZMw=120;", "ZMx=120;", "ZMy=90;", "MiscOn;",
                 "MP=m.jpg;", "MPh=4;", "MPw=4;", "MPx=0;", "MPy=0;", "MR=990;", "MF=7;8;", "MD=3;",
                 "MS=100;"})
        << QStringList{QStringLiteral(
               "14: the value of \"MF=\" ends at the first \";\", so \"8;\" after it is not read")};
    QTest::newRow("no \";\" on the line: the value runs on")
        << file({"BG=bg.jpg", "ZM=m.jpg;", "ZMh=90;", "ZMw=120;", "ZMx=120;", "ZMy=90;"})
        << QStringList{QStringLiteral("1: no \";\" ends the value of \"BG=\" on its line"),
                       QStringLiteral("1: the picture \"bg.jpg\\r\\nZM=m.jpg\" is missing from Images")};
    QTest::newRow("last entry without \";\"")
        << QByteArray("BG=bg.jpg;\r\nZM=m.jpg;\r\nZMh=90;\r\nZMw=120;\r\nZMx=120;\r\nZMy=90")
        << QStringList{QStringLiteral("6: no \";\" ends the value of \"ZMy=\" on its line")};
    QTest::newRow("a second entry of a key")
        << startUpAnd({"BG=m.jpg;"})
        << QStringList{QStringLiteral(
               "7: \"BG=\" is read from line 1, not from this entry, and saving drops this one")};
    QTest::newRow("a key inside another value")
        << file({"BG=MR=.jpg;", "ZM=m.jpg;", "ZMh=90;", "ZMw=120;", "ZMx=120;", "ZMy=90;", "MiscOn;",
                 "MP=m.jpg;", "MPh=4;", "MPw=4;", "MPx=0;", "MPy=0;", "MR=990;", "MF=8;", "MD=3;", "MS=100;"})
        << QStringList{
               QStringLiteral("1: the picture \"MR=.jpg\" is missing from Images"),
               QStringLiteral("1: \"MR=\" holds \".jpg\", which is no whole number"),
               QStringLiteral(
                   "13: \"MR=\" is read from line 1, not from this entry, and saving drops this one")};

    // What is missing or not read
    QTest::newRow("no background, no mouth")
        << file({"ZumiBlinkOn;"})
        << QStringList{
               QStringLiteral("0: there is no \"BG=\" entry, so Frameloft keeps the background it shows"),
               QStringLiteral("0: there is no \"ZM=\" entry, so Frameloft keeps the Zumi mouth it shows"),
               QStringLiteral("1: \"ZumiBlinkOn\" stands without \"ZB=\", so the Zumi blink stays off")};
    QTest::newRow("a part without its flag")
        << startUpAnd({"UM=m.jpg;", "UMh=1;", "UMw=1;", "UMx=1;", "UMy=1;"})
        << QStringList{QStringLiteral("7: \"UM=\" has no \"UserMouthOn\" entry, which saving adds")};
    QTest::newRow("numbers without their part")
        << startUpAnd({"UBx=5;", "MR=990;"})
        << QStringList{QStringLiteral("7: \"UBx=\" is not read without \"UB=\", and saving drops it"),
                       QStringLiteral("8: \"MR=\" is not read without \"MP=\", and saving drops it")};
    QTest::newRow("numbers missing or no numbers")
        << file({"BG=bg.jpg;", "ZM=m.jpg;", "ZMh=ninety;", "ZMw=;", "ZMx=1 000;"})
        << QStringList{QStringLiteral("2: \"ZMy=\" is missing, so it reads as 0"),
                       QStringLiteral("3: \"ZMh=\" holds \"ninety\", which is no number and reads as 0"),
                       QStringLiteral("4: \"ZMw=\" holds \"\", which is no number and reads as 0"),
                       QStringLiteral("5: \"ZMx=\" holds \"1 000\", which is no number and reads as 0")};
    QTest::newRow("animation texts missing or not whole numbers")
        << startUpAnd(
               {"MiscOn;", "MP=m.jpg;", "MPh=4;", "MPw=4;", "MPx=0;", "MPy=0;", "MR=;", "MF=eight;", "MD=3;"})
        << QStringList{
               QStringLiteral("8: \"MS=\" is missing: its box stays empty, and saving writes its default"),
               QStringLiteral("13: \"MR=\" holds \"\", which is no whole number"),
               QStringLiteral("14: \"MF=\" holds \"eight\", which is no whole number")};

    // Pictures
    QTest::newRow("pictures missing, unreadable, unnamed")
        << file({"BG=;", "ZM=broken.jpg;", "ZMh=1;", "ZMw=1;", "ZMx=1;", "ZMy=1;", "NI=gone.jpg;"})
        << QStringList{
               QStringLiteral("1: \"BG=\" names no picture"),
               QStringLiteral(
                   "2: the picture \"broken.jpg\" in Images cannot be loaded: Unsupported image format"),
               QStringLiteral("7: the picture \"gone.jpg\" is missing from Images")};

    QTest::newRow("pictures whose header reads but which do not decode")
        << file({"BG=cut.jpg;", "ZM=empty.bmp;", "ZMh=1;", "ZMw=1;", "ZMx=1;", "ZMy=1;", "NI=huge.jpg;"})
        << QStringList{QStringLiteral("~1: the picture \"cut.jpg\" in Images cannot be loaded: .+"),
                       QStringLiteral("~2: the picture \"empty.bmp\" in Images cannot be loaded: .+"),
                       QStringLiteral("7: the picture \"huge.jpg\" in Images cannot be loaded: at 20000 "
                                      "\u00d7 20000 pixels it is too large (it would take 1526 MB; at most "
                                      "1024 MB)")};
    QTest::newRow("pictures that load, but not everywhere")
        << file({"BG=../Locations/Beach.jpg;", "ZM=drawn.jpg;", "ZMh=1;", "ZMw=1;", "ZMx=1;", "ZMy=1;",
                 "NI=faces\\..\\bg.jpg;"})
        << QStringList{
               QStringLiteral("1: warning: the picture \"../Locations/Beach.jpg\" lies outside Images: "
                              "the scene works only beside that folder"),
               QStringLiteral("~2: warning: \".+drawn\\.jpg\" holds a PNG picture, not the JPEG picture "
                              "its name says")};

    QTest::newRow("pictures cut short, or whole with more after their end")
        << file({"BG=short.jpg;", "ZM=progressive.jpg;", "ZMh=1;", "ZMw=1;", "ZMx=1;", "ZMy=1;",
                 "NI=tail.jpg;"})
        << QStringList{QStringLiteral("~1: warning: \".+short\\.jpg\" is cut short: the file ends inside its "
                                      "picture data, so the rest of the picture is missing")};

    // Numbers
    QTest::newRow("numbers that are saved otherwise")
        << file({"BG=bg.jpg;", "ZM=m.jpg;", "ZMh=90.50;", "ZMw=1,000;", "ZMx=10,5;", "ZMy=0.123456789;"})
        << QStringList{QStringLiteral("3: \"ZMh=\" holds \"90.50\", which is read and saved as \"90.5\""),
                       QStringLiteral("4: \"ZMw=\" holds \"1,000\", which is read and saved as \"1\""),
                       QStringLiteral("5: \"ZMx=\" holds \"10,5\", which is read and saved as \"10.5\""),
                       QStringLiteral("6: \"ZMy=\" holds \"0.123456789\", which is read and saved as "
                                      "\"0.1234568\"")};

    // Places
    QTest::newRow("parts past the edges")
        << file({"BG=bg.jpg;",   "ZM=m.jpg;", "ZMh=90;", "ZMw=120;", "ZMx=-1;",  "ZMy=411;",
                 "UserMouthOn;", "UM=m.jpg;", "UMh=10;", "UMw=10;",  "UMx=691;", "UMy=0;",
                 "MiscOn;",      "MP=m.jpg;", "MPh=40;", "MPw=200;", "MPx=-5;",  "MPy=-5;",
                 "MR=990;",      "MF=8;",     "MD=3;",   "MS=100;"})
        << QStringList{
               QStringLiteral("2: the Zumi mouth reaches past the canvas's left and bottom edges"),
               QStringLiteral("8: the user mouth reaches past the canvas's right edge"),
               QStringLiteral("14: the miscellaneous part reaches past the canvas's left and top edges")};
    QTest::newRow("parts wholly outside")
        << file({"BG=bg.jpg;", "ZM=m.jpg;", "ZMh=90;", "ZMw=120;", "ZMx=700;", "ZMy=0;", "MiscOn;",
                 "MP=m.jpg;", "MPh=40;", "MPw=200;", "MPx=0;", "MPy=500;", "MR=990;", "MF=8;", "MD=3;",
                 "MS=100;"})
        << QStringList{QStringLiteral("2: the Zumi mouth lies wholly outside the 700 x 500 canvas"),
                       QStringLiteral("8: the miscellaneous part lies wholly outside the 700 x 500 canvas")};
}

void TestSceneCheck::check()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, findings);
    const QString actual = shown(SceneCheck::check(bytes, m_dir.path() + QLatin1Char('/')));
    // Findings that quote the toolkit's own reason or a temporary path are
    // given as patterns, marked by a leading "~".
    const QStringList lines = actual.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList expected;
    for (qsizetype i = 0; i < findings.size(); ++i) {
        const QString &finding = findings[i];
        const bool pattern = finding.startsWith(QLatin1Char('~'));
        const bool matches = pattern && i < lines.size() &&
                             QRegularExpression(QRegularExpression::anchoredPattern(finding.mid(1)))
                                 .match(lines[i])
                                 .hasMatch();
        expected << (matches ? lines[i] : pattern ? finding.mid(1) : finding);
    }
    QCOMPARE(actual, shown(expected));
}

void TestSceneCheck::unreadableFile()
{
    const FileCheck::Result result =
        SceneCheck::checkFile(m_dir.filePath(QStringLiteral("none.scn")), m_dir.path() + QLatin1Char('/'));
    QVERIFY(!result.ok());
    QVERIFY2(result.error.contains(QStringLiteral("none.scn")), qPrintable(result.error));
}

// The scene the composer starts with, from the shipped pictures, lies on the
// canvas and passes its own check.
void TestSceneCheck::shippedDefaultScene()
{
    const QString assets = ProgramFolderFixture::assetsFolder();
    SceneEditor editor(SceneEditor::Environment{[assets] { return assets; }, &PictureLoader::load});
    QCOMPARE(editor.startUp(), QStringList());
    const QByteArray bytes = editor.buildSceneText().toLatin1() + "\r\n";
    QCOMPARE(shown(SceneCheck::check(bytes, assets)), QString());
}

QTEST_GUILESS_MAIN(TestSceneCheck)
#include "tst_scene_check.moc"
