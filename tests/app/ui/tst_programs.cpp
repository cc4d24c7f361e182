// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramFolderFixture.h"
#include "TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// The built programs run as a user runs them, for what only a real process
// shows: the exit code, stdout and stderr, and the files written. Window-free
// rows run with no display at all; rows that open a window run offscreen.
class TestPrograms : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void commandLine_data();
    void commandLine();
    void checkInEitherLanguage_data();
    void checkInEitherLanguage();

private:
    QTemporaryDir m_dir; // "kit": a copy of the shipped program folder and broken files
    QTemporaryDir m_runtime;
};

namespace {

constexpr int StillRunning = -1; // a window opened and stayed open

QString kit(const QTemporaryDir &dir)
{
    return dir.filePath(QStringLiteral("kit"));
}

// "@" stands for the kit folder.
QString expand(QString text, const QString &folder)
{
    return text.replace(QLatin1Char('@'), folder);
}

bool matches(const QString &text, const QString &pattern)
{
    if (pattern.isEmpty())
        return text.isEmpty();
    return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption).match(text).hasMatch();
}

} // namespace

void TestPrograms::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString folder = kit(m_dir);
    QVERIFY(QDir().mkpath(folder));
    const QDir assets(ProgramFolderFixture::assetsFolder());
    for (const QString &file : assets.entryList(QDir::Files))
        QVERIFY(QFile::copy(assets.filePath(file), folder + QLatin1Char('/') + file));
    for (const QString &sub : assets.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QVERIFY(QDir().mkpath(folder + QLatin1Char('/') + sub));
        const QDir from(assets.filePath(sub));
        for (const QString &file : from.entryList(QDir::Files))
            QVERIFY(
                QFile::copy(from.filePath(file), folder + QLatin1Char('/') + sub + QLatin1Char('/') + file));
    }
    TestFiles::writeBytes(folder + QStringLiteral("/Broken.qas"), "\r\n#Why?&\r\n#Who?&Me.%\r\n");
    TestFiles::writeBytes(folder + QStringLiteral("/Broken.kba"), "One.\rTwo.\x81\r\n");
    TestFiles::writeBytes(folder + QStringLiteral("/notes.txt"), "notes");
    TestFiles::writeBytes(
        folder + QStringLiteral("/Scene.scn"),
        "BG=bg.jpg;\r\nZM=zumimouth.jpg;\r\nZMh=90;\r\nZMw=120;\r\nZMx=120;\r\nZMy=90;\r\n\r\n");
    TestFiles::writeBytes(
        folder + QStringLiteral("/Broken.scn"),
        "BG=gone.jpg;\r\nZM=zumimouth.jpg;\r\nZMh=90;\r\nZMw=120;\r\nZMx=120;\r\nZMy=90;\r\n\r\n");
    // Pictures a scene misses, to be found in a folder of art.
    TestFiles::writeBytes(
        folder + QStringLiteral("/Lost.scn"),
        "BG=lost.jpg;\r\nZM=zumimouth.jpg;\r\nZMh=90;\r\nZMw=120;\r\nZMx=120;\r\nZMy=90;\r\n\r\n");
    TestFiles::writeBytes(
        folder + QStringLiteral("/Lost2.scn"),
        "BG=lost.jpg;\r\nZM=never.jpg;\r\nZMh=90;\r\nZMw=120;\r\nZMx=120;\r\nZMy=90;\r\n\r\n");
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/art/deep")));
    TestFiles::writePicture(folder + QStringLiteral("/art/deep/LOST.JPG"), 700, 500, qRgb(10, 20, 30));
}

