// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibilityWalk.h"
#include "Controls.h"
#include "ProgramFolderFixture.h"
#include "SuiteMain.h"
#include "TestFiles.h"
#include "WorkFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <memory>

// The launcher, driven through its picture buttons.
class TestSuiteMain : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void layout();
    void backgroundIsThePicture();
    void startsFrameloft_data();
    void startsFrameloft();
    void failedStartIsReported();
    void unusableDataFolderIsReported();
    void keysClickOnRelease_data();
    void keysClickOnRelease();
    void oneWindowOfEachKind_data();
    void oneWindowOfEachKind();
    void editorsOutliveTheLauncher();
    void ctrlLBringsTheLauncherBack_data();
    void ctrlLBringsTheLauncherBack();
    void screenReaderNames();
    void focusMarker();
    void endOfProgramDeletesOpenWindows();
    void screenshot();
};

namespace {

#ifdef Q_OS_WIN
const QString programSuffix = QStringLiteral(".exe");
#else
const QString programSuffix;
#endif

QAbstractButton *picture(const QWidget &launcher, int n)
{
    return Controls::find<QAbstractButton>(launcher, QStringLiteral("Picture%1").arg(n));
}

// The open top-level windows of one class.
QList<QWidget *> windowsOf(const QByteArray &className)
{
    QList<QWidget *> found;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (className == widget->metaObject()->className())
            found << widget;
    }
    return found;
}

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Launcher : ProgramFolderFixture
{
    std::unique_ptr<SuiteMain> window;

    Launcher()
    {
        window = std::make_unique<SuiteMain>(platform);
        window->show();
    }
};

} // namespace

void TestSuiteMain::cleanup()
{
    // Windows a test left open would otherwise outlive it.
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->testAttribute(Qt::WA_DeleteOnClose))
            widget->close();
    }
    processDeferredDeletes();
}

void TestSuiteMain::layout()
{
    Launcher launcher;
    const SuiteMain &window = *launcher.window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Mindloom 2G"));
    QCOMPARE(window.size(), QSize(497, 365));
    QCOMPARE(QPixmap(QStringLiteral(":/launcher/suitemain_background.bmp")).size(), QSize(500, 365));

    const QRect geometry[] = {{-1, 30, 200, 37}, {0, 71, 199, 35}, {-1, 111, 199, 35}, {-1, 151, 200, 35}};
    const QSize labels[] = {{200, 38}, {199, 36}, {200, 35}, {200, 35}};
    for (int n = 1; n <= 4; ++n) {
        QAbstractButton *button = picture(window, n);
        QCOMPARE(button->geometry(), geometry[n - 1]);
        QCOMPARE(button->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(QPixmap(QStringLiteral(":/launcher/picture%1_label.png").arg(n)).size(), labels[n - 1]);
        if (n < 4)
            QCOMPARE(button->nextInFocusChain(), picture(window, n + 1));
    }
}

// The window paints its background as the general picture reader decodes it,
// wherever no picture button covers it.
void TestSuiteMain::backgroundIsThePicture()
{
    Launcher launcher;
    const QImage shown = launcher.window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage stored =
        QImage(QStringLiteral(":/launcher/suitemain_background.bmp")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(497, 365));
    QRegion buttons;
    for (int n = 1; n <= 4; ++n)
        buttons += picture(*launcher.window, n)->geometry();
    int compared = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (buttons.contains(QPoint(x, y)))
                continue;
            if (shown.pixel(x, y) != stored.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel %1, %2 differs").arg(x).arg(y)));
            ++compared;
        }
    }
    QVERIFY(compared > shown.width() * shown.height() / 2);
}

void TestSuiteMain::startsFrameloft_data()
{
    QTest::addColumn<QString>("executables"); // empty: the program folder
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("program");

    QTest::newRow("root folder") << QString() << QStringLiteral("/") << QStringLiteral("/Frameloft");
    QTest::newRow("with separator") << QString() << QStringLiteral("/opt/kit/")
                                    << QStringLiteral("/opt/kit/Frameloft");
    QTest::newRow("executables without separator")
        << QStringLiteral("/opt/kit") << QStringLiteral("/opt/kit/") << QStringLiteral("/opt/kit/Frameloft");
    // Installed, or given --folder: the composer starts from beside the
    // launcher and works in the launcher's folder.
    QTest::newRow("another folder") << QStringLiteral("/usr/bin/")
                                    << QStringLiteral("/home/u/.local/share/Mindloom/")
                                    << QStringLiteral("/usr/bin/Frameloft");
}

void TestSuiteMain::startsFrameloft()
{
    QFETCH(QString, executables);
    QFETCH(QString, folder);
    QFETCH(QString, program);

    Launcher launcher;
    launcher.platform.executables = executables;
    launcher.platform.folder = folder;
    QAbstractButton *button = picture(*launcher.window, 1);
    button->click();
    button->click();
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);

    const QString expected = program + programSuffix;
    QCOMPARE(launcher.platform.startedProcesses, QStringList(5, expected));
    const QStringList arguments{QStringLiteral("--folder"), folder};
    QCOMPARE(launcher.platform.startedArguments, QList<QStringList>(5, arguments));
    QVERIFY(launcher.platform.messages.isEmpty());
}

