#include "Controls.h"
#include "Locs.h"
#include "ProgramFolderFixture.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The Locations window, driven through its controls.
class TestLocs : public QObject
{
    Q_OBJECT
private slots:
    void layout();
    void opensSettings();
    void missingFileStartsEmptyAndSaveCreatesIt();
    void openCancelled();
    void openOutsideLocations();
    void openUnreadablePicture();
    void commaRefused_data();
    void commaRefused();
    void failedWrite_data();
    void failedWrite();
    void screenshot();
};

using namespace TestFiles;

namespace {

// A program folder with its "Locations" folder, and the fake platform that
// reports it.
struct TestFolder : ProgramFolderFixture
{
    TestFolder() { QDir(folder()).mkdir(QStringLiteral("Locations")); }

    QString options() const { return path(QStringLiteral("Options.Cfg")); }
    QString location(const QString &name) const { return path(QStringLiteral("Locations/") + name); }

    void writeOptions(const QByteArray &bytes) const { writeBytes(options(), bytes); }
    QByteArray optionsBytes() const { return readBytes(options()); }
};

void writePicture(const QString &path, const QSize &size, Qt::GlobalColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path));
}

QLineEdit *text(const QWidget &window, int n)
{
    return Controls::find<QLineEdit>(window, QStringLiteral("Text%1").arg(n));
}

QLabel *image(const QWidget &window, int n)
{
    return Controls::find<QLabel>(window, QStringLiteral("Image%1").arg(n));
}

QPushButton *command(const QWidget &window, int n)
{
    return Controls::find<QPushButton>(window, QStringLiteral("Command%1").arg(n));
}

bool showsPicture(const QWidget &window, int n)
{
    return !image(window, n)->pixmap().isNull();
}

const QByteArray fiveEntries = "Other=1\r\n"
                               "Location1=Garden.jpg,Green,\r\n"
                               "Location2=Library.jpg,Books,\r\n"
                               "Location3=Beach.jpg,Sand,\r\n"
                               "Location4=Night City.jpg,Lights,\r\n"
                               "Location5=Mountains.jpg,Snow,\r\n"
                               "\r\n";

} // namespace

void TestLocs::layout()
{
    TestFolder folder;
    FakePlatform &platform = folder.platform;
    Locs window(platform);
    QCOMPARE(window.windowTitle(), QStringLiteral("Locations"));
    QCOMPARE(window.size(), QSize(490, 341));
    QVERIFY(!QPixmap(QStringLiteral(":/locations/locs_background.png")).isNull());

    const int labelTop[] = {26, 92, 159, 226, 292};
    const QRect images[] = {
        {107, 6, 78, 61}, {107, 73, 78, 61}, {109, 138, 78, 61}, {110, 203, 78, 61}, {111, 267, 78, 61}};
    const QRect texts[] = {
        {193, 12, 62, 19}, {193, 80, 62, 19}, {194, 144, 62, 19}, {195, 209, 62, 19}, {195, 270, 62, 19}};
    const QRect commands[] = {
        {193, 34, 63, 26}, {193, 102, 63, 26}, {194, 166, 62, 26}, {195, 230, 62, 26}, {195, 291, 62, 26}};
    for (int n = 1; n <= 5; ++n) {
        auto *label = Controls::find<QLabel>(window, QStringLiteral("Label%1").arg(n));
        QCOMPARE(label->text(), QStringLiteral("Location %1").arg(n));
        QCOMPARE(label->geometry(), QRect(11, labelTop[n - 1], 88, 22));
        QCOMPARE(image(window, n)->geometry(), images[n - 1]);
        QVERIFY(image(window, n)->hasScaledContents());
        QCOMPARE(text(window, n)->geometry(), texts[n - 1]);
        QCOMPARE(command(window, n)->geometry(), commands[n - 1]);
        QCOMPARE(command(window, n)->text(), QStringLiteral("Open..."));
    }
    QCOMPARE(command(window, 6)->geometry(), QRect(408, 302, 78, 34));
    QCOMPARE(command(window, 6)->text(), QStringLiteral("Save Settings"));
}

