// SPDX-License-Identifier: GPL-3.0-or-later
#include "PersonalityFile.h"
#include "ProgramFolderFixture.h"
#include "SamplePersonality.h"
#include "SubstitutionTable.h"
#include "TestFiles.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using SubstitutionTable::LineBreakStep;

using namespace TestFiles;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

using Loaded = PersonalityFile::Texts;

// A load as the editor does it.
Loaded load(const QString &folder, const QString &name)
{
    const PersonalityFile::ReadResult read = PersonalityFile::read(folder, name);
    if (read.status != PersonalityFile::ReadResult::Status::Loaded)
        return Loaded();
    return read.texts;
}

} // namespace

// Personality files: the substitution, the two layouts, listing, reading and saving.
class TestPersonalityCore : public QObject
{
    Q_OBJECT
private slots:
    void storedForm();
    void substitutionRoundTrip_data();
    void substitutionRoundTrip();
    void takeOutSection_data();
    void takeOutSection();
    void listing();
    void readFailures_data();
    void readFailures();
    void fortySevenByteMemoryFile();
    void goldenFiles();
    void saveAndLoadAgain_data();
    void saveAndLoadAgain();
    void plainMemoryFileLoadsLikeStoredOne();
    void saveRefusesWithoutHalfSaving_data();
    void saveRefusesWithoutHalfSaving();
    void sampleAssetsAreWriterOutput();
    void checkMemory_data();
    void checkMemory();
};

void TestPersonalityCore::storedForm()
{
    // Capitals and other characters outside the table stand among the stored bytes.
    const QString stored =
        SubstitutionTable::encode(QStringLiteral("I like Cats.\r\n\r\nOK"), LineBreakStep::Fold);
    QCOMPARE(stored, QStringLiteral("I\x01l\x06k\x02\x01"
                                    "C\x04\x03\x08\x0f\u00b6\u00b6OK"));
    // Pieces encode as their concatenation, also with a CR LF split between two.
    QCOMPARE(SubstitutionTable::encode({u"a\r", u"\nb\r", u"\r"}, LineBreakStep::Fold),
             QStringLiteral("\x04\u00b6b\r\r"));
    // The question/answer file keeps its line breaks.
    QCOMPARE(SubstitutionTable::encode(QStringLiteral("\r\n#hi?&"), LineBreakStep::None),
             QStringLiteral("\r\n#\x0e\x06\x11&"));
    QCOMPARE(SubstitutionTable::decode(QStringLiteral("I\x01l\x06k\x02\x01\x12\x02\x04\x12\x12"),
                                       LineBreakStep::None),
             QStringLiteral("I like rearr"));
}

void TestPersonalityCore::substitutionRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("memoryFile");
    QTest::addColumn<QString>("back");

    const QString ordinary =
        QStringLiteral("Hello, is it me you're looking for?\r\nYes! \"Quite\" so; 42% - [ok] *\r\n");
    QTest::newRow("ordinary text, memory") << ordinary << true << ordinary;
    QTest::newRow("ordinary text, q/a") << ordinary << false << ordinary;
    // Control codes 0-31: the stored values come back as their characters
    // (0x12 as "r"), the others as themselves.
    QString controls;
    for (char16_t c = 0; c < 32; ++c)
        controls += QChar(c);
    QString controlsBack = controls;
    controlsBack.replace(1, 8, QStringLiteral(" etaoins"));
    controlsBack.replace(0x0e, 5, QStringLiteral("h.,?r"));
    QTest::newRow("control codes") << controls << false << controlsBack;
    QTest::newRow("line-break character in memory")
        << QStringLiteral("a\u00b6b") << true << QStringLiteral("a\r\nb");
    QTest::newRow("line-break character in q/a")
        << QStringLiteral("a\u00b6b") << false << QStringLiteral("a\u00b6b");
    QTest::newRow("lone CR and LF") << QStringLiteral("a\rb\nc\r\r\n") << true
                                    << QStringLiteral("a\rb\nc\r\r\n");
    QTest::newRow("outside the code page's ASCII")
        << QStringLiteral("na\u00efve \u20ac5 \u00e9t\u00e9") << true
        << QStringLiteral("na\u00efve \u20ac5 \u00e9t\u00e9");
}

