// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChoicesFile.h"
#include "Cp1252.h"
#include "FileDialog.h"
#include "FileStamp.h"
#include "Picture.h"
#include "PictureFolder.h"
#include "PicturesAhead.h"
#include "ProgramFolder.h"
#include "TestFiles.h"
#include "TextFile.h"
#include "TextSearch.h"
#include "Wildcard.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
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
    void codecNamesUnstorableCharacter_data();
    void codecNamesUnstorableCharacter();
    void readWholeFile();
    void readMissingFileNamesIt();
    void writeAppendsCrLf();
    void failedWriteLeavesOldFile_data();
    void failedWriteLeavesOldFile();
    void fullDiskNamesTheSystemsReason();
    void writeAllIsAllOrNothing_data();
    void writeAllIsAllOrNothing();
    void saveDialogAddsTheFiltersExtension_data();
    void saveDialogAddsTheFiltersExtension();
    void writeInPlaceWhereTemporaryCannotTakeTheName_data();
    void writeInPlaceWhereTemporaryCannotTakeTheName();
    void failedWriteInPlaceIsReported_data();
    void failedWriteInPlaceIsReported();
    void textSearch_data();
    void textSearch();
    void textSearchAgreesWithPlainScan();
    void qtFilter_data();
    void qtFilter();
    void himetric_data();
    void himetric();
    void pictureIgnoresRecordedResolution_data();
    void pictureIgnoresRecordedResolution();
    void pictureFailures();
    void picturesAheadAsLoaded();
    void picturesAheadInAnyOrder();
    void turnedPhotoLoadsAsStored_data();
    void turnedPhotoLoadsAsStored();
    void choicesOutlastTheRun();
    void pictureOverQtsDefaultLimitLoads();
    void pictureTooLargeNamesItsSize();
    void pictureFolderCopy_data();
    void pictureFolderCopy();
    void pictureFolderHolds();
    void fileStampTellsChange_data();
    void fileStampTellsChange();
    void fileStampText();
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

void TestPlatform::codecNamesUnstorableCharacter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("at");
    QTest::addColumn<QString>("named");
    QTest::newRow("arrow") << QStringLiteral("caf\u00e9 \u2192 bar") << qsizetype(5)
                           << QStringLiteral("\"\u2192\" (U+2192)");
    QTest::newRow("emoji, whole") << QStringLiteral("hi \U0001F600!") << qsizetype(3)
                                  << QStringLiteral("\"\U0001F600\" (U+1F600)");
    QTest::newRow("lone half of a pair") << QString(QStringLiteral("a") + QChar(0xD83D) + QStringLiteral("b"))
                                         << qsizetype(1) << QStringLiteral("U+D83D");
    QTest::newRow("invisible") << QStringLiteral("a\u200bb") << qsizetype(1) << QStringLiteral("U+200B");
}

void TestPlatform::codecNamesUnstorableCharacter()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, at);
    QFETCH(QString, named);
    QByteArray out("untouched");
    qsizetype found = -1;
    QVERIFY(!Cp1252::encode(text, &out, &found));
    QCOMPARE(found, at);
    QCOMPARE(out, QByteArray("untouched"));
    QCOMPARE(Cp1252::describeAt(text, at), named);
    if (text[at].isHighSurrogate() && text[at + 1].isLowSurrogate()) // named whole from its second half too
        QCOMPARE(Cp1252::describeAt(text, at + 1), named);
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
    // clang-format off
    QTest::newRow("folder that does not exist") << "missing/x.txt" << "new" << "x.txt";
    QTest::newRow("path is a folder") << "sub" << "new" << "sub";
    QTest::newRow("character outside the BMP") << "old.txt" << "new \U0001F600" << "\"\U0001F600\" (U+1F600)";
    QTest::newRow("unstorable character") << "old.txt" << "new \u4e2d" << "U+4E2D";
    // clang-format on
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

