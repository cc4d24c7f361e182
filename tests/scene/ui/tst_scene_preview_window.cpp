// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_fixture.h"

#include "AccessibilityWalk.h"
#include "SceneComposition.h"
#include "ScenePreviewPicture.h"
#include "ScenePreviewWindow.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>

// The "Scene Preview" window, opened from the composer and driven through its
// controls with a fake platform.
class TestScenePreviewWindow : public QObject
{
    Q_OBJECT
private slots:
    void f5AndMenuOpenOnePreview();
    void rightDragIsNoMenu();
    void showsEveryPartSteadily();
    void followsADrag();
    void readingsAreThePreviewsOwn();
    void sayMovesTheMouthsThenRests();
    void saveFrameWritesPng();
    void escapeClosesItAndEveryControlIsNamed();
    void zoomKeepsPixelsSharp_data();
    void zoomKeepsPixelsSharp();
    void fitFollowsTheWindow();

private:
    static QList<ScenePreviewWindow *> previews(Form1 &window)
    {
        return window.findChildren<ScenePreviewWindow *>();
    }

    static Form1 &openActive(WindowFixture &f)
    {
        Form1 &window = f.openShown();
        activate(window);
        return window;
    }

    // The preview and the composer count as one for qWaitForWindowActive (the
    // composer owns the preview): wait for the window itself.
    static void activate(QWidget &window)
    {
        window.activateWindow();
        if (!QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; }))
            qFatal("window not active");
    }

    // F5 in the composer; returns the one preview.
    static ScenePreviewWindow &pressF5(Form1 &window)
    {
        activate(window);
        QTest::keyClick(&window, Qt::Key_F5);
        const QList<ScenePreviewWindow *> open = previews(window);
        if (open.size() != 1)
            qFatal("F5 left %d previews", int(open.size()));
        return *open.first();
    }

    static QCheckBox *animationBox(ScenePreviewWindow &preview, const char *name)
    {
        return Controls::find<QCheckBox>(preview, name);
    }

    static void switchAnimationsOff(ScenePreviewWindow &preview, QStringList names = {})
    {
        if (names.isEmpty())
            names = QStringList{QStringLiteral("chkTalking"), QStringLiteral("chkBlinking"),
                                QStringLiteral("chkStrip")};
        for (const QString &name : names) {
            QCheckBox *box = Controls::find<QCheckBox>(preview, name);
            QVERIFY(box->isChecked());
            QTest::mouseClick(box, Qt::LeftButton);
            QVERIFY(!box->isChecked());
        }
    }

    static QImage composed(Form1 &window)
    {
        return composeScene(window.editor().record(), window.editor().pictures());
    }

    static void typeInto(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    static QString status(ScenePreviewWindow &preview)
    {
        return Controls::find<QLabel>(preview, "lblStatus")->text();
    }
};

void TestScenePreviewWindow::f5AndMenuOpenOnePreview()
{
    WindowFixture f;
    Form1 &window = openActive(f);
    QVERIFY(previews(window).isEmpty());

    ScenePreviewWindow &preview = pressF5(window);
    QVERIFY(preview.isVisible());
    QVERIFY(preview.isWindow());
    QCOMPARE(preview.windowTitle(), QStringLiteral("Scene Preview"));
    QCOMPARE(preview.picture().size(), QSize(700, 500));
    // F5 again brings the same one forward.
    QCOMPARE(&pressF5(window), &preview);

    preview.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(previews(window).isEmpty());

    // A right click on the canvas opens its menu; "Preview..." opens the preview.
    auto *menu = Controls::find<QMenu>(window, "mnuCanvas");
    QTest::mouseClick(f.canvas(), Qt::RightButton, {}, QPoint(50, 50));
    QTRY_VERIFY(menu->isVisible());
    QAction *action = menu->actions().first();
    QCOMPARE(action->text(), QStringLiteral("Preview..."));
    menu->setActiveAction(action);
    QTest::keyClick(menu, Qt::Key_Return);
    QVERIFY(!menu->isVisible());
    QCOMPARE(previews(window).size(), 1);
    // Once more: still one.
    QTest::mouseClick(f.canvas(), Qt::RightButton, {}, QPoint(60, 60));
    QTRY_VERIFY(menu->isVisible());
    action->trigger();
    menu->hide();
    QCOMPARE(previews(window).size(), 1);
    // The click moved nothing and left no drag behind: undo still works.
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, 120.0f);
    QVERIFY(!window.editor().dragging());

    // The keyboard's menu key opens the menu too.
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(0, 0),
                              f.canvas()->mapToGlobal(QPoint(0, 0)));
    QApplication::sendEvent(f.canvas(), &menuKey);
    QTRY_VERIFY(menu->isVisible());
    menu->hide();
}