void TestPersonalityCore::substitutionRoundTrip()
{
    QFETCH(QString, text);
    QFETCH(bool, memoryFile);
    QFETCH(QString, back);
    const LineBreakStep step = memoryFile ? LineBreakStep::Fold : LineBreakStep::None;
    const QString stored = SubstitutionTable::encode(text, step);
    QCOMPARE(SubstitutionTable::decode(stored, step), back);
    // Nothing of the table is left in plain sight.
    for (const auto &entry : SubstitutionTable::kEntries)
        QVERIFY(!stored.contains(QChar(entry.character)));
    if (memoryFile)
        QVERIFY(!stored.contains(kCrLf));
}

void TestPersonalityCore::takeOutSection_data()
{
    QTest::addColumn<QString>("memory");
    QTest::addColumn<bool>("matchWords");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("memoryAfter");
    QTest::addColumn<QString>("section");

    QTest::newRow("section with an empty line after it")
        << QStringLiteral("I like cats.\r\n\r\n* MatchWords:\r\ncat\r\ndog\r\n\r\nMore.") << true << true
        << QStringLiteral("I like cats.\r\n\r\n\r\nMore.") << QStringLiteral("cat\r\ndog\r\n");
    QTest::newRow("marker line directly followed by an empty line")
        << QStringLiteral("A\r\n* WontSay:\r\n\r\nB") << false << true << QStringLiteral("A\r\n\r\nB")
        << QString();
    QTest::newRow("no empty line: runs to the end")
        << QStringLiteral("A\r\n* MatchWords:\r\ncat dog\r\nbird") << true << true << QStringLiteral("A\r\n")
        << QStringLiteral("cat dog\r\nbird");
    QTest::newRow("marker at the very end")
        << QStringLiteral("A* WontSay:\r\n") << false << true << QStringLiteral("A") << QString();
    QTest::newRow("missing marker") << QStringLiteral("A\r\n\r\nB") << true << false
                                    << QStringLiteral("A\r\n\r\nB") << QStringLiteral("unchanged");
    QTest::newRow("marker not followed by CR LF")
        << QStringLiteral("* MatchWords: cat\r\n\r\n") << true << false
        << QStringLiteral("* MatchWords: cat\r\n\r\n") << QStringLiteral("unchanged");
    QTest::newRow("case matters") << QStringLiteral("* matchwords:\r\ncat\r\n\r\n") << true << false
                                  << QStringLiteral("* matchwords:\r\ncat\r\n\r\n")
                                  << QStringLiteral("unchanged");
    QTest::newRow("first proper marker line wins")
        << QStringLiteral("* MatchWords:x\r\n* MatchWords:\r\na\r\n\r\n* MatchWords:\r\nb\r\n\r\n") << true
        << true << QStringLiteral("* MatchWords:x\r\n\r\n* MatchWords:\r\nb\r\n\r\n")
        << QStringLiteral("a\r\n");
    QTest::newRow("WontSay before MatchWords, taking WontSay")
        << QStringLiteral("S\r\n\r\n* WontSay:\r\nno\r\n\r\n* MatchWords:\r\nyes\r\n\r\n") << false << true
        << QStringLiteral("S\r\n\r\n\r\n* MatchWords:\r\nyes\r\n\r\n") << QStringLiteral("no\r\n");
    QTest::newRow("WontSay before MatchWords, taking MatchWords")
        << QStringLiteral("S\r\n\r\n* WontSay:\r\nno\r\n\r\n* MatchWords:\r\nyes\r\n\r\n") << true << true
        << QStringLiteral("S\r\n\r\n* WontSay:\r\nno\r\n\r\n\r\n") << QStringLiteral("yes\r\n");
}

void TestPersonalityCore::takeOutSection()
{
    QFETCH(QString, memory);
    QFETCH(bool, matchWords);
    QFETCH(bool, found);
    QFETCH(QString, memoryAfter);
    QFETCH(QString, section);
    QString taken = QStringLiteral("unchanged");
    const QLatin1String marker =
        matchWords ? PersonalityFile::kMatchWordsMarker : PersonalityFile::kWontSayMarker;
    QCOMPARE(PersonalityFile::takeOutSection(memory, taken, marker), found);
    QCOMPARE(memory, memoryAfter);
    QCOMPARE(taken, section);
}