void TestPlatform::fullDiskNamesTheSystemsReason()
{
    QTemporaryDir dir;
    const QString old = writeBytes(dir.filePath(QStringLiteral("old.txt")), "old\r\n");
    QString error;
    {
        const FileSizeLimit full(64);
        error = TextFile::write(old, QString(1000, QLatin1Char('x')));
    }
    QVERIFY2(error.contains(QStringLiteral("old.txt")) && error.contains(QStringLiteral("File too large")) &&
                 !error.contains(QStringLiteral("Unknown error")),
             qPrintable(error));
    QCOMPARE(readBytes(old), QByteArray("old\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.txt")});
}

void TestPlatform::writeAllIsAllOrNothing_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<bool>("secondIsFolder");
    QTest::addColumn<QString>("errorHas"); // empty: both written
    const QByteArray small = "new\r\n";
    const QByteArray big(1000, 'x');
    QTest::newRow("both fit") << small << small << false << QString();
    QTest::newRow("the first does not fit") << big << small << false << QStringLiteral("a.txt");
    QTest::newRow("the second does not fit") << small << big << false << QStringLiteral("b.txt");
    QTest::newRow("the second is a folder") << small << small << true << QStringLiteral("b.txt");
}

void TestPlatform::writeAllIsAllOrNothing()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(bool, secondIsFolder);
    QFETCH(QString, errorHas);
    QTemporaryDir dir;
    const QString a = writeBytes(dir.filePath(QStringLiteral("a.txt")), "old a\r\n");
    const QString b = dir.filePath(QStringLiteral("b.txt"));
    if (secondIsFolder)
        QVERIFY(QDir().mkdir(b));
    else
        writeBytes(b, "old b\r\n");
    QString error;
    {
        const FileSizeLimit full(512);
        error = TextFile::writeAll({{a, first}, {b, second}});
    }
    if (errorHas.isEmpty()) {
        QCOMPARE(error, QString());
        QCOMPARE(readBytes(a), first);
        QCOMPARE(readBytes(b), second);
        return;
    }
    QVERIFY2(error.contains(errorHas), qPrintable(error));
    QCOMPARE(readBytes(a), QByteArray("old a\r\n"));
    if (!secondIsFolder)
        QCOMPARE(readBytes(b), QByteArray("old b\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), secondIsFolder ? 1 : 2);
}

void TestPlatform::saveDialogAddsTheFiltersExtension_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("chosen");
    const QString kba = QStringLiteral("KBA Files (*.kba)|*.kba");
    QTest::newRow("no extension") << kba << QStringLiteral("/f/Facts") << QStringLiteral("/f/Facts.kba");
    QTest::newRow("an extension of its own")
        << kba << QStringLiteral("/f/Facts.txt") << QStringLiteral("/f/Facts.txt");
    QTest::newRow("the filter's own")
        << kba << QStringLiteral("/f/Facts.kba") << QStringLiteral("/f/Facts.kba");
    QTest::newRow("a dot in the folder only")
        << kba << QStringLiteral("/f.d/Facts") << QStringLiteral("/f.d/Facts.kba");
    QTest::newRow("a name ending in a dot")
        << kba << QStringLiteral("/f/Facts.") << QStringLiteral("/f/Facts.");
    QTest::newRow("cancelled") << kba << QString() << QString();
    QTest::newRow("a filter of any file")
        << QStringLiteral("All Files (*.*)|*.*") << QStringLiteral("/f/Facts") << QStringLiteral("/f/Facts");
    QTest::newRow("the first of several patterns") << QStringLiteral("Pictures (*.bmp;*.jpg)|*.bmp;*.jpg")
                                                   << QStringLiteral("/f/p") << QStringLiteral("/f/p.bmp");
}

void TestPlatform::saveDialogAddsTheFiltersExtension()
{
    QFETCH(QString, filter);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    struct Typed : FileDialog
    {
        QString answer;
        QString choose(Mode, const QString &, const QString &) override { return answer; }
    } dialog;
    dialog.answer = typed;
    QCOMPARE(dialog.askSave(filter), chosen);
    QCOMPARE(dialog.askOpen(filter), typed);
}

