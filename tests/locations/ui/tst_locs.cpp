// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibilityWalk.h"
#include "Controls.h"
#include "Keyboard.h"
#include "LineBox.h"
#include "LocationsDocument.h"
#include "LocationsFolder.h"
#include "Locs.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using Answer = Platform::Answer;

// The Locations window, driven through its controls and keys: how it shows
// the locations and forwards the edits; the rules of the settings themselves
// are the model's (tst_locations_document).
class TestLocs : public QObject
{
    Q_OBJECT
private slots:
    void layout();
    void accessibility();
    void opensSettings();
    void missingFileStartsEmptyAndSaveCreatesIt();
    void openCancelled();
    void openPicture_data();
    void openPicture();
    void unstorableNameIsRefusedBeforeCopying_data();
    void unstorableNameIsRefusedBeforeCopying();
    void openUnreadablePicture();
    void refusedSaveIsReported();
    void failedWrite_data();
    void failedWrite();
    void longTextSurvivesAnUnchangedSave();
    void closeQuestion_data();
    void closeQuestion();
    void keys_data();
    void keys();
    void screenshot();
};

using namespace TestFiles;

namespace {

void writePicture(const QString &path, const QSize &size, Qt::GlobalColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path));
}

LineBox *text(const QWidget &window, int n)
{
    return Controls::find<LineBox>(window, QStringLiteral("Text%1").arg(n));
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

// Replaces a row's text as the user does: an edit of the box.
void type(const QWidget &window, int n, const QString &value)
{
    LineBox *box = text(window, n);
    box->selectAll();
    box->insert(value);
}

} // namespace

void TestLocs::layout()
{
    LocationsFolder folder;
    Locs window(folder.platform);
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
    QStringList tabOrder;
    for (int n = 1; n <= 5; ++n) {
        auto *label = Controls::find<QLabel>(window, QStringLiteral("Label%1").arg(n));
        QCOMPARE(Keyboard::visibleCaption(label->text()), QStringLiteral("Location %1").arg(n));
        QCOMPARE(label->geometry(), QRect(11, labelTop[n - 1], 88, 22));
        QCOMPARE(image(window, n)->geometry(), images[n - 1]);
        QVERIFY(image(window, n)->hasScaledContents());
        QCOMPARE(text(window, n)->geometry(), texts[n - 1]);
        QCOMPARE(command(window, n)->geometry(), commands[n - 1]);
        QCOMPARE(Keyboard::visibleCaption(command(window, n)->text()), QStringLiteral("Open..."));
        tabOrder << text(window, n)->objectName() << command(window, n)->objectName();
    }
    QCOMPARE(command(window, 6)->geometry(), QRect(408, 302, 78, 34));
    QCOMPARE(Keyboard::visibleCaption(command(window, 6)->text()), QStringLiteral("Save Settings"));
    // Reading order, row by row; the first row's text has the focus.
    QCOMPARE(Keyboard::tabOrder(window), tabOrder << QStringLiteral("Command6"));
    QCOMPARE(window.focusWidget(), text(window, 1));
}

void TestLocs::accessibility()
{
    LocationsFolder folder;
    Locs window(folder.platform);
    QCOMPARE(AccessibilityWalk::unnamedControls(window), QStringList());
    for (int n = 1; n <= 5; ++n) {
        QCOMPARE(AccessibilityWalk::accessibleName(text(window, n)),
                 QStringLiteral("Location %1 text").arg(n));
        QCOMPARE(AccessibilityWalk::accessibleName(image(window, n)),
                 QStringLiteral("Location %1 picture").arg(n));
        QCOMPARE(AccessibilityWalk::accessibleName(command(window, n)),
                 QStringLiteral("Open Location %1 picture").arg(n));
    }
    QCOMPARE(AccessibilityWalk::accessibleName(command(window, 6)), QStringLiteral("Save Settings"));
    for (QWidget *control : AccessibilityWalk::interactiveControls(window))
        QVERIFY2(!control->accessibleDescription().isEmpty(), qPrintable(control->objectName()));
    // Whichever row has the focus, no two controls share a mnemonic.
    for (int n = 1; n <= 5; ++n) {
        command(window, n)->setFocus();
        QCOMPARE(Keyboard::mnemonicClashes(window), QStringList());
    }
}