// Every button drags in the composer; a right-button drag stays a drag.
void TestScenePreviewWindow::rightDragIsNoMenu()
{
    WindowFixture f;
    Form1 &window = openActive(f);
    auto *menu = Controls::find<QMenu>(window, "mnuCanvas");
    QTest::mousePress(f.canvas(), Qt::RightButton, {}, QPoint(300, 300));
    QTest::mouseMove(f.canvas(), QPoint(340, 320));
    QTest::mouseRelease(f.canvas(), Qt::RightButton, {}, QPoint(340, 320));
    QTest::qWait(50);
    QVERIFY(!menu->isVisible());
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, 160.0f);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].y, 110.0f);
    QVERIFY(previews(window).isEmpty());
}

// The composer shows the selected part alone; the preview shows them all.
void TestScenePreviewWindow::showsEveryPartSteadily()
{
    WindowFixture f;
    Form1 &window = openActive(f);
    for (const char *name : {"Check5", "Check2", "Check4", "Check3"})
        QTest::mouseClick(f.check(name), Qt::LeftButton);
    QTest::mouseClick(f.option("Option1"), Qt::LeftButton);
    QCOMPARE(window.editor().selectedPart(), int(ScenePart::ZumiMouth));

    ScenePreviewWindow &preview = pressF5(window);
    switchAnimationsOff(preview);
    QCOMPARE(preview.preview().frame(), composed(window));
    // The miscellaneous part, at (60, 30) 200 x 48, is not selected: the
    // composer's canvas shows the background there, the preview the part.
    QCOMPARE(f.canvasImage().pixel(250, 75), f.decodedDefault("bg.jpg").pixel(250, 75));
    QCOMPARE(preview.preview().frame().pixel(250, 75), f.decodedDefault("miscpart.jpg").pixel(190, 45));
    // What the window paints is that frame.
    QCOMPARE(preview.picture().grab().toImage().convertToFormat(QImage::Format_RGB32), composed(window));
}

// A drag in the composer moves the part in the preview at every step.
void TestScenePreviewWindow::followsADrag()
{
    WindowFixture f;
    Form1 &window = openActive(f);
    ScenePreviewWindow &preview = pressF5(window);
    switchAnimationsOff(preview);
    const QRgb mouth = f.decodedDefault("zumimouth.jpg").pixel(5, 5);
    const QRgb background = f.decodedDefault("bg.jpg").pixel(125, 95);
    QCOMPARE(preview.preview().frame().pixel(125, 95), mouth);

    QTest::mousePress(f.canvas(), Qt::LeftButton, {}, QPoint(130, 100));
    QTest::mouseMove(f.canvas(), QPoint(230, 150));
    QCOMPARE(preview.preview().frame(), composed(window));
    QTest::mouseMove(f.canvas(), QPoint(330, 300));
    // The mouth is at (320, 290) now, while the button is still down.
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, 320.0f);
    QCOMPARE(preview.preview().frame(), composed(window));
    QCOMPARE(preview.preview().frame().pixel(325, 295), mouth);
    QCOMPARE(preview.preview().frame().pixel(125, 95), background);
    QTest::mouseRelease(f.canvas(), Qt::LeftButton, {}, QPoint(330, 300));

    // Undo in the composer takes the preview along.
    activate(window);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, 120.0f);
    QCOMPARE(preview.preview().frame().pixel(125, 95), mouth);
}

// Frames, Speed, Rndm and Delay follow the scene's texts until they are typed
// in the preview, and typing there never touches the scene.
void TestScenePreviewWindow::readingsAreThePreviewsOwn()
{
    WindowFixture f;
    Form1 &window = openActive(f);
    QTest::mouseClick(f.check("Check3"), Qt::LeftButton);
    ScenePreviewWindow &preview = pressF5(window);
    switchAnimationsOff(preview, {QStringLiteral("chkTalking"), QStringLiteral("chkBlinking")});
    auto *frames = Controls::find<QLineEdit>(preview, "txtFrames");
    QCOMPARE(frames->text(), QStringLiteral("8"));
    QCOMPARE(status(preview), QString());

    typeInto(f.text("Text2"), QStringLiteral("abc"));
    QCOMPARE(frames->text(), QStringLiteral("abc"));
    QCOMPARE(status(preview),
             QStringLiteral("Misc. Part is shown whole and still: Frames \"abc\" is not a whole number."));
    QCOMPARE(preview.preview().frame(), composed(window));

    const SceneRecord scene = window.scene();
    const int steps = window.editor().undoStack().count();
    typeInto(frames, QStringLiteral("4"));
    QCOMPARE(status(preview), QString());
    QVERIFY(preview.preview().stripFrame() >= 0);
    QVERIFY(window.scene() == scene);
    QCOMPARE(window.editor().undoStack().count(), steps);
    QCOMPARE(f.text("Text2")->text(), QStringLiteral("abc"));

    // The scene's Frames no longer reach the preview's; its Speed still does.
    typeInto(f.text("Text2"), QStringLiteral("5"));
    typeInto(f.text("Text5"), QStringLiteral("40"));
    QCOMPARE(frames->text(), QStringLiteral("4"));
    QCOMPARE(Controls::find<QLineEdit>(preview, "txtSpeed")->text(), QStringLiteral("40"));
}

