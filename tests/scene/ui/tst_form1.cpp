// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_fixture.h"

#include "Form1Layout.h"
#include "SceneFile.h"
#include "scene_cases.h"

#include <QLabel>
#include <QSet>

#include <cmath>

// The composer window driven through its controls: start-up, the part
// controls and their cascade, nudging, the LOAD buttons, the scene files,
// New Scene and HELP.
class TestForm1 : public QObject
{
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void layoutTable();
    void tabOrderAndLook();
    void startUp();
    void startUpMissingPictures();

    void partSwitchCascade_data();
    void partSwitchCascade();
    void miscSwitch();
    void optionsAndShowHide();
    void alternativeBackground();
    void redraws_data();
    void redraws();

    void nudge_data();
    void nudge();

    void loadSizes_data();
    void loadSizes();
    void loadMouth();
    void loadCancelled();
    void loadBackground();
    void loadAlternativeBackground();
    void loadSelectsPart();
    void loadFamily_data();
    void loadFamily();
    void loadUnreadable_data();
    void loadUnreadable();

    void saveAfterStartUp();
    void saveCancelled();
    void saveMiscAndTexts();
    void saveFails();
    void saveOverChangedFile_data();
    void saveOverChangedFile();
    void saveNameWithoutExtension_data();
    void saveNameWithoutExtension();
    void rootProgramFolder();

    void loadSceneSelection_data();
    void loadSceneSelection();
    void loadSceneCancelled();
    void loadSceneRoundTrip();
    void loadSceneMissingPicture();
    void loadSceneUnreadable();
    void loadSceneBadInput_data();
    void loadSceneBadInput();
    void loadSceneHugeFile();

    void newScene();
    void newSceneKeepsAlternativeBackground();
    void newSceneMissingPicture();

    void help_data();
    void help();
    void helpPageExample();
};

// ---------------------------------------------------------------------------
// Layout and start-up

void TestForm1::layout_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(Form1Layout::Controls)); ++row)
        QTest::newRow(Form1Layout::Controls[row].name) << row;
}

// The window is what its layout table says.
void TestForm1::layout()
{
    QFETCH(int, row);
    const Form1Layout::Control &item = Form1Layout::Controls[row];
    const QString name = QLatin1String(item.name);
    WindowFixture f;
    Form1 &window = f.open();
    QCOMPARE(window.windowTitle(), QStringLiteral("Frameloft"));
    QCOMPARE(window.size(), QSize(700, 589));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    const QList<QWidget *> matches = window.findChildren<QWidget *>(name);
    QCOMPARE(matches.size(), 1);
    QWidget *control = matches.first();
    const char *classes[] = {"QPushButton", "QCheckBox", "QRadioButton", "QLabel", "LineBox", "", "", "", "",
                             "SceneCanvas"};
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()),
             QString::fromLatin1(classes[int(item.kind)]));
    QCOMPARE(control->geometry(), item.place);
    const QString caption = QLatin1String(item.caption);
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        QCOMPARE(button->text(), caption);
    else if (auto *label = qobject_cast<QLabel *>(control))
        QCOMPARE(label->text(), caption);
    else if (auto *edit = qobject_cast<QLineEdit *>(control); edit && name != QStringLiteral("Text3"))
        QCOMPARE(edit->text(), caption); // Text3 shows the selected part's name once started
    QCOMPARE(control->font().bold(), item.role == Form1Layout::Role::Heading);
}

// The table itself: inside the window, one row per name and per tab place,
// and the places that never change pinned.
void TestForm1::layoutTable()
{
    QSet<QString> names;
    QSet<int> tabs;
    for (const Form1Layout::Control &item : Form1Layout::Controls) {
        QVERIFY2(QRect(QPoint(0, 0), Form1Layout::ClientSize).contains(item.place), item.name);
        QVERIFY2(!names.contains(QLatin1String(item.name)), item.name);
        QVERIFY2(!tabs.contains(item.tab), item.name);
        names << QLatin1String(item.name);
        tabs << item.tab;
    }
    QCOMPARE(names.size(), 45);
    QCOMPARE(Form1Layout::ClientSize, QSize(700, 589));
    QCOMPARE(Form1Layout::CanvasPlace, QRect(0, 0, 700, 500));
    QCOMPARE(Form1Layout::control("Check7").place, QRect(224, 520, 17, 13));
    QCOMPARE(Form1Layout::control("Option4").place, QRect(296, 555, 73, 13));
    QCOMPARE(Form1Layout::control("Text4").place, QRect(672, 568, 17, 19));
}

void TestForm1::tabOrderAndLook()
{
    WindowFixture f;
    Form1 &window = f.openShown();
    // The focus chain follows the tab places of the layout.
    const QStringList expected =
        QStringLiteral("chkUseOutline Command1 Command2 Command3 Command4 Command5 "
                       "Option1 Command6 Command7 Command8 Command9 Check1 Command10 "
                       "Command11 Command12 Check2 Command13 Check3 Text1 Text3 "
                       "Check4 Check5 Check6 Command14 Check7 Text2 Text4 Text5 "
                       "Command15")
            .split(QLatin1Char(' '));
    QStringList chain;
    QWidget *widget = f.child<QWidget>("chkUseOutline");
    for (int i = 0; i < 200 && chain.size() < expected.size(); ++i, widget = widget->nextInFocusChain()) {
        if (expected.contains(widget->objectName()) && !chain.contains(widget->objectName()))
            chain << widget->objectName();
    }
    QCOMPARE(chain, expected);

    // The canvas takes its place in the order too: it is the first stop, just
    // before "Use Outline".
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    f.check("chkUseOutline")->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(f.check("chkUseOutline"), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), f.canvas());
    QTest::keyClick(f.canvas(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.check("chkUseOutline"));

    // Colours: dark blue window, white captions, light blue buttons.
    const QImage shot = window.grab().toImage();
    QCOMPARE(QColor(shot.pixel(350, 588)), QColor(0, 0, 192));
    QCOMPARE(f.check("Check2")->palette().color(QPalette::WindowText), QColor(Qt::white));
    const QImage button = f.button("Command1")->grab().toImage();
    QCOMPARE(QColor(button.pixel(4, button.height() / 2)), QColor(192, 192, 255));
    QVERIFY(f.button("Command1")->font().pointSizeF() < 9);
}