void TestLocs::opensSettings()
{
    LocationsFolder folder;
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
    QVERIFY(image(window, 1)->text().isEmpty());
    QCOMPARE(text(window, 1)->text(), QStringLiteral("Green"));
    // A missing picture: its frame names it and says why, the text is the
    // location's own.
    QVERIFY(!showsPicture(window, 2));
    QCOMPARE(image(window, 2)->text(), QStringLiteral("Missing.jpg"));
    QVERIFY(image(window, 2)->toolTip().contains(QStringLiteral("Missing.jpg")));
    QVERIFY(image(window, 2)->toolTip().contains(QStringLiteral("Locations")));
    QCOMPARE(text(window, 2)->text(), QStringLiteral("Books"));
    // A picture that cannot be decoded: named on the frame, the reason in its tool tip.
    QVERIFY(!showsPicture(window, 3));
    QCOMPARE(image(window, 3)->text(), QStringLiteral("Broken.jpg"));
    QVERIFY(image(window, 3)->toolTip().contains(QStringLiteral("Broken.jpg")));
    QCOMPARE(text(window, 3)->text(), QStringLiteral("Sand"));
    // No entry: empty, no name on the frame. An entry without its commas
    // names its picture and has no text.
    QCOMPARE(text(window, 4)->text(), QString());
    QCOMPARE(image(window, 4)->text(), QString());
    QCOMPARE(text(window, 5)->text(), QString());
    QCOMPARE(image(window, 5)->text(), QStringLiteral("Mountains.jpg"));

    // Saving writes back what was read, not "Text1", and keeps the other
    // settings; the entry without its commas is completed, one line for its key.
    command(window, 6)->click();
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(folder.optionsBytes(), QByteArray("Other=1\r\n"
                                               "Location1=Garden.jpg,Green,\r\n"
                                               "Location2=Missing.jpg,Books,\r\n"
                                               "Location3=Broken.jpg,Sand,\r\n"
                                               "Location4=,,\r\n"
                                               "Location5=Mountains.jpg,,\r\n"
                                               "After=2\r\n"));
}

void TestLocs::missingFileStartsEmptyAndSaveCreatesIt()
{
    LocationsFolder folder;
    FakePlatform &platform = folder.platform;
    Locs window(platform);
    QVERIFY(platform.messages.isEmpty());
    for (int n = 1; n <= 5; ++n) {
        QCOMPARE(text(window, n)->text(), QString());
        QVERIFY(!showsPicture(window, n));
    }

    type(window, 2, QStringLiteral("Caf\u00e9"));
    QVERIFY(window.document().modified());
    command(window, 6)->click();
    const QByteArray expected = "Location1=,,\r\nLocation2=,Caf\xe9,\r\nLocation3=,,\r\nLocation4=,,\r\n"
                                "Location5=,,\r\n\r\n";
    QCOMPARE(folder.optionsBytes(), expected);
    QVERIFY(!window.document().modified());
    command(window, 6)->click();
    QCOMPARE(folder.optionsBytes(), expected);
    QVERIFY(platform.messages.isEmpty());
}

void TestLocs::openCancelled()
{
    LocationsFolder folder;
    folder.writeOptions(LocationsFolder::fiveEntries);
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
    QVERIFY(!window.document().modified());
}