// A line typed after "Say:" moves the mouths by its syllables, with Talking
// switched on for it, and then they rest closed.
void TestScenePreviewWindow::sayMovesTheMouthsThenRests()
{
    WindowFixture f;
    Form1 &window = openActive(f);
    ScenePreviewWindow &preview = pressF5(window);
    switchAnimationsOff(preview);
    auto *say = Controls::find<QLineEdit>(preview, "txtSay");
    activate(preview);
    typeInto(say, QStringLiteral("Hello, there."));
    QTest::keyClick(say, Qt::Key_Return);
    QVERIFY(animationBox(preview, "chkTalking")->isChecked());
    QVERIFY(preview.preview().saying());
    QCOMPARE(say->selectedText(), QStringLiteral("Hello, there."));
    QVERIFY(QTest::qWaitFor([&preview] { return !preview.preview().saying(); }, 3000));
    ScenePictures closed = window.editor().pictures();
    closed.parts[ScenePart::ZumiMouth] = Picture();
    QCOMPARE(preview.preview().frame(), composeScene(window.editor().record(), closed));
    QCOMPARE(preview.preview().nextChangeAt(), qint64(-1));
    // The scene is not touched.
    QCOMPARE(window.editor().undoStack().count(), 0);
}

void TestScenePreviewWindow::saveFrameWritesPng()
{
    WindowFixture f;
    Form1 &window = openActive(f);
    ScenePreviewWindow &preview = pressF5(window);
    switchAnimationsOff(preview);
    auto *save = Controls::find<QPushButton>(preview, "cmdSaveFrame");
    auto saved = [](const QString &file) { return QImage(file).convertToFormat(QImage::Format_RGB32); };

    // A bare name becomes a .png file.
    const QString file = f.path(QStringLiteral("frame.png"));
    f.platform.dialogAnswers << f.path(QStringLiteral("frame"));
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(f.platform.dialogCalls.size(), 1);
    QCOMPARE(f.platform.dialogCalls.last().mode, FileDialog::Mode::Save);
    QCOMPARE(f.platform.dialogCalls.last().filter, QStringLiteral("PNG Files (*.png)|*.png"));
    QCOMPARE(f.platform.dialogCalls.last().initDir, f.folder());
    QCOMPARE(saved(file), composed(window));
    QVERIFY(f.platform.questions.isEmpty());
    QVERIFY(status(preview).contains(QDir::toNativeSeparators(file)));
    const QImage first = saved(file);

    // An existing file is replaced only after a Yes.
    f.click("Command9"); // the mouth one pixel right
    QVERIFY(composed(window) != first);
    f.platform.dialogAnswers << file;
    f.platform.answers << Platform::Answer::No;
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(f.platform.questions.size(), 1);
    QCOMPARE(f.platform.questions.last().text,
             QStringLiteral("Replace %1?").arg(QDir::toNativeSeparators(file)));
    QCOMPARE(saved(file), first);
    f.platform.dialogAnswers << file;
    f.platform.answers << Platform::Answer::Yes;
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(saved(file), composed(window));

    // Cancelling writes nothing; a file that cannot be written is named.
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(f.platform.messages.size(), 0);
    const QString nowhere = f.path(QStringLiteral("missing/frame.png"));
    f.platform.dialogAnswers << nowhere;
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages.last().title, QStringLiteral("Save Frame"));
    QCOMPARE(f.platform.messages.last().icon, Platform::MessageIcon::Critical);
    QVERIFY(f.platform.messages.last().text.contains(QDir::toNativeSeparators(nowhere)));
    QVERIFY(!QFileInfo::exists(nowhere));
}

