// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocationSettings.h"
#include "ProgramFolderFixture.h"
#include "TestFiles.h"

#include <QDir>
#include <QtTest>

// Reading and writing "Options.Cfg".
class TestLocationSettings : public QObject
{
    Q_OBJECT
private slots:
    void read_data();
    void read();
    void save_data();
    void save();
    void unchangedSave_data();
    void unchangedSave();
    void goldenShape();
    void sampleRewritesUnchanged();
    void unreadableFileNamesIt();
    void unstorable_data();
    void unstorable();
};

using namespace TestFiles;

namespace {

using Values = QStringList; // five file names, then five texts

// "Location1=a.jpg,One," .. "Location5=e.jpg,Five,", each on its own line.
QByteArray oldEntries()
{
    return "Location1=a.jpg,One,\r\nLocation2=b.jpg,Two,\r\nLocation3=c.jpg,Three,\r\n"
           "Location4=d.jpg,Four,\r\nLocation5=e.jpg,Five,\r\n";
}

Values oldValues()
{
    return {QStringLiteral("a.jpg"), QStringLiteral("b.jpg"), QStringLiteral("c.jpg"),
            QStringLiteral("d.jpg"), QStringLiteral("e.jpg"), QStringLiteral("One"),
            QStringLiteral("Two"),   QStringLiteral("Three"), QStringLiteral("Four"),
            QStringLiteral("Five")};
}

// The values every save row stores, and the lines they are written as.
Values newValues()
{
    return {QStringLiteral("Garden.jpg"),    QStringLiteral("Library.jpg"),
            QStringLiteral("Beach.jpg"),     QStringLiteral("Night City.jpg"),
            QStringLiteral("Mountains.jpg"), QStringLiteral("Green"),
            QStringLiteral("Books"),         QStringLiteral("Sand"),
            QStringLiteral("Lights"),        QStringLiteral("Snow")};
}

QByteArray newEntries()
{
    return "Location1=Garden.jpg,Green,\r\nLocation2=Library.jpg,Books,\r\nLocation3=Beach.jpg,Sand,\r\n"
           "Location4=Night City.jpg,Lights,\r\nLocation5=Mountains.jpg,Snow,\r\n";
}

Values valuesOf(const LocationSettings &settings)
{
    Values values;
    for (const QString &file : settings.LocationFile)
        values << file;
    for (const QString &text : settings.LocationText)
        values << text;
    return values;
}

void setValues(LocationSettings &settings, const Values &values)
{
    for (int i = 0; i < LocationSettings::Count; ++i) {
        settings.LocationFile[i] = values[i];
        settings.LocationText[i] = values[i + LocationSettings::Count];
    }
}

// A program folder holding "Options.Cfg" with these bytes (none for a null array).
QString makeFolder(const ProgramFolderFixture &fixture, const QByteArray &file)
{
    if (!file.isNull())
        writeBytes(fixture.path(QStringLiteral("Options.Cfg")), file);
    return fixture.folder();
}

} // namespace

