// SPDX-License-Identifier: GPL-3.0-or-later
#include "KitProgram.h"
#include "TestFiles.h"
#include "WorkFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(WorkFolder::Choice::Kind)

// The folder the programs work in, and the data folder's first fill.
class TestWorkFolder : public QObject
{
    Q_OBJECT
private slots:
    void choose_data();
    void choose();
    void installedKitWorksInTheDataFolder_data();
    void installedKitWorksInTheDataFolder();
    void situationOfTheRunningProgram();
    void firstFillCopiesTheShippedContent();
    void neverReplacesTheUsersFiles();
    void secondFillChangesNothing();
    void laterVersionAddsWhatItShipsNew();
    void failedFillIsCompletedLater();
    void missingContentIsReported();
    void dataFolderProblem_data();
    void dataFolderProblem();
};

namespace {

using Kind = WorkFolder::Choice::Kind;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Every file below folder: relative path -> bytes.
QMap<QString, QByteArray> filesBelow(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), TestFiles::readBytes(path));
    }
    return files;
}

// A small shipped content: files at the top and in a subfolder.
void makeContent(const QString &folder)
{
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/Images")));
    TestFiles::writeBytes(folder + QStringLiteral("/Juniper.mem"), "shipped memory");
    TestFiles::writeBytes(folder + QStringLiteral("/Options.Cfg"), "shipped settings");
    TestFiles::writeBytes(folder + QStringLiteral("/Images/bg.jpg"), "shipped background");
}

// In a fresh temporary folder: a small shipped content in "content", and the
// data folder "data" it is to fill, not made yet.
struct FillFolders
{
    FillFolders() { makeContent(content); }

    QTemporaryDir dir;
    const QString content = dir.filePath(QStringLiteral("content"));
    const QString data = dir.filePath(QStringLiteral("data"));
};

} // namespace

void TestWorkFolder::choose_data()
{
    QTest::addColumn<bool>("folderGiven");
    QTest::addColumn<QString>("requested");
    QTest::addColumn<bool>("hasSettings");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("folder"); // below the temporary folder; "" for an error
    QTest::addColumn<QString>("error");  // a part of the message

    // The program folder is "program", the working directory "work" (which
    // holds the folder "sub" and the file "notes.txt"), the data folder "data".
    QTest::newRow("build layout: settings, writable")
        << false << QString() << true << true << Kind::ProgramFolder << QStringLiteral("program")
        << QString();
    QTest::newRow("settings, not writable") << false << QString() << true << false << Kind::ProgramFolder
                                            << QStringLiteral("program") << QString();
    QTest::newRow("no settings, writable") << false << QString() << false << true << Kind::ProgramFolder
                                           << QStringLiteral("program") << QString();
    QTest::newRow("installed: no settings, not writable")
        << false << QString() << false << false << Kind::DataFolder << QStringLiteral("data") << QString();

    QTest::newRow("--folder relative") << true << QStringLiteral("sub") << true << true << Kind::Requested
                                       << QStringLiteral("work/sub") << QString();
    QTest::newRow("--folder ./sub/../sub/") << true << QStringLiteral("./sub/../sub/") << true << true
                                            << Kind::Requested << QStringLiteral("work/sub") << QString();
    QTest::newRow("--folder . is the working directory")
        << true << QStringLiteral(".") << false << false << Kind::Requested << QStringLiteral("work")
        << QString();
    QTest::newRow("--folder wins over the data folder")
        << true << QStringLiteral("sub") << false << false << Kind::Requested << QStringLiteral("work/sub")
        << QString();
    QTest::newRow("--folder missing")
        << true << QStringLiteral("nowhere") << true << true << Kind::Requested << QString()
        << QStringLiteral("The folder \"nowhere\" does not exist.");
    QTest::newRow("--folder a file") << true << QStringLiteral("notes.txt") << true << true << Kind::Requested
                                     << QString() << QStringLiteral("\"notes.txt\" is not a folder.");
    QTest::newRow("--folder empty") << true << QString() << true << true << Kind::Requested << QString()
                                    << QStringLiteral("--folder needs a folder.");
}

