// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppCommandLine.h"
#include "KitProgram.h"
#include "ProgramIdentity.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(KitProgram)
Q_DECLARE_METATYPE(AppCommandLine::Stage)
Q_DECLARE_METATYPE(AppCommandLine::Request::Task)

// The command line both programs read before and after the application
// object exists, and the identity they run under.
class TestAppCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void read_data();
    void read();
    void request_data();
    void request();
    void mindloomOpensFiles_data();
    void mindloomOpensFiles();
    void bothProgramsShareTheDataFolder();
    void iconsInEverySize_data();
    void iconsInEverySize();
};

namespace {

using Stage = AppCommandLine::Stage;

const QString version = QStringLiteral(MINDLOOM_VERSION);

} // namespace

void TestAppCommandLine::read_data()
{
    QTest::addColumn<KitProgram>("program");
    QTest::addColumn<Stage>("stage");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // a pattern; empty: nothing
    QTest::addColumn<QString>("errors"); // a pattern; empty: nothing

    const auto M = KitProgram::Mindloom;
    const auto F = KitProgram::Frameloft;
    const auto before = Stage::BeforeApplication;
    const auto with = Stage::WithApplication;
    const QString mindloomVersion =
        QStringLiteral("^Mindloom %1\\n$").arg(QRegularExpression::escape(version));
    const QString mindloomHelp =
        QStringLiteral("^Usage: Mindloom \\[options\\] \\[FILE...\\]\\n.*-h, "
                       "--help.*-v, --version.*--folder <DIR>.*--check <FILE>.*--spelling");
    const QString usage = QStringLiteral("\\nTry 'Mindloom --help' for more information.\\n$");

    QTest::newRow("no arguments") << M << before << QStringList() << true << 0 << QString() << QString();
    QTest::newRow("--spelling without --check")
        << M << before << QStringList{QStringLiteral("--spelling")} << false << 2 << QString()
        << QStringLiteral("^Mindloom: --spelling needs --check FILE.") + usage;
    QTest::newRow("Frameloft has no --spelling")
        << F << before
        << QStringList{QStringLiteral("--check"), QStringLiteral("a.scn"), QStringLiteral("--spelling")}
        << false << 2 << QString() << QStringLiteral("Unknown option 'spelling'");
    QTest::newRow("no arguments, with application")
        << M << with << QStringList() << true << 0 << QString() << QString();
    QTest::newRow("--version") << M << before << QStringList{QStringLiteral("--version")} << false << 0
                               << mindloomVersion << QString();
    QTest::newRow("-v") << M << before << QStringList{QStringLiteral("-v")} << false << 0 << mindloomVersion
                        << QString();
    QTest::newRow("Frameloft --version")
        << F << before << QStringList{QStringLiteral("--version")} << false << 0
        << QStringLiteral("^Frameloft %1\\n$").arg(QRegularExpression::escape(version)) << QString();
    QTest::newRow("--help") << M << before << QStringList{QStringLiteral("--help")} << false << 0
                            << mindloomHelp << QString();
    QTest::newRow("-h") << M << before << QStringList{QStringLiteral("-h")} << false << 0 << mindloomHelp
                        << QString();
    QTest::newRow("Frameloft --help")
        << F << before << QStringList{QStringLiteral("--help")} << false << 0
        << QStringLiteral("^Usage: Frameloft \\[options\\] \\[FILE.scn\\]\\n.*scene.*--folder <DIR>.*"
                          "--render <FILE.scn>.*OUT.png.*--find-pictures <FOLDER>.*FILE.scn.*--check <FILE>")
        << QString();
    QTest::newRow("help named as installed, with application")
        << M << with << QStringList{QStringLiteral("--help")} << false << 0 << mindloomHelp << QString();
    QTest::newRow("an unknown option does not hide --version")
        << M << before << QStringList{QStringLiteral("--bogus"), QStringLiteral("--version")} << false << 0
        << mindloomVersion << QString();

    // Before the application the toolkit's options are left alone: one word
    // with one dash is not read as letters, or "-reverse" would be "-v".
    QTest::newRow("toolkit's options wait")
        << M << before
        << QStringList{QStringLiteral("-reverse"), QStringLiteral("-platform"), QStringLiteral("offscreen")}
        << true << 0 << QString() << QString();
    // Neither the kit's nor the toolkit's: refused before a display is needed.
    QTest::newRow("unknown option, before application")
        << M << before << QStringList{QStringLiteral("--bogus")} << false << 2 << QString()
        << QStringLiteral("^Mindloom: Unknown option 'bogus'.") + usage;
    QTest::newRow("toolkit option and unknown option, before application")
        << M << before
        << QStringList{QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("-bogus")} << false
        << 2 << QString() << QStringLiteral("^Mindloom: Unknown option 'bogus'.") + usage;
    QTest::newRow("unknown option, with application")
        << M << with << QStringList{QStringLiteral("--bogus")} << false << 2 << QString()
        << QStringLiteral("^Mindloom: Unknown option 'bogus'.") + usage;
    QTest::newRow("--check, before application")
        << M << before
        << QStringList{QStringLiteral("--check"), QStringLiteral("a.mem"), QStringLiteral("--bogus")} << false
        << 2 << QString() << QStringLiteral("^Mindloom: Unknown option 'bogus'.") + usage;
    const QString fUsage = QStringLiteral("\\nTry 'Frameloft --help' for more information.\\n$");
    QTest::newRow("--render without OUT.png")
        << F << before << QStringList{QStringLiteral("--render"), QStringLiteral("a.scn")} << false << 2
        << QString() << QStringLiteral("^Frameloft: --render needs FILE.scn and OUT.png.") + fUsage;
    QTest::newRow("--render to a .jpg name")
        << F << before
        << QStringList{QStringLiteral("--render"), QStringLiteral("a.scn"), QStringLiteral("out.jpg")}
        << false << 2 << QString()
        << QStringLiteral("^Frameloft: --render writes a PNG picture, so OUT.png must end in \"\\.png\", not "
                          "\"out\\.jpg\"\\.") +
               fUsage;
    QTest::newRow("--render with more")
        << F << before
        << QStringList{QStringLiteral("--render"), QStringLiteral("a.scn"), QStringLiteral("a.png"),
                       QStringLiteral("b.png")}
        << false << 2 << QString() << QStringLiteral("^Frameloft: Unexpected argument 'b.png'.") + fUsage;
    QTest::newRow("--render and --check")
        << F << before
        << QStringList{QStringLiteral("--check"), QStringLiteral("a.scn"), QStringLiteral("--render"),
                       QStringLiteral("a.scn"), QStringLiteral("a.png")}
        << false << 2 << QString()
        << QStringLiteral("^Frameloft: --check and --render cannot be used together.") + fUsage;
    QTest::newRow("--find-pictures without FILE.scn")
        << F << before << QStringList{QStringLiteral("--find-pictures"), QStringLiteral("art")} << false << 2
        << QString() << QStringLiteral("^Frameloft: --find-pictures needs FOLDER and FILE.scn.") + fUsage;
    QTest::newRow("--find-pictures and --check")
        << F << before
        << QStringList{QStringLiteral("--find-pictures"), QStringLiteral("art"), QStringLiteral("a.scn"),
                       QStringLiteral("--check"), QStringLiteral("a.scn")}
        << false << 2 << QString()
        << QStringLiteral("^Frameloft: --find-pictures cannot be used with --check.") + fUsage;
    QTest::newRow("Mindloom has no --find-pictures")
        << M << before
        << QStringList{QStringLiteral("--find-pictures"), QStringLiteral("art"), QStringLiteral("a.scn")}
        << false << 2 << QString() << QStringLiteral("^Mindloom: Unknown option 'find-pictures'.") + usage;
    QTest::newRow("--check with a scene to open")
        << F << before
        << QStringList{QStringLiteral("--check"), QStringLiteral("a.scn"), QStringLiteral("b.scn")} << false
        << 2 << QString() << QStringLiteral("^Frameloft: Unexpected argument 'b.scn'.") + fUsage;
    QTest::newRow("Frameloft opens one scene")
        << F << with << QStringList{QStringLiteral("a.scn"), QStringLiteral("b.scn")} << false << 2
        << QString() << QStringLiteral("^Frameloft: Unexpected argument 'b.scn'.") + fUsage;
    QTest::newRow("Mindloom has no --render")
        << M << before
        << QStringList{QStringLiteral("--render"), QStringLiteral("a.scn"), QStringLiteral("a.png")} << false
        << 2 << QString() << QStringLiteral("^Mindloom: Unknown option 'render'.") + usage;
    QTest::newRow("a file Mindloom does not open")
        << M << with << QStringList{QStringLiteral("Juniper.mem"), QStringLiteral("notes.txt")} << false << 2
        << QString()
        << QStringLiteral(
               "^Mindloom: Mindloom opens a .kba knowledge base, a personality's .mem or .qas file "
               "or Options.Cfg, not \"notes.txt\".") +
               usage;
    QTest::newRow("files of two folders")
        << M << with << QStringList{QStringLiteral("a/Juniper.mem"), QStringLiteral("b/Astronomy.kba")}
        << false << 2 << QString()
        << QStringLiteral("^Mindloom: \"b/Astronomy.kba\" is not in the work folder ");
    QTest::newRow("a file outside --folder")
        << M << with
        << QStringList{QStringLiteral("--folder"), QStringLiteral("a"), QStringLiteral("Options.Cfg")}
        << false << 2 << QString() << QStringLiteral("^Mindloom: \"Options.Cfg\" is not in the work folder ");
    QTest::newRow("--check takes no file to open")
        << M << before
        << QStringList{QStringLiteral("--check"), QStringLiteral("a.mem"), QStringLiteral("b.mem")} << false
        << 2 << QString() << QStringLiteral("^Mindloom: Unexpected argument 'b.mem'.") + usage;
}