void TestForm1::startUp()
{
    WindowFixture f;
    Form1 &window = f.open();
    const SceneRecord &scene = window.scene();

    QCOMPARE(pictureNames(scene), StartUpPictureNames);
    QVERIFY(scene.NudeImage.isEmpty());
    QVERIFY(!scene.parts[ScenePart::ZumiBlink].on && !scene.parts[ScenePart::UserMouth].on &&
            !scene.parts[ScenePart::UserBlink].on && !scene.parts[ScenePart::Misc].on && !scene.NudeImageOn);
    QCOMPARE(QList<float>({scene.parts[ScenePart::ZumiMouth].w, scene.parts[ScenePart::ZumiMouth].h,
                           scene.parts[ScenePart::ZumiMouth].x, scene.parts[ScenePart::ZumiMouth].y}),
             QList<float>({120, 90, 120, 90}));
    QCOMPARE(QList<float>({scene.parts[ScenePart::ZumiBlink].w, scene.parts[ScenePart::ZumiBlink].h,
                           scene.parts[ScenePart::ZumiBlink].x, scene.parts[ScenePart::ZumiBlink].y}),
             QList<float>({66, 32, 66, 32}));
    QCOMPARE(QList<float>({scene.parts[ScenePart::UserMouth].w, scene.parts[ScenePart::UserMouth].h,
                           scene.parts[ScenePart::UserMouth].x, scene.parts[ScenePart::UserMouth].y}),
             QList<float>({80, 44, 80, 44}));
    QCOMPARE(QList<float>({scene.parts[ScenePart::UserBlink].w, scene.parts[ScenePart::UserBlink].h,
                           scene.parts[ScenePart::UserBlink].x, scene.parts[ScenePart::UserBlink].y}),
             QList<float>({60, 30, 60, 30}));
    // The miscellaneous part starts at the user blink's size, not its own.
    QCOMPARE(QList<float>({scene.parts[ScenePart::Misc].w, scene.parts[ScenePart::Misc].h,
                           scene.parts[ScenePart::Misc].x, scene.parts[ScenePart::Misc].y}),
             QList<float>({200, 48, 60, 30}));
    QCOMPARE(QList<QString>({scene.MiscFrames, scene.MiscSpeed, scene.MiscRndm, scene.MiscDelay}),
             QList<QString>(
                 {QStringLiteral("8"), QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("3")}));
    QCOMPARE(window.editor().canvasWidth(), 700.0f);
    QCOMPARE(window.editor().canvasHeight(), 500.0f);
    QVERIFY(window.sceneText().isEmpty());
    const SceneEditor::CutValue &cut = window.editor().lastCut();
    QVERIFY(cut.path.isEmpty() && cut.value.isEmpty() && cut.start == 0 && cut.semicolon == 0);

    QVERIFY(f.option("Option1")->isChecked());
    QCOMPARE(f.text("Text3")->text(), QStringLiteral("zumimouth.jpg"));
    QVERIFY(f.check("Check1")->isChecked());
    for (const char *name : {"Check2", "Check3", "Check4", "Check5", "Check6", "Check7", "chkUseOutline"})
        QVERIFY2(!f.check(name)->isChecked(), name);
    for (const char *name : {"Text2", "Text4", "Check7", "Command4", "Command5", "Option3", "Option4",
                             "Command13", "Text1", "Option5", "Command3", "Option2", "Command14", "Text5"})
        QVERIFY2(!f.child<QWidget>(name)->isEnabled(), name);
    for (const char *name :
         {"Command1",  "Command2",  "Option1",       "Check1",    "Check2",   "Check3",   "Check4",
          "Check5",    "Check6",    "chkUseOutline", "Command6",  "Command7", "Command8", "Command9",
          "Command10", "Command11", "Command12",     "Command15", "Text3",    "picCanvas"})
        QVERIFY2(f.child<QWidget>(name)->isEnabled(), name);

    // The background with the Zumi mouth at (120, 90).
    QCOMPARE(f.canvasImage(),
             composite(f.decodedDefault("bg.jpg"), f.decodedDefault("zumimouth.jpg"), 120, 90));
    QVERIFY(f.platform.messages.isEmpty());
    QCOMPARE(f.platform.loadedPictures.size(), 6);
    QCOMPARE(f.platform.loadedPictures.first(), f.images() + QStringLiteral("bg.jpg"));

    // A default size that does not divide evenly is rounded down: 64 pixels
    // (1693 hundredths of a millimetre) give 63.
    f.writePicture(QStringLiteral("zumiblink.jpg"), 64, 64, qRgb(240, 240, 0));
    f.click("Command15");
    QCOMPARE(scene.parts[ScenePart::ZumiBlink].w, 63.0f);
    QCOMPARE(scene.parts[ScenePart::ZumiBlink].x, 63.0f);
}

void TestForm1::startUpMissingPictures()
{
    WindowFixture f;
    QFile::remove(f.images() + QStringLiteral("zumimouth.jpg"));
    WindowFixture::writeFile(f.images() + QStringLiteral("bg.jpg"), "not a picture");
    Form1 &window = f.open();
    // One message names both; the window opens with those parts empty.
    QCOMPARE(f.platform.messages.size(), 1);
    QVERIFY(f.platform.messages[0].text.contains(QStringLiteral("zumimouth.jpg")));
    QVERIFY(f.platform.messages[0].text.contains(QStringLiteral("bg.jpg")));
    QCOMPARE(f.platform.messages[0].icon, Platform::MessageIcon::Critical);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].name, QStringLiteral("zumimouth.jpg"));
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].w, 0.0f);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].h, 0.0f);
    QCOMPARE(window.scene().parts[ScenePart::UserBlink].w, 60.0f);
    QCOMPARE(f.canvasImage(), composite(QImage()));
    QVERIFY(f.option("Option1")->isChecked());
    // Still usable: a saved scene names the defaults.
    QVERIFY(
        f.saveScene().startsWith("BG=bg.jpg;\r\nZM=zumimouth.jpg;\r\nZMh=0;\r\nZMw=0;\r\nZMx=0;\r\nZMy=0;"));
}

// ---------------------------------------------------------------------------
// Part controls

void TestForm1::partSwitchCascade_data()
{
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("load");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<bool>("byClick");
    QTest::newRow("user blink, clicked") << "Check4"
                                         << "Command5"
                                         << "Option4"
                                         << "userblink.jpg" << QPoint(60, 30) << true;
    QTest::newRow("user blink, set by code") << "Check4"
                                             << "Command5"
                                             << "Option4"
                                             << "userblink.jpg" << QPoint(60, 30) << false;
    QTest::newRow("user mouth") << "Check2"
                                << "Command4"
                                << "Option3"
                                << "usermouth.jpg" << QPoint(80, 44) << true;
    QTest::newRow("zumi blink") << "Check5"
                                << "Command3"
                                << "Option2"
                                << "zumiblink.jpg" << QPoint(66, 32) << true;
}

void TestForm1::partSwitchCascade()
{
    QFETCH(QString, check);
    QFETCH(QString, load);
    QFETCH(QString, option);
    QFETCH(QString, picture);
    QFETCH(QPoint, place);
    QFETCH(bool, byClick);
    WindowFixture f;
    f.openShown();
    QCheckBox *box = f.check(qPrintable(check));
    f.check("Check1")->setChecked(false);

    if (byClick)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    else
        box->setChecked(true);
    QVERIFY(box->isChecked());
    QVERIFY(f.button(qPrintable(load))->isEnabled());
    QVERIFY(f.option(qPrintable(option))->isEnabled());
    QVERIFY(f.option(qPrintable(option))->isChecked());
    QVERIFY(!f.option("Option1")->isChecked());
    QCOMPARE(f.text("Text3")->text(), picture);
    QVERIFY(f.check("Check1")->isChecked());
    const QImage shown =
        composite(f.decodedDefault("bg.jpg"), f.decodedDefault(qPrintable(picture)), place.x(), place.y());
    QCOMPARE(f.canvasImage(), shown);
    QVERIFY(BuildSceneText(f.window->scene()).contains(picture));

    // Switched off while selected: disabled, still selected and drawn.
    box->setChecked(false);
    QVERIFY(!f.button(qPrintable(load))->isEnabled());
    QVERIFY(!f.option(qPrintable(option))->isEnabled());
    QVERIFY(f.option(qPrintable(option))->isChecked());
    QCOMPARE(f.text("Text3")->text(), picture);
    QCOMPARE(f.canvasImage(), shown);
    QVERIFY(!BuildSceneText(f.window->scene()).contains(picture));
}

void TestForm1::miscSwitch()
{
    WindowFixture f;
    Form1 &window = f.open();
    const char *controls[] = {"Command13", "Text1", "Option5", "Text2", "Text4", "Text5"};
    f.check("Check3")->setChecked(true);
    for (const char *name : controls)
        QVERIFY2(f.child<QWidget>(name)->isEnabled(), name);
    QVERIFY(f.option("Option5")->isChecked());
    QVERIFY(window.scene().parts[ScenePart::Misc].on);
    QCOMPARE(f.text("Text3")->text(), QStringLiteral("miscpart.jpg"));
    QCOMPARE(f.canvasImage(),
             composite(f.decodedDefault("bg.jpg"), f.decodedDefault("miscpart.jpg"), 60, 30));
    f.check("Check3")->setChecked(false);
    for (const char *name : controls)
        QVERIFY2(!f.child<QWidget>(name)->isEnabled(), name);
    QVERIFY(f.option("Option5")->isChecked());
    QVERIFY(!window.scene().parts[ScenePart::Misc].on);
}