void TestLocs::opensSettings()
{
    TestFolder folder;
    folder.writeOptions("Other=1\r\n"
                        "Location1=Garden.jpg,Green,\r\n"
                        "Location2=Missing.jpg,Books,\r\n"
                        "location3=Broken.jpg,Sand,\r\n"
                        "Location5=Mountains.jpg\r\n"
                        "After=2\r\n");
    writePicture(folder.location(QStringLiteral("Garden.jpg")), QSize(40, 30), Qt::darkGreen);
    writeBytes(folder.location(QStringLiteral("Broken.jpg")), "not a picture");

    FakePlatform &platform = folder.platform;
    Locs window(platform);

    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(platform.loadedPictures, QStringList({folder.location(QStringLiteral("Garden.jpg")),
                                                   folder.location(QStringLiteral("Broken.jpg"))}));
    QVERIFY(showsPicture(window, 1));
    QCOMPARE(image(window, 1)->pixmap().size(), QSize(40, 30));
    QCOMPARE(text(window, 1)->text(), QStringLiteral("Green"));
    // A missing picture leaves the frame empty, but the text is the location's own.
    QVERIFY(!showsPicture(window, 2));
    QCOMPARE(text(window, 2)->text(), QStringLiteral("Books"));
    // A picture that cannot be decoded: empty frame, the reason in its tool tip, text shown.
    QVERIFY(!showsPicture(window, 3));
    QVERIFY(image(window, 3)->toolTip().contains(QStringLiteral("Broken.jpg")));
    QCOMPARE(text(window, 3)->text(), QStringLiteral("Sand"));
    // No entry, and an entry without its commas: empty.
    QCOMPARE(text(window, 4)->text(), QString());
    QCOMPARE(text(window, 5)->text(), QString());

    // Saving writes back what was read, not "Text1", and keeps the other settings.
    command(window, 6)->click();
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(folder.optionsBytes(), QByteArray("Other=1\r\n"
                                               "Location1=Garden.jpg,Green,\r\n"
                                               "Location2=Missing.jpg,Books,\r\n"
                                               "Location3=Broken.jpg,Sand,\r\n"
                                               "Location4=,,\r\n"
                                               "Location5=,,\r\n"
                                               "After=2\r\n"));
}

void TestLocs::missingFileStartsEmptyAndSaveCreatesIt()
{
    TestFolder folder;
    FakePlatform &platform = folder.platform;
    Locs window(platform);
    QVERIFY(platform.messages.isEmpty());
    for (int n = 1; n <= 5; ++n) {
        QCOMPARE(text(window, n)->text(), QString());
        QVERIFY(!showsPicture(window, n));
    }

    text(window, 2)->setText(QStringLiteral("Caf\u00e9"));
    command(window, 6)->click();
    const QByteArray expected = "Location1=,,\r\nLocation2=,Caf\xe9,\r\nLocation3=,,\r\nLocation4=,,\r\n"
                                "Location5=,,\r\n\r\n";
    QCOMPARE(folder.optionsBytes(), expected);
    command(window, 6)->click();
    QCOMPARE(folder.optionsBytes(), expected);
    QVERIFY(platform.messages.isEmpty());
}

void TestLocs::openCancelled()
{
    TestFolder folder;
    folder.writeOptions(fiveEntries);
    writePicture(folder.location(QStringLiteral("Library.jpg")), QSize(20, 10), Qt::blue);
    FakePlatform &platform = folder.platform;
    Locs window(platform);
    const qint64 before = image(window, 2)->pixmap().cacheKey();

    platform.dialogAnswers << QString();
    command(window, 2)->click();
    QCOMPARE(platform.dialogCalls.size(), 1);
    const FakePlatform::DialogCall &call = platform.dialogCalls.first();
    QCOMPARE(call.mode, FileDialog::Mode::Open);
    QCOMPARE(call.filter, QStringLiteral("Images Files (*.bmp;*.jpg)|*.bmp;*.jpg"));
    QCOMPARE(call.initDir, folder.folder() + QStringLiteral("Locations") + QDir::separator());
    QCOMPARE(image(window, 2)->pixmap().cacheKey(), before);

    command(window, 6)->click();
    QCOMPARE(folder.optionsBytes(), fiveEntries);
}

void TestLocs::openOutsideLocations()
{
    TestFolder folder;
    folder.writeOptions(fiveEntries);
    const QString chosen = folder.elsewhere(QStringLiteral("Sunset.bmp"));
    writePicture(chosen, QSize(32, 24), Qt::red);

    FakePlatform &platform = folder.platform;
    {
        Locs window(platform);
        QVERIFY(!showsPicture(window, 3));
        platform.dialogAnswers << chosen;
        command(window, 3)->click();
        // Shown at once, from where it was chosen.
        QVERIFY(showsPicture(window, 3));
        QCOMPARE(image(window, 3)->pixmap().size(), QSize(32, 24));
        command(window, 6)->click();
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(folder.optionsBytes().contains("\r\nLocation3=Sunset.bmp,Sand,\r\n"));
    }
    // The setting names the file alone; the next opening looks in "Locations".
    Locs reopened(platform);
    QVERIFY(!showsPicture(reopened, 3));
    QCOMPARE(text(reopened, 3)->text(), QStringLiteral("Sand"));
    QVERIFY(QFile::copy(chosen, folder.location(QStringLiteral("Sunset.bmp"))));
    Locs withPicture(platform);
    QVERIFY(showsPicture(withPicture, 3));
}

