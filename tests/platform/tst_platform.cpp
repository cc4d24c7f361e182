#include "Cp1252.h"
#include "FileDialog.h"
#include "Picture.h"
#include "PictureFolder.h"
#include "ProgramFolder.h"
#include "TestFiles.h"
#include "TextFile.h"
#include "Wildcard.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>

using namespace TestFiles;

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void trailingSeparator_data();
    void trailingSeparator();
    void fileNameWithoutFolder_data();
    void fileNameWithoutFolder();
    void wildcard_data();
    void wildcard();
    void codecRoundTripsEveryByte();
    void codecNamesUnstorableCharacter();
    void readWholeFile();
    void readMissingFileNamesIt();
    void writeAppendsCrLf();
    void failedWriteLeavesOldFile_data();
    void failedWriteLeavesOldFile();
    void qtFilter_data();
    void qtFilter();
    void himetric_data();
    void himetric();
    void pictureIgnoresRecordedResolution_data();
    void pictureIgnoresRecordedResolution();
    void pictureFailures();
    void pictureFolderCopy_data();
    void pictureFolderCopy();
    void pictureFolderHolds();
};

void TestPlatform::trailingSeparator_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    const QString s = ProgramFolder::separator();
    QTest::newRow("plain folder") << s + QStringLiteral("opt") + s + QStringLiteral("kit")
                                  << s + QStringLiteral("opt") + s + QStringLiteral("kit") + s;
    QTest::newRow("filesystem root") << s << s;
    QTest::newRow("already ends in one") << QStringLiteral("a") + s << QStringLiteral("a") + s;
    QTest::newRow("empty stays empty") << QString() << QString();
    QTest::newRow("space at the end") << QStringLiteral("my kit ") << QStringLiteral("my kit ") + s;
}

void TestPlatform::trailingSeparator()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(ProgramFolder::withTrailingSeparator(folder), expected);
}

void TestPlatform::fileNameWithoutFolder_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    const QString s = ProgramFolder::separator();
    QTest::newRow("full path") << s + QStringLiteral("tmp") + s + QStringLiteral("a b.kba")
                               << QStringLiteral("a b.kba");
    QTest::newRow("bare name") << QStringLiteral("bg.jpg") << QStringLiteral("bg.jpg");
    QTest::newRow("ends in separator") << QStringLiteral("dir") + s << QString();
    QTest::newRow("no extension") << s + QStringLiteral("x") + s + QStringLiteral("notes")
                                  << QStringLiteral("notes");
}

void TestPlatform::fileNameWithoutFolder()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(ProgramFolder::fileNameWithoutFolder(path), expected);
}

void TestPlatform::wildcard_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("caseInsensitive");
    QTest::addColumn<bool>("expected");
    // clang-format off
    QTest::newRow("star matches empty") << "" << "*" << false << true;
    QTest::newRow("star run") << "notes.memo" << "*.mem*" << false << true;
    QTest::newRow("star needs the dot") << "notesmem" << "*.mem*" << false << false;
    QTest::newRow("question one char") << "ab" << "a?" << false << true;
    QTest::newRow("question not zero chars") << "a" << "a?" << false << false;
    QTest::newRow("hash digit") << "a7" << "a#" << false << true;
    QTest::newRow("hash not letter") << "ax" << "a#" << false << false;
    QTest::newRow("set") << "," << "[.,!]" << false << true;
    QTest::newRow("set miss") << "?" << "[.,!]" << false << false;
    QTest::newRow("range") << "q" << "[a-z]" << false << true;
    QTest::newRow("range case sensitive") << "Q" << "[a-z]" << false << false;
    QTest::newRow("range case insensitive") << "Q" << "[a-z]" << true << true;
    QTest::newRow("negated set first char") << "5am" << "[!0-9]*" << false << false;
    QTest::newRow("negated set letter") << "I" << "[!0-9]*" << false << true;
    QTest::newRow("negated needs a char") << "" << "[!0-9]*" << false << false;
    QTest::newRow("trailing not backslash") << "C:\\kit" << "*[!\\]" << false << true;
    QTest::newRow("root ends in backslash") << "C:\\" << "*[!\\]" << false << false;
    QTest::newRow("literal case sensitive") << "MEM" << "mem" << false << false;
    QTest::newRow("literal case insensitive") << "MEM" << "mem" << true << true;
    QTest::newRow("unclosed bracket literal") << "[a" << "[a" << false << true;
    QTest::newRow("backtracking") << "abcabd" << "*abd" << false << true;
    // clang-format on
}

void TestPlatform::wildcard()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(bool, caseInsensitive);
    QFETCH(bool, expected);
    QCOMPARE(Wildcard::match(text, pattern, caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive),
             expected);
}

void TestPlatform::codecRoundTripsEveryByte()
{
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    const QString text = Cp1252::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(text.at(0x80), QChar(0x20AC)); // euro sign
    QCOMPARE(text.at(0xE9), QChar(0xE9));
    QByteArray back;
    QVERIFY(Cp1252::encode(text, &back));
    QCOMPARE(back, all);
}