void TestLocationSettings::read_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Values>("values");
    QTest::addColumn<QString>("optOther");
    QTest::addColumn<QString>("optAfter");
    QTest::addColumn<QStringList>("rests"); // empty: no entry has one

    const Values empty(10);
    const QString crlf = QStringLiteral("\r\n");

    QTest::newRow("well-formed") << QByteArray("UserName=Friend\r\nSpeech=1\r\n" + oldEntries() + "\r\n")
                                 << oldValues() << QStringLiteral("UserName=Friend\r\nSpeech=1\r\n") << crlf
                                 << QStringList();
    QTest::newRow("only entries") << QByteArray(oldEntries() + "\r\n") << oldValues() << QString() << crlf
                                  << QStringList();
    QTest::newRow("reordered 5..1") << QByteArray(
                                           "Speech=1\r\nLocation5=e.jpg,Five,\r\nLocation4=d.jpg,Four,\r\n"
                                           "Location3=c.jpg,Three,\r\nLocation2=b.jpg,Two,\r\n"
                                           "Location1=a.jpg,One,\r\n\r\n")
                                    << oldValues() << QStringLiteral("Speech=1\r\n") << crlf << QStringList();
    QTest::newRow("lower- and upper-case keys")
        << QByteArray("location1=a.jpg,One,\r\nLocation2=b.jpg,Two,\r\nlocation3=c.jpg,Three,\r\n"
                      "LOCATION4=d.jpg,Four,\r\nLoCaTiOn5=e.jpg,Five,\r\n\r\n")
        << oldValues() << QString() << crlf << QStringList();
    QTest::newRow("missing file") << QByteArray() << empty << QString() << crlf << QStringList();
    QTest::newRow("empty file") << QByteArray("") << empty << QString() << crlf << QStringList();
    // Without entries the other text keeps its lines; the entries go on new ones.
    QTest::newRow("no entries") << QByteArray("Speech=1") << empty << QStringLiteral("Speech=1\r\n") << crlf
                                << QStringList();

    Values missing3 = oldValues();
    missing3[2].clear();
    missing3[7].clear();
    QTest::newRow("missing key")
        << QByteArray("Location1=a.jpg,One,\r\nLocation2=b.jpg,Two,\r\nLocation4=d.jpg,Four,\r\n"
                      "Location5=e.jpg,Five,\r\n\r\n")
        << missing3 << QString() << crlf << QStringList();
    // A key that begins a line is an entry whatever its commas: the fields
    // it lacks are empty, and a value never runs into the next line, so the
    // entry below is not swallowed.
    Values noText = oldValues();
    noText[7].clear();
    QTest::newRow("entry without commas")
        << QByteArray("Location1=a.jpg,One,\r\nLocation2=b.jpg,Two,\r\nLocation3=c.jpg\r\n"
                      "Location4=d.jpg,Four,\r\nLocation5=e.jpg,Five,\r\n\r\n")
        << noText << QString() << crlf << QStringList();
    QTest::newRow("entry with one comma")
        << QByteArray("Location1=a.jpg,One,\r\nLocation2=b.jpg,Two,\r\nLocation3=c.jpg,Three\r\n"
                      "Location4=d.jpg,Four,\r\nLocation5=e.jpg,Five,\r\n\r\n")
        << oldValues() << QString() << crlf << QStringList();
    QTest::newRow("key alone at the end")
        << QByteArray("Location1=a.jpg,One,\r\nLocation2=b.jpg,Two,\r\n"
                      "Location4=d.jpg,Four,\r\nLocation5=e.jpg,Five,\r\nLocation3=")
        << missing3 << QString() << QString() << QStringList();
    // Within a line, a key without two commas after it is text.
    QTest::newRow("key in a comment in front")
        << QByteArray("; old: Location2=beach\r\nSpeech=1 ;location4=x, was here\r\n" + oldEntries() + "\r\n")
        << oldValues() << QStringLiteral("; old: Location2=beach\r\nSpeech=1 ;location4=x, was here\r\n")
        << crlf << QStringList();
    Values firstWins = oldValues();
    firstWins[7].clear();
    QTest::newRow("damaged entry in front of the real one")
        << QByteArray("Location3=c.jpg\r\n" + oldEntries() + "\r\n") << firstWins << QString() << crlf
        << QStringList();
    Values keyInValue = oldValues();
    keyInValue[0] = QStringLiteral("Location2=x.jpg");
    QTest::newRow("key inside a value is no entry")
        << QByteArray("Location1=Location2=x.jpg,One,\r\nLocation2=b.jpg,Two,\r\nLocation3=c.jpg,Three,\r\n"
                      "Location4=d.jpg,Four,\r\nLocation5=e.jpg,Five,\r\n\r\n")
        << keyInValue << QString() << crlf << QStringList();

    QTest::newRow("other settings before, between and after")
        << QByteArray(
               "A=1\r\nLocation1=a.jpg,One,\r\nB=2\r\nLocation2=b.jpg,Two,\r\nLocation3=c.jpg,Three,\r\n"
               "C=3\r\n\r\nLocation4=d.jpg,Four,\r\nLocation5=e.jpg,Five,\r\nD=4\r\n")
        << oldValues() << QStringLiteral("A=1\r\n") << QStringLiteral("B=2\r\nC=3\r\n\r\nD=4\r\n")
        << QStringList();
    QTest::newRow("first key wins, later ones are dropped")
        << QByteArray(oldEntries() + "Location1=z.jpg,Old,\r\n\r\n") << oldValues() << QString() << crlf
        << QStringList();
    // What follows an entry's second comma stays with it, up to the next
    // entry on its line.
    QTest::newRow("entries within lines")
        << QByteArray("A=1 Location1=a.jpg,One,Location2=b.jpg,Two, B=2\r\nLocation3=c.jpg,Three,;note\r\n"
                      "Location4=d.jpg,Four,\r\nLocation5=e.jpg,Five,\r\n")
        << oldValues() << QStringLiteral("A=1 ") << QString()
        << QStringList{QString(), QStringLiteral(" B=2"), QStringLiteral(";note"), QString(), QString()};
    Values spaces(10);
    spaces[0] = QStringLiteral(" a.jpg ");
    QTest::newRow("values kept as they stand")
        << QByteArray("Location1= a.jpg ,,extra,more\r\n") << spaces << QString() << QString()
        << QStringList{QStringLiteral("extra,more"), QString(), QString(), QString(), QString()};
    Values cp1252(10);
    cp1252[0] = QStringLiteral("Caf\u00e9.jpg");
    cp1252[5] = QStringLiteral("Tr\u00e8s \u20ac");
    QTest::newRow("code page") << QByteArray("Location1=Caf\xe9.jpg,Tr\xe8s \x80,\r\n") << cp1252 << QString()
                               << QString() << QStringList();
}