void TestWorkFolder::choose()
{
    QFETCH(bool, folderGiven);
    QFETCH(QString, requested);
    QFETCH(bool, hasSettings);
    QFETCH(bool, writable);
    QFETCH(Kind, kind);
    QFETCH(QString, folder);
    QFETCH(QString, error);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("work/sub"))));
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("program"))));
    TestFiles::writeBytes(dir.filePath(QStringLiteral("work/notes.txt")), "notes");

    WorkFolder::Situation situation;
    situation.folderGiven = folderGiven;
    situation.requested = requested;
    situation.workingDirectory = dir.filePath(QStringLiteral("work"));
    situation.programFolder = dir.filePath(QStringLiteral("program"));
    situation.programFolderHasSettings = hasSettings;
    situation.programFolderWritable = writable;
    situation.dataFolder = dir.filePath(QStringLiteral("data"));

    const WorkFolder::Choice choice = WorkFolder::choose(situation);
    QCOMPARE(choice.kind, kind);
    QCOMPARE(choice.error, error);
    if (!error.isEmpty()) {
        QVERIFY(choice.folder.isEmpty());
        return;
    }
    // Absolute, native, one trailing separator.
    QCOMPARE(choice.folder, native(dir.filePath(folder)) + QDir::separator());
    // The choice makes no folder and writes nothing.
    QVERIFY(!QFileInfo::exists(situation.dataFolder));
}

void TestWorkFolder::installedKitWorksInTheDataFolder_data()
{
    QTest::addColumn<bool>("hasSettings");
    QTest::addColumn<bool>("writable");
    QTest::newRow("started by root: the executables' folder writable") << false << true;
    QTest::newRow("writable, with settings") << true << true;
    QTest::newRow("started by a user") << false << false;
}

void TestWorkFolder::installedKitWorksInTheDataFolder()
{
    QFETCH(bool, hasSettings);
    QFETCH(bool, writable);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    WorkFolder::Situation situation;
    situation.workingDirectory = dir.path();
    situation.programFolder = dir.filePath(QStringLiteral("usr/bin"));
    situation.programFolderHasSettings = hasSettings;
    situation.programFolderWritable = writable;
    situation.dataFolder = dir.filePath(QStringLiteral("data"));
    situation.contentFolder = dir.filePath(QStringLiteral("usr/share/mindloom"));
    situation.installed = true;

    WorkFolder::Choice choice = WorkFolder::choose(situation);
    QCOMPARE(choice.kind, Kind::DataFolder);
    QCOMPARE(choice.folder, native(situation.dataFolder) + QDir::separator());
    // A folder given still wins.
    situation.folderGiven = true;
    situation.requested = QStringLiteral(".");
    choice = WorkFolder::choose(situation);
    QCOMPARE(choice.kind, Kind::Requested);
    QCOMPARE(choice.folder, native(dir.path()) + QDir::separator());
}

void TestWorkFolder::situationOfTheRunningProgram()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    KitInfo::setApplicationIdentity();

    const WorkFolder::Situation situation = WorkFolder::currentSituation(true, QStringLiteral("x"));
    QVERIFY(situation.folderGiven);
    QCOMPARE(situation.requested, QStringLiteral("x"));
    QCOMPARE(situation.workingDirectory, QDir::currentPath());
    QCOMPARE(situation.programFolder, QCoreApplication::applicationDirPath());
    QCOMPARE(situation.dataFolder, home.filePath(QStringLiteral("Mindloom")));
    QCOMPARE(situation.contentFolder, KitInfo::installedContentFolder());
    // The test's own folder holds no settings file, and no shipped content
    // stands beside it.
    QVERIFY(!situation.programFolderHasSettings);
    QVERIFY(!situation.installed);
}

void TestWorkFolder::firstFillCopiesTheShippedContent()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString content = dir.filePath(QStringLiteral("share/mindloom"));
    makeContent(content);
    // Installed files may be read-only; the copies must not be.
    QVERIFY(
        QFile::setPermissions(content + QStringLiteral("/Juniper.mem"), QFile::ReadOwner | QFile::ReadOther));
    const QString data = dir.filePath(QStringLiteral("home/.local/share/Mindloom"));

    const WorkFolder::FillResult result = WorkFolder::fill(data, content);
    QVERIFY2(result.ok(), qPrintable(result.errors.join(QLatin1Char('\n'))));
    QCOMPARE(result.copied, (QStringList{QStringLiteral("Images/bg.jpg"), QStringLiteral("Juniper.mem"),
                                         QStringLiteral("Options.Cfg")}));
    QMap<QString, QByteArray> expected = filesBelow(content);
    QMap<QString, QByteArray> filled = filesBelow(data);
    QVERIFY(filled.remove(WorkFolder::filledMarkerName()) == 1);
    QCOMPARE(filled, expected);
    QVERIFY(QFile::permissions(data + QStringLiteral("/Juniper.mem")) & QFile::WriteOwner);
}