void TestLocs::openUnreadablePicture()
{
    TestFolder folder;
    folder.writeOptions(fiveEntries);
    writePicture(folder.location(QStringLiteral("Garden.jpg")), QSize(20, 10), Qt::green);
    const QString chosen = folder.elsewhere(QStringLiteral("Notes.jpg"));
    writeBytes(chosen, "plain text, not a picture");

    FakePlatform &platform = folder.platform;
    Locs window(platform);
    const qint64 before = image(window, 1)->pixmap().cacheKey();
    platform.dialogAnswers << chosen;
    command(window, 1)->click();

    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.messages.first().text.contains(QStringLiteral("Notes.jpg")));
    QCOMPARE(platform.messages.first().icon, Platform::MessageIcon::Critical);
    QCOMPARE(image(window, 1)->pixmap().cacheKey(), before);
    command(window, 6)->click();
    QCOMPARE(folder.optionsBytes(), fiveEntries);
}

void TestLocs::commaRefused_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");   // the row's new text, or null
    QTest::addColumn<QString>("picture"); // a picture chosen for the row, or null

    QTest::newRow("comma in a text") << 3 << QStringLiteral("Sand, sea") << QString();
    QTest::newRow("comma in a picture's name") << 2 << QString() << QStringLiteral("Books, old.bmp");
}

void TestLocs::commaRefused()
{
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, picture);

    TestFolder folder;
    folder.writeOptions(fiveEntries);
    FakePlatform &platform = folder.platform;
    Locs window(platform);
    if (!typed.isNull())
        text(window, row)->setText(typed);
    if (!picture.isNull()) {
        const QString path = folder.elsewhere(picture);
        writePicture(path, QSize(8, 8), Qt::yellow);
        platform.dialogAnswers << path;
        command(window, row)->click();
        QVERIFY(showsPicture(window, row));
    }
    const QString textBefore = text(window, row)->text();

    command(window, 6)->click();
    QCOMPARE(platform.messages.size(), 1);
    const QString message = platform.messages.first().text;
    QVERIFY2(message.contains(QStringLiteral("Location %1").arg(row)), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("\",\"")), qPrintable(message));
    QCOMPARE(folder.optionsBytes(), fiveEntries);
    QCOMPARE(text(window, row)->text(), textBefore);
}

void TestLocs::failedWrite_data()
{
    QTest::addColumn<bool>("folderAtOpening");
    QTest::newRow("folder in its place when the window opens") << true;
    QTest::newRow("folder put in its place after opening") << false;
}

void TestLocs::failedWrite()
{
    QFETCH(bool, folderAtOpening);

    TestFolder folder;
    if (folderAtOpening)
        QVERIFY(QDir(folder.folder()).mkdir(QStringLiteral("Options.Cfg")));
    else
        folder.writeOptions(fiveEntries);
    FakePlatform &platform = folder.platform;
    Locs window(platform);
    QCOMPARE(platform.messages.size(), folderAtOpening ? 1 : 0);
    if (!folderAtOpening) {
        QVERIFY(QFile::remove(folder.options()));
        QVERIFY(QDir(folder.folder()).mkdir(QStringLiteral("Options.Cfg")));
    }
    platform.messages.clear();

    text(window, 1)->setText(QStringLiteral("Meadow"));
    command(window, 6)->click();
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY2(platform.messages.first().text.contains(QStringLiteral("Options.Cfg")),
             qPrintable(platform.messages.first().text));
    QCOMPARE(platform.messages.first().icon, Platform::MessageIcon::Critical);
    QVERIFY(QFileInfo(folder.options()).isDir());
    QCOMPARE(QDir(folder.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList({QStringLiteral("Locations"), QStringLiteral("Options.Cfg")}));
    QCOMPARE(text(window, 1)->text(), QStringLiteral("Meadow"));
}

void TestLocs::screenshot()
{
    // MINDLOOM_SCREENSHOT=<file.png> saves the window showing the sample
    // settings and location pictures.
    const QString path = qEnvironmentVariable("MINDLOOM_SCREENSHOT");
    if (path.isEmpty())
        QSKIP("MINDLOOM_SCREENSHOT not set");
    FakePlatform platform;
    platform.folder = ProgramFolderFixture::assetsFolder();
    Locs window(platform);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(platform.messages.isEmpty());
    QVERIFY(window.grab().save(path));
}

QTEST_MAIN(TestLocs)
#include "tst_locs.moc"