void TestForm1::optionsAndShowHide()
{
    WindowFixture f;
    Form1 &window = f.openShown();
    const QImage background = composite(f.decodedDefault("bg.jpg"));
    f.check("Check5")->setChecked(true);
    QTest::mouseClick(f.option("Option1"), Qt::LeftButton, {}, QPoint(4, 8));
    QVERIFY(f.option("Option1")->isChecked());
    QCOMPARE(f.text("Text3")->text(), QStringLiteral("zumimouth.jpg"));
    // Only the selected part is drawn.
    QCOMPARE(f.canvasImage(),
             composite(f.decodedDefault("bg.jpg"), f.decodedDefault("zumimouth.jpg"), 120, 90));

    // Hidden: the background alone, whichever part is selected and wherever it is.
    QTest::mouseClick(f.check("Check1"), Qt::LeftButton, {}, QPoint(4, 8));
    QVERIFY(!f.check("Check1")->isChecked());
    QCOMPARE(f.canvasImage(), background);
    f.option("Option2")->setChecked(true);
    QCOMPARE(f.text("Text3")->text(), QStringLiteral("zumiblink.jpg"));
    QCOMPARE(f.canvasImage(), background);
    // Nudging still moves the hidden part.
    f.click("Command8");
    QCOMPARE(window.scene().parts[ScenePart::ZumiBlink].x, 65.0f);
    QCOMPARE(f.canvasImage(), background);
}

void TestForm1::alternativeBackground()
{
    WindowFixture f;
    Form1 &window = f.open();
    const QImage normal = f.canvasImage();
    f.writePicture(QStringLiteral("nude.bmp"), 300, 200, qRgb(90, 60, 30));

    f.check("Check6")->setChecked(true);
    QVERIFY(window.scene().NudeImageOn);
    QVERIFY(f.check("Check7")->isEnabled());
    QVERIFY(f.button("Command14")->isEnabled());
    QCOMPARE(f.canvasImage(), normal);

    // No alternative picture chosen: the plain colour.
    f.check("Check7")->setChecked(true);
    QCOMPARE(f.canvasImage(), composite(QImage(), f.decodedDefault("zumimouth.jpg"), 120, 90));
    f.check("Check7")->setChecked(false);
    QCOMPARE(f.canvasImage(), normal);

    f.clickAnswering("Command14", f.images() + QStringLiteral("nude.bmp"));
    QCOMPARE(window.scene().NudeImage, QStringLiteral("nude.bmp"));
    f.check("Check7")->setChecked(true);
    const QImage nude = composite(WindowFixture::decoded(f.images() + QStringLiteral("nude.bmp")),
                                  f.decodedDefault("zumimouth.jpg"), 120, 90);
    QCOMPARE(f.canvasImage(), nude);

    // "Nude BG" off keeps the swap and its box ticked, but disabled.
    f.check("Check6")->setChecked(false);
    QVERIFY(!f.check("Check7")->isEnabled());
    QVERIFY(f.check("Check7")->isChecked());
    QVERIFY(!f.button("Command14")->isEnabled());
    QCOMPARE(f.canvasImage(), nude);

    // A named alternative picture that has gone: a message, the shown background stays.
    f.check("Check6")->setChecked(true);
    f.check("Check7")->setChecked(false);
    QFile::remove(f.images() + QStringLiteral("nude.bmp"));
    QVERIFY(f.platform.messages.isEmpty());
    f.check("Check7")->setChecked(true);
    QCOMPARE(f.platform.messages.size(), 1);
    QVERIFY(f.platform.messages[0].text.contains(QStringLiteral("nude.bmp")));
    QCOMPARE(f.canvasImage(), normal);
}

void TestForm1::redraws_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("redraws");
    // Neither the alternative background's switch, the display options read
    // at a press, the animation boxes, saving nor HELP touch the canvas.
    QTest::newRow("Nude BG ticked and unticked") << "Check6" << 0;
    QTest::newRow("Use Outline ticked") << "chkUseOutline" << 0;
    QTest::newRow("typing into Frames") << "Text2" << 0;
    QTest::newRow("Save Scene") << "Command10" << 0;
    QTest::newRow("HELP") << "Command12" << 0;
    QTest::newRow("alternative background LOAD") << "Command14" << 0;
    QTest::newRow("Show/Hide Image unticked") << "Check1" << 1;
    QTest::newRow("swap box ticked") << "Check7" << 1;
    QTest::newRow("nudge") << "Command9" << 1;
    QTest::newRow("option turned on") << "Option1" << 1;
    QTest::newRow("selected part switched off") << "Check4" << 1;
    QTest::newRow("background LOAD") << "Command2" << 1;
    // The option button's redraw, then the switch's or the LOAD button's own.
    QTest::newRow("part switched on") << "Check2" << 2;
    QTest::newRow("LOAD selecting its part") << "Command13" << 2;
    // Two parts and the option switched back by the resets, the user mouth
    // switched on with its option, and the final redraw.
    QTest::newRow("Load Scene naming the user mouth") << "Command11" << 3 + 2 + 1;
}

// Which handlers rebuild the canvas, and how often a cascade does.
void TestForm1::redraws()
{
    QFETCH(QString, action);
    QFETCH(int, redraws);
    WindowFixture f;
    Form1 &window = f.open();
    f.check("Check3")->setChecked(true);
    f.check("Check4")->setChecked(true); // the user blink is selected
    const QString picture = f.writePicture(QStringLiteral("any.bmp"), 20, 20, qRgb(1, 2, 3));
    const QString scene = f.writeScene(QStringLiteral("um.scn"), "UM=usermouth.jpg;");
    const quint64 before = window.editor().drawCounts().redraws;

    if (action == QStringLiteral("Check6")) {
        f.check("Check6")->setChecked(true);
        f.check("Check6")->setChecked(false);
    } else if (action.startsWith(QStringLiteral("Check")) || action == QStringLiteral("chkUseOutline")) {
        QCheckBox *box = f.check(qPrintable(action));
        box->setChecked(!box->isChecked());
    } else if (action == QStringLiteral("Text2")) {
        QTest::keyClicks(f.text("Text2"), QStringLiteral("12"));
    } else if (action == QStringLiteral("Option1")) {
        f.option("Option1")->setChecked(true);
    } else if (action == QStringLiteral("Command10")) {
        f.clickAnswering("Command10", f.path(QStringLiteral("out.scn")));
    } else if (action == QStringLiteral("Command11")) {
        f.clickAnswering("Command11", scene);
    } else {
        f.clickAnswering(qPrintable(action), picture);
    }
    QCOMPARE(int(window.editor().drawCounts().redraws - before), redraws);
}