void TestLocs::openPicture_data()
{
    // where: where the chosen picture lies; answer: to "Copy ... into
    // Locations?" (-1: not asked); stored: the name the setting keeps;
    // shownAgain: whether the next opening of the window shows it.
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("shownAgain");
    QTest::newRow("in Locations") << QStringLiteral("Locations") << -1 << QStringLiteral("Sunset.bmp")
                                  << true;
    QTest::newRow("elsewhere, copied")
        << QStringLiteral("elsewhere") << int(Answer::Yes) << QStringLiteral("Sunset.bmp") << true;
    QTest::newRow("elsewhere, not copied")
        << QStringLiteral("elsewhere") << int(Answer::No) << QStringLiteral("Sunset.bmp") << false;
    // Another picture of that name is in Locations already: both are kept.
    QTest::newRow("elsewhere, name taken")
        << QStringLiteral("taken") << int(Answer::Yes) << QStringLiteral("Sunset (2).bmp") << true;
}

void TestLocs::openPicture()
{
    QFETCH(QString, where);
    QFETCH(int, answer);
    QFETCH(QString, stored);
    QFETCH(bool, shownAgain);
    LocationsFolder folder;
    folder.writeOptions(LocationsFolder::fiveEntries);
    const QString name = QStringLiteral("Sunset.bmp");
    const QString chosen =
        where == QLatin1String("Locations") ? folder.location(name) : folder.elsewhere(name);
    writePicture(chosen, QSize(32, 24), Qt::red);
    if (where == QLatin1String("taken"))
        writePicture(folder.location(name), QSize(5, 5), Qt::blue);

    FakePlatform &platform = folder.platform;
    {
        Locs window(platform);
        QVERIFY(!showsPicture(window, 3));
        QCOMPARE(image(window, 3)->text(), QStringLiteral("Beach.jpg"));
        platform.dialogAnswers << chosen;
        if (answer >= 0)
            platform.answers << Answer(answer);
        command(window, 3)->click();
        if (answer >= 0) {
            QCOMPARE(platform.questions.size(), 1);
            QCOMPARE(platform.questions.first().text, QStringLiteral("Copy Sunset.bmp into Locations?"));
            QCOMPARE(platform.questions.first().defaultAnswer, Answer::Yes);
        } else {
            QVERIFY(platform.questions.isEmpty());
        }
        // Shown at once, with no name on the frame.
        QVERIFY(showsPicture(window, 3));
        QCOMPARE(image(window, 3)->pixmap().size(), QSize(32, 24));
        QVERIFY(image(window, 3)->text().isEmpty());
        QVERIFY(image(window, 3)->toolTip().isEmpty());
        QVERIFY(window.document().modified());
        command(window, 6)->click();
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(folder.optionsBytes().contains("\r\nLocation3=" + stored.toLatin1() + ",Sand,\r\n"));
    }
    // The setting names the file alone; the next opening looks in "Locations".
    Locs reopened(platform);
    QCOMPARE(showsPicture(reopened, 3), shownAgain);
    if (shownAgain)
        QCOMPARE(image(reopened, 3)->pixmap().size(), QSize(32, 24));
    else
        QCOMPARE(image(reopened, 3)->text(), stored);
    QCOMPARE(text(reopened, 3)->text(), QStringLiteral("Sand"));
}

void TestLocs::unstorableNameIsRefusedBeforeCopying_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("why");
    QTest::newRow("a comma") << QStringLiteral("Sun,set.bmp") << QStringLiteral("\",\"");
    QTest::newRow("outside the code page") << QStringLiteral("Sun\u0101set.bmp") << QStringLiteral("U+0101");
    QTest::newRow("a key") << QStringLiteral("Location2=.bmp") << QStringLiteral("Location2=");
}

void TestLocs::unstorableNameIsRefusedBeforeCopying()
{
    QFETCH(QString, name);
    QFETCH(QString, why);
    LocationsFolder folder;
    folder.writeOptions(LocationsFolder::fiveEntries);
    const QString chosen = folder.elsewhere(name);
    writePicture(chosen, QSize(8, 8), Qt::red);
    FakePlatform &platform = folder.platform;
    Locs window(platform);
    platform.dialogAnswers << chosen;
    platform.answers << Answer::Yes;
    command(window, 3)->click();
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY2(platform.messages.first().text.contains(why), qPrintable(platform.messages.first().text));
    QVERIFY(platform.questions.isEmpty());
    QVERIFY(!QFileInfo::exists(folder.location(name)));
    QVERIFY(!window.document().modified());
}

