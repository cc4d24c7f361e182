// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnnouncedFlag.h"
#include "LocationsDocument.h"
#include "LocationsFolder.h"
#include "TestFiles.h"

#include <QDir>
#include <QtTest>

using namespace TestFiles;

// The settings the Locations window edits, without the window.
class TestLocationsDocument : public QObject
{
    Q_OBJECT
private slots:
    void loadsAndSavesBack();
    void modified_data();
    void modified();
    void saveRefused_data();
    void saveRefused();
    void unreadableFileIsNeverReplaced();
    void pictureMissing_data();
    void pictureMissing();
    void longTextSurvivesAnUnchangedSave();
};

namespace {

// A program folder whose "Options.Cfg" holds the given bytes, and the
// settings loaded from it.
struct Loaded
{
    explicit Loaded(const QByteArray &options = LocationsFolder::fiveEntries)
    {
        folder.writeOptions(options);
        error = document.load(folder.folder());
    }

    LocationsFolder folder;
    LocationsDocument document;
    QString error;
};

} // namespace

void TestLocationsDocument::loadsAndSavesBack()
{
    Loaded loaded;
    LocationsDocument &document = loaded.document;
    QCOMPARE(loaded.error, QString());
    QCOMPARE(document.file(4), QStringLiteral("Night City.jpg"));
    QCOMPARE(document.text(5), QStringLiteral("Snow"));
    QCOMPARE(document.settings().OptOther, QStringLiteral("Other=1\r\n"));
    QCOMPARE(document.picturesFolder(),
             loaded.folder.folder() + QStringLiteral("Locations") + QDir::separator());
    QVERIFY(!document.modified());

    document.setText(3, QStringLiteral("Dunes"));
    document.setFile(1, QStringLiteral("Meadow.bmp"));
    QCOMPARE(document.save(), QString());
    QVERIFY(!document.modified());
    QCOMPARE(loaded.folder.optionsBytes(), QByteArray("Other=1\r\n"
                                                      "Location1=Meadow.bmp,Green,\r\n"
                                                      "Location2=Library.jpg,Books,\r\n"
                                                      "Location3=Beach.jpg,Dunes,\r\n"
                                                      "Location4=Night City.jpg,Lights,\r\n"
                                                      "Location5=Mountains.jpg,Snow,\r\n"
                                                      "\r\n"));
}

void TestLocationsDocument::modified_data()
{
    // Steps: text<n>=<value>, file<n>=<value>, save, badSave (a value the
    // file cannot store), load.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("modified");
    const auto steps = AnnouncedFlag::steps;
    QTest::newRow("loaded") << QStringList() << false;
    QTest::newRow("text changed") << steps("text2=Shelves") << true;
    QTest::newRow("picture changed") << steps("file2=Shelves.bmp") << true;
    QTest::newRow("changed back") << steps("text2=Shelves text2=Books") << false;
    QTest::newRow("same value") << steps("file5=Mountains.jpg") << false;
    QTest::newRow("saved") << steps("text1=Moss save") << false;
    QTest::newRow("changed after saving") << steps("text1=Moss save text1=Green") << true;
    QTest::newRow("refused save") << steps("text1=Moss,green badSave") << true;
    QTest::newRow("loaded again") << steps("text1=Moss load") << false;
}

void TestLocationsDocument::modified()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, modified);
    Loaded loaded;
    LocationsDocument &document = loaded.document;
    const AnnouncedFlag announced(&document, &LocationsDocument::modifiedChanged, document.modified());
    for (const QString &step : steps) {
        const QString value = step.section(QLatin1Char('='), 1);
        const int n = step.mid(4, 1).toInt();
        if (step.startsWith(QLatin1String("text")))
            document.setText(n, value);
        else if (step.startsWith(QLatin1String("file")))
            document.setFile(n, value);
        else if (step == QLatin1String("save"))
            QCOMPARE(document.save(), QString());
        else if (step == QLatin1String("badSave"))
            QVERIFY(!document.save().isEmpty());
        else if (step == QLatin1String("load"))
            QCOMPARE(document.load(loaded.folder.folder()), QString());
        else
            QFAIL(qPrintable(step));
        QCOMPARE(announced.value(), document.modified());
    }
    QCOMPARE(document.modified(), modified);
}