void TestForm1::nudge_data()
{
    QTest::addColumn<QByteArray>("scene");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("field");
    QTest::addColumn<float>("expected");
    const QByteArray mouth = "ZM=zumimouth.jpg;ZMw=120;ZMh=60;";
    const QByteArray misc = "MP=miscpart.jpg;MPw=200;MPh=40;";
    QTest::newRow("up from 0.5 stops at 0") << mouth + "ZMx=10;ZMy=0.5;"
                                            << "Command6"
                                            << "y" << 0.0f;
    QTest::newRow("up") << mouth + "ZMx=10;ZMy=7;"
                        << "Command6"
                        << "y" << 6.0f;
    QTest::newRow("down at the bottom stays") << mouth + "ZMx=10;ZMy=440;"
                                              << "Command7"
                                              << "y" << 440.0f;
    QTest::newRow("down to the bottom") << mouth + "ZMx=10;ZMy=439;"
                                        << "Command7"
                                        << "y" << 440.0f;
    QTest::newRow("down from below the bottom") << mouth + "ZMx=10;ZMy=470;"
                                                << "Command7"
                                                << "y" << 440.0f;
    QTest::newRow("left at 0 stays") << mouth + "ZMx=0;ZMy=10;"
                                     << "Command8"
                                     << "x" << 0.0f;
    QTest::newRow("left") << mouth + "ZMx=10;ZMy=10;"
                          << "Command8"
                          << "x" << 9.0f;
    QTest::newRow("left from a negative place") << mouth + "ZMx=-3;ZMy=10;"
                                                << "Command8"
                                                << "x" << 0.0f;
    QTest::newRow("right at the edge stays") << mouth + "ZMx=580;ZMy=10;"
                                             << "Command9"
                                             << "x" << 580.0f;
    QTest::newRow("right to the edge") << mouth + "ZMx=579;ZMy=10;"
                                       << "Command9"
                                       << "x" << 580.0f;
    QTest::newRow("right from a negative place") << mouth + "ZMx=-3;ZMy=10;"
                                                 << "Command9"
                                                 << "x" << -2.0f;
    QTest::newRow("right, part wider than the canvas")
        << QByteArray("ZM=zumimouth.jpg;ZMw=800;ZMh=60;ZMx=-100;ZMy=0;") << "Command9"
        << "x" << -100.0f;
    QTest::newRow("misc right, no limit") << misc + "MPx=900;MPy=10;"
                                          << "Command9"
                                          << "x" << 901.0f;
    QTest::newRow("misc down, no limit") << misc + "MPx=10;MPy=480;"
                                         << "Command7"
                                         << "y" << 481.0f;
    QTest::newRow("misc left stops at 0") << misc + "MPx=0.25;MPy=10;"
                                          << "Command8"
                                          << "x" << 0.0f;
    QTest::newRow("misc up stops at 0") << misc + "MPx=10;MPy=0;"
                                        << "Command6"
                                        << "y" << 0.0f;
    QTest::newRow("fraction kept") << mouth + "ZMx=10.5;ZMy=20.25;"
                                   << "Command9"
                                   << "x" << 11.5f;
}

void TestForm1::nudge()
{
    QFETCH(QByteArray, scene);
    QFETCH(QString, button);
    QFETCH(QString, field);
    QFETCH(float, expected);
    WindowFixture f;
    Form1 &window = f.open();
    f.loadScene(scene);
    const bool misc = scene.startsWith("MP=");
    QCOMPARE(f.option(misc ? "Option5" : "Option1")->isChecked(), true);
    const SceneRecord before = window.scene();
    f.click(qPrintable(button));
    const SceneRecord &after = window.scene();
    const float x = misc ? after.parts[ScenePart::Misc].x : after.parts[ScenePart::ZumiMouth].x;
    const float y = misc ? after.parts[ScenePart::Misc].y : after.parts[ScenePart::ZumiMouth].y;
    QCOMPARE(field == QStringLiteral("x") ? x : y, expected);
    QCOMPARE(field == QStringLiteral("x") ? y : x,
             field == QStringLiteral("x")
                 ? (misc ? before.parts[ScenePart::Misc].y : before.parts[ScenePart::ZumiMouth].y)
                 : (misc ? before.parts[ScenePart::Misc].x : before.parts[ScenePart::ZumiMouth].x));
}

// ---------------------------------------------------------------------------
// LOAD buttons

void TestForm1::loadSizes_data()
{
    QTest::addColumn<int>("pixels");
    QTest::addColumn<float>("stored");
    for (const auto &[pixels, stored] : LoadedSizes)
        QTest::addRow("%d px", pixels) << pixels << stored;
}

void TestForm1::loadSizes()
{
    QFETCH(int, pixels);
    QFETCH(float, stored);
    WindowFixture f;
    Form1 &window = f.open();
    f.check("Check4")->setChecked(true);
    f.clickAnswering("Command5", f.writePicture(QStringLiteral("square.bmp"), pixels, pixels, qRgb(1, 2, 3)));
    QCOMPARE(window.scene().parts[ScenePart::UserBlink].w, stored);
    QCOMPARE(window.scene().parts[ScenePart::UserBlink].h, stored);
    QCOMPARE(window.scene().parts[ScenePart::UserBlink].x, 60.0f);
    QCOMPARE(window.scene().parts[ScenePart::UserBlink].y, 30.0f);
}

void TestForm1::loadMouth()
{
    WindowFixture f;
    Form1 &window = f.open();
    f.check("Check2")->setChecked(true);
    // Chosen outside the Images folder: shown at once, only the name kept.
    const QString outside =
        f.writePicture(QStringLiteral("wide mouth.bmp"), 100, 50, qRgb(10, 200, 90), f.folder());
    f.clickAnswering("Command1", outside);

    QCOMPARE(f.platform.dialogCalls.size(), 1);
    const FakePlatform::DialogCall &call = f.platform.dialogCalls[0];
    QCOMPARE(call.mode, FileDialog::Mode::Open);
    QCOMPARE(call.filter, QStringLiteral("Images Files (*.bmp;*.jpg)|*.bmp;*.jpg"));
    QCOMPARE(call.initDir, f.images());
    QCOMPARE(f.platform.loadedPictures.last(), outside);

    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].w, 101.0f);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].h, 50.0f);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, 120.0f);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].y, 90.0f);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].name, QStringLiteral("wide mouth.bmp"));
    QVERIFY(f.option("Option1")->isChecked());
    QCOMPARE(f.text("Text3")->text(), QStringLiteral("wide mouth.bmp"));
    const SceneEditor::CutValue &cut = window.editor().lastCut();
    QCOMPARE(cut.path, outside);
    QCOMPARE(cut.value, QStringLiteral("wide mouth.bmp"));
    QCOMPARE(cut.start, outside.size() - cut.value.size() + 1);
    QCOMPARE(f.canvasImage(),
             composite(f.decodedDefault("bg.jpg"), WindowFixture::decoded(outside), 120, 90));
    QVERIFY(f.saveScene().contains("ZM=wide mouth.bmp;\r\nZMh=50;\r\nZMw=101;\r\nZMx=120;\r\nZMy=90;\r\n"));
}

void TestForm1::loadCancelled()
{
    WindowFixture f;
    Form1 &window = f.open();
    f.check("Check6")->setChecked(true);
    f.check("Check3")->setChecked(true);
    f.clickAnswering("Command13", f.writePicture(QStringLiteral("first.bmp"), 30, 20, qRgb(5, 5, 5)));
    const SceneRecord scene = window.scene();
    const QImage canvas = f.canvasImage();
    const SceneEditor::CutValue scratch = window.editor().lastCut();
    f.option("Option1")->setChecked(true);
    const QString text3 = f.text("Text3")->text();
    const QImage mouthCanvas = f.canvasImage();
    for (const char *button : {"Command1", "Command2", "Command13", "Command14"}) {
        const int loads = f.platform.loadedPictures.size();
        f.clickAnswering(button, QString());
        QCOMPARE(f.platform.loadedPictures.size(), loads);
    }
    QVERIFY(window.scene() == scene);
    QCOMPARE(window.editor().lastCut().path, scratch.path);
    QCOMPARE(f.text("Text3")->text(), text3);
    QVERIFY(f.option("Option1")->isChecked());
    QCOMPARE(f.canvasImage(), mouthCanvas);
    f.option("Option5")->setChecked(true);
    QCOMPARE(f.canvasImage(), canvas);
}

void TestForm1::loadBackground()
{
    WindowFixture f;
    Form1 &window = f.open();
    f.check("Check5")->setChecked(true);
    f.check("Check6")->setChecked(true);
    f.check("Check7")->setChecked(true);
    const QString file = f.writePicture(QStringLiteral("night.bmp"), 400, 300, qRgb(20, 20, 60));
    f.clickAnswering("Command2", file);
    QCOMPARE(window.scene().Background, QStringLiteral("night.bmp"));
    QVERIFY(f.option("Option2")->isChecked());
    QCOMPARE(f.text("Text3")->text(), QStringLiteral("zumiblink.jpg"));
    QVERIFY(f.check("Check7")->isChecked());
    QCOMPARE(window.scene().parts[ScenePart::ZumiBlink].w, 66.0f);
    QCOMPARE(f.canvasImage(),
             composite(WindowFixture::decoded(file), f.decodedDefault("zumiblink.jpg"), 66, 32));
}