void TestScenePreviewWindow::escapeClosesItAndEveryControlIsNamed()
{
    WindowFixture f;
    Form1 &window = openActive(f);
    ScenePreviewWindow &preview = pressF5(window);
    QCOMPARE(AccessibilityWalk::unnamedControls(preview), QStringList());
    QCOMPARE(AccessibilityWalk::interactiveControls(preview).size(), 11);

    activate(preview);
    Controls::find<QLineEdit>(preview, "txtDelay")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(previews(window).isEmpty());
    QVERIFY(window.isVisible());
}

void TestScenePreviewWindow::zoomKeepsPixelsSharp_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("scale");
    QTest::newRow("+") << QList<int>{Qt::Key_Plus} << 2;
    QTest::newRow("= (+ without Shift)") << QList<int>{Qt::Key_Equal} << 2;
    QTest::newRow("+ +") << QList<int>{Qt::Key_Plus, Qt::Key_Plus} << 4;
    QTest::newRow("+ + + stays at 4") << QList<int>{Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Plus} << 4;
    QTest::newRow("+ + -") << QList<int>{Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Minus} << 2;
    QTest::newRow("- stays at 1") << QList<int>{Qt::Key_Minus} << 1;
}

// + and - step the zoom; each picture pixel is a sharp block of the zoomed
// size, and a picture larger than the window scrolls.
void TestScenePreviewWindow::zoomKeepsPixelsSharp()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, scale);
    WindowFixture f;
    Form1 &window = openActive(f);
    ScenePreviewWindow &preview = pressF5(window);
    switchAnimationsOff(preview);
    activate(preview);
    Controls::find<QCheckBox>(preview, "chkTalking")->setFocus();
    for (const int key : keys)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(preview.picture().size(), QSize(700, 500) * scale);
    QCOMPARE(Controls::find<QComboBox>(preview, "cboZoom")->currentText(),
             QStringLiteral("%1\u00d7").arg(scale));
    auto *scroll = Controls::find<QScrollArea>(preview, "scrPreview");
    QVERIFY(QTest::qWaitFor([&] { return scroll->horizontalScrollBar()->isVisible() == (scale > 1); }));

    // A pixel's block around the mouth's edge at (120, 90): every screen
    // pixel is its picture pixel, with no blend of the two.
    const QImage frame = preview.preview().frame();
    const QImage shown = preview.picture()
                             .grab(QRect(QPoint(118, 88) * scale, QSize(4, 4) * scale))
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            QCOMPARE(shown.pixel(x, y), frame.pixel(118 + x / scale, 88 + y / scale));

    // Typing + into the Say line types it.
    auto *say = Controls::find<QLineEdit>(preview, "txtSay");
    typeInto(say, QStringLiteral("1+1"));
    QCOMPARE(say->text(), QStringLiteral("1+1"));
    QCOMPARE(preview.picture().size(), QSize(700, 500) * scale);
}

// Fit (0, or the zoom box) sizes the picture to the window, and follows it.
void TestScenePreviewWindow::fitFollowsTheWindow()
{
    WindowFixture f;
    Form1 &window = openActive(f);
    ScenePreviewWindow &preview = pressF5(window);
    activate(preview);
    auto *scroll = Controls::find<QScrollArea>(preview, "scrPreview");
    // One to one at first; the toolbar may make the window wider.
    QCOMPARE(scroll->viewport()->height(), 500);
    QVERIFY(scroll->viewport()->width() >= 700);
    Controls::find<QCheckBox>(preview, "chkTalking")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_0);
    QCOMPARE(preview.zoom(), ScenePreviewWindow::ZoomFit);
    QCOMPARE(preview.picture().size(), QSize(700, 500));
    preview.resize(preview.width(), preview.height() - 250);
    QVERIFY(QTest::qWaitFor([&] { return preview.picture().height() == scroll->viewport()->height(); }));
    QCOMPARE(preview.picture().size(), QSize(350, 250));
    QVERIFY(!scroll->horizontalScrollBar()->isVisible() && !scroll->verticalScrollBar()->isVisible());

    // The zoom box chooses too; + from a fitted half goes to 1x.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Plus);
    QCOMPARE(preview.zoom(), ScenePreviewWindow::Zoom1);
    auto *zoom = Controls::find<QComboBox>(preview, "cboZoom");
    zoom->setFocus();
    QTest::keyClick(zoom, Qt::Key_End);
    QCOMPARE(preview.zoom(), ScenePreviewWindow::ZoomFit);
}

QTEST_MAIN(TestScenePreviewWindow)
#include "tst_scene_preview_window.moc"