void TestLocationSettings::read()
{
    QFETCH(QByteArray, file);
    QFETCH(Values, values);
    QFETCH(QString, optOther);
    QFETCH(QString, optAfter);

    const ProgramFolderFixture fixture;
    const LocationSettings::LoadResult loaded = LocationSettings::load(makeFolder(fixture, file));
    QVERIFY2(loaded.ok(), qPrintable(loaded.error));
    const LocationSettings &settings = loaded.settings;
    QCOMPARE(valuesOf(settings), values);
    QCOMPARE(settings.OptOther, optOther);
    QCOMPARE(settings.OptAfter, optAfter);
    QFETCH(QStringList, rests);
    if (rests.isEmpty())
        rests = QStringList(LocationSettings::Count);
    QCOMPARE(QStringList(settings.LocationRest.cbegin(), settings.LocationRest.cend()), rests);
}

void TestLocationSettings::save_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("missing file") << QByteArray() << QByteArray(newEntries() + "\r\n");
    QTest::newRow("window's own shape") << QByteArray("UserName=Friend\r\n" + oldEntries() + "\r\n")
                                        << QByteArray("UserName=Friend\r\n" + newEntries() + "\r\n");
    QTest::newRow("other text on the first entry's line")
        << QByteArray("A=1 " + oldEntries() + "\r\n") << QByteArray("A=1 " + newEntries() + "\r\n");
    QTest::newRow("reordered 5..1") << QByteArray("A=1\r\nLocation5=e.jpg,Five,\r\nLocation4=d.jpg,Four,\r\n"
                                                  "Location3=c.jpg,Three,\r\nLocation2=b.jpg,Two,\r\n"
                                                  "Location1=a.jpg,One,\r\n\r\n")
                                    << QByteArray("A=1\r\n" + newEntries() + "\r\n");
    // What a save of the 5..1 file used to leave: the old entries in front of the new ones.
    QTest::newRow("stale entries in front")
        << QByteArray("A=1\r\nLocation5=e.jpg,Five,\r\nLocation4=d.jpg,Four,\r\nLocation3=c.jpg,Three,\r\n"
                      "Location2=b.jpg,Two,\r\n" +
                      oldEntries() + "\r\n")
        << QByteArray("A=1\r\n" + newEntries() + "\r\n");
    QTest::newRow("other settings before, between and after")
        << QByteArray(
               "A=1\r\nLocation1=a.jpg,One,\r\nB=2\r\nLocation2=b.jpg,Two,\r\nLocation3=c.jpg,Three,\r\n"
               "C=3\r\nLocation4=d.jpg,Four,\r\nLocation5=e.jpg,Five,\r\nD=4\r\n")
        << QByteArray("A=1\r\n" + newEntries() + "B=2\r\nC=3\r\nD=4\r\n");
    // Entries lacking commas are completed where the first entry stood.
    QTest::newRow("entries lacking commas") << QByteArray("A=1\r\nLocation2=\r\nLocation4=d.jpg,Four\r\n")
                                            << QByteArray("A=1\r\n" + newEntries());
    QTest::newRow("key in a comment in front")
        << QByteArray("; old: Location2=beach\r\nA=1\r\n" + oldEntries() + "\r\n")
        << QByteArray("; old: Location2=beach\r\nA=1\r\n" + newEntries() + "\r\n");
    QTest::newRow("entry lacking commas between entries")
        << QByteArray("Location1=a.jpg,One,\r\nLocation2=b.jpg,Two,\r\nLocation3=c.jpg\r\n"
                      "Location4=d.jpg,Four,\r\nLocation5=e.jpg,Five,\r\n\r\n")
        << QByteArray(newEntries() + "\r\n");
    QTest::newRow("no entries, no final line end")
        << QByteArray("A=1") << QByteArray("A=1\r\n" + newEntries() + "\r\n");
    QTest::newRow("entries within lines")
        << QByteArray("A=1 Location1=a.jpg,One,Location2=b.jpg,Two, B=2\r\nLocation3=c.jpg,Three,;note\r\n"
                      "Location4=d.jpg,Four,\r\nLocation5=e.jpg,Five,\r\n")
        << QByteArray("A=1 Location1=Garden.jpg,Green,\r\nLocation2=Library.jpg,Books, B=2\r\n"
                      "Location3=Beach.jpg,Sand,;note\r\nLocation4=Night City.jpg,Lights,\r\n"
                      "Location5=Mountains.jpg,Snow,\r\n");
    // The file always ends in CR LF; other line ends are kept as they are.
    QTest::newRow("LF line ends") << QByteArray("A=1\nLocation1=a.jpg,One,\nLocation2=b.jpg,Two,\n"
                                                "Location3=c.jpg,Three,\nLocation4=d.jpg,Four,\n"
                                                "Location5=e.jpg,Five,\n\nB=2")
                                  << QByteArray("A=1\n" + newEntries() + "\nB=2\r\n");
    // Nothing joins into a key, since the entry takes what follows its commas.
    QTest::newRow("a key's halves around an entry")
        << QByteArray("A=1\r\nLocaLocation1=a.jpg,One,tion2=b.jpg,Two,\r\n")
        << QByteArray("A=1\r\nLocaLocation1=Garden.jpg,Green,tion2=b.jpg,Two,\r\n" +
                      newEntries().mid(newEntries().indexOf("Location2=")));
}