void TestPlatform::writeInPlaceWhereTemporaryCannotTakeTheName_data()
{
    QTest::addColumn<bool>("exists");
    QTest::newRow("existing file") << true;
    QTest::newRow("new file") << false;
}

void TestPlatform::writeInPlaceWhereTemporaryCannotTakeTheName()
{
    // A name as long as the file system allows leaves no room for the
    // temporary file's suffix, so it cannot be put in the file's place (a new
    // file may be linked to its name directly): the save must still happen.
    QFETCH(bool, exists);
    QTemporaryDir dir;
    const QString path = dir.filePath(QString(251, QLatin1Char('n')) + QStringLiteral(".kba"));
    if (exists)
        writeBytes(path, "a much longer old text\r\n");

    QCOMPARE(TextFile::write(path, QStringLiteral("new")), QString());
    QCOMPARE(readBytes(path), QByteArray("new\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

namespace {

// A file that takes only `budget` bytes of writing (of all writes together,
// or of the first one alone), then fails as a full disk does.
class FailingFile : public QFile
{
public:
    FailingFile(const QString &path, qint64 budget, bool firstWriteOnly)
        : QFile(path), m_budget(budget), m_firstWriteOnly(firstWriteOnly)
    {
    }

protected:
    qint64 writeData(const char *data, qint64 len) override
    {
        if (m_firstWriteOnly && m_writes++ > 0)
            return QFile::writeData(data, len);
        const qint64 taken = std::min(len, m_budget);
        m_budget -= taken;
        if (taken > 0)
            QFile::writeData(data, taken);
        if (taken == len)
            return len;
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }

private:
    qint64 m_budget;
    bool m_firstWriteOnly;
    int m_writes = 0;
};

} // namespace

void TestPlatform::failedWriteInPlaceIsReported_data()
{
    QTest::addColumn<qint64>("budget");
    QTest::addColumn<bool>("firstWriteOnly");
    QTest::addColumn<QByteArray>("after"); // the file's bytes afterwards
    QTest::newRow("old bytes put back") << qint64(3) << true << QByteArray("old text\r\n");
    QTest::newRow("device full for good") << qint64(3) << false << QByteArray("new text\r\n");
}

void TestPlatform::failedWriteInPlaceIsReported()
{
    QFETCH(qint64, budget);
    QFETCH(bool, firstWriteOnly);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = writeBytes(dir.filePath(QStringLiteral("facts.kba")), "old text\r\n");
    FailingFile file(path, budget, firstWriteOnly);
    QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
    const QString error = TextFile::overwrite(file, "new longer text\r\n", path);
    file.close();
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    QVERIFY2(error.contains(QStringLiteral("No space left on device")), qPrintable(error));
    QCOMPARE(error.contains(QStringLiteral("could not be put back")), !firstWriteOnly);
    QCOMPARE(readBytes(path), after);
}

void TestPlatform::textSearch_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("backward");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<int>("position"); // -1: not found
    QTest::addColumn<bool>("wrapped");
    const QString words = QStringLiteral("one two One");
    // clang-format off
    QTest::newRow("at the start") << words << "one" << 0 << false << true << true << 0 << false;
    QTest::newRow("after the start") << words << "one" << 1 << false << false << true << 8 << false;
    QTest::newRow("case matters") << words << "one" << 1 << false << true << true << 0 << true;
    QTest::newRow("no wrap") << words << "one" << 1 << false << true << false << -1 << false;
    QTest::newRow("from the end, wrapped") << words << "two" << 11 << false << true << true << 4 << true;
    QTest::newRow("backward") << words << "one" << 8 << true << false << true << 0 << false;
    QTest::newRow("backward ends before from") << words << "One" << 9 << true << true << true << 8 << false;
    QTest::newRow("backward from the start") << words << "one" << 0 << true << false << true << 8 << true;
    QTest::newRow("backward, no wrap") << words << "two" << 3 << true << true << false << -1 << false;
    QTest::newRow("nowhere") << words << "three" << 5 << false << false << true << -1 << false;
    QTest::newRow("empty needle") << words << "" << 0 << false << false << true << -1 << false;
    QTest::newRow("longer than the text") << "ab" << "abc" << 0 << false << false << true << -1 << false;
    QTest::newRow("overlapping") << "aaaa" << "aa" << 1 << false << true << false << 1 << false;
    QTest::newRow("across a line end") << "a.\r\nb" << ".\r\nB" << 0 << false << false << false << 1 << false;
    QTest::newRow("outside the BMP") << "x\U0001F600y\U0001F600" << "\U0001F600y" << 0 << false << true << false << 1 << false;
    QTest::newRow("from past the end") << words << "One" << 99 << true << true << false << 8 << false;
    // clang-format on
}

void TestPlatform::textSearch()
{
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(int, from);
    QFETCH(bool, backward);
    QFETCH(bool, matchCase);
    QFETCH(bool, wrap);
    QFETCH(int, position);
    QFETCH(bool, wrapped);
    const TextSearch::Match match = TextSearch::find(
        text, needle, from, backward ? TextSearch::Direction::Backward : TextSearch::Direction::Forward,
        matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive, wrap);
    QCOMPARE(match.position, qsizetype(position));
    QCOMPARE(match.found(), position >= 0);
    QCOMPARE(match.wrapped, wrapped);
}

void TestPlatform::textSearchAgreesWithPlainScan()
{
    // The skipping search against Qt's plain indexOf/lastIndexOf on many
    // small texts over few letters, where matches overlap and skips are short.
    QRandomGenerator random(1234);
    // (U+0161 shares its low byte with "a", as the skip tables key them; the
    // Kelvin sign U+212A folds to "k".)
    const QString letters = QStringLiteral("aAbB\u00e9\u00c9\u0101\u0100\u0161kK\u212a");
    const auto draw = [&](qsizetype length) {
        QString s;
        for (qsizetype i = 0; i < length; ++i)
            s += letters[random.bounded(int(letters.size()))];
        return s;
    };
    for (int round = 0; round < 4000; ++round) {
        const QString text = draw(random.bounded(30));
        const QString needle = draw(1 + random.bounded(4));
        const qsizetype from = random.bounded(int(text.size()) + 1);
        const bool backward = random.bounded(2);
        const bool wrap = random.bounded(2);
        const Qt::CaseSensitivity cs = random.bounded(2) ? Qt::CaseSensitive : Qt::CaseInsensitive;
        qsizetype expected = backward ? (from > 0 ? text.lastIndexOf(needle, from - 1, cs) : -1)
                                      : text.indexOf(needle, from, cs);
        bool wrapped = false;
        if (expected < 0 && wrap) {
            expected = backward ? text.lastIndexOf(needle, -1, cs) : text.indexOf(needle, 0, cs);
            wrapped = expected >= 0;
        }
        const TextSearch::Match match = TextSearch::find(
            text, needle, from, backward ? TextSearch::Direction::Backward : TextSearch::Direction::Forward,
            cs, wrap);
        QVERIFY2(match.position == expected && match.wrapped == wrapped,
                 qPrintable(QStringLiteral("\"%1\" in \"%2\" from %3 %4: %5, expected %6")
                                .arg(needle, text)
                                .arg(from)
                                .arg(backward ? QStringLiteral("backwards") : QStringLiteral("forwards"))
                                .arg(match.position)
                                .arg(expected)));
    }
}

void TestPlatform::qtFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("one pattern") << "MEM Files (*.mem)|*.mem" << "MEM Files (*.mem)";
    QTest::newRow("two patterns") << "Images Files (*.bmp;*.jpg)|*.bmp;*.jpg" << "Images Files (*.bmp *.jpg)";
    QTest::newRow("two entries") << "Text|*.txt|All|*.*" << "Text (*.txt);;All (*.*)";
    QTest::newRow("parenthesis inside") << "Scenes (old) (*.scn)|*.scn" << "Scenes (old) (*.scn)";
    QTest::newRow("empty") << "" << "";
    // clang-format on
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

// Decoded on a worker thread, each picture is what the loader gives on the
// window's thread, errors included, and is handed out once; one changed after
// its decoding is left to be decoded anew.
void TestPlatform::picturesAheadAsLoaded()
{
    QTemporaryDir dir;
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(qRgb(10, 200, 30));
    const QString good = dir.filePath(QStringLiteral("good.bmp"));
    QVERIFY(image.save(good));
    const QString junk = writeBytes(dir.filePath(QStringLiteral("junk.jpg")), "this is not a picture");
    const QString missing = dir.filePath(QStringLiteral("missing.jpg"));
    const QString changed = dir.filePath(QStringLiteral("changed.bmp"));
    QVERIFY(image.save(changed));

    PicturesAhead ahead({good, junk, missing, changed});
    for (const QString &path : {good, junk, missing}) {
        const std::optional<PictureResult> taken = ahead.take(path);
        QVERIFY2(taken, qPrintable(path));
        const PictureResult loaded = PictureLoader::load(path);
        QCOMPARE(taken->error, loaded.error);
        QCOMPARE(taken->reason, loaded.reason);
        QCOMPARE(taken->picture.image, loaded.picture.image);
        QCOMPARE(taken->picture.Width, loaded.picture.Width);
        QVERIFY(!ahead.take(path));
    }
    QFile grown(changed);
    QVERIFY(grown.open(QIODevice::Append));
    QVERIFY(grown.write("more") == 4);
    grown.close();
    QVERIFY(!ahead.take(changed));
    QVERIFY(!ahead.take(dir.filePath(QStringLiteral("never asked for.bmp"))));
}

// The window may ask for the pictures in any order while the workers decode
// them front to back: each is still the one asked for, the ones no worker
// reached are decoded on the asking thread, and pictures never asked for do
// not hold up the end.
void TestPlatform::picturesAheadInAnyOrder()
{
    QTemporaryDir dir;
    QStringList paths;
    for (int n = 0; n < 12; ++n) {
        QImage image(200 + n, 100, QImage::Format_RGB32);
        image.fill(qRgb(20 * n, 255 - 20 * n, 7));
        paths << dir.filePath(QStringLiteral("picture%1.bmp").arg(n));
        QVERIFY(image.save(paths.last()));
    }
    {
        PicturesAhead ahead(paths);
        for (qsizetype n = paths.size() - 1; n >= 0; --n) {
            const std::optional<PictureResult> taken = ahead.take(paths.at(n));
            QVERIFY2(taken, qPrintable(paths.at(n)));
            QCOMPARE(taken->picture.image, PictureLoader::load(paths.at(n)).picture.image);
        }
    }
    PicturesAhead untouched(paths);
    QVERIFY(untouched.expects(paths.first()));
    QVERIFY(!untouched.expects(dir.filePath(QStringLiteral("other.bmp"))));
}

void TestPlatform::turnedPhotoLoadsAsStored_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("turned");
    QTest::addColumn<QSize>("upright");
    QTest::newRow("1, upright") << 1 << false << QSize(40, 20);
    QTest::newRow("6, a quarter clockwise") << 6 << true << QSize(20, 40);
    QTest::newRow("3, half a turn") << 3 << true << QSize(40, 20);
    QTest::newRow("8, a quarter back") << 8 << true << QSize(20, 40);
}

// The companion shows a photo as stored, so the kit must too; only the copy
// the user asks for is turned.
void TestPlatform::turnedPhotoLoadsAsStored()
{
    QFETCH(int, orientation);
    QFETCH(bool, turned);
    QFETCH(QSize, upright);
    QImage stored(40, 20, QImage::Format_RGB32);
    stored.fill(Qt::white);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 10; ++x)
            stored.setPixel(x, y, qRgb(0, 0, 0)); // black at the left edge, as stored
    QTemporaryDir dir;
    const QString path =
        TestFiles::writeTurnedPhoto(dir.filePath(QStringLiteral("photo.jpg")), stored, orientation);

    const PictureResult asStored = PictureLoader::load(path);
    QVERIFY2(asStored.ok(), qPrintable(asStored.error));
    QCOMPARE(asStored.storedTurned, turned);
    QCOMPARE(asStored.picture.image.size(), QSize(40, 20));
    QVERIFY(qGray(asStored.picture.image.pixel(2, 10)) < 64);
    QVERIFY(qGray(asStored.picture.image.pixel(37, 10)) > 192);

    const PictureResult turnedUp = PictureLoader::loadUpright(path);
    QVERIFY2(turnedUp.ok(), qPrintable(turnedUp.error));
    QCOMPARE(turnedUp.picture.image.size(), upright);
}