void TestSuiteMain::failedStartIsReported()
{
    Launcher launcher;
    launcher.platform.processStartSucceeds = false;
    picture(*launcher.window, 1)->click();

    QCOMPARE(launcher.platform.messages.size(), 1);
    const FakePlatform::Message &message = launcher.platform.messages.first();
    QVERIFY2(message.text.contains(launcher.platform.folder + QStringLiteral("Frameloft") + programSuffix),
             qPrintable(message.text));
    QCOMPARE(message.icon, Platform::MessageIcon::Critical);
    QVERIFY(launcher.window->isVisible());

    // The next click tries again.
    launcher.platform.processStartSucceeds = true;
    picture(*launcher.window, 1)->click();
    QCOMPARE(launcher.platform.startedProcesses.size(), 2);
    QCOMPARE(launcher.platform.messages.size(), 1);
}

void TestSuiteMain::unusableDataFolderIsReported()
{
    // The data folder of an installed kit cannot be made: a file stands where
    // it should be (a write that fails whoever runs the test).
    Launcher launcher;
    const QString content = launcher.elsewhere(QStringLiteral("share/mindloom"));
    QVERIFY(QDir().mkpath(content));
    TestFiles::writeBytes(content + QStringLiteral("/Options.Cfg"), "shipped settings");
    const QString data = launcher.elsewhere(QStringLiteral("Mindloom"));
    TestFiles::writeBytes(data, "in the way");
    const WorkFolder::FillResult filled = WorkFolder::fill(data, content);
    QVERIFY(!filled.ok());

    launcher.window->reportDataFolder(WorkFolder::dataFolderProblem(data, filled, -1));
    QCOMPARE(launcher.platform.messages.size(), 1);
    const FakePlatform::Message &message = launcher.platform.messages.first();
    QCOMPARE(message.icon, Platform::MessageIcon::Critical);
    QCOMPARE(message.title, QStringLiteral("Data Folder"));
    // The folder, and the system's reason.
    const QString folder = QDir::toNativeSeparators(data);
    QVERIFY2(message.text.contains(QStringLiteral("The data folder \"%1\"").arg(folder)),
             qPrintable(message.text));
    QVERIFY2(message.text.contains(filled.errors.first()), qPrintable(message.text));

    // A folder in order gives no message.
    launcher.window->reportDataFolder(QString());
    QCOMPARE(launcher.platform.messages.size(), 1);
}

void TestSuiteMain::keysClickOnRelease_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestSuiteMain::keysClickOnRelease()
{
    // The editor opens on the key's release, so that the release cannot reach
    // the editor's entry line, which would add a fact on it.
    QFETCH(int, key);
    Launcher launcher;
    QAbstractButton *button = picture(*launcher.window, 2);
    QTest::keyPress(button, Qt::Key(key));
    QVERIFY(windowsOf("KBEd").isEmpty());
    QTest::keyRelease(button, Qt::Key(key));
    QCOMPARE(windowsOf("KBEd").size(), 1);

    // A held key repeats without opening anything more.
    QAbstractButton *composer = picture(*launcher.window, 1);
    QTest::keyPress(composer, Qt::Key(key));
    for (int i = 0; i < 3; ++i) {
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(composer, &release);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(composer, &press);
    }
    QVERIFY(launcher.platform.startedProcesses.isEmpty());
    QTest::keyRelease(composer, Qt::Key(key));
    QCOMPARE(launcher.platform.startedProcesses.size(), 1);
}

void TestSuiteMain::oneWindowOfEachKind_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QByteArray>("className");

    QTest::newRow("Knowledge Base Editor") << 2 << QByteArray("KBEd");
    QTest::newRow("Personality Editor") << 3 << QByteArray("MemoryEd");
    QTest::newRow("Locations") << 4 << QByteArray("Locs");
}