void TestPersonalityCore::listing()
{
    const ProgramFolderFixture fixture;
    const QString f = fixture.folder();
    for (const char *name : {"Alice.mem", "Bob.mem", ".mem", "notes.memo", "Shout.MEM", "readme.txt",
                             "Alice.qas", "mem", "x.me"})
        writeBytes(f + QLatin1String(name), "x");
    QVERIFY(QDir(f).mkdir(QStringLiteral("Folder.mem")));
    QStringList entries = PersonalityFile::list(f);
    entries.sort();
    QCOMPARE(entries, (QStringList{QString(), QStringLiteral("Alice"), QStringLiteral("Bob"),
                                   QStringLiteral("notes.")}));
    QCOMPARE(PersonalityFile::list(f + QStringLiteral("nowhere/")), QStringList());
    QCOMPARE(PersonalityFile::listEntry(QStringLiteral("abc")), QString());
}

void TestPersonalityCore::readFailures_data()
{
    QTest::addColumn<bool>("memoryIsFile");
    QTest::addColumn<bool>("qandAIsFile");
    QTest::addColumn<int>("status");
    using Status = PersonalityFile::ReadResult::Status;
    QTest::newRow("memory file missing") << false << true << int(Status::MemoryUnreadable);
    QTest::newRow("q/a file missing") << true << false << int(Status::QandAMissing);
}

void TestPersonalityCore::readFailures()
{
    QFETCH(bool, memoryIsFile);
    QFETCH(bool, qandAIsFile);
    QFETCH(int, status);
    for (const bool folderInstead : {false, true}) {
        const ProgramFolderFixture fixture;
        const QString f = fixture.folder();
        const auto make = [&](const QString &path, bool isFile) {
            if (isFile)
                writeBytes(path, "x\r\n");
            else if (folderInstead)
                QVERIFY(QDir().mkdir(path));
        };
        make(PersonalityFile::memoryPath(f, QStringLiteral("P")), memoryIsFile);
        make(PersonalityFile::qandAPath(f, QStringLiteral("P")), qandAIsFile);
        const PersonalityFile::ReadResult read = PersonalityFile::read(f, QStringLiteral("P"));
        QCOMPARE(int(read.status), status);
        if (!memoryIsFile)
            QVERIFY2(read.error.contains(QStringLiteral("P.mem")), qPrintable(read.error));
        QCOMPARE(read.texts, PersonalityFile::Texts());
    }
}

void TestPersonalityCore::fortySevenByteMemoryFile()
{
    const ProgramFolderFixture fixture;
    const QString f = fixture.folder();
    QCOMPARE(PersonalityFile::save(f, QStringLiteral("Cats"), QStringLiteral("I like cats.\r\n\r\n"),
                                   QString(), QString(), QString()),
             QString());
    const QByteArray stored = readBytes(PersonalityFile::memoryPath(f, QStringLiteral("Cats")));
    QCOMPARE(stored.size(), 47);
    QCOMPARE(stored, readBytes(QStringLiteral(MINDLOOM_TEST_DATA "/Cats.mem")));
    QVERIFY(stored.endsWith("\r\n"));
    QCOMPARE(stored.count('\r') + stored.count('\n'), 2);
    QCOMPARE(readBytes(PersonalityFile::qandAPath(f, QStringLiteral("Cats"))), QByteArray("\r\n"));
}

void TestPersonalityCore::goldenFiles()
{
    // The stored format, byte for byte: the substitution, the layout, an
    // unencoded final CR LF, capitals, code-page characters, a lone LF.
    const QString memory =
        QStringLiteral("Hello there. I am Rosa, and I love the sea!\r\n\r\nCaf\u00e9 \u20ac3?\nYes.\r\n\r\n");
    const QString matchWords = QStringLiteral("sea\r\nboats\r\n");
    const QString wontSay = QStringLiteral("nonsense");
    const QString qandA = QStringLiteral("\r\n#Where is the harbour?&Down the hill, past the church.%");
    const ProgramFolderFixture fixture;
    const QString f = fixture.folder();
    QCOMPARE(PersonalityFile::save(f, QStringLiteral("Golden"), memory, matchWords, wontSay, qandA),
             QString());
    const QString data = QStringLiteral(MINDLOOM_TEST_DATA "/");
    QCOMPARE(readBytes(f + QStringLiteral("Golden.mem")), readBytes(data + QStringLiteral("Golden.mem")));
    QCOMPARE(readBytes(f + QStringLiteral("Golden.qas")), readBytes(data + QStringLiteral("Golden.qas")));

    // Read back as exactly the texts that were written.
    QCOMPARE(load(data, QStringLiteral("Golden")), (Loaded{memory, matchWords, wontSay, qandA}));
}