void TestPlatform::choicesOutlastTheRun()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data/Choices.txt"));
    {
        ChoicesFile choices(path);
        QCOMPARE(choices.value(QStringLiteral("a")), QString()); // no file yet
        QCOMPARE(choices.setValue(QStringLiteral("b"), QStringLiteral("1")), QString());
        QCOMPARE(choices.setValue(QStringLiteral("a"), QStringLiteral("x=y\r\nz")), QString());
    }
    QCOMPARE(TestFiles::readBytes(path), QByteArray("a=x=y  z\r\nb=1\r\n"));
    ChoicesFile again(path);
    QCOMPARE(again.value(QStringLiteral("b")), QStringLiteral("1"));
    QCOMPARE(again.value(QStringLiteral("a")), QStringLiteral("x=y  z"));

    // A file that cannot be written keeps the choice for the run and says why.
    const QString blocked = dir.filePath(QStringLiteral("blocked"));
    TestFiles::writeBytes(blocked, "not a folder");
    ChoicesFile nowhere(blocked + QStringLiteral("/Choices.txt"));
    QVERIFY(
        nowhere.setValue(QStringLiteral("c"), QStringLiteral("1")).contains(QStringLiteral("Choices.txt")));
    QCOMPARE(nowhere.value(QStringLiteral("c")), QStringLiteral("1"));
}