void TestLocs::openUnreadablePicture()
{
    LocationsFolder folder;
    folder.writeOptions(LocationsFolder::fiveEntries);
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
    QVERIFY(platform.questions.isEmpty()); // nothing is copied
    QCOMPARE(image(window, 1)->pixmap().cacheKey(), before);
    QVERIFY(!window.document().modified());
}

void TestLocs::refusedSaveIsReported()
{
    LocationsFolder folder;
    folder.writeOptions(LocationsFolder::fiveEntries);
    FakePlatform &platform = folder.platform;
    Locs window(platform);
    type(window, 3, QStringLiteral("Sand, sea"));
    command(window, 6)->click();
    QCOMPARE(platform.messages.size(), 1);
    const QString message = platform.messages.first().text;
    QVERIFY2(message.contains(QStringLiteral("Location 3")), qPrintable(message));
    QCOMPARE(platform.messages.first().icon, Platform::MessageIcon::Critical);
    QCOMPARE(folder.optionsBytes(), LocationsFolder::fiveEntries);
    QCOMPARE(text(window, 3)->text(), QStringLiteral("Sand, sea"));
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

    LocationsFolder folder;
    if (folderAtOpening)
        QVERIFY(QDir(folder.folder()).mkdir(QStringLiteral("Options.Cfg")));
    else
        folder.writeOptions(LocationsFolder::fiveEntries);
    FakePlatform &platform = folder.platform;
    Locs window(platform);
    QCOMPARE(platform.messages.size(), folderAtOpening ? 1 : 0);
    if (!folderAtOpening) {
        QVERIFY(QFile::remove(folder.options()));
        QVERIFY(QDir(folder.folder()).mkdir(QStringLiteral("Options.Cfg")));
    }
    platform.messages.clear();

    type(window, 1, QStringLiteral("Meadow"));
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

void TestLocs::longTextSurvivesAnUnchangedSave()
{
    // Longer than a line edit holds by default (32,767 characters).
    LocationsFolder folder;
    const QByteArray long40k(40000, 'x');
    const QByteArray bytes = "Location1=Garden.jpg," + long40k +
                             ",\r\nLocation2=,,\r\nLocation3=,,\r\nLocation4=,,\r\nLocation5=,,\r\n\r\n";
    folder.writeOptions(bytes);
    Locs window(folder.platform);
    QCOMPARE(text(window, 1)->text().size(), 40000);
    QVERIFY(!window.document().modified());
    command(window, 6)->click();
    QCOMPARE(folder.optionsBytes(), bytes);
}

void TestLocs::closeQuestion_data()
{
    // typed: the text typed into row 1 ("" types nothing); answer: to Save /
    // Discard / Cancel (-1: not asked); closes; written: what Location 1's
    // text is in the file afterwards.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QString>("written");
    QTest::newRow("nothing changed") << QString() << -1 << true << QStringLiteral("Green");
    QTest::newRow("Save") << QStringLiteral("Moss") << int(Answer::Save) << true << QStringLiteral("Moss");
    QTest::newRow("Discard") << QStringLiteral("Moss") << int(Answer::Discard) << true
                             << QStringLiteral("Green");
    QTest::newRow("Cancel") << QStringLiteral("Moss") << int(Answer::Cancel) << false
                            << QStringLiteral("Green");
    QTest::newRow("Save refused") << QStringLiteral("Moss, green") << int(Answer::Save) << false
                                  << QStringLiteral("Green");
}

void TestLocs::closeQuestion()
{
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(QString, written);
    LocationsFolder folder;
    folder.writeOptions(LocationsFolder::fiveEntries);
    FakePlatform &platform = folder.platform;
    Locs window(platform);
    window.show();
    if (!typed.isEmpty())
        type(window, 1, typed);
    if (answer >= 0)
        platform.answers << Answer(answer);
    window.close();

    if (answer >= 0) {
        QCOMPARE(platform.questions.size(), 1);
        const FakePlatform::Asked &asked = platform.questions.first();
        QCOMPARE(asked.question, Platform::Question::SaveDiscardCancel);
        QCOMPARE(asked.defaultAnswer, Answer::Save);
        QCOMPARE(asked.title, QStringLiteral("Locations"));
    } else {
        QVERIFY(platform.questions.isEmpty());
    }
    QCOMPARE(window.isVisible(), !closes);
    QVERIFY(folder.optionsBytes().contains("Location1=Garden.jpg," + written.toLatin1() + ",\r\n"));
}

void TestLocs::keys_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<int>("row");        // the row whose text box has the focus first
    QTest::addColumn<QString>("effect"); // saved, opens <n>, focus <n>, closed, launcher
    QTest::newRow("Ctrl+S") << QKeySequence(Qt::CTRL | Qt::Key_S) << 2 << QStringLiteral("saved");
    QTest::newRow("Alt+S") << QKeySequence(Qt::ALT | Qt::Key_S) << 4 << QStringLiteral("saved");
    QTest::newRow("Alt+O in row 1") << QKeySequence(Qt::ALT | Qt::Key_O) << 1 << QStringLiteral("opens 1");
    QTest::newRow("Alt+O in row 4") << QKeySequence(Qt::ALT | Qt::Key_O) << 4 << QStringLiteral("opens 4");
    QTest::newRow("Alt+3") << QKeySequence(Qt::ALT | Qt::Key_3) << 1 << QStringLiteral("focus 3");
    QTest::newRow("Alt+5") << QKeySequence(Qt::ALT | Qt::Key_5) << 2 << QStringLiteral("focus 5");
    QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W) << 3 << QStringLiteral("closed");
    QTest::newRow("Ctrl+L") << QKeySequence(Qt::CTRL | Qt::Key_L) << 5 << QStringLiteral("launcher");
}