void TestLocationSettings::save()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, expected);

    const ProgramFolderFixture fixture;
    const QString folder = makeFolder(fixture, file);
    const LocationSettings::LoadResult loaded = LocationSettings::load(folder);
    QVERIFY(loaded.ok());
    LocationSettings settings = loaded.settings;
    const LocationSettings before = settings;
    setValues(settings, newValues());
    QCOMPARE(settings.save(folder), QString());
    QCOMPARE(readBytes(LocationSettings::path(folder)), expected);

    // Read back: exactly the values saved, the other text where it was.
    const LocationSettings reread = LocationSettings::load(folder).settings;
    QCOMPARE(valuesOf(reread), newValues());
    QCOMPARE(reread.OptOther, before.OptOther);

    // Saving again without changes gives the same file.
    QCOMPARE(reread.save(folder), QString());
    QCOMPARE(readBytes(LocationSettings::path(folder)), expected);
}

void TestLocationSettings::unchangedSave_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("expected"); // null: the file itself

    const QByteArray rest =
        "Location3=c.jpg,Three,\r\nLocation4=d.jpg,Four,\r\nLocation5=e.jpg,Five,\r\n\r\n";
    QTest::newRow("text after the second comma")
        << QByteArray("A=1\r\nLocation1=pic,Garden,extra,fields\r\nLocation2=b.jpg,Two,\r\n" + rest)
        << QByteArray();
    // One line for one key: the entry is completed, never written twice.
    QTest::newRow("one comma") << QByteArray("Location1=a.jpg,One,\r\nLocation2=pic,Text two\r\n" + rest)
                               << QByteArray("Location1=a.jpg,One,\r\nLocation2=pic,Text two,\r\n" + rest);
    QTest::newRow("no comma") << QByteArray("Location1=a.jpg,One,\r\nLocation2=pic\r\n" + rest)
                              << QByteArray("Location1=a.jpg,One,\r\nLocation2=pic,,\r\n" + rest);
    QTest::newRow("an empty key") << QByteArray("Location1=a.jpg,One,\r\nLocation2=\r\n" + rest)
                                  << QByteArray("Location1=a.jpg,One,\r\nLocation2=,,\r\n" + rest);
}

void TestLocationSettings::unchangedSave()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, expected);
    if (expected.isNull())
        expected = file;

    const ProgramFolderFixture fixture;
    const QString folder = makeFolder(fixture, file);
    const LocationSettings loaded = LocationSettings::load(folder).settings;
    QCOMPARE(loaded.save(folder), QString());
    QCOMPARE(readBytes(LocationSettings::path(folder)), expected);
    QCOMPARE(readBytes(LocationSettings::path(folder)).count("Location2="), 1);
    // And again: the file the kit wrote comes back as itself.
    const LocationSettings reread = LocationSettings::load(folder).settings;
    QCOMPARE(reread.LocationFile, loaded.LocationFile);
    QCOMPARE(reread.LocationText, loaded.LocationText);
    QCOMPARE(reread.save(folder), QString());
    QCOMPARE(readBytes(LocationSettings::path(folder)), expected);
}