void TestPersonalityCore::saveAndLoadAgain_data()
{
    QTest::addColumn<QString>("memoryFile"); // decoded; the first load reads it
    QTest::addColumn<QString>("qandAFile");
    QTest::addColumn<QString>("memory"); // what the first load gives
    QTest::addColumn<QString>("matchWords");
    QTest::addColumn<QString>("wontSay");

    const QString cats = QStringLiteral("I like cats.\r\n\r\n");
    const auto written = [](const QString &m, const QString &w, const QString &s) {
        return PersonalityFile::memoryContent(m, w, s) + kCrLf;
    };
    QTest::newRow("writer's layout, empty sections")
        << written(cats, QString(), QString()) << QStringLiteral("\r\n") << cats << QString() << QString();
    QTest::newRow("writer's layout, sections without line break")
        << written(cats, QStringLiteral("cat dog"), QStringLiteral("no")) << QStringLiteral("\r\n#q&a%\r\n")
        << cats << QStringLiteral("cat dog") << QStringLiteral("no");
    QTest::newRow("section bodies holding empty lines")
        << written(cats, QStringLiteral("cat\r\n\r\ndog\r\n"), QStringLiteral("\r\n\r\nno\r\n\r\n"))
        << QString() << cats << QStringLiteral("cat\r\n\r\ndog\r\n") << QStringLiteral("\r\n\r\nno\r\n\r\n");
    QTest::newRow("memory ending in line breaks")
        << written(QStringLiteral("a\r\n\r\n\r\n"), QString(), QString()) << QString()
        << QStringLiteral("a\r\n\r\n\r\n") << QString() << QString();
    QTest::newRow("a section marker inside a section body")
        << written(cats, QStringLiteral("* WontSay:\r\nx\r\n"), QStringLiteral("* MatchWords:\r\n"))
        << QString() << cats << QStringLiteral("* WontSay:\r\nx\r\n") << QStringLiteral("* MatchWords:\r\n");
    // Other layouts keep the section rules: a section ends at its first
    // empty line, the rest stays in the memory text.
    QTest::newRow("hand-made file without sections")
        << QStringLiteral("I like cats.\r\n") << QString() << QStringLiteral("I like cats.\r\n") << QString()
        << QString();
    QTest::newRow("sections the other way round")
        << QStringLiteral("a\r\n\r\n* WontSay:\r\nno\r\n\r\n* MatchWords:\r\nsea\r\n\r\n\r\n") << QString()
        << QStringLiteral("a") + crlfs(5) << QStringLiteral("sea\r\n") << QStringLiteral("no\r\n");
    QTest::newRow("no final line break") << QStringLiteral("a\r\n\r\n* MatchWords:\r\nsea") << QString()
                                         << QStringLiteral("a\r\n\r\n") << QStringLiteral("sea") << QString();
}

void TestPersonalityCore::saveAndLoadAgain()
{
    QFETCH(QString, memoryFile);
    QFETCH(QString, qandAFile);
    QFETCH(QString, memory);
    QFETCH(QString, matchWords);
    QFETCH(QString, wontSay);
    const ProgramFolderFixture fixture;
    const QString f = fixture.folder();
    const QString name = QStringLiteral("Again");
    // In the plain form, as Save Personality As... writes it.
    writeBytes(PersonalityFile::memoryPath(f, name), memoryFile.toLatin1());
    writeBytes(PersonalityFile::qandAPath(f, name), qandAFile.toLatin1());
    const Loaded first = load(f, name);
    QCOMPARE(first.memory, memory);
    QCOMPARE(first.matchWords, matchWords);
    QCOMPARE(first.wontSay, wontSay);

    // From the first save on: load, save, load, save gives the same bytes.
    QByteArray saved[2][2];
    Loaded loaded = first;
    for (auto &bytes : saved) {
        QCOMPARE(
            PersonalityFile::save(f, name, loaded.memory, loaded.matchWords, loaded.wontSay, loaded.qandA),
            QString());
        bytes[0] = readBytes(PersonalityFile::memoryPath(f, name));
        bytes[1] = readBytes(PersonalityFile::qandAPath(f, name));
        const Loaded again = load(f, name);
        QCOMPARE(again, loaded);
        loaded = again;
    }
    QCOMPARE(saved[1][0], saved[0][0]);
    QCOMPARE(saved[1][1], saved[0][1]);
}