void TestLocationsDocument::saveRefused_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("isFile");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("names"); // what the message must say about the value
    QTest::newRow("comma in a text") << 3 << false << QStringLiteral("Sand, sea") << QStringLiteral("\",\"");
    QTest::newRow("comma in a picture's name")
        << 2 << true << QStringLiteral("Books, old.bmp") << QStringLiteral("\",\"");
    QTest::newRow("line break") << 1 << false << QStringLiteral("a\nb") << QStringLiteral("line break");
    QTest::newRow("a key") << 5 << false << QStringLiteral("see location2=x") << QStringLiteral("location2=");
}

void TestLocationsDocument::saveRefused()
{
    QFETCH(int, n);
    QFETCH(bool, isFile);
    QFETCH(QString, value);
    QFETCH(QString, names);
    Loaded loaded;
    LocationsDocument &document = loaded.document;
    if (isFile)
        document.setFile(n, value);
    else
        document.setText(n, value);

    const QString message = document.save();
    QVERIFY2(message.contains(QStringLiteral("Location %1").arg(n)), qPrintable(message));
    QVERIFY2(message.contains(value) && message.contains(names), qPrintable(message));
    QCOMPARE(loaded.folder.optionsBytes(), LocationsFolder::fiveEntries);
    QVERIFY(document.modified());
}

void TestLocationsDocument::unreadableFileIsNeverReplaced()
{
    // Options.Cfg is there but cannot be read (a folder of that name, as
    // permissions do not stop root): the locations start empty, and saving
    // them would lose the other settings the file holds.
    LocationsFolder folder;
    QVERIFY(QDir(folder.folder()).mkdir(QStringLiteral("Options.Cfg")));
    LocationsDocument document;
    const QString error = document.load(folder.folder());
    QVERIFY2(error.contains(QStringLiteral("Options.Cfg")), qPrintable(error));
    QCOMPARE(document.text(1), QString());
    document.setText(1, QStringLiteral("Meadow"));
    const QString message = document.save();
    QVERIFY2(message.contains(QStringLiteral("could not be read")), qPrintable(message));
    QVERIFY(QFileInfo(folder.options()).isDir());
}

void TestLocationsDocument::pictureMissing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("missing");
    QTest::addColumn<bool>("hasPath");
    QTest::newRow("in the folder") << QStringLiteral("Garden.jpg") << false << true;
    QTest::newRow("missing") << QStringLiteral("Library.jpg") << true << true;
    QTest::newRow("a folder of that name") << QStringLiteral("Beach.jpg") << true << true;
    QTest::newRow("names none") << QString() << false << false;
}

void TestLocationsDocument::pictureMissing()
{
    QFETCH(QString, file);
    QFETCH(bool, missing);
    QFETCH(bool, hasPath);
    Loaded loaded;
    QVERIFY(QDir(loaded.folder.folder()).mkpath(QStringLiteral("Locations/Beach.jpg")));
    writeBytes(loaded.folder.location(QStringLiteral("Garden.jpg")), "picture bytes");
    LocationsDocument &document = loaded.document;
    document.setFile(2, file);
    QCOMPARE(document.pictureMissing(2), missing);
    QCOMPARE(document.picturePath(2), hasPath ? document.picturesFolder() + file : QString());
}

void TestLocationsDocument::longTextSurvivesAnUnchangedSave()
{
    const QByteArray text(40000, 'x');
    const QByteArray bytes = "Location1=a.jpg," + text +
                             ",\r\nLocation2=,,\r\nLocation3=,,\r\nLocation4=,,\r\n"
                             "Location5=,,\r\n\r\n";
    Loaded loaded(bytes);
    QCOMPARE(loaded.document.text(1).size(), 40000);
    QCOMPARE(loaded.document.save(), QString());
    QCOMPARE(loaded.folder.optionsBytes(), bytes);
}

QTEST_GUILESS_MAIN(TestLocationsDocument)
#include "tst_locations_document.moc"
