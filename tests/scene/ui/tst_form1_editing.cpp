// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibilityWalk.h"
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QUrl>

// What the composer window adds to the prescribed controls: undo and redo,
// placing with the keyboard, drag and drop, the unsaved-changes mark and
// question, the questions before a file is replaced or a picture copied,
// values the scene file cannot hold, and names for screen readers.
class TestForm1Editing : public QObject
{
    Q_OBJECT
private slots:
    void undoRedoKeys_data();
    void undoRedoKeys();
    void undoKeysInsideATextBoxEditTheText();
    void undoRestoresTheWindow();
    void arrowKeys_data();
    void arrowKeys();
    void heldNudgeButtonRepeats();

    void dropPicture();
    void dropPictureRefused_data();
    void dropPictureRefused();
    void dropScene();

    void titleShowsChanges();
    void closeAsks_data();
    void closeAsks();
    void saveAsksBeforeReplacing();
    void loadOffersCopyIntoImages();
    void unstorableValues_data();
    void unstorableValues();
    void pastedTextKeepsItsFirstLine();
    void namesWithBackslashes();

    void accessibleNames();
    void placeTip();

private:
    // A shown, active window, so that its shortcuts and focus work.
    static Form1 &activeWindow(WindowFixture &f)
    {
        Form1 &window = f.openShown();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("window not active");
        return window;
    }
    static float mouthX(const Form1 &window) { return window.scene().part(ScenePart::ZumiMouth).x; }
    static float mouthY(const Form1 &window) { return window.scene().part(ScenePart::ZumiMouth).y; }
    // Drags a file over the window and drops it at the position; returns
    // whether the drop was taken.
    static bool drop(QWidget &window, const QString &file, QPoint at)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &move);
        if (!move.isAccepted())
            return false;
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &dropped);
        return dropped.isAccepted();
    }
};

void TestForm1Editing::undoRedoKeys_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QKeySequence>("redo");
    QTest::newRow("canvas, Ctrl+Y") << "picCanvas" << QKeySequence(Qt::CTRL | Qt::Key_Y);
    QTest::newRow("canvas, Ctrl+Shift+Z") << "picCanvas" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    QTest::newRow("a button, Ctrl+Y") << "Command12" << QKeySequence(Qt::CTRL | Qt::Key_Y);
    QTest::newRow("a check box, Ctrl+Shift+Z") << "Check1" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
}