void TestAppCommandLine::read()
{
    QFETCH(KitProgram, program);
    QFETCH(Stage, stage);
    QFETCH(QStringList, arguments);
    QFETCH(bool, goesOn);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errors);

    AppCommandLine commandLine(program);
    arguments.prepend(QStringLiteral("/opt/kit/bin/") + KitInfo::programName(program));
    QCOMPARE(commandLine.read(arguments, stage), goesOn);
    if (goesOn)
        return;
    QCOMPARE(commandLine.exitCode(), exitCode);
    const auto matches = [](const QString &text, const QString &pattern) {
        if (pattern.isEmpty())
            return text.isEmpty();
        return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)
            .match(text)
            .hasMatch();
    };
    QVERIFY2(matches(commandLine.output(), output), qPrintable(commandLine.output()));
    QVERIFY2(matches(commandLine.errors(), errors), qPrintable(commandLine.errors()));
}

void TestAppCommandLine::request_data()
{
    QTest::addColumn<KitProgram>("program");
    QTest::addColumn<Stage>("stage");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<AppCommandLine::Request::Task>("task");
    QTest::addColumn<bool>("folderGiven");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");

    using Task = AppCommandLine::Request::Task;
    const auto M = KitProgram::Mindloom;
    const auto F = KitProgram::Frameloft;
    const auto with = Stage::WithApplication;
    const auto before = Stage::BeforeApplication;
    const auto args = [](std::initializer_list<const char *> list) {
        QStringList result;
        for (const char *a : list)
            result << QString::fromUtf8(a);
        return result;
    };

    QTest::newRow("window") << M << with << QStringList() << Task::OpenWindow << false << QString()
                            << QString();
    QTest::newRow("--folder") << M << with << args({"--folder", "work"}) << Task::OpenWindow << true
                              << QStringLiteral("work") << QString();
    QTest::newRow("--folder=") << F << with << args({"--folder=/a b/"}) << Task::OpenWindow << true
                               << QStringLiteral("/a b/") << QString();
    QTest::newRow("--folder empty") << M << with << args({"--folder", ""}) << Task::OpenWindow << true
                                    << QString() << QString();
    QTest::newRow("last --folder counts") << M << with << args({"--folder", "a", "--folder", "b"})
                                          << Task::OpenWindow << true << QStringLiteral("b") << QString();
    QTest::newRow("Frameloft FILE.scn")
        << F << with << args({"a b.scn", "--folder", "kit"}) << Task::OpenWindow << true
        << QStringLiteral("kit") << QStringLiteral("a b.scn");
    // Read before the application, as they need no display.
    QTest::newRow("--render") << F << before << args({"--render", "a.scn", "a.png"}) << Task::Render << false
                              << QString() << QStringLiteral("a.scn");
    QTest::newRow("--find-pictures") << F << before << args({"--find-pictures", "art", "a.scn"})
                                     << Task::FindPictures << false << QString() << QStringLiteral("a.scn");
    QTest::newRow("--check") << M << before << args({"--check", "Juniper.mem", "--folder", "kit"})
                             << Task::Check << true << QStringLiteral("kit") << QStringLiteral("Juniper.mem");
    QTest::newRow("--check --spelling") << M << before << args({"--spelling", "--check", "Juniper.mem"})
                                        << Task::Check << false << QString() << QStringLiteral("Juniper.mem");
}