void TestWorkFolder::neverReplacesTheUsersFiles()
{
    const FillFolders f;
    QVERIFY(f.dir.isValid());
    QVERIFY(QDir().mkpath(f.data + QStringLiteral("/Images")));
    TestFiles::writeBytes(f.data + QStringLiteral("/Juniper.mem"), "the user's memory");
    TestFiles::writeBytes(f.data + QStringLiteral("/Images/bg.jpg"), "the user's background");
    TestFiles::writeBytes(f.data + QStringLiteral("/Mine.kba"), "the user's facts");
    // A link that leads nowhere still holds the name.
    QVERIFY(QFile::link(f.dir.filePath(QStringLiteral("gone")), f.data + QStringLiteral("/Options.Cfg")));

    const WorkFolder::FillResult result = WorkFolder::fill(f.data, f.content);
    QVERIFY2(result.ok(), qPrintable(result.errors.join(QLatin1Char('\n'))));
    QVERIFY(result.copied.isEmpty());
    QCOMPARE(TestFiles::readBytes(f.data + QStringLiteral("/Juniper.mem")), QByteArray("the user's memory"));
    QCOMPARE(TestFiles::readBytes(f.data + QStringLiteral("/Images/bg.jpg")),
             QByteArray("the user's background"));
    QCOMPARE(TestFiles::readBytes(f.data + QStringLiteral("/Mine.kba")), QByteArray("the user's facts"));
    QVERIFY(QFileInfo(f.data + QStringLiteral("/Options.Cfg")).isSymLink());
}

void TestWorkFolder::secondFillChangesNothing()
{
    const FillFolders f;
    QVERIFY(f.dir.isValid());
    QVERIFY(WorkFolder::fill(f.data, f.content).ok());

    // The user works in the folder: a sample deleted, another changed.
    QVERIFY(QFile::remove(f.data + QStringLiteral("/Juniper.mem")));
    TestFiles::writeBytes(f.data + QStringLiteral("/Options.Cfg"), "the user's settings");
    const QMap<QString, QByteArray> before = filesBelow(f.data);
    const QDateTime changed = QFileInfo(f.data + QStringLiteral("/Images/bg.jpg")).lastModified();

    const WorkFolder::FillResult again = WorkFolder::fill(f.data, f.content);
    QVERIFY(again.ok());
    QVERIFY(again.copied.isEmpty());
    QCOMPARE(filesBelow(f.data), before);
    QCOMPARE(QFileInfo(f.data + QStringLiteral("/Images/bg.jpg")).lastModified(), changed);
}

void TestWorkFolder::laterVersionAddsWhatItShipsNew()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString content = dir.filePath(QStringLiteral("content"));
    makeContent(content);
    QVERIFY(QDir().mkpath(content + QStringLiteral("/Docs")));
    TestFiles::writeBytes(content + QStringLiteral("/Docs/help.html"), "help 1");
    const QString data = dir.filePath(QStringLiteral("data"));
    QVERIFY(WorkFolder::fill(data, content, QStringLiteral("1.0")).ok());

    QVERIFY(QFile::remove(data + QStringLiteral("/Juniper.mem")));
    TestFiles::writeBytes(data + QStringLiteral("/Options.Cfg"), "the user's settings");
    // The next version ships new help, a new page and a new sample.
    TestFiles::writeBytes(content + QStringLiteral("/Docs/help.html"), "help 2");
    TestFiles::writeBytes(content + QStringLiteral("/Docs/new.png"), "new page");
    TestFiles::writeBytes(content + QStringLiteral("/New.kba"), "new facts");

    const WorkFolder::FillResult upgraded = WorkFolder::fill(data, content, QStringLiteral("1.1"));
    QVERIFY2(upgraded.ok(), qPrintable(upgraded.errors.join(QLatin1Char('\n'))));
    QCOMPARE(upgraded.copied, (QStringList{QStringLiteral("Docs/help.html"), QStringLiteral("Docs/new.png"),
                                           QStringLiteral("New.kba")}));
    QCOMPARE(TestFiles::readBytes(data + QStringLiteral("/Docs/help.html")), QByteArray("help 2"));
    QVERIFY(!QFileInfo::exists(data + QStringLiteral("/Juniper.mem")));
    QCOMPARE(TestFiles::readBytes(data + QStringLiteral("/Options.Cfg")), QByteArray("the user's settings"));

    const QMap<QString, QByteArray> before = filesBelow(data);
    QVERIFY(WorkFolder::fill(data, content, QStringLiteral("1.1")).copied.isEmpty());
    QCOMPARE(filesBelow(data), before);
}