void TestPlatform::codecNamesUnstorableCharacter()
{
    const QString text = QStringLiteral("caf\u00e9 \u2192 bar");
    QByteArray out("untouched");
    qsizetype at = -1;
    QVERIFY(!Cp1252::encode(text, &out, &at));
    QCOMPARE(at, qsizetype(5));
    QCOMPARE(out, QByteArray("untouched"));
    QVERIFY(Cp1252::describe(text.at(at)).contains(QStringLiteral("U+2192")));
}

void TestPlatform::readWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    writeBytes(path, QByteArray("a\r\nb\rc\n\0d\xe9", 10));
    const TextFile::ReadResult r = TextFile::read(path);
    QVERIFY(r.ok());
    QCOMPARE(r.text, QString(QStringLiteral("a\r\nb\rc\n") + QChar(0) + QStringLiteral("d\u00e9")));
}

void TestPlatform::readMissingFileNamesIt()
{
    const TextFile::ReadResult r = TextFile::read(QStringLiteral("/nonexistent/missing.txt"));
    QVERIFY(!r.ok());
    QVERIFY(r.error.contains(QStringLiteral("missing.txt")));
}

void TestPlatform::writeAppendsCrLf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.kba"));
    QCOMPARE(TextFile::write(path, QString()), QString());
    QCOMPARE(readBytes(path), QByteArray("\r\n"));
    QCOMPARE(TextFile::write(path, QStringLiteral("\u20ac1")), QString());
    QCOMPARE(readBytes(path), QByteArray("\x80"
                                         "1\r\n"));
}

void TestPlatform::failedWriteLeavesOldFile_data()
{
    QTest::addColumn<QString>("target"); // relative to the temporary folder
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reasonContains");
    QTest::newRow("folder that does not exist") << "missing/x.txt"
                                                << "new"
                                                << "x.txt";
    QTest::newRow("path is a folder") << "sub"
                                      << "new"
                                      << "sub";
    QTest::newRow("unstorable character") << "old.txt"
                                          << "new \u4e2d"
                                          << "U+4E2D";
}

void TestPlatform::failedWriteLeavesOldFile()
{
    QFETCH(QString, target);
    QFETCH(QString, text);
    QFETCH(QString, reasonContains);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    const QString inner = writeBytes(dir.filePath(QStringLiteral("sub/keep.txt")), "kept");
    const QString old = writeBytes(dir.filePath(QStringLiteral("old.txt")), "old\r\n");

    const QString error = TextFile::write(dir.filePath(target), text);
    QVERIFY(!error.isEmpty());
    QVERIFY2(error.contains(reasonContains), qPrintable(error));

    QCOMPARE(readBytes(old), QByteArray("old\r\n"));
    QCOMPARE(readBytes(inner), QByteArray("kept"));
    // No temporary file is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.txt")});
}

void TestPlatform::qtFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one pattern") << "MEM Files (*.mem)|*.mem"
                                 << "MEM Files (*.mem)";
    QTest::newRow("two patterns") << "Images Files (*.bmp;*.jpg)|*.bmp;*.jpg"
                                  << "Images Files (*.bmp *.jpg)";
    QTest::newRow("two entries") << "Text|*.txt|All|*.*"
                                 << "Text (*.txt);;All (*.*)";
    QTest::newRow("parenthesis inside") << "Scenes (old) (*.scn)|*.scn"
                                        << "Scenes (old) (*.scn)";
    QTest::newRow("empty") << ""
                           << "";
}

void TestPlatform::qtFilter()
{
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    QCOMPARE(FileDialog::toQtFilter(filter), expected);
}

void TestPlatform::himetric_data()
{
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("expected");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("1") << 1 << 26;     // 26.458
    QTest::newRow("64") << 64 << 1693; // 1693.33
    QTest::newRow("90") << 90 << 2381; // 2381.25
    QTest::newRow("120") << 120 << 3175;
    QTest::newRow("700") << 700 << 18521; // 18520.8
}

void TestPlatform::himetric()
{
    QFETCH(int, pixels);
    QFETCH(int, expected);
    QCOMPARE(PictureLoader::pixelsToHimetric(pixels), expected);
}

void TestPlatform::pictureIgnoresRecordedResolution_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<int>("dotsPerMeter");
    QTest::newRow("bmp 72 dpi") << QByteArray("bmp") << 2835;
    QTest::newRow("bmp 300 dpi") << QByteArray("bmp") << 11811;
    QTest::newRow("jpeg 72 dpi") << QByteArray("jpg") << 2835;
    QTest::newRow("png 150 dpi") << QByteArray("png") << 5906;
}