void TestPlatform::pictureOverQtsDefaultLimitLoads()
{
    // A 48-megapixel photo decodes to 192 MB, over Qt's default of 128 MB.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    {
        QImage photo(8000, 6000, QImage::Format_RGB32);
        photo.fill(Qt::darkCyan);
        QVERIFY(photo.save(path, "JPEG", 10));
    }
    const PictureResult r = PictureLoader::load(path);
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(r.picture.image.size(), QSize(8000, 6000));
}

void TestPlatform::pictureTooLargeNamesItsSize()
{
    // A photo whose header says 20000 x 15000 pixels (1.2 GB decoded); it is
    // refused from the header, before anything is decoded.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.jpg"));
    QImage tiny(8, 8, QImage::Format_RGB32);
    tiny.fill(Qt::white);
    QVERIFY(tiny.save(path, "JPEG"));
    QByteArray bytes = readBytes(path);
    // Walk the segments to the frame header: FF C0, length, precision, height, width.
    qsizetype at = 2;
    while (at + 9 < bytes.size() && uchar(bytes[at + 1]) != 0xC0)
        at += 2 + qFromBigEndian<quint16>(bytes.constData() + at + 2);
    QVERIFY(at + 9 < bytes.size());
    qToBigEndian<quint16>(15000, bytes.data() + at + 5);
    qToBigEndian<quint16>(20000, bytes.data() + at + 7);
    writeBytes(path, bytes);

    const PictureResult r = PictureLoader::load(path);
    QVERIFY(!r.ok());
    QVERIFY(r.picture.isNull());
    QVERIFY2(r.error.contains(QStringLiteral("huge.jpg")), qPrintable(r.error));
    QVERIFY2(r.error.contains(QStringLiteral("20000 \u00d7 15000 pixels")), qPrintable(r.error));
    QVERIFY2(r.error.contains(QStringLiteral("too large")), qPrintable(r.error));
}