void TestLocs::keys()
{
    QFETCH(QKeySequence, keys);
    QFETCH(int, row);
    QFETCH(QString, effect);
    LocationsFolder folder;
    folder.writeOptions(LocationsFolder::fiveEntries);
    const QString picture = folder.location(QStringLiteral("Sunset.bmp"));
    writePicture(picture, QSize(8, 8), Qt::red);
    FakePlatform &platform = folder.platform;
    Locs window(platform);
    QSignalSpy launcher(&window, &EditorWindow::launcherRequested);
    if (effect == QLatin1String("saved"))
        type(window, row, QStringLiteral("Typed"));
    platform.dialogAnswers << picture;
    text(window, row)->setFocus();
    Keyboard::press(window, keys);

    const int n = effect.section(QLatin1Char(' '), 1).toInt();
    if (effect == QLatin1String("saved")) {
        QTRY_VERIFY(!window.document().modified());
        QVERIFY(folder.optionsBytes().contains(",Typed,"));
    } else if (effect.startsWith(QLatin1String("opens"))) {
        QTRY_COMPARE(platform.dialogCalls.size(), 1);
        QCOMPARE(window.document().file(n), QStringLiteral("Sunset.bmp"));
        QVERIFY(showsPicture(window, n));
    } else if (effect.startsWith(QLatin1String("focus"))) {
        QCOMPARE(window.focusWidget(), text(window, n));
    } else if (effect == QLatin1String("closed")) {
        QVERIFY(!window.isVisible());
    } else {
        QCOMPARE(launcher.size(), 1);
    }
    if (effect != QLatin1String("launcher"))
        QCOMPARE(launcher.size(), 0);
    if (!effect.startsWith(QLatin1String("opens")))
        QVERIFY(platform.dialogCalls.isEmpty());
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