void TestPlatform::pictureIgnoresRecordedResolution()
{
    QFETCH(QByteArray, format);
    QFETCH(int, dotsPerMeter);
    QTemporaryDir dir;
    QImage image(120, 90, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    // A misleading extension: the format is taken from the content.
    const QString path = dir.filePath(QStringLiteral("pic.bin"));
    QVERIFY(image.save(path, format.constData()));
    const PictureResult r = PictureLoader::load(path);
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(r.picture.Width, 3175);
    QCOMPARE(r.picture.Height, 2381);
    QCOMPARE(r.picture.image.size(), QSize(120, 90));
}

void TestPlatform::pictureFailures()
{
    const PictureResult empty = PictureLoader::load(QString());
    QVERIFY(empty.ok());
    QVERIFY(empty.picture.isNull());

    const PictureResult missing = PictureLoader::load(QStringLiteral("/nonexistent/zz.jpg"));
    QVERIFY(!missing.ok());
    QVERIFY(missing.error.contains(QStringLiteral("zz.jpg")));
    QVERIFY(missing.picture.isNull());

    QTemporaryDir dir;
    const QString junk = writeBytes(dir.filePath(QStringLiteral("junk.jpg")), "this is not a picture");
    const PictureResult bad = PictureLoader::load(junk);
    QVERIFY(!bad.ok());
    QVERIFY(bad.error.contains(QStringLiteral("junk.jpg")));
}

void TestPlatform::pictureFolderCopy_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("sameThere");  // names in the folder holding the source's bytes, ","-separated
    QTest::addColumn<QString>("otherThere"); // names in the folder holding other bytes
    QTest::addColumn<QString>("expected");
    QTest::newRow("free") << "m.bmp"
                          << ""
                          << ""
                          << "m.bmp";
    QTest::newRow("same file there") << "m.bmp"
                                     << "m.bmp"
                                     << ""
                                     << "m.bmp";
    QTest::newRow("other file there") << "m.bmp"
                                      << ""
                                      << "m.bmp"
                                      << "m (2).bmp";
    QTest::newRow("numbered taken") << "m.bmp"
                                    << ""
                                    << "m.bmp,m (2).bmp"
                                    << "m (3).bmp";
    QTest::newRow("earlier copy reused") << "m.bmp"
                                         << "m (2).bmp"
                                         << "m.bmp"
                                         << "m (2).bmp";
    QTest::newRow("no suffix") << "face"
                               << ""
                               << "face"
                               << "face (2)";
    QTest::newRow("two dots") << "a.b.jpg"
                              << ""
                              << "a.b.jpg"
                              << "a.b (2).jpg";
}

void TestPlatform::pictureFolderCopy()
{
    QFETCH(QString, source);
    QFETCH(QString, sameThere);
    QFETCH(QString, otherThere);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString from = dir.filePath(source);
    const QString images = dir.filePath(QStringLiteral("Images")); // made by the copy when missing
    writeBytes(from, "picture bytes");
    if (!sameThere.isEmpty() || !otherThere.isEmpty())
        QVERIFY(QDir().mkpath(images));
    for (const QString &name : sameThere.split(QLatin1Char(','), Qt::SkipEmptyParts))
        writeBytes(images + QLatin1Char('/') + name, "picture bytes");
    for (const QString &name : otherThere.split(QLatin1Char(','), Qt::SkipEmptyParts))
        writeBytes(images + QLatin1Char('/') + name, "other bytes!!");

    const PictureFolder::CopyResult copied = PictureFolder::copyInto(from, images);
    QVERIFY2(copied.ok(), qPrintable(copied.error));
    QCOMPARE(copied.name, expected);
    QCOMPARE(readBytes(images + QLatin1Char('/') + expected), QByteArray("picture bytes"));
    for (const QString &name : otherThere.split(QLatin1Char(','), Qt::SkipEmptyParts)) // nothing replaced
        QCOMPARE(readBytes(images + QLatin1Char('/') + name), QByteArray("other bytes!!"));
}

void TestPlatform::pictureFolderHolds()
{
    QTemporaryDir dir;
    const QString images = dir.filePath(QStringLiteral("Images"));
    QVERIFY(QDir().mkpath(images + QStringLiteral("/faces")));
    QVERIFY(PictureFolder::holds(images, images + QStringLiteral("/m.bmp")));
    QVERIFY(PictureFolder::holds(images + QLatin1Char('/'), images + QStringLiteral("/../Images/m.bmp")));
    // A subfolder's file is not found by its bare name.
    QVERIFY(!PictureFolder::holds(images, images + QStringLiteral("/faces/m.bmp")));
    QVERIFY(!PictureFolder::holds(images, dir.filePath(QStringLiteral("m.bmp"))));
    QVERIFY(QFile::link(images, dir.filePath(QStringLiteral("linked"))));
    QVERIFY(PictureFolder::holds(images, dir.filePath(QStringLiteral("linked/m.bmp"))));

    // A folder that cannot be made is reported, naming it.
    writeBytes(dir.filePath(QStringLiteral("blocked")), QByteArray());
    const QString source = writeBytes(dir.filePath(QStringLiteral("p.bmp")), QByteArray());
    const PictureFolder::CopyResult failed =
        PictureFolder::copyInto(source, dir.filePath(QStringLiteral("blocked/Images")));
    QVERIFY(!failed.ok());
    QVERIFY(failed.error.contains(QStringLiteral("blocked")));
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