void TestPlatform::pictureFolderCopy_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("sameThere");  // names in the folder holding the source's bytes, ","-separated
    QTest::addColumn<QString>("otherThere"); // names in the folder holding other bytes
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("free") << "m.bmp" << "" << "" << "m.bmp";
    QTest::newRow("same file there") << "m.bmp" << "m.bmp" << "" << "m.bmp";
    QTest::newRow("other file there") << "m.bmp" << "" << "m.bmp" << "m (2).bmp";
    QTest::newRow("numbered taken") << "m.bmp" << "" << "m.bmp,m (2).bmp" << "m (3).bmp";
    QTest::newRow("earlier copy reused") << "m.bmp" << "m (2).bmp" << "m.bmp" << "m (2).bmp";
    QTest::newRow("no suffix") << "face" << "" << "face" << "face (2)";
    QTest::newRow("two dots") << "a.b.jpg" << "" << "a.b.jpg" << "a.b (2).jpg";
    // clang-format on
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

    // A full disk: the system's reason, and no part of the picture is left.
    const QString big = writeBytes(dir.filePath(QStringLiteral("big.bmp")), QByteArray(1000, 'x'));
    PictureFolder::CopyResult full;
    {
        const FileSizeLimit limit(64);
        full = PictureFolder::copyInto(big, images);
    }
    QVERIFY2(!full.ok() && full.error.contains(QStringLiteral("File too large")) &&
                 !full.error.contains(QStringLiteral("Unknown error")),
             qPrintable(full.error));
    QCOMPARE(QDir(images).entryList(QDir::Files), QStringList());
}