void TestPrograms::commandLine_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments"); // "@" is the kit folder
    QTest::addColumn<bool>("display");          // offscreen; otherwise none at all
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");  // a pattern; empty: nothing
    QTest::addColumn<QString>("errors");  // a pattern; empty: nothing
    QTest::addColumn<QString>("picture"); // a file --render is to write, or to leave alone
    QTest::addColumn<bool>("written");

    const QString M = QStringLiteral("Mindloom");
    const auto args = [](std::initializer_list<const char *> list) {
        QStringList result;
        for (const char *a : list)
            result << QString::fromUtf8(a);
        return result;
    };
    const QString mUsage = QStringLiteral("\\nTry 'Mindloom --help' for more information.\\n$");

    // Mindloom --check: the shipped samples are clean.
    for (const char *sample : {"Juniper.mem", "Juniper.qas", "Astronomy.kba", "Options.Cfg"}) {
        QTest::addRow("Mindloom --check %s", sample)
            << M << QStringList{QStringLiteral("--check"), QStringLiteral("@/") + QString::fromUtf8(sample)}
            << false << 0 << QString() << QString() << QString() << false;
    }
    // Options.Cfg looks for its pictures in the folder's Locations.
    QTest::newRow("Mindloom --check Options.Cfg, pictures elsewhere")
        << M << args({"--folder", "@/Images", "--check", "@/Options.Cfg"}) << false << 1
        << QStringLiteral(
               "^(@/Options.Cfg:[3-7]: the picture \"[A-Za-z ]+.jpg\" of location [1-5] is missing "
               "from Locations\\n){5}$")
        << QString() << QString() << false;
    QTest::newRow("Mindloom --check findings")
        << M << args({"--check", "@/Broken.qas"}) << false << 1
        << QStringLiteral("^@/Broken.qas:2: the question \"Why\\?\" has no answer\\n$") << QString()
        << QString() << false;
    QTest::newRow("Mindloom --check findings in line order")
        << M << args({"--check", "@/Broken.kba"}) << false << 1
        << QStringLiteral("^@/Broken.kba:1: the line ends in a CR without LF, which comes back as CR LF\\n"
                          "@/Broken.kba:2: the byte 81 is no character of Windows-1252\\n$")
        << QString() << QString() << false;
    QTest::newRow("Mindloom --check, relative folder and file")
        << M << args({"--folder", ".", "--check", "Juniper.qas"}) << false << 0 << QString() << QString()
        << QString() << false;
    QTest::newRow("Mindloom --check a file of no known kind")
        << M << args({"--check", "@/notes.txt"}) << false << 2 << QString()
        << QStringLiteral("^Mindloom: --check takes a personality's .mem or .qas file, a .kba knowledge base "
                          "or Options.Cfg, not \"@/notes.txt\".\\n$")
        << QString() << false;
    QTest::newRow("Mindloom --check a missing file")
        << M << args({"--check", "@/Gone.kba"}) << false << 2 << QString()
        << QStringLiteral("^Mindloom: Cannot open \"@/Gone.kba\": .+\\n$") << QString() << false;
    QTest::newRow("Mindloom --check without a file")
        << M << args({"--check"}) << false << 2 << QString()
        << QStringLiteral("^Mindloom: Missing value after '--check'.") + mUsage << QString() << false;
    // Without a window no toolkit takes options, so the command line is
    // complete at once.
    QTest::newRow("Mindloom --check with an unknown option")
        << M << args({"--check", "@/Juniper.qas", "-platform", "xcb"}) << false << 2 << QString()
        << QStringLiteral("^Mindloom: Unknown option 'platform'.") + mUsage << QString() << false;
    QTest::newRow("Mindloom --check with an argument")
        << M << args({"--check", "@/Juniper.qas", "more"}) << false << 2 << QString()
        << QStringLiteral("^Mindloom: Unexpected argument 'more'.") + mUsage << QString() << false;

    // --folder
    QTest::newRow("Mindloom --folder missing, --check")
        << M << args({"--folder", "@/nowhere", "--check", "@/Juniper.qas"}) << false << 2 << QString()
        << QStringLiteral("^Mindloom: The folder \"@/nowhere\" does not exist.") + mUsage << QString()
        << false;
    // Refused before the window needs a display.
    QTest::newRow("Mindloom --folder missing, window, no display")
        << M << args({"--folder", "@/nowhere"}) << false << 2 << QString()
        << QStringLiteral("^Mindloom: The folder \"@/nowhere\" does not exist.") + mUsage << QString()
        << false;
    QTest::newRow("Mindloom --folder a file, no display")
        << M << args({"--folder", "@/notes.txt"}) << false << 2 << QString()
        << QStringLiteral("^Mindloom: \"@/notes.txt\" is not a folder.") + mUsage << QString() << false;
    QTest::newRow("Mindloom --folder") << M << args({"--folder", "@"}) << true << StillRunning << QString()
                                       << QString() << QString() << false;
    // An option nobody knows is refused before the window needs a display;
    // the toolkit's own options still reach it.
    QTest::newRow("Mindloom with an unknown option, no display")
        << M << args({"--folder", "@", "--bogus"}) << false << 2 << QString()
        << QStringLiteral("^Mindloom: Unknown option 'bogus'.") + mUsage << QString() << false;
    QTest::newRow("Mindloom with the toolkit's -platform")
        << M << args({"-platform", "offscreen", "--folder", "@"}) << false << StillRunning << QString()
        << QString() << QString() << false;
    QTest::newRow("Mindloom with a stray argument, no display")
        << M << args({"--folder", "@", "stray"}) << false << 2 << QString()
        << QStringLiteral(
               "^Mindloom: Mindloom opens a .kba knowledge base, a personality's .mem or .qas file "
               "or Options.Cfg, not \"stray\".") +
               mUsage
        << QString() << false;
    // The toolkit's options and their values are no stray arguments.
    QTest::newRow("Mindloom with the toolkit's -platform and a stray argument")
        << M << args({"-platform", "offscreen", "--style=fusion", "-reverse", "stray"}) << false << 2
        << QString()
        << QStringLiteral(
               "^Mindloom: Mindloom opens a .kba knowledge base, a personality's .mem or .qas file "
               "or Options.Cfg, not \"stray\".") +
               mUsage
        << QString() << false;
    QTest::newRow("Mindloom with the toolkit's -platform, -style and a file")
        << M << args({"-platform", "offscreen", "-style", "fusion", "@/Astronomy.kba"}) << false
        << StillRunning << QString() << QString() << QString() << false;
    QTest::newRow("Mindloom with the toolkit's -platform and an unknown option")
        << M << args({"-platform", "offscreen", "-bogus"}) << false << 2 << QString()
        << QStringLiteral("^Mindloom: Unknown option 'bogus'.") + mUsage << QString() << false;
    QTest::newRow("Mindloom with a file it does not open, no display")
        << M << args({"@/notes.txt"}) << false << 2 << QString()
        << QStringLiteral(
               "^Mindloom: Mindloom opens a .kba knowledge base, a personality's .mem or .qas file "
               "or Options.Cfg, not \".*/notes.txt\".") +
               mUsage
        << QString() << false;

    // Frameloft
    const QString F = QStringLiteral("Frameloft");
    const QString fUsage = QStringLiteral("\\nTry 'Frameloft --help' for more information.\\n$");
    const QString out = QStringLiteral("@/out.png");
    QTest::newRow("Frameloft --render")
        << F << args({"--folder", "@", "--render", "@/Scene.scn", "@/out.png"}) << false << 0 << QString()
        << QString() << out << true;
    QTest::newRow("Frameloft --render, relative paths")
        << F << args({"--folder", ".", "--render", "Scene.scn", "out.png"}) << false << 0 << QString()
        << QString() << out << true;
    QTest::newRow("Frameloft --render, a picture missing")
        << F << args({"--folder", "@", "--render", "@/Broken.scn", "@/out.png"}) << false << 1 << QString()
        << QStringLiteral("^Frameloft: Cannot open the picture \"@/Images/gone.jpg\": .+\\n$") << out
        << false;
    QTest::newRow("Frameloft --render, no scene")
        << F << args({"--render", "@/Gone.scn", "@/out.png"}) << false << 1 << QString()
        << QStringLiteral("^Frameloft: Cannot open \"@/Gone.scn\": .+\\n$") << out << false;
    QTest::newRow("Frameloft --render into a missing folder")
        << F << args({"--render", "@/Scene.scn", "@/nowhere/out.png"}) << false << 1 << QString()
        << QStringLiteral("^Frameloft: Cannot write \"@/nowhere/out.png\": .+\\n$") << out << false;
    QTest::newRow("Frameloft --render to a .jpg name")
        << F << args({"--render", "@/Scene.scn", "@/out.jpg"}) << false << 2 << QString()
        << QStringLiteral("^Frameloft: --render writes a PNG picture, so OUT.png must end in \"\\.png\", not "
                          "\"@/out\\.jpg\"\\.") +
               fUsage
        << QStringLiteral("@/out.jpg") << false;
    QTest::newRow("Frameloft --render without OUT.png")
        << F << args({"--render", "@/Scene.scn"}) << false << 2 << QString()
        << QStringLiteral("^Frameloft: --render needs FILE.scn and OUT.png.") + fUsage << out << false;
    QTest::newRow("Frameloft --render, folder missing")
        << F << args({"--folder", "@/nowhere", "--render", "@/Scene.scn", "@/out.png"}) << false << 2
        << QString() << QStringLiteral("^Frameloft: The folder \"@/nowhere\" does not exist.") + fUsage << out
        << false;
    QTest::newRow("Frameloft --check clean") << F << args({"--folder", "@", "--check", "@/Scene.scn"})
                                             << false << 0 << QString() << QString() << QString() << false;
    QTest::newRow("Frameloft --check findings")
        << F << args({"--folder", "@", "--check", "@/Broken.scn"}) << false << 1
        << QStringLiteral("^@/Broken.scn:1: the picture \"gone.jpg\" is missing from Images\\n$") << QString()
        << QString() << false;
    QTest::newRow("Frameloft --check a missing file")
        << F << args({"--check", "@/Gone.scn"}) << false << 2 << QString()
        << QStringLiteral("^Frameloft: Cannot open \"@/Gone.scn\": .+\\n$") << QString() << false;
    // The first search copies the picture; the second finds it there and
    // only misses the one no folder holds.
    QTest::newRow("Frameloft --find-pictures")
        << F << args({"--folder", "@", "--find-pictures", "@/art", "@/Lost.scn"}) << false << 0
        << QStringLiteral("^found lost.jpg: @/art/deep/LOST.JPG\\n$") << QString()
        << QStringLiteral("@/Images/lost.jpg") << true;
    QTest::newRow("Frameloft --find-pictures, one not found")
        << F << args({"--folder", "@", "--find-pictures", "@/art", "@/Lost2.scn"}) << false << 1
        << QStringLiteral("^not found never.jpg\\n$") << QString() << QString() << false;
    QTest::newRow("Frameloft --find-pictures in no folder")
        << F << args({"--folder", "@", "--find-pictures", "@/nowhere", "@/Lost2.scn"}) << false << 2
        << QString() << QStringLiteral("^Frameloft: \"@/nowhere\" is no folder to search.\\n$") << QString()
        << false;
    QTest::newRow("Frameloft FILE.scn") << F << args({"--folder", "@", "@/Scene.scn"}) << true << StillRunning
                                        << QString() << QString() << QString() << false;
    QTest::newRow("Frameloft with an unknown option, no display")
        << F << args({"@/Scene.scn", "--bogus"}) << false << 2 << QString()
        << QStringLiteral("^Frameloft: Unknown option 'bogus'.") + fUsage << QString() << false;
    QTest::newRow("Frameloft with two scenes, no display")
        << F << args({"@/Scene.scn", "@/Broken.scn"}) << false << 2 << QString()
        << QStringLiteral("^Frameloft: Unexpected argument '@/Broken.scn'.") + fUsage << QString() << false;
}