void TestWorkFolder::failedFillIsCompletedLater()
{
    const FillFolders f;
    QVERIFY(f.dir.isValid());
    // A file where the fill needs a folder makes the fill fail part way.
    QVERIFY(QDir().mkpath(f.data));
    TestFiles::writeBytes(f.data + QStringLiteral("/Images"), "in the way");

    const WorkFolder::FillResult failed = WorkFolder::fill(f.data, f.content);
    QCOMPARE(failed.errors.size(), 1);
    QVERIFY2(failed.errors.first().contains(native(f.data + QStringLiteral("/Images"))),
             qPrintable(failed.errors.first()));
    QCOMPARE(failed.copied, (QStringList{QStringLiteral("Juniper.mem"), QStringLiteral("Options.Cfg")}));
    QVERIFY(!QFileInfo::exists(f.data + QLatin1Char('/') + WorkFolder::filledMarkerName()));

    QVERIFY(QFile::remove(f.data + QStringLiteral("/Images")));
    const WorkFolder::FillResult completed = WorkFolder::fill(f.data, f.content);
    QVERIFY(completed.ok());
    QCOMPARE(completed.copied, QStringList{QStringLiteral("Images/bg.jpg")});
    QVERIFY(QFileInfo::exists(f.data + QLatin1Char('/') + WorkFolder::filledMarkerName()));
}

void TestWorkFolder::missingContentIsReported()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString data = dir.filePath(QStringLiteral("data"));
    const WorkFolder::FillResult result =
        WorkFolder::fill(data, dir.filePath(QStringLiteral("share/mindloom")));
    QCOMPARE(result.errors.size(), 1);
    QVERIFY2(result.errors.first().contains(native(dir.filePath(QStringLiteral("share/mindloom")))),
             qPrintable(result.errors.first()));
    // The folder is there to work in, and the next start tries again.
    QVERIFY(QFileInfo(data).isDir());
    QVERIFY(!QFileInfo::exists(data + QLatin1Char('/') + WorkFolder::filledMarkerName()));
}

void TestWorkFolder::dataFolderProblem_data()
{
    QTest::addColumn<QString>("inTheWay"); // a file put where the fill needs a folder; "": none
    QTest::addColumn<qint64>("available");
    QTest::addColumn<QStringList>("expected"); // parts of the message; none: no message

    // "@" is the data folder.
    QTest::newRow("filled, room enough") << QString() << WorkFolder::FullBelow << QStringList();
    QTest::newRow("room not known") << QString() << qint64(-1) << QStringList();
    QTest::newRow("a file where the data folder should be")
        << QStringLiteral(".") << qint64(-1)
        << QStringList{QStringLiteral("The data folder \"@\""),
                       QStringLiteral("Cannot make the folder \"@\": ")};
    QTest::newRow("a file where its pictures' folder should be")
        << QStringLiteral("Images") << qint64(-1)
        << QStringList{QStringLiteral("The data folder \"@\""), QStringLiteral("Cannot make the folder \"@") +
                                                                    QDir::separator() +
                                                                    QStringLiteral("Images\": ")};
    QTest::newRow("full") << QString() << qint64(500)
                          << QStringList{QStringLiteral("The disk of the data folder \"@\""),
                                         QStringLiteral("is full: 500 bytes are free")};
}

void TestWorkFolder::dataFolderProblem()
{
    QFETCH(QString, inTheWay);
    QFETCH(qint64, available);
    QFETCH(QStringList, expected);
    const FillFolders f;
    QVERIFY(f.dir.isValid());
    // A write fails where a file stands in the way, whoever runs the test.
    if (!inTheWay.isEmpty()) {
        const QString path = QDir::cleanPath(f.data + QLatin1Char('/') + inTheWay);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        TestFiles::writeBytes(path, "in the way");
    }
    const WorkFolder::FillResult filled = WorkFolder::fill(f.data, f.content);
    QCOMPARE(filled.ok(), inTheWay.isEmpty());
    const QString problem = WorkFolder::dataFolderProblem(f.data, filled, available);
    if (expected.isEmpty()) {
        QCOMPARE(problem, QString());
        return;
    }
    for (QString part : expected) {
        part.replace(QLatin1Char('@'), native(f.data));
        QVERIFY2(problem.contains(part), qPrintable(problem));
    }
    // Each failure says the system's reason after the name.
    for (const QString &error : filled.errors) {
        QVERIFY2(problem.contains(error), qPrintable(problem));
        QVERIFY2(!error.section(QStringLiteral("\": "), 1).isEmpty(), qPrintable(error));
    }
}

QTEST_GUILESS_MAIN(TestWorkFolder)
#include "tst_workfolder.moc"