void TestForm1::loadAlternativeBackground()
{
    WindowFixture f;
    Form1 &window = f.open();
    f.check("Check6")->setChecked(true);
    const QImage canvas = f.canvasImage();
    const SceneRecord before = window.scene();
    const quint64 redraws = window.editor().drawCounts().redraws;
    const QString file = f.writePicture(QStringLiteral("nude.jpg"), 50, 50, qRgb(200, 150, 150));
    f.clickAnswering("Command14", file);
    QCOMPARE(window.scene().NudeImage, QStringLiteral("nude.jpg"));
    QCOMPARE(window.editor().lastCut().value, QStringLiteral("nude.jpg"));
    QCOMPARE(window.editor().drawCounts().redraws, redraws);
    QCOMPARE(f.canvasImage(), canvas);
    SceneRecord expected = before;
    expected.NudeImage = QStringLiteral("nude.jpg");
    QVERIFY(window.scene() == expected);
    QVERIFY(f.saveScene().endsWith("NI=nude.jpg;\r\n\r\n"));
}

void TestForm1::loadSelectsPart()
{
    WindowFixture f;
    Form1 &window = f.open();
    f.check("Check4")->setChecked(true);
    f.option("Option1")->setChecked(true);
    const QString file = f.writePicture(QStringLiteral("blink2.jpg"), 40, 20, qRgb(255, 128, 0));
    f.clickAnswering("Command5", file);
    QVERIFY(f.option("Option4")->isChecked());
    QCOMPARE(f.text("Text3")->text(), QStringLiteral("blink2.jpg"));
    QCOMPARE(window.scene().parts[ScenePart::UserBlink].w, 40.0f);
    QCOMPARE(f.canvasImage(), composite(f.decodedDefault("bg.jpg"), WindowFixture::decoded(file), 60, 30));
}

void TestForm1::loadFamily_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("part");
    QTest::newRow("Command1, Zumi mouth") << "Command1"
                                          << "Option1" << int(ScenePart::ZumiMouth);
    QTest::newRow("Command3, Zumi blink") << "Command3"
                                          << "Option2" << int(ScenePart::ZumiBlink);
    QTest::newRow("Command4, user mouth") << "Command4"
                                          << "Option3" << int(ScenePart::UserMouth);
    QTest::newRow("Command5, user blink") << "Command5"
                                          << "Option4" << int(ScenePart::UserBlink);
    QTest::newRow("Command13, miscellaneous part") << "Command13"
                                                   << "Option5" << int(ScenePart::Misc);
}

// Each part's LOAD button serves its own holder, name, size and option button
// and no other part's, whichever part was selected before.
void TestForm1::loadFamily()
{
    QFETCH(QString, button);
    QFETCH(QString, option);
    QFETCH(int, part);
    WindowFixture f;
    Form1 &window = f.open();
    for (const char *name : {"Check2", "Check3", "Check4", "Check5"})
        f.check(name)->setChecked(true);
    // Another part is selected before the LOAD.
    f.option(option == QStringLiteral("Option2") ? "Option3" : "Option2")->setChecked(true);
    SceneRecord expected = window.scene();
    const QString file = f.writePicture(QStringLiteral("chosen.bmp"), 100, 50, qRgb(10, 200, 90));

    f.clickAnswering(qPrintable(button), file);
    SceneRecord::Part &fields = expected.part(part);
    fields.name = QStringLiteral("chosen.bmp");
    fields.w = 101;
    fields.h = 50;
    QVERIFY(window.scene() == expected);
    QVERIFY(f.option(qPrintable(option))->isChecked());
    QCOMPARE(f.text("Text3")->text(), QStringLiteral("chosen.bmp"));
    QCOMPARE(f.canvasImage(), composite(f.decodedDefault("bg.jpg"), WindowFixture::decoded(file),
                                        int(fields.x), int(fields.y)));
}

void TestForm1::loadUnreadable_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("switchOn");
    QTest::newRow("zumi mouth") << "Command1"
                                << "";
    QTest::newRow("background") << "Command2"
                                << "";
    QTest::newRow("misc part") << "Command13"
                               << "Check3";
    QTest::newRow("alternative background") << "Command14"
                                            << "Check6";
}

void TestForm1::loadUnreadable()
{
    QFETCH(QString, button);
    QFETCH(QString, switchOn);
    WindowFixture f;
    Form1 &window = f.open();
    if (!switchOn.isEmpty())
        f.check(qPrintable(switchOn))->setChecked(true);
    f.option("Option1")->setChecked(true);
    const SceneRecord scene = window.scene();
    const QImage canvas = f.canvasImage();
    const QString text3 = f.text("Text3")->text();
    const QString file =
        WindowFixture::writeFile(f.images() + QStringLiteral("broken.jpg"), "not a picture at all");
    f.clickAnswering(qPrintable(button), file);
    QCOMPARE(f.platform.messages.size(), 1);
    QVERIFY(f.platform.messages[0].text.contains(QStringLiteral("broken.jpg")));
    QVERIFY(window.scene() == scene);
    QCOMPARE(f.canvasImage(), canvas);
    QCOMPARE(f.text("Text3")->text(), text3);
    QVERIFY(f.option("Option1")->isChecked());
    QVERIFY(window.editor().lastCut().path.isEmpty());
}

// ---------------------------------------------------------------------------
// Save Scene

void TestForm1::saveAfterStartUp()
{
    WindowFixture f;
    Form1 &window = f.open();
    const QByteArray expected =
        "BG=bg.jpg;\r\nZM=zumimouth.jpg;\r\nZMh=90;\r\nZMw=120;\r\nZMx=120;\r\nZMy=90;\r\n\r\n";
    QCOMPARE(f.saveScene(), expected);
    QCOMPARE(window.sceneText().toLatin1() + "\r\n", expected);
    const FakePlatform::DialogCall &call = f.platform.dialogCalls.last();
    QCOMPARE(call.mode, FileDialog::Mode::Save);
    QCOMPARE(call.filter, QStringLiteral("Scn Files (*.scn)|*.scn"));
    QCOMPARE(call.initDir + QDir::separator(), f.folder());
    // Saving twice replaces the file.
    QCOMPARE(f.saveScene(), expected);
    QVERIFY(f.platform.messages.isEmpty());
}

void TestForm1::saveCancelled()
{
    WindowFixture f;
    Form1 &window = f.open();
    f.check("Check2")->setChecked(true);
    f.clickAnswering("Command10", QString());
    QVERIFY(window.sceneText().contains(QStringLiteral("UserMouthOn;\r\nUM=usermouth.jpg;\r\n")));
    QCOMPARE(QDir(f.folder()).entryList({QStringLiteral("*.scn")}), QStringList());
    QVERIFY(f.platform.messages.isEmpty());
}

void TestForm1::saveMiscAndTexts()
{
    WindowFixture f;
    f.open();
    f.check("Check3")->setChecked(true);
    f.text("Text1")->clear();
    QVERIFY(
        f.saveScene().endsWith("ZMy=90;\r\nMiscOn;\r\nMP=miscpart.jpg;\r\nMPh=48;\r\nMPw=200;\r\nMPx=60;\r\n"
                               "MPy=30;\r\nMR=990;\r\nMF=8;\r\nMD=3;\r\nMS=100;\r\n\r\n"));
    // Typed text is kept as typed, numbers or not; empty boxes get their substitutes.
    f.text("Text2")->clear();
    QTest::keyClicks(f.text("Text2"), QStringLiteral(" 7"));
    f.text("Text4")->clear();
    f.text("Text5")->setText(QStringLiteral("fast"));
    QVERIFY(f.saveScene().endsWith("MR=990;\r\nMF= 7;\r\nMD=5;\r\nMS=fast;\r\n\r\n"));
}