void TestAppCommandLine::request()
{
    QFETCH(KitProgram, program);
    QFETCH(Stage, stage);
    QFETCH(QStringList, arguments);
    QFETCH(AppCommandLine::Request::Task, task);
    QFETCH(bool, folderGiven);
    QFETCH(QString, folder);
    QFETCH(QString, file);

    AppCommandLine commandLine(program);
    arguments.prepend(KitInfo::programName(program));
    QVERIFY2(commandLine.read(arguments, stage), qPrintable(commandLine.errors()));
    const AppCommandLine::Request &request = commandLine.request();
    QCOMPARE(request.task, task);
    QCOMPARE(request.folderGiven, folderGiven);
    QCOMPARE(request.folder, folder);
    QCOMPARE(request.file, file);
    QCOMPARE(request.output,
             task == AppCommandLine::Request::Task::Render ? QStringLiteral("a.png") : QString());
    QCOMPARE(request.searchFolder,
             task == AppCommandLine::Request::Task::FindPictures ? QStringLiteral("art") : QString());
    QCOMPARE(request.spelling, arguments.contains(QStringLiteral("--spelling")));
}

void TestAppCommandLine::mindloomOpensFiles_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("folder");

    const QString here = QDir::currentPath();
    QTest::newRow("the file's folder is the work folder")
        << QStringList{QStringLiteral("kit/Juniper.qas")} << here + QStringLiteral("/kit");
    QTest::newRow("several files of one folder, any case")
        << QStringList{QStringLiteral("kit/A.KBA"), QStringLiteral("kit/./OPTIONS.CFG"),
                       QStringLiteral("kit/x.mem")}
        << here + QStringLiteral("/kit");
    QTest::newRow("with --folder, files in it")
        << QStringList{QStringLiteral("--folder"), QStringLiteral("kit"), QStringLiteral("kit/Astronomy.kba")}
        << QStringLiteral("kit");
}