void TestPersonalityCore::plainMemoryFileLoadsLikeStoredOne()
{
    const ProgramFolderFixture fixture;
    const QString f = fixture.folder();
    const QString memory = QStringLiteral("I like cats.\r\n\r\nSo do you.\r\n\r\n");
    QCOMPARE(PersonalityFile::save(f, QStringLiteral("Stored"), memory, QStringLiteral("cat\r\n"),
                                   QStringLiteral("dog\r\n"), QStringLiteral("\r\n#a&b%")),
             QString());
    QCOMPARE(TextFile::write(f + QStringLiteral("Plain.mem"),
                             PersonalityFile::memoryContent(memory, QStringLiteral("cat\r\n"),
                                                            QStringLiteral("dog\r\n"))),
             QString());
    QCOMPARE(TextFile::write(f + QStringLiteral("Plain.qas"), QStringLiteral("\r\n#a&b%")), QString());
    const Loaded stored = load(f, QStringLiteral("Stored"));
    const Loaded plain = load(f, QStringLiteral("Plain"));
    QVERIFY(!stored.memory.isEmpty());
    QCOMPARE(plain.memory, stored.memory);
    QCOMPARE(plain.matchWords, stored.matchWords);
    QCOMPARE(plain.wontSay, stored.wontSay);
    QCOMPARE(plain.qandA, stored.qandA);
}

void TestPersonalityCore::saveRefusesWithoutHalfSaving_data()
{
    QTest::addColumn<QString>("memory");
    QTest::addColumn<QString>("qandA");
    QTest::addColumn<QString>("folderAt");
    QTest::addColumn<QString>("messageHas");
    QTest::addColumn<bool>("qandAWritten");

    const QString ok = QStringLiteral("fine");
    QTest::newRow("unstorable character in the memory")
        << QStringLiteral("I \u2665 cats") << ok << QString() << QStringLiteral("U+2665") << false;
    QTest::newRow("unstorable character in the q/a text")
        << ok << QStringLiteral("#\u0101&") << QString() << QStringLiteral("U+0101") << false;
    QTest::newRow("q/a file cannot be written")
        << ok << ok << QStringLiteral("P.qas") << QStringLiteral("P.qas") << false;
    QTest::newRow("memory file cannot be written")
        << ok << ok << QStringLiteral("P.mem")
        << QStringLiteral("Both files of the Personality are as they were") << false;
    // Characters the table would give back as others.
    QTest::newRow("line-break character in the memory")
        << QStringLiteral("Section \u00b6 3") << ok << QString() << QStringLiteral("U+00B6") << false;
    QTest::newRow("stored byte value in the memory")
        << QStringLiteral("a\x01"
                          "b")
        << ok << QString() << QStringLiteral("come back as \" \"") << false;
    QTest::newRow("read-only byte value in the q/a text")
        << ok << QStringLiteral("#a\x12&b%") << QString() << QStringLiteral("come back as \"r\"") << false;
}

void TestPersonalityCore::saveRefusesWithoutHalfSaving()
{
    QFETCH(QString, memory);
    QFETCH(QString, qandA);
    QFETCH(QString, folderAt);
    QFETCH(QString, messageHas);
    QFETCH(bool, qandAWritten);
    const ProgramFolderFixture fixture;
    const QString f = fixture.folder();
    const QByteArray old = "old\r\n";
    for (const QString &file : {QStringLiteral("P.mem"), QStringLiteral("P.qas")}) {
        if (file == folderAt)
            QVERIFY(QDir().mkdir(f + file));
        else
            writeBytes(f + file, old);
    }
    const QString error = PersonalityFile::save(f, QStringLiteral("P"), memory, QString(), QString(), qandA);
    QVERIFY2(error.contains(messageHas), qPrintable(error));
    if (folderAt != QStringLiteral("P.mem"))
        QCOMPARE(readBytes(f + QStringLiteral("P.mem")), old);
    if (folderAt != QStringLiteral("P.qas"))
        QCOMPARE(readBytes(f + QStringLiteral("P.qas")) != old, qandAWritten);
    QVERIFY(QFileInfo(f + folderAt).isDir() || folderAt.isEmpty());
}