void TestForm1::saveFails()
{
    WindowFixture f;
    Form1 &window = f.open();
    f.check("Check5")->setChecked(true);
    const SceneRecord scene = window.scene();
    // A folder cannot be written over, whoever runs the test.
    QDir(f.folder()).mkdir(QStringLiteral("taken.scn"));
    const QString target = f.path(QStringLiteral("taken.scn"));
    f.platform.answers << Platform::Answer::Yes; // "Replace ...?"
    f.clickAnswering("Command10", target);
    QCOMPARE(f.platform.messages.size(), 1);
    QVERIFY(f.platform.messages[0].text.contains(QDir::toNativeSeparators(target)));
    QCOMPARE(f.platform.messages[0].icon, Platform::MessageIcon::Critical);
    QVERIFY(window.scene() == scene);
    QVERIFY(f.option("Option2")->isChecked());

    // A text the 8-bit file cannot hold: nothing written, the character named.
    // (LOAD refuses such a picture name before it gets into the scene.)
    f.check("Check3")->setChecked(true);
    f.text("Text5")->setText(QStringLiteral("\u03a9"));
    f.clickAnswering("Command10", f.path(QStringLiteral("omega.scn")));
    QCOMPARE(f.platform.messages.size(), 2);
    QVERIFY(f.platform.messages[1].text.contains(QStringLiteral("U+03A9")));
    QVERIFY(!QFile::exists(f.path(QStringLiteral("omega.scn"))));
}

void TestForm1::saveOverChangedFile_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("changedQuestion");
    QTest::addColumn<bool>("written");
    QTest::newRow("unchanged: the plain question") << "none" << true << false << true;
    QTest::newRow("grown since the load, No keeps the other program's") << "grown" << false << true << false;
    QTest::newRow("grown since the load, Yes replaces it") << "grown" << true << true << true;
    QTest::newRow("same size and time, other bytes") << "bytes" << false << true << false;
    QTest::newRow("grown since the last save") << "saved, grown" << false << true << false;
}

// Save Scene over the scene file the window loaded (or saved) asks first when
// another program changed the file since, whether by its size, its time or,
// where both stayed, its bytes; No is the default and keeps that version.
void TestForm1::saveOverChangedFile()
{
    QFETCH(QString, change);
    QFETCH(bool, yes);
    QFETCH(bool, changedQuestion);
    QFETCH(bool, written);
    WindowFixture f;
    f.open();
    f.loadScene("BG=bg.jpg;\r\nZM=zumimouth.jpg;\r\nZMh=90;\r\nZMw=120;\r\nZMx=120;\r\nZMy=90;\r\n\r\n");
    const QString file = f.path(QStringLiteral("in.scn"));
    if (change.startsWith(QLatin1String("saved"))) {
        f.platform.answers << Platform::Answer::Yes;
        f.clickAnswering("Command10", file);
    }
    f.check("Check2")->setChecked(true);
    QByteArray other = TestFiles::readBytes(file);
    if (change.endsWith(QLatin1String("grown"))) {
        other += "; another program's line\r\n";
        f.writeScene(QStringLiteral("in.scn"), other);
    } else if (change == QLatin1String("bytes")) {
        const QDateTime time = QFileInfo(file).lastModified();
        other.replace("ZMx=120", "ZMx=121");
        f.writeScene(QStringLiteral("in.scn"), other);
        QFile touched(file);
        QVERIFY(touched.open(QIODevice::ReadWrite));
        QVERIFY(touched.setFileTime(time, QFileDevice::FileModificationTime));
    }
    const qsizetype asked = f.platform.questions.size();
    f.platform.answers << (yes ? Platform::Answer::Yes : Platform::Answer::No);
    f.clickAnswering("Command10", file);

    QCOMPARE(f.platform.questions.size(), asked + 1);
    const FakePlatform::Asked &question = f.platform.questions.last();
    QCOMPARE(question.text, changedQuestion
                                ? QStringLiteral("in.scn was changed by another program since it was "
                                                 "loaded. Replace it with your version?")
                                : QStringLiteral("Replace %1?").arg(QDir::toNativeSeparators(file)));
    QCOMPARE(question.defaultAnswer, Platform::Answer::No);
    QCOMPARE(TestFiles::readBytes(file).contains("UserMouthOn;"), written);
    if (!written)
        QCOMPARE(TestFiles::readBytes(file), other);
    QVERIFY(f.platform.messages.isEmpty());
}

void TestForm1::saveNameWithoutExtension_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << "garden"
                                  << "garden.scn";
    QTest::newRow("an extension of its own") << "garden.txt"
                                             << "garden.txt";
    QTest::newRow("the filter's") << "garden.scn"
                                  << "garden.scn";
}

// A name typed without an extension gets the filter's, so that Load Scene
// lists the file afterwards; one with an extension is used as typed.
void TestForm1::saveNameWithoutExtension()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    WindowFixture f;
    f.open();
    f.clickAnswering("Command10", f.path(typed));
    QCOMPARE(QDir(f.folder()).entryList({QStringLiteral("garden*")}, QDir::Files), QStringList{written});
    QVERIFY(TestFiles::readBytes(f.path(written)).startsWith("BG=bg.jpg;\r\n"));
}

void TestForm1::rootProgramFolder()
{
    FakePlatform platform;
    platform.folder = QDir::rootPath();
    Form1 window(platform);
    // Nothing to load there: one message, the window works.
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.loadedPictures.first(), QDir::rootPath() + QStringLiteral("Images/bg.jpg"));
    platform.dialogAnswers << QString() << QString();
    window.findChild<QPushButton *>(QStringLiteral("Command10"))->click();
    window.findChild<QPushButton *>(QStringLiteral("Command11"))->click();
    QCOMPARE(platform.dialogCalls[0].initDir, QDir::rootPath());
    QCOMPARE(platform.dialogCalls[1].initDir, QDir::rootPath());
}

// ---------------------------------------------------------------------------
// Load Scene

void TestForm1::loadSceneSelection_data()
{
    QTest::addColumn<QByteArray>("scene");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("switchedOn");
    QTest::newRow("user mouth and zumi blink")
        << QByteArray("BG=bg.jpg;\r\nZM=zumimouth.jpg;\r\nUM=usermouth.jpg;\r\n"
                      "ZB=zumiblink.jpg;\r\n")
        << "Option2"
        << "Check2 Check5";
    QTest::newRow("only user mouth") << QByteArray("UM=usermouth.jpg;") << "Option3"
                                     << "Check2";
    QTest::newRow("flag without entry") << QByteArray("UserMouthOn;\r\nZM=zumimouth.jpg;") << "Option1"
                                        << "";
    QTest::newRow("entry without flag, reordered")
        << QByteArray("UBh=5;UB=userblink.jpg;\r\nMP=miscpart.jpg;UM=usermouth.jpg") << "Option5"
        << "Check2 Check3 Check4";
    QTest::newRow("keys are case-sensitive") << QByteArray("um=usermouth.jpg;zb=zumiblink.jpg;") << "Option1"
                                             << "";
    QTest::newRow("nothing") << QByteArray("") << "Option1"
                             << "";
}

void TestForm1::loadSceneSelection()
{
    QFETCH(QByteArray, scene);
    QFETCH(QString, selected);
    QFETCH(QString, switchedOn);
    WindowFixture f;
    f.open();
    f.check("Check4")->setChecked(true);
    f.check("Check3")->setChecked(true);
    f.loadScene(scene);
    QVERIFY(f.option(qPrintable(selected))->isChecked());
    for (const char *name : {"Check2", "Check3", "Check4", "Check5"})
        QCOMPARE(f.check(name)->isChecked(),
                 switchedOn.split(QLatin1Char(' ')).contains(QLatin1String(name)));
    QVERIFY(f.platform.messages.isEmpty());
}