void TestAppCommandLine::mindloomOpensFiles()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, folder);

    AppCommandLine commandLine(KitProgram::Mindloom);
    QStringList files;
    for (const QString &argument : arguments)
        if (argument.contains(QLatin1Char('/')))
            files << argument;
    QVERIFY2(commandLine.read(QStringList{QStringLiteral("Mindloom")} + arguments, Stage::WithApplication),
             qPrintable(commandLine.errors()));
    const AppCommandLine::Request &request = commandLine.request();
    QCOMPARE(request.task, AppCommandLine::Request::Task::OpenWindow);
    QCOMPARE(request.files, files);
    QVERIFY(request.folderGiven);
    QCOMPARE(request.folder, folder);
}

void TestAppCommandLine::bothProgramsShareTheDataFolder()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    // Each program runs under its own name, so the desktop tells their
    // windows apart, and both work in the one data folder.
    for (const KitProgram program : {KitProgram::Mindloom, KitProgram::Frameloft}) {
        KitInfo::setApplicationIdentity(program);
        QCOMPARE(QCoreApplication::applicationName(), KitInfo::programName(program));
        QCOMPARE(KitInfo::dataFolder(), home.path() + QStringLiteral("/Mindloom"));
        QCOMPARE(QCoreApplication::applicationVersion(), version);
    }
}

void TestAppCommandLine::iconsInEverySize_data()
{
    QTest::addColumn<KitProgram>("program");
    QTest::newRow("Mindloom") << KitProgram::Mindloom;
    QTest::newRow("Frameloft") << KitProgram::Frameloft;
}

void TestAppCommandLine::iconsInEverySize()
{
    QFETCH(KitProgram, program);
    const QIcon icon = ProgramIdentity::icon(program);
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        // Drawn for the size, not taken from a neighbour.
        QCOMPARE(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
    }
}

QTEST_MAIN(TestAppCommandLine)
#include "tst_appcommandline.moc"