void TestForm1Editing::undoRedoKeys()
{
    QFETCH(QString, focus);
    QFETCH(QKeySequence, redo);
    WindowFixture f;
    Form1 &window = activeWindow(f);
    f.click("Command9");
    f.click("Command9");
    QCOMPARE(mouthX(window), 122.f);
    QWidget *focused = f.child<QWidget>(qPrintable(focus));
    focused->setFocus();
    QTest::keySequence(focused, QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(mouthX(window), 121.f);
    QTest::keySequence(focused, QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(mouthX(window), 120.f);
    QTest::keySequence(focused, redo);
    QCOMPARE(mouthX(window), 121.f);
}

void TestForm1Editing::undoKeysInsideATextBoxEditTheText()
{
    WindowFixture f;
    Form1 &window = activeWindow(f);
    f.check("Check3")->setChecked(true);
    f.click("Command9");
    QLineEdit *speed = f.text("Text5");
    speed->setFocus();
    speed->selectAll();
    QTest::keyClicks(speed, QStringLiteral("250"));
    QCOMPARE(window.scene().MiscSpeed, QStringLiteral("250"));
    // Inside the box the keys edit its text; the nudge stays.
    QTest::keySequence(speed, QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(speed->text(), QStringLiteral("100"));
    QCOMPARE(window.scene().MiscSpeed, QStringLiteral("100"));
    QTest::keySequence(speed, QKeySequence(Qt::CTRL | Qt::Key_Y));
    QCOMPARE(speed->text(), QStringLiteral("250"));
    QCOMPARE(window.scene().part(ScenePart::Misc).x, 61.f);

    // Outside it, the typing is one step, undone at once.
    f.canvas()->setFocus();
    QTest::keySequence(f.canvas(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(speed->text(), QStringLiteral("100"));
    QCOMPARE(window.scene().MiscSpeed, QStringLiteral("100"));
    QCOMPARE(window.scene().part(ScenePart::Misc).x, 61.f);
}

// Undo gives back every control and the canvas as they were, whatever the
// step's cascade touched.
void TestForm1Editing::undoRestoresTheWindow()
{
    WindowFixture f;
    Form1 &window = activeWindow(f);
    f.check("Check3")->setChecked(true);
    f.check("Check6")->setChecked(true);
    f.check("Check1")->setChecked(false);
    f.text("Text1")->setText(QStringLiteral("5"));
    const QStringList controls = f.controlStates();
    const QImage canvas = f.canvasImage();
    const QByteArray saved = f.saveScene(QStringLiteral("before.scn"));

    // Load Scene: the resets, the loaded file, a part switched on with its
    // option, the texts; then New Scene.
    f.loadScene("UM=usermouth.jpg;UMx=5;ZB=zumiblink.jpg;");
    f.click("Command15");
    QVERIFY(f.controlStates() != controls);
    f.canvas()->setFocus();
    QTest::keySequence(f.canvas(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QTest::keySequence(f.canvas(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(f.controlStates(), controls);
    QCOMPARE(f.canvasImage(), canvas);
    QCOMPARE(f.saveScene(QStringLiteral("after.scn")), saved);
    QVERIFY(window.isVisible());
}

void TestForm1Editing::arrowKeys_data()
{
    QTest::addColumn<QByteArray>("scene");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QPointF>("expected");
    const QByteArray mouth = "ZM=zumimouth.jpg;ZMw=120;ZMh=60;";
    QTest::newRow("left") << mouth + "ZMx=10;ZMy=10;" << int(Qt::Key_Left) << false << QPointF(9, 10);
    QTest::newRow("left at 0") << mouth + "ZMx=0;ZMy=10;" << int(Qt::Key_Left) << false << QPointF(0, 10);
    QTest::newRow("down to the bottom")
        << mouth + "ZMx=10;ZMy=439;" << int(Qt::Key_Down) << false << QPointF(10, 440);
    QTest::newRow("right at the edge")
        << mouth + "ZMx=580;ZMy=10;" << int(Qt::Key_Right) << false << QPointF(580, 10);
    QTest::newRow("shift up") << mouth + "ZMx=10;ZMy=50;" << int(Qt::Key_Up) << true << QPointF(10, 40);
    QTest::newRow("shift up stops at 0")
        << mouth + "ZMx=10;ZMy=7;" << int(Qt::Key_Up) << true << QPointF(10, 0);
    QTest::newRow("shift right stops at the edge")
        << mouth + "ZMx=575;ZMy=10;" << int(Qt::Key_Right) << true << QPointF(580, 10);
    QTest::newRow("shift down stops at the edge")
        << mouth + "ZMx=10;ZMy=435;" << int(Qt::Key_Down) << true << QPointF(10, 440);
    QTest::newRow("misc, shift right, no limit")
        << QByteArray("MP=miscpart.jpg;MPw=200;MPh=40;MPx=600;MPy=10;") << int(Qt::Key_Right) << true
        << QPointF(610, 10);
}

void TestForm1Editing::arrowKeys()
{
    QFETCH(QByteArray, scene);
    QFETCH(int, key);
    QFETCH(bool, shift);
    QFETCH(QPointF, expected);
    WindowFixture f;
    Form1 &window = activeWindow(f);
    f.loadScene(scene);
    const int part = window.editor().selectedPart();
    f.canvas()->setFocus();
    const int steps = window.editor().undoStack().count();
    QTest::keyClick(f.canvas(), Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
    const SceneRecord::Part &moved = window.scene().part(part);
    QCOMPARE(QPointF(moved.x, moved.y), expected);
    const QImage shown = f.canvasImage();
    QCOMPARE(shown,
             composite(f.decodedDefault("bg.jpg"),
                       WindowFixture::decoded(f.images() + moved.name).copy(0, 0, int(moved.w), int(moved.h)),
                       int(moved.x), int(moved.y)));
    // The focus stays on the canvas; a nudge is one step unless it changed nothing.
    QCOMPARE(QApplication::focusWidget(), f.canvas());
    QCOMPARE(window.editor().undoStack().count() - steps, window.editor().isModified() ? 1 : 0);
}

void TestForm1Editing::heldNudgeButtonRepeats()
{
    WindowFixture f;
    Form1 &window = activeWindow(f);
    QPushButton *right = f.button("Command9");
    QVERIFY(right->autoRepeat());
    right->setAutoRepeatDelay(20);
    right->setAutoRepeatInterval(10);
    QTest::mousePress(right, Qt::LeftButton);
    QTRY_VERIFY(mouthX(window) >= 124.f);
    QTest::mouseRelease(right, Qt::LeftButton);
    const float held = mouthX(window);
    // The whole hold is one step.
    QCOMPARE(window.editor().undoStack().count(), 1);
    window.editor().undo();
    QCOMPARE(mouthX(window), 120.f);
    window.editor().redo();
    QCOMPARE(mouthX(window), held);
    // A click moves once more, as a step of its own.
    f.click("Command9");
    QCOMPARE(mouthX(window), held + 1);
    QCOMPARE(window.editor().undoStack().count(), 2);
}

void TestForm1Editing::dropPicture()
{
    WindowFixture f;
    Form1 &window = activeWindow(f);
    f.check("Check4")->setChecked(true); // the user blink is selected
    const QString picture = f.writePicture(QStringLiteral("blink2.jpg"), 40, 20, qRgb(255, 128, 0));
    QVERIFY(drop(window, picture, QPoint(300, 200)));
    // What its LOAD does: name, size, the canvas; no dialog.
    QVERIFY(f.platform.dialogCalls.isEmpty());
    QCOMPARE(window.scene().part(ScenePart::UserBlink).name, QStringLiteral("blink2.jpg"));
    QCOMPARE(window.scene().part(ScenePart::UserBlink).w, 40.f);
    QCOMPARE(f.text("Text3")->text(), QStringLiteral("blink2.jpg"));
    QCOMPARE(f.canvasImage(), composite(f.decodedDefault("bg.jpg"), WindowFixture::decoded(picture), 60, 30));
    // One step.
    window.editor().undo();
    QCOMPARE(window.scene().part(ScenePart::UserBlink).name, QStringLiteral("userblink.jpg"));

    // From outside the Images folder: the copy is offered, as by LOAD.
    const QString outside = f.writePicture(QStringLiteral("far.bmp"), 30, 30, qRgb(1, 2, 3),
                                           f.elsewhere(QString()) + QDir::separator());
    f.platform.answers << Platform::Answer::Yes;
    QVERIFY(drop(window, outside, QPoint(10, 10)));
    QCOMPARE(f.platform.questions.last().text, QStringLiteral("Copy far.bmp into Images?"));
    QVERIFY(QFileInfo::exists(f.images() + QStringLiteral("far.bmp")));
    QCOMPARE(window.scene().part(ScenePart::UserBlink).name, QStringLiteral("far.bmp"));
}

void TestForm1Editing::dropPictureRefused_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("switchOff"); // the selected part switched off: its LOAD is disabled
    QTest::newRow("below the canvas") << "p.bmp" << QPoint(350, 550) << false;
    QTest::newRow("selected part switched off") << "p.bmp" << QPoint(100, 100) << true;
    QTest::newRow("not a picture") << "p.txt" << QPoint(100, 100) << false;
}

void TestForm1Editing::dropPictureRefused()
{
    QFETCH(QString, file);
    QFETCH(QPoint, at);
    QFETCH(bool, switchOff);
    WindowFixture f;
    Form1 &window = activeWindow(f);
    f.check("Check2")->setChecked(true);
    if (switchOff)
        f.check("Check2")->setChecked(false);
    const SceneEditor::State state = window.editor().state();
    const QString dropped = file.endsWith(QLatin1String(".txt"))
                                ? WindowFixture::writeFile(f.path(file), "text")
                                : f.writePicture(file, 20, 20, qRgb(0, 0, 0));
    QVERIFY(!drop(window, dropped, at));
    QVERIFY(window.editor().state() == state);
    QVERIFY(f.platform.messages.isEmpty());
}

void TestForm1Editing::dropScene()
{
    WindowFixture f;
    Form1 &window = activeWindow(f);
    f.check("Check4")->setChecked(true);
    const SceneEditor::State before = window.editor().state();
    const QString scene = f.writeScene(QStringLiteral("dropped.scn"), "UM=usermouth.jpg;UMx=5;UMy=6;");
    // Anywhere on the window, below the canvas too; no dialog.
    QVERIFY(drop(window, scene, QPoint(650, 560)));
    QVERIFY(f.platform.dialogCalls.isEmpty());
    QVERIFY(window.scene().part(ScenePart::UserMouth).on);
    QVERIFY(!window.scene().part(ScenePart::UserBlink).on);
    QVERIFY(f.option("Option3")->isChecked());
    QCOMPARE(window.windowTitle(), QStringLiteral("Frameloft"));
    // One step, undone as a whole.
    window.editor().undo();
    QVERIFY(window.editor().state() == before);
    QVERIFY(f.check("Check4")->isChecked());
}

void TestForm1Editing::titleShowsChanges()
{
    WindowFixture f;
    Form1 &window = f.open();
    QCOMPARE(window.windowTitle(), QStringLiteral("Frameloft"));
    f.click("Command7");
    QCOMPARE(window.windowTitle(), QStringLiteral("Frameloft*"));
    window.editor().undo();
    QCOMPARE(window.windowTitle(), QStringLiteral("Frameloft"));
    f.check("Check2")->setChecked(true);
    QCOMPARE(window.windowTitle(), QStringLiteral("Frameloft*"));
    f.saveScene();
    QCOMPARE(window.windowTitle(), QStringLiteral("Frameloft"));
    f.text("Text3")->setText(QStringLiteral("typed")); // changes nothing
    QCOMPARE(window.windowTitle(), QStringLiteral("Frameloft"));
    f.loadScene("ZM=zumimouth.jpg;ZMx=3;");
    QCOMPARE(window.windowTitle(), QStringLiteral("Frameloft"));
    window.editor().undo();
    QCOMPARE(window.windowTitle(), QStringLiteral("Frameloft*"));
}

void TestForm1Editing::closeAsks_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QList<Platform::Answer>>("answers");
    QTest::addColumn<QString>("saveAs"); // the save dialog's answer; "-" for a write that fails
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("written");
    using A = Platform::Answer;
    QTest::newRow("unchanged: no question") << false << QList<A>() << QString() << true << false;
    QTest::newRow("Discard") << true << QList<A>{A::Discard} << QString() << true << false;
    QTest::newRow("Cancel") << true << QList<A>{A::Cancel} << QString() << false << false;
    QTest::newRow("Escape") << true << QList<A>() << QString() << false << false;
    QTest::newRow("Save") << true << QList<A>{A::Save} << "closing.scn" << true << true;
    QTest::newRow("Save, dialog cancelled") << true << QList<A>{A::Save} << QString() << false << false;
    QTest::newRow("Save, not replaced")
        << true << QList<A>{A::Save, A::No} << "existing.scn" << false << false;
    QTest::newRow("Save, write fails") << true << QList<A>{A::Save, A::Yes} << "-" << false << false;
}

void TestForm1Editing::closeAsks()
{
    QFETCH(bool, changed);
    QFETCH(QList<Platform::Answer>, answers);
    QFETCH(QString, saveAs);
    QFETCH(bool, closed);
    QFETCH(bool, written);
    WindowFixture f;
    Form1 &window = f.openShown();
    if (changed)
        f.click("Command9");
    WindowFixture::writeFile(f.path(QStringLiteral("existing.scn")), "old");
    QDir(f.folder()).mkdir(QStringLiteral("taken.scn")); // a folder: the write fails
    const QString target = saveAs == QStringLiteral("-") ? f.path(QStringLiteral("taken.scn"))
                           : saveAs.isEmpty()            ? QString()
                                                         : f.path(saveAs);
    f.platform.answers = answers;
    f.platform.dialogAnswers << target;

    QCOMPARE(window.close(), closed);
    QCOMPARE(f.platform.questions.isEmpty(), !changed);
    if (changed) {
        const FakePlatform::Asked &asked = f.platform.questions.first();
        QCOMPARE(asked.question, Platform::Question::SaveDiscardCancel);
        QCOMPARE(asked.defaultAnswer, Platform::Answer::Save);
        QCOMPARE(asked.title, QStringLiteral("Frameloft"));
    }
    if (written)
        QVERIFY(TestFiles::readBytes(target).startsWith(
            "BG=bg.jpg;\r\nZM=zumimouth.jpg;\r\nZMh=90;\r\nZMw=120;\r\nZMx=121;"));
    QCOMPARE(TestFiles::readBytes(f.path(QStringLiteral("existing.scn"))), QByteArray("old"));
    QCOMPARE(window.isVisible(), !closed);
}

void TestForm1Editing::saveAsksBeforeReplacing()
{
    WindowFixture f;
    f.open();
    const QString target = WindowFixture::writeFile(f.path(QStringLiteral("scene.scn")), "old");
    f.platform.dialogAnswers << target;
    f.click("Command10");
    // The file that is written is the one asked about; No writes nothing.
    QCOMPARE(f.platform.questions.size(), 1);
    QCOMPARE(f.platform.questions[0].text, QStringLiteral("Replace %1?").arg(target));
    QCOMPARE(f.platform.questions[0].defaultAnswer, Platform::Answer::No);
    QCOMPARE(TestFiles::readBytes(target), QByteArray("old"));
    f.platform.answers << Platform::Answer::Yes;
    f.platform.dialogAnswers << target;
    f.click("Command10");
    QVERIFY(TestFiles::readBytes(target).startsWith("BG=bg.jpg;"));
    // A new file is written without a question.
    f.platform.dialogAnswers << f.path(QStringLiteral("new.scn"));
    f.click("Command10");
    QCOMPARE(f.platform.questions.size(), 2);
    QVERIFY(QFileInfo::exists(f.path(QStringLiteral("new.scn"))));
}

void TestForm1Editing::loadOffersCopyIntoImages()
{
    WindowFixture f;
    Form1 &window = f.open();
    // A different picture of the same name is already in Images.
    f.writePicture(QStringLiteral("mouth.bmp"), 10, 10, qRgb(9, 9, 9));
    const QString outside = f.writePicture(QStringLiteral("mouth.bmp"), 100, 50, qRgb(10, 200, 90),
                                           f.elsewhere(QString()) + QDir::separator());
    f.platform.answers << Platform::Answer::Yes;
    f.clickAnswering("Command1", outside);
    QCOMPARE(f.platform.questions.size(), 1);
    QCOMPARE(f.platform.questions[0].text, QStringLiteral("Copy mouth.bmp into Images?"));
    QCOMPARE(f.platform.questions[0].defaultAnswer, Platform::Answer::Yes);
    // Both kept: the scene names the copy.
    QCOMPARE(window.scene().part(ScenePart::ZumiMouth).name, QStringLiteral("mouth (2).bmp"));
    QCOMPARE(WindowFixture::decoded(f.images() + QStringLiteral("mouth (2).bmp")),
             WindowFixture::decoded(outside));
    QCOMPARE(WindowFixture::decoded(f.images() + QStringLiteral("mouth.bmp")).pixel(0, 0), qRgb(9, 9, 9));
    QCOMPARE(f.text("Text3")->text(), QStringLiteral("mouth (2).bmp"));
    QVERIFY(f.saveScene().contains("ZM=mouth (2).bmp;\r\nZMh=50;\r\nZMw=101;"));
    // The scene finds it again once loaded.
    f.click("Command15");
    f.loadScene(f.saveScene(QStringLiteral("again.scn")));
    QVERIFY(f.platform.messages.isEmpty());

    // Chosen inside Images: no question.
    f.clickAnswering("Command1", f.images() + QStringLiteral("mouth.bmp"));
    QCOMPARE(f.platform.questions.size(), 1);
}

void TestForm1Editing::unstorableValues_data()
{
    QTest::addColumn<QString>("picture"); // chosen with LOAD; empty: a text typed into Speed instead
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("named"); // what the message names
    QTest::newRow("picture with a semicolon") << "a;b.bmp"
                                              << ""
                                              << "a;b.bmp";
    QTest::newRow("picture with a key") << "xZM=y.bmp"
                                        << ""
                                        << "ZM=";
    QTest::newRow("picture outside the code page") << "Ωmega.bmp"
                                                   << ""
                                                   << "Ω";
    QTest::newRow("text with a semicolon") << ""
                                           << "7;8"
                                           << "7;8";
    QTest::newRow("text with a key") << ""
                                     << "5UB=x.jpg"
                                     << "UB=";
}

// A value the scene file could not give back is refused where it would get
// in: at LOAD, or at Save Scene for a typed text; nothing is written.
void TestForm1Editing::unstorableValues()
{
    QFETCH(QString, picture);
    QFETCH(QString, typed);
    QFETCH(QString, named);
    WindowFixture f;
    Form1 &window = f.open();
    f.check("Check3")->setChecked(true);
    const SceneEditor::State state = window.editor().state();
    if (!picture.isEmpty()) {
        // Chosen outside Images, so that a copy would be offered: none is made.
        const QStringList images = QDir(f.images()).entryList(QDir::Files);
        f.platform.answers << Platform::Answer::Yes;
        f.clickAnswering("Command13", f.writePicture(picture, 10, 10, qRgb(1, 1, 1),
                                                     f.elsewhere(QString()) + QDir::separator()));
        QVERIFY(window.editor().state() == state);
        QCOMPARE(QDir(f.images()).entryList(QDir::Files), images);
        QVERIFY(f.platform.questions.isEmpty());
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].title, QStringLiteral("Load Picture"));
    } else {
        f.text("Text5")->setText(typed);
        const int dialogs = f.platform.dialogCalls.size();
        f.platform.dialogAnswers << f.path(QStringLiteral("out.scn"));
        f.click("Command10");
        QCOMPARE(f.platform.dialogCalls.size(), dialogs);
        QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("out.scn"))));
        QCOMPARE(f.platform.messages.size(), 1);
        QCOMPARE(f.platform.messages[0].title, QStringLiteral("Save Scene"));
    }
    QVERIFY2(f.platform.messages[0].text.contains(named), qPrintable(f.platform.messages[0].text));
}

// Pasted into an animation text, only the first line of a text is kept, so
// no line break reaches the file and no entry hides behind one.
void TestForm1Editing::pastedTextKeepsItsFirstLine()
{
    WindowFixture f;
    Form1 &window = activeWindow(f);
    f.check("Check3")->setChecked(true);
    QLineEdit *rndm = f.text("Text1");
    rndm->setFocus();
    rndm->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("5\r\nUB=x.jpg"));
    QTest::keySequence(rndm, QKeySequence::Paste);
    QCOMPARE(rndm->text(), QStringLiteral("5"));
    QCOMPARE(window.scene().MiscRndm, QStringLiteral("5"));
    QVERIFY(f.saveScene().contains("MR=5;\r\nMF=8;"));
    f.click("Command15");
    f.loadScene(f.saveScene(QStringLiteral("again.scn")));
    QVERIFY(!window.scene().part(ScenePart::UserBlink).on);
}

// Scene files made on Windows name pictures in subfolders with "\".
void TestForm1Editing::namesWithBackslashes()
{
    WindowFixture f;
    Form1 &window = f.open();
    QDir().mkpath(f.images() + QStringLiteral("faces"));
    const QString face = f.writePicture(QStringLiteral("m.bmp"), 40, 30, qRgb(1, 100, 200),
                                        f.images() + QStringLiteral("faces") + QDir::separator());
    f.loadScene("ZM=faces\\m.bmp;ZMx=5;ZMy=6;ZMw=40;ZMh=30;");
    QVERIFY(f.platform.messages.isEmpty());
    QCOMPARE(f.canvasImage(), composite(f.decodedDefault("bg.jpg"), WindowFixture::decoded(face), 5, 6));
    QCOMPARE(window.scene().part(ScenePart::ZumiMouth).name, QStringLiteral("faces\\m.bmp"));
    QVERIFY(f.saveScene().contains("ZM=faces\\m.bmp;"));
}

void TestForm1Editing::accessibleNames()
{
    WindowFixture f;
    Form1 &window = f.open();
    QCOMPARE(AccessibilityWalk::unnamedControls(window), QStringList());
    const struct
    {
        const char *control, *name;
    } names[] = {{"picCanvas", "Scene canvas, 700 by 500"},
                 {"Command2", "Load Background picture"},
                 {"Command1", "Load Zumi Mouth picture"},
                 {"Command3", "Load Zumi Blink picture"},
                 {"Command4", "Load User Mouth picture"},
                 {"Command5", "Load User Blink picture"},
                 {"Command13", "Load Misc. Part picture"},
                 {"Command14", "Load Nude BG picture"},
                 {"Check7", "Show the Nude BG picture"},
                 {"Check2", "User Mouth"},
                 {"Option5", "Miscellaneous Part"},
                 {"Command6", "Nudge up"},
                 {"Text5", "Speed"}};
    for (const auto &n : names)
        QCOMPARE(AccessibilityWalk::accessibleName(f.child<QWidget>(n.control)), QLatin1String(n.name));
    // The walk met them all, the disabled ones too: the canvas, 8 check boxes,
    // 5 option buttons, 15 buttons and 5 text boxes.
    QCOMPARE(AccessibilityWalk::interactiveControls(window).size(), 34);
}

void TestForm1Editing::placeTip()
{
    WindowFixture f;
    f.open();
    QCOMPARE(f.canvas()->toolTip(), QStringLiteral("Zumi Mouth: x 120, y 90, w 120, h 90"));
    f.click("Command7");
    QCOMPARE(f.canvas()->toolTip(), QStringLiteral("Zumi Mouth: x 120, y 91, w 120, h 90"));
    QCOMPARE(f.canvas()->statusTip(), f.canvas()->toolTip());
    f.check("Check3")->setChecked(true);
    QCOMPARE(f.canvas()->toolTip(), QStringLiteral("Miscellaneous Part: x 60, y 30, w 200, h 48"));
}

QTEST_MAIN(TestForm1Editing)
#include "tst_form1_editing.moc"