// Cancelled, Load Scene changes nothing: the resets come only with a file.
void TestForm1::loadSceneCancelled()
{
    WindowFixture f;
    Form1 &window = f.open();
    f.check("Check2")->setChecked(true);
    f.check("Check3")->setChecked(true);
    f.check("Check6")->setChecked(true);
    f.clickAnswering("Command14", f.writePicture(QStringLiteral("nude.bmp"), 20, 20, qRgb(0, 0, 0)));
    f.text("Text2")->setText(QStringLiteral("12"));
    f.click("Command7");
    f.check("Check1")->setChecked(false);
    const SceneEditor::State state = window.editor().state();
    const QStringList controls = f.controlStates();
    const QImage canvas = f.canvasImage();
    const int steps = window.editor().undoStack().count();

    f.clickAnswering("Command11", QString());
    const FakePlatform::DialogCall &call = f.platform.dialogCalls.last();
    QCOMPARE(call.mode, FileDialog::Mode::Open);
    QCOMPARE(call.filter, QStringLiteral("Scene Files (*.scn)|*.scn"));
    QCOMPARE(call.initDir + QDir::separator(), f.folder());
    QVERIFY(window.editor().state() == state);
    QCOMPARE(f.controlStates(), controls);
    QCOMPARE(f.canvasImage(), canvas);
    QCOMPARE(window.editor().undoStack().count(), steps);
}

void TestForm1::loadSceneRoundTrip()
{
    WindowFixture f;
    Form1 &window = f.open();
    f.check("Check5")->setChecked(true);
    f.check("Check4")->setChecked(true);
    f.check("Check2")->setChecked(true);
    f.check("Check3")->setChecked(true);
    f.text("Text1")->setText(QStringLiteral("250"));
    f.text("Text4")->clear();
    for (const char *button : {"Command9", "Command9", "Command7"})
        f.click(button);
    f.option("Option4")->setChecked(true);
    f.click("Command8");
    const QByteArray saved = f.saveScene();
    SceneRecord expected = window.scene();
    expected.MiscDelay = QStringLiteral("5");

    f.click("Command15");
    f.loadScene(saved);
    QVERIFY(window.scene() == expected);
    QCOMPARE(window.sceneText().toLatin1(), saved);
    QVERIFY(f.option("Option5")->isChecked());
    QCOMPARE(f.text("Text1")->text(), QStringLiteral("250"));
    QCOMPARE(f.text("Text4")->text(), QStringLiteral("5"));
    QCOMPARE(f.canvasImage(),
             composite(f.decodedDefault("bg.jpg"), f.decodedDefault("miscpart.jpg"), 62, 31));
    QCOMPARE(window.editor().lastCut().start, qsizetype(4));
    QCOMPARE(window.editor().lastCut().semicolon, qsizetype(10));
    QCOMPARE(window.editor().lastCut().value, QStringLiteral("bg.jpg"));

    // Only BG=: the background changes, the mouth keeps its picture and place,
    // everything else is off.
    f.writePicture(QStringLiteral("other.bmp"), 100, 100, qRgb(9, 9, 9));
    f.loadScene("BG=other.bmp;");
    QCOMPARE(window.scene().Background, QStringLiteral("other.bmp"));
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, expected.parts[ScenePart::ZumiMouth].x);
    QVERIFY(!window.scene().parts[ScenePart::Misc].on && !window.scene().parts[ScenePart::UserBlink].on);
    QVERIFY(f.option("Option1")->isChecked());
    QCOMPARE(f.canvasImage(), composite(WindowFixture::decoded(f.images() + QStringLiteral("other.bmp")),
                                        f.decodedDefault("zumimouth.jpg"), 120, 90));

    // NI= is ignored; MP without MR leaves Rndm empty, and saving writes 990.
    f.check("Check6")->setChecked(false);
    f.loadScene("NI=nude.jpg;MP=miscpart.jpg;MF=3;");
    QVERIFY(!f.check("Check6")->isChecked());
    QVERIFY(window.scene().NudeImage.isEmpty());
    QCOMPARE(f.text("Text1")->text(), QString());
    QCOMPARE(f.text("Text2")->text(), QStringLiteral("3"));
    QCOMPARE(window.scene().parts[ScenePart::Misc].x, 0.0f);
    QVERIFY(f.saveScene().endsWith("MR=990;\r\nMF=3;\r\nMD=5;\r\nMS=100;\r\n\r\n"));
}

void TestForm1::loadSceneMissingPicture()
{
    WindowFixture f;
    Form1 &window = f.open();
    f.loadScene("BG=gone.jpg;\r\nZM=zumimouth.jpg;ZMx=5;ZMy=6;ZMw=120;ZMh=90;\r\nUM=lost.bmp;UMx=7;UMy=8;UMw="
                "9;UMh=10;");
    // One message names both; names and geometry are taken, the old pictures stay.
    QCOMPARE(f.platform.messages.size(), 1);
    QVERIFY(f.platform.messages[0].text.contains(QStringLiteral("gone.jpg")));
    QVERIFY(f.platform.messages[0].text.contains(QStringLiteral("lost.bmp")));
    QCOMPARE(window.scene().Background, QStringLiteral("gone.jpg"));
    QCOMPARE(window.scene().parts[ScenePart::UserMouth].name, QStringLiteral("lost.bmp"));
    QCOMPARE(window.scene().parts[ScenePart::UserMouth].x, 7.0f);
    QCOMPARE(window.scene().parts[ScenePart::UserMouth].h, 10.0f);
    QVERIFY(f.option("Option3")->isChecked());
    QCOMPARE(f.canvasImage(), composite(f.decodedDefault("bg.jpg"),
                                        f.decodedDefault("usermouth.jpg").copy(0, 0, 9, 10), 7, 8));
    QVERIFY(f.saveScene().startsWith("BG=gone.jpg;\r\n"));
}

void TestForm1::loadSceneUnreadable()
{
    WindowFixture f;
    Form1 &window = f.open();
    f.saveScene();
    const QString text = window.sceneText();
    const SceneRecord scene = window.scene();
    for (const QString &file : {f.path(QStringLiteral("missing.scn")), f.folder()}) {
        f.platform.messages.clear();
        f.clickAnswering("Command11", file);
        QCOMPARE(f.platform.messages.size(), 1);
        QVERIFY(f.platform.messages[0].text.contains(QDir::toNativeSeparators(file)));
        QCOMPARE(window.sceneText(), text);
        QVERIFY(window.scene() == scene);
    }
}

void TestForm1::loadSceneBadInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char((i * 37 + 11) % 256));
    const char tail[] = "BG=\x01\x02\xff;ZM=\x00\x90;MP=";
    binary.append(tail, sizeof(tail) - 1);
    QTest::newRow("binary") << binary;
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("keys without semicolons") << QByteArray("BG=bg.jpg\r\nZM=zumimouth.jpg\r\nZMx=40\r\nUM=");
    QTest::newRow("huge and negative numbers")
        << QByteArray("ZM=zumimouth.jpg;ZMx=1e300;ZMy=-1e300;ZMw=340282346638528859811704183484516925440;"
                      "ZMh=-99999999999;UM=usermouth.jpg;UMx=-3;UMy=-0;UMw=1e38;UMh=-5;");
    QTest::newRow("not numbers") << QByteArray("ZM=zumimouth.jpg;ZMx=NaN;ZMy=inf;ZMw=;ZMh=12abc;");
    QTest::newRow("names with folders")
        << QByteArray("BG=../x.jpg;ZM=/etc/passwd;UM=../Images/usermouth.jpg;UB=.;MP=;");
    QTest::newRow("empty names") << QByteArray("BG=;ZM=;ZB=;");
}

void TestForm1::loadSceneBadInput()
{
    QFETCH(QByteArray, bytes);
    WindowFixture f;
    Form1 &window = f.open();
    f.loadScene(bytes);
    // Still a working window: values are finite, parts can be nudged, drawn and saved.
    const SceneRecord &scene = window.scene();
    for (float value : {scene.parts[ScenePart::ZumiMouth].x, scene.parts[ScenePart::ZumiMouth].y,
                        scene.parts[ScenePart::ZumiMouth].w, scene.parts[ScenePart::ZumiMouth].h,
                        scene.parts[ScenePart::UserMouth].x, scene.parts[ScenePart::UserMouth].y,
                        scene.parts[ScenePart::UserMouth].w, scene.parts[ScenePart::UserMouth].h})
        QVERIFY(std::isfinite(value));
    for (const char *button : {"Command6", "Command7", "Command8", "Command9"})
        f.click(button);
    QVERIFY(f.saveScene().startsWith("BG="));
    f.click("Command15");
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, 120.0f);
    QCOMPARE(window.scene().Background, QStringLiteral("bg.jpg"));
}