void TestLocationSettings::goldenShape()
{
    LocationSettings settings;
    settings.OptOther = QStringLiteral("UserName=Friend\r\nSpeech=1\r\n");
    setValues(settings,
              {QStringLiteral("Caf\u00e9 garden.jpg"), QStringLiteral("Library.jpg"),
               QStringLiteral("Beach.jpg"), QStringLiteral("Night City.jpg"), QString(),
               QStringLiteral("Tea under the trees"), QStringLiteral("Among the old books"), QString(),
               QStringLiteral("The city lights at night"), QStringLiteral("High up in the mountains")});
    const ProgramFolderFixture fixture;
    const QString folder = makeFolder(fixture, QByteArray());
    QCOMPARE(settings.save(folder), QString());
    const QByteArray golden = readBytes(QStringLiteral(MINDLOOM_TEST_DATA "/golden_Options.Cfg"));
    QVERIFY(!golden.isEmpty());
    QCOMPARE(readBytes(LocationSettings::path(folder)), golden);

    const LocationSettings::LoadResult loaded = LocationSettings::load(folder);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.settings, settings);
}

void TestLocationSettings::sampleRewritesUnchanged()
{
    const QByteArray sample = readBytes(ProgramFolderFixture::assetsFolder() + QStringLiteral("Options.Cfg"));
    const ProgramFolderFixture fixture;
    const QString folder = makeFolder(fixture, sample);
    const LocationSettings::LoadResult loaded = LocationSettings::load(folder);
    QCOMPARE(loaded.error, QString());
    const LocationSettings &settings = loaded.settings;
    QCOMPARE(settings.LocationFile[3], QStringLiteral("Night City.jpg"));
    for (int i = 0; i < LocationSettings::Count; ++i) {
        QVERIFY(!settings.LocationFile[i].isEmpty());
        QVERIFY(!settings.LocationText[i].isEmpty());
    }
    QVERIFY(!settings.OptOther.isEmpty());
    QCOMPARE(settings.save(folder), QString());
    QCOMPARE(readBytes(LocationSettings::path(folder)), sample);
}

void TestLocationSettings::unreadableFileNamesIt()
{
    const ProgramFolderFixture fixture;
    const QString folder = makeFolder(fixture, QByteArray());
    QVERIFY(QDir(folder).mkdir(QStringLiteral("Options.Cfg")));
    const LocationSettings::LoadResult loaded = LocationSettings::load(folder);
    QVERIFY(!loaded.ok());
    QVERIFY(loaded.error.contains(QStringLiteral("Options.Cfg")));
    const LocationSettings &settings = loaded.settings;
    QCOMPARE(settings, LocationSettings());

    const QString writeError = settings.save(folder);
    QVERIFY(writeError.contains(QStringLiteral("Options.Cfg")));
    QVERIFY(QFileInfo(LocationSettings::path(folder)).isDir());
}

void TestLocationSettings::unstorable_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("reason"); // empty: storable

    QTest::newRow("plain") << QStringLiteral("Night City.jpg") << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("code page") << QStringLiteral("Caf\u00e9 \u20ac") << QString();
    QTest::newRow("comma") << QStringLiteral("sand, sea") << QStringLiteral("\",\"");
    QTest::newRow("line break") << QStringLiteral("sand\nsea") << QStringLiteral("line break");
    QTest::newRow("carriage return") << QStringLiteral("sand\rsea") << QStringLiteral("line break");
    QTest::newRow("key") << QStringLiteral("see location2=here") << QStringLiteral("\"location2=\"");
    QTest::newRow("word only") << QStringLiteral("Location 2 = here") << QString();
}

void TestLocationSettings::unstorable()
{
    QFETCH(QString, value);
    QFETCH(QString, reason);
    const QString why = LocationSettings::whyUnstorable(value);
    if (reason.isEmpty())
        QCOMPARE(why, QString());
    else
        QVERIFY2(why.contains(reason), qPrintable(why));
}

QTEST_GUILESS_MAIN(TestLocationSettings)
#include "tst_location_settings.moc"