// What another program may do to a file between the kit's load and its save.
enum class Change { None, AppendByte, SameSizeOtherBytes, Touch, Remove, Create };

void TestPlatform::fileStampTellsChange_data()
{
    QTest::addColumn<bool>("withDigest");
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("changed");
    QTest::newRow("untouched") << true << Change::None << false;
    QTest::newRow("untouched, no digest") << false << Change::None << false;
    QTest::newRow("a byte more") << false << Change::AppendByte << true;
    QTest::newRow("new time") << false << Change::Touch << true;
    QTest::newRow("removed") << true << Change::Remove << true;
    QTest::newRow("created where none was") << true << Change::Create << true;
    // Size and time kept: only the digest tells.
    QTest::newRow("other bytes, same size and time") << true << Change::SameSizeOtherBytes << true;
    QTest::newRow("other bytes, no digest") << false << Change::SameSizeOtherBytes << false;
}

void TestPlatform::fileStampTellsChange()
{
    QFETCH(bool, withDigest);
    QFETCH(Change, change);
    QFETCH(bool, changed);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Juniper.mem"));
    const QByteArray bytes("I like tea.\r\n");
    if (change != Change::Create)
        writeBytes(path, bytes);
    const FileStamp stamp = withDigest ? FileStamp::of(path, bytes) : FileStamp::of(path);
    const auto setTime = [&path](const QDateTime &time) {
        QFile file(path);
        return file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime);
    };
    switch (change) {
    case Change::None:
        break;
    case Change::AppendByte:
        writeBytes(path, bytes + 'x');
        QVERIFY(setTime(stamp.modified));
        break;
    case Change::SameSizeOtherBytes:
        writeBytes(path, QByteArray("I like rum.\r\n"));
        QVERIFY(setTime(stamp.modified));
        break;
    case Change::Touch:
        QVERIFY(setTime(stamp.modified.addSecs(-60)));
        break;
    case Change::Remove:
        QVERIFY(QFile::remove(path));
        break;
    case Change::Create:
        writeBytes(path, bytes);
        break;
    }
    QCOMPARE(stamp.changedOnDisk(path), changed);
}

void TestPlatform::fileStampText()
{
    QTemporaryDir dir;
    const QString path = writeBytes(dir.filePath(QStringLiteral("a b.kba")), QByteArray("Fact.\r\n"));
    for (const FileStamp &stamp : {FileStamp::of(path), FileStamp::of(path, QByteArray("Fact.\r\n")),
                                   FileStamp::of(dir.filePath(QStringLiteral("missing")))})
        QCOMPARE(FileStamp::fromText(stamp.toText()), stamp);
    for (const char *text : {"", "12", "12 x -", "-5 100 -", "12 100 abcd"})
        QCOMPARE(FileStamp::fromText(QString::fromLatin1(text)), FileStamp());
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