void TestForm1::loadSceneHugeFile()
{
    WindowFixture f;
    Form1 &window = f.open();
    // 50 MB: a background entry with no ";" and everything after it.
    QByteArray bytes("ZM=zumimouth.jpg;ZMx=7;BG=");
    bytes.append(QByteArray(50 * 1024 * 1024, 'x'));
    f.loadScene(bytes);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, 7.0f);
    QCOMPARE(window.scene().Background.size(), 50 * 1024 * 1024);
    QCOMPARE(f.platform.messages.size(), 1);
    QVERIFY(f.platform.messages[0].text.size() < 2000);
    f.click("Command9");
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, 8.0f);
}

// ---------------------------------------------------------------------------
// New Scene

void TestForm1::newScene()
{
    WindowFixture f;
    Form1 &window = f.open();
    const QByteArray startUp = f.saveScene(QStringLiteral("startup.scn"));
    const SceneRecord defaults = window.scene();
    const QImage canvas = f.canvasImage();

    for (const char *name : {"Check2", "Check3", "Check4", "Check5"})
        f.check(name)->setChecked(true);
    f.clickAnswering("Command1", f.writePicture(QStringLiteral("mouth2.bmp"), 33, 22, qRgb(1, 1, 1)));
    f.clickAnswering("Command2", f.writePicture(QStringLiteral("bg2.bmp"), 33, 22, qRgb(1, 1, 1)));
    f.click("Command9");
    f.check("chkUseOutline")->setChecked(true);
    f.check("Check1")->setChecked(false);
    f.text("Text5")->setText(QStringLiteral("7"));
    f.text("Text1")->clear();
    const int dialogs = f.platform.dialogCalls.size();

    f.click("Command15");
    QCOMPARE(f.platform.dialogCalls.size(), dialogs);
    QVERIFY(window.scene() == defaults);
    for (const char *name : {"Check2", "Check3", "Check4", "Check5"})
        QVERIFY2(!f.check(name)->isChecked(), name);
    QVERIFY(f.option("Option1")->isChecked());
    QCOMPARE(f.text("Text3")->text(), QString());
    QCOMPARE(QStringList({f.text("Text2")->text(), f.text("Text5")->text(), f.text("Text1")->text(),
                          f.text("Text4")->text()}),
             QStringList(
                 {QStringLiteral("8"), QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("3")}));
    for (const char *name : {"Text2", "Text4", "Check7", "Command4", "Command5", "Option3", "Option4",
                             "Command13", "Text1", "Option5", "Command3", "Option2", "Command14", "Text5"})
        QVERIFY2(!f.child<QWidget>(name)->isEnabled(), name);
    QVERIFY(f.check("Check1")->isChecked());
    QVERIFY(f.check("chkUseOutline")->isChecked());
    QCOMPARE(f.canvasImage(), canvas);
    QCOMPARE(f.saveScene(), startUp);
    QVERIFY(f.platform.messages.isEmpty());
}

void TestForm1::newSceneKeepsAlternativeBackground()
{
    WindowFixture f;
    Form1 &window = f.open();
    f.check("Check6")->setChecked(true);
    f.clickAnswering("Command14", f.writePicture(QStringLiteral("nude.bmp"), 300, 200, qRgb(90, 60, 30)));
    f.check("Check7")->setChecked(true);
    f.loadScene("MP=miscpart.jpg;");
    const QString sceneText = window.sceneText();
    const SceneEditor::CutValue scratch = window.editor().lastCut();

    f.click("Command15");
    QVERIFY(f.check("Check6")->isChecked());
    QVERIFY(f.check("Check7")->isChecked());
    QVERIFY(!f.check("Check7")->isEnabled());
    QVERIFY(!f.button("Command14")->isEnabled());
    QCOMPARE(window.scene().NudeImage, QStringLiteral("nude.bmp"));
    QCOMPARE(window.sceneText(), sceneText);
    QCOMPARE(window.editor().lastCut().path, scratch.path);
    // The default background is back on the canvas even with the swap ticked.
    QCOMPARE(f.canvasImage(),
             composite(f.decodedDefault("bg.jpg"), f.decodedDefault("zumimouth.jpg"), 120, 90));
    QVERIFY(f.saveScene().endsWith("ZMy=90;\r\nNI=nude.bmp;\r\n\r\n"));

    // Enabled again only by unticking and ticking "Nude BG".
    f.check("Check6")->setChecked(false);
    f.check("Check6")->setChecked(true);
    QVERIFY(f.check("Check7")->isEnabled());
}

void TestForm1::newSceneMissingPicture()
{
    WindowFixture f;
    Form1 &window = f.open();
    f.check("Check4")->setChecked(true);
    QFile::remove(f.images() + QStringLiteral("userblink.jpg"));
    f.click("Command15");
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages[0].title, QStringLiteral("New Scene"));
    QVERIFY(f.platform.messages[0].text.contains(QStringLiteral("userblink.jpg")));
    QCOMPARE(window.scene().parts[ScenePart::UserBlink].w, 0.0f);
    QCOMPARE(window.scene().parts[ScenePart::Misc].x, 0.0f);
    f.check("Check4")->setChecked(true);
    QCOMPARE(f.canvasImage(), composite(f.decodedDefault("bg.jpg")));
}

// ---------------------------------------------------------------------------
// HELP

void TestForm1::help_data()
{
    QTest::addColumn<QString>("subfolder");
    QTest::addColumn<bool>("documentThere");
    QTest::addColumn<bool>("browserWorks");
    QTest::newRow("folder with spaces") << "My Kit Folder" << true << true;
    QTest::newRow("document missing") << "kit" << false << true;
    QTest::newRow("browser fails") << "kit" << true << false;
}

void TestForm1::help()
{
    QFETCH(QString, subfolder);
    QFETCH(bool, documentThere);
    QFETCH(bool, browserWorks);
    WindowFixture f(subfolder);
    f.platform.browserSucceeds = browserWorks;
    const QString document =
        f.folder() + QStringLiteral("Docs") + QDir::separator() + QStringLiteral("Frameloft.htm");
    if (documentThere) {
        QDir().mkpath(f.path(QStringLiteral("Docs")));
        WindowFixture::writeFile(document, "<html></html>");
    }
    f.open();
    f.click("Command12");
    QCOMPARE(f.platform.openedDocuments, documentThere ? QStringList{document} : QStringList());
    QVERIFY(f.platform.startedProcesses.isEmpty());
    QCOMPARE(f.platform.messages.size(), documentThere && browserWorks ? 0 : 1);
    if (!f.platform.messages.isEmpty())
        QVERIFY(f.platform.messages[0].text.contains(QDir::toNativeSeparators(document)));
}

// The help page's sample file is what the composer writes for the shipped
// default scene with "Misc. Part" ticked.
void TestForm1::helpPageExample()
{
    const QByteArray html =
        TestFiles::readBytes(ProgramFolderFixture::assetsFolder() + QStringLiteral("Docs/Frameloft.htm"));
    const qsizetype start = html.indexOf("<pre>") + 5;
    const qsizetype end = html.indexOf("</pre>", start);
    QVERIFY(start >= 5 && end > start);
    const QByteArray example =
        html.mid(start, end - start).replace("\r", "").replace("\n", "\r\n") + "\r\n\r\n";

    WindowFixture f;
    f.platform.folder = ProgramFolderFixture::assetsFolder();
    f.open();
    QVERIFY(f.platform.messages.isEmpty());
    f.check("Check3")->setChecked(true);
    f.platform.dialogAnswers << f.elsewhere(QStringLiteral("example.scn"));
    f.click("Command10");
    QCOMPARE(TestFiles::readBytes(f.elsewhere(QStringLiteral("example.scn"))), example);
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