void TestPersonalityCore::sampleAssetsAreWriterOutput()
{
    // Setting MINDLOOM_WRITE_SAMPLE writes the sample personality into
    // assets/ instead of checking it.
    const bool regenerate = qEnvironmentVariableIsSet("MINDLOOM_WRITE_SAMPLE");
    const ProgramFolderFixture fixture;
    const QString assets = ProgramFolderFixture::assetsFolder();
    const QString f = regenerate ? assets : fixture.folder();
    const QString name = SamplePersonality::name();
    QCOMPARE(PersonalityFile::save(f, name, SamplePersonality::memory(), SamplePersonality::matchWords(),
                                   SamplePersonality::wontSay(), SamplePersonality::qandA()),
             QString());
    QCOMPARE(readBytes(f + name + QStringLiteral(".mem")), readBytes(assets + name + QStringLiteral(".mem")));
    QCOMPARE(readBytes(f + name + QStringLiteral(".qas")), readBytes(assets + name + QStringLiteral(".qas")));
    QVERIFY(PersonalityFile::list(assets).contains(name));
}

void TestPersonalityCore::checkMemory_data()
{
    QTest::addColumn<QString>("memory");
    QTest::addColumn<int>("line"); // 0: can be saved
    QTest::addColumn<QString>("lineText");

    QTest::newRow("statements") << QStringLiteral("I like cats.\r\n\r\nSo do I.\r\n\r\n") << 0 << QString();
    QTest::newRow("empty") << QString() << 0 << QString();
    QTest::newRow("marker line typed") << QStringLiteral("I like cats.\r\n\r\n* MatchWords:\r\nmice\r\n\r\n")
                                       << 3 << QStringLiteral("* MatchWords:");
    QTest::newRow("marker as the last line")
        << QStringLiteral("I like cats.\r\n* WontSay:") << 2 << QStringLiteral("* WontSay:");
    QTest::newRow("marker ending a line of text") << QStringLiteral("As the file says * MatchWords:\r\nboats")
                                                  << 1 << QStringLiteral("As the file says * MatchWords:");
    QTest::newRow("the earlier of two markers")
        << QStringLiteral("a\r\n* WontSay:\r\nb\r\n* MatchWords:\r\n") << 2 << QStringLiteral("* WontSay:");
    QTest::newRow("lines ended by LF alone")
        << QStringLiteral("a\nb\n* WontSay:") << 3 << QStringLiteral("* WontSay:");
    // Characters that come back as others count as what they come back as.
    QTest::newRow("line-break character after the marker")
        << QStringLiteral("a\u00b6b\r\n* MatchWords:\u00b6cats") << 2
        << QStringLiteral("* MatchWords:\u00b6cats");
    QTest::newRow("stored byte value for the space")
        << QStringLiteral("*\x01MatchWords:\r\n") << 1 << QStringLiteral("*\x01MatchWords:");
    QTest::newRow("text after the marker") << QStringLiteral("* MatchWords: cats\r\n") << 0 << QString();
    QTest::newRow("other letter case") << QStringLiteral("* matchwords:\r\n* WONTSAY:") << 0 << QString();
    QTest::newRow("lone CR after the marker") << QStringLiteral("* WontSay:\r") << 0 << QString();
    QTest::newRow("marker without its star") << QStringLiteral("MatchWords:\r\n") << 0 << QString();
}

void TestPersonalityCore::checkMemory()
{
    QFETCH(QString, memory);
    QFETCH(int, line);
    QFETCH(QString, lineText);

    const PersonalityFile::MemoryCheck check = PersonalityFile::checkMemory(memory);
    QCOMPARE(check.ok(), line == 0);
    QCOMPARE(check.line, qsizetype(line));
    QCOMPARE(check.lineText, lineText);
    if (line != 0) {
        QCOMPARE(memory.mid(check.position, lineText.size()), lineText);
        QVERIFY2(check.message.contains(QStringLiteral("Line %1").arg(line)), qPrintable(check.message));
        QVERIFY2(check.message.contains(lineText), qPrintable(check.message));
    }

    // The verdict is the loader's: a memory text that passes is saved and
    // comes back exactly, with the sections; one that does not is not written.
    QTemporaryDir dir;
    const QString f = dir.path() + QLatin1Char('/');
    const QString error = PersonalityFile::save(f, QStringLiteral("P"), memory, QStringLiteral("sea\r\n"),
                                                QStringLiteral("never\r\n"), QString());
    if (check.ok() &&
        PersonalityFile::checkSave({memory, QString(), QString(), QString()}, QString(), QString()).ok()) {
        QCOMPARE(error, QString());
        QCOMPARE(load(f, QStringLiteral("P")),
                 (Loaded{memory, QStringLiteral("sea\r\n"), QStringLiteral("never\r\n"), QString()}));
    } else {
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFileInfo::exists(f + QStringLiteral("P.mem")));
    }
}

QTEST_GUILESS_MAIN(TestPersonalityCore)
#include "tst_personality_core.moc"