void TestPrograms::commandLine()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(bool, display);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errors);
    QFETCH(QString, picture);
    QFETCH(bool, written);

    const QString folder = kit(m_dir);
    picture = expand(picture, folder);
    if (!picture.isEmpty())
        QFile::remove(picture);
    for (QString &argument : arguments)
        argument = expand(argument, folder);
    const QString escaped = QRegularExpression::escape(folder);
    output = expand(output, escaped);
    errors = expand(errors, escaped);

    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    if (display)
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    // The offscreen platform asks for it, and warns on stderr without it.
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.qpa.*=false"));

    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program == QStringLiteral("Mindloom") ? QStringLiteral(MINDLOOM_PROGRAM)
                                                        : QStringLiteral(FRAMELOFT_PROGRAM),
                  arguments);
    QVERIFY2(process.waitForStarted(), qPrintable(process.errorString()));
    const bool ended = process.waitForFinished(exitCode == StillRunning ? 1500 : 30000);
    if (exitCode == StillRunning) {
        QVERIFY2(!ended, qPrintable(QString::fromLocal8Bit(process.readAllStandardError())));
        process.kill();
        process.waitForFinished();
        return;
    }
    QVERIFY(ended);
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(
        process.exitCode() == exitCode,
        qPrintable(
            QStringLiteral("exit code %1\nstdout: %2\nstderr: %3").arg(process.exitCode()).arg(out, err)));
    QVERIFY2(matches(out, output), qPrintable(out));
    QVERIFY2(matches(err, errors), qPrintable(err));
    if (!picture.isEmpty()) {
        QCOMPARE(QFileInfo::exists(picture), written);
        if (written)
            QCOMPARE(QImage(picture).size(), QSize(700, 500));
    }
    // Nothing was written into the user's data folder.
    QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestPrograms::checkInEitherLanguage_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("file");    // in the kit folder
    QTest::addColumn<QString>("english"); // the whole report; "@" is the kit folder
    QTest::addColumn<QString>("german");

    QTest::newRow("Mindloom, a knowledge base")
        << QStringLiteral("Mindloom") << QStringLiteral("Broken.kba")
        << QStringLiteral("@/Broken.kba:1: the line ends in a CR without LF, which comes back as CR LF\n"
                          "@/Broken.kba:2: the byte 81 is no character of Windows-1252\n")
        << QStringLiteral(
               "@/Broken.kba:1: die Zeile endet auf ein CR ohne LF, das als CR LF zur\u00fcckkommt\n"
               "@/Broken.kba:2: das Byte 81 ist kein Zeichen von Windows-1252\n");
    QTest::newRow("Mindloom, questions and answers")
        << QStringLiteral("Mindloom") << QStringLiteral("Broken.qas")
        << QStringLiteral("@/Broken.qas:2: the question \"Why?\" has no answer\n")
        << QStringLiteral("@/Broken.qas:2: die Frage \"Why?\" hat keine Antwort\n");
    QTest::newRow("Frameloft, a scene") << QStringLiteral("Frameloft") << QStringLiteral("Broken.scn")
                                        << QStringLiteral("@/Broken.scn:1: the picture \"gone.jpg\" is "
                                                          "missing from Images\n")
                                        << QStringLiteral("@/Broken.scn:1: das Bild \"gone.jpg\" fehlt in "
                                                          "Images\n");
}

// The report reads in the session's language; what it finds, and so the exit
// code, does not change with it.
void TestPrograms::checkInEitherLanguage()
{
    QFETCH(QString, program);
    QFETCH(QString, file);
    QFETCH(QString, english);
    QFETCH(QString, german);

    const QString folder = kit(m_dir);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    for (const bool inGerman : {false, true}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            environment.remove(QString::fromLatin1(name));
        if (inGerman)
            environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
        else
            environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program == QStringLiteral("Mindloom") ? QStringLiteral(MINDLOOM_PROGRAM)
                                                            : QStringLiteral(FRAMELOFT_PROGRAM),
                      {QStringLiteral("--folder"), folder, QStringLiteral("--check"),
                       folder + QLatin1Char('/') + file});
        QVERIFY(process.waitForFinished(30000));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(err.isEmpty(), qPrintable(err));
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()),
                 expand(inGerman ? german : english, folder));
        QCOMPARE(process.exitCode(), 1);
    }
}

QTEST_GUILESS_MAIN(TestPrograms)
#include "tst_programs.moc"