void TestSuiteMain::oneWindowOfEachKind()
{
    QFETCH(int, button);
    QFETCH(QByteArray, className);

    Launcher launcher;
    QVERIFY(windowsOf(className).isEmpty());
    picture(*launcher.window, button)->click();
    QCOMPARE(windowsOf(className).size(), 1);
    QPointer<QWidget> first = windowsOf(className).first();
    QVERIFY(first->isVisible());
    QCOMPARE(first->parent(), nullptr);
    QVERIFY(first->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(launcher.window->isVisible()); // shown without blocking

    // A second click brings the same window forward.
    first->hide();
    picture(*launcher.window, button)->click();
    QCOMPARE(windowsOf(className), QList<QWidget *>{first.data()});
    QVERIFY(first->isVisible());

    // Closing destroys it; the next click creates a new one.
    first->close();
    processDeferredDeletes();
    QVERIFY(first.isNull());
    QVERIFY(windowsOf(className).isEmpty());
    picture(*launcher.window, button)->click();
    QCOMPARE(windowsOf(className).size(), 1);
    QVERIFY(windowsOf(className).first()->isVisible());
}

void TestSuiteMain::editorsOutliveTheLauncher()
{
    Launcher launcher;
    picture(*launcher.window, 2)->click();
    picture(*launcher.window, 3)->click();
    const QPointer<QWidget> kbEd = windowsOf("KBEd").value(0);
    const QPointer<QWidget> memoryEd = windowsOf("MemoryEd").value(0);
    QVERIFY(kbEd && memoryEd);

    // Closing the launcher is not closing the last window: the program runs on.
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QVERIFY(launcher.window->close());
    processDeferredDeletes();
    QCOMPARE(lastClosed.size(), 0);
    QVERIFY(kbEd && kbEd->isVisible());
    QVERIFY(memoryEd && memoryEd->isVisible());

    launcher.window.reset();
    processDeferredDeletes();
    QVERIFY(kbEd && kbEd->isVisible());
    QVERIFY(memoryEd && memoryEd->isVisible());
}

void TestSuiteMain::ctrlLBringsTheLauncherBack_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QByteArray>("window");
    QTest::newRow("Knowledge Base Editor") << 2 << QByteArray("KBEd");
    QTest::newRow("Personality Editor") << 3 << QByteArray("MemoryEd");
    QTest::newRow("Locations") << 4 << QByteArray("Locs");
}

void TestSuiteMain::ctrlLBringsTheLauncherBack()
{
    QFETCH(int, button);
    QFETCH(QByteArray, window);
    Launcher launcher;
    picture(*launcher.window, button)->click();
    QWidget *editor = windowsOf(window).value(0);
    QVERIFY(editor);
    launcher.window->close();
    QVERIFY(!launcher.window->isVisible());

    editor->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor));
    QTest::keyClick(editor->focusWidget() ? editor->focusWidget() : editor, Qt::Key_L, Qt::ControlModifier);
    QVERIFY(launcher.window->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(launcher.window.get()));
    // Still one editor: the launcher only came forward.
    QCOMPARE(windowsOf(window).size(), 1);
}

void TestSuiteMain::screenReaderNames()
{
    Launcher launcher;
    QCOMPARE(AccessibilityWalk::unnamedControls(*launcher.window), QStringList());
    const QString names[] = {QStringLiteral("Scene Composer"), QStringLiteral("Knowledge Base"),
                             QStringLiteral("Personality"), QStringLiteral("Locations")};
    for (int n = 1; n <= 4; ++n) {
        QAbstractButton *button = picture(*launcher.window, n);
        QCOMPARE(AccessibilityWalk::accessibleName(button), names[n - 1]);
        QVERIFY(!button->accessibleDescription().isEmpty());
    }
}

void TestSuiteMain::focusMarker()
{
    // The focused picture shows a marker that the others do not.
    Launcher launcher;
    launcher.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(launcher.window.get()));
    QAbstractButton *first = picture(*launcher.window, 1);
    QAbstractButton *second = picture(*launcher.window, 2);
    first->setFocus(Qt::TabFocusReason);
    QVERIFY(first->hasFocus());
    const QImage before = second->grab().toImage();
    const QImage focusedFirst = first->grab().toImage();
    QTest::keyClick(first, Qt::Key_Tab);
    QVERIFY(second->hasFocus());
    const QImage after = second->grab().toImage();
    QVERIFY(before != after);
    QCOMPARE(first->grab().toImage() == focusedFirst, false);
    // On the label's edge, where the ring runs, in a colour the label does not have there.
    const int y = after.height() / 2;
    QVERIFY(before.pixelColor(2, y) != after.pixelColor(2, y));
}

void TestSuiteMain::endOfProgramDeletesOpenWindows()
{
    Launcher launcher;
    for (int n = 2; n <= 4; ++n)
        picture(*launcher.window, n)->click();
    const QList<QPointer<QWidget>> windows = {windowsOf("KBEd").value(0), windowsOf("MemoryEd").value(0),
                                              windowsOf("Locs").value(0)};
    for (const auto &window : windows)
        QVERIFY(window);

    // exit() ends the event loop without closing the windows first.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    for (const auto &window : windows)
        QVERIFY(window.isNull());
    QVERIFY(launcher.window); // the launcher belongs to main()
}

void TestSuiteMain::screenshot()
{
    // MINDLOOM_SCREENSHOT=<file.png> saves the launcher.
    const QString path = qEnvironmentVariable("MINDLOOM_SCREENSHOT");
    if (path.isEmpty())
        QSKIP("MINDLOOM_SCREENSHOT not set");
    Launcher launcher;
    QVERIFY(QTest::qWaitForWindowExposed(launcher.window.get()));
    QVERIFY(launcher.window->grab().save(path));
}

QTEST_MAIN(TestSuiteMain)
#include "tst_suitemain.moc"
