// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_fixture.h"

#include "AccessibilityWalk.h"
#include "CutOutWindow.h"
#include "FindPicturesWindow.h"
#include "Form1Layout.h"
#include "PlaceWindow.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>

// The artist's commands of the composer, through keys and menus with a fake
// platform: each change of the scene is one undo step.
class TestArtistTools : public QObject
{
    Q_OBJECT
private slots:
    void cutOutFromFullPicture();
    void cutOutRefusals_data();
    void cutOutRefusals();
    void cutOutFromALoadButtonSwitchesThePartOn();
    void makeStrip();
    void positionAndSize();
    void showOtherParts();
    void showOtherPartsIsRemembered();
    void narrowBoxesShowTwoDigitsWhole();
    void findPicturesFromTheLoadMessage();
    void findPicturesOnlyWhereMissing();
    void turnedPhotoAtLoad_data();
    void turnedPhotoAtLoad();
    void composerScrollsWhereTheScreenIsSmall();

private:
    static Form1 &openActive(WindowFixture &f)
    {
        Form1 &window = f.openShown();
        activate(window);
        return window;
    }
    static void activate(QWidget &window)
    {
        window.activateWindow();
        if (!QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; }))
            qFatal("window not active");
    }

    // The default background with one rectangle changed, as a lossless file
    // outside Images.
    static QString writeFull(WindowFixture &f, const QRect &changed,
                             const QString &name = QStringLiteral("talking.bmp"))
    {
        QImage full = f.decodedDefault("bg.jpg").convertToFormat(QImage::Format_RGB32);
        for (int y = changed.top(); y <= changed.bottom(); ++y)
            for (int x = changed.left(); x <= changed.right(); ++x)
                full.setPixel(x, y, qRgb(250, 250, 250));
        const QString file = f.path(name);
        if (!full.save(file))
            qFatal("cannot write %s", qPrintable(file));
        return file;
    }

    static QAction *action(QMenu *menu, const QString &caption)
    {
        for (QAction *item : menu->actions()) {
            if (item->text().section(QLatin1Char('\t'), 0, 0) == caption)
                return item;
        }
        qFatal("no menu item %s", qPrintable(caption));
    }
    static QAction *canvasAction(WindowFixture &f, const char *caption)
    {
        return action(f.child<QMenu>("mnuCanvas"), QString::fromLatin1(caption));
    }

    // The window that opened (a closed one may still wait for its deletion).
    template <class W> static W *waitFor(Form1 &window)
    {
        W *found = nullptr;
        const bool opened = QTest::qWaitFor(
            [&] {
                for (W *candidate : window.findChildren<W *>()) {
                    if (candidate->isVisible())
                        found = candidate;
                }
                return found != nullptr;
            },
            2000);
        if (!opened)
            qFatal("window did not open");
        return found;
    }

    static QString note(CutOutWindow *cut) { return Controls::find<QLabel>(*cut, "lblRect")->text(); }
};

void TestArtistTools::cutOutFromFullPicture()
{
    WindowFixture f;
    Form1 &window = openActive(f);
    f.platform.dialogAnswers << writeFull(f, QRect(300, 200, 40, 20));
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    CutOutWindow *cut = waitFor<CutOutWindow>(window);
    QCOMPARE(f.platform.dialogCalls.last().initDir, f.images());
    QCOMPARE(note(cut), QStringLiteral("40 x 20 pixels at (300, 200)"));
    QCOMPARE(AccessibilityWalk::unnamedControls(*cut), QStringList());
    // The margin and the tolerance change the rectangle at once.
    auto *margin = Controls::find<QSpinBox>(*cut, "spnMargin");
    margin->setValue(2);
    QCOMPARE(note(cut), QStringLiteral("44 x 24 pixels at (298, 198)"));
    auto *tolerance = Controls::find<QSpinBox>(*cut, "spnTolerance");
    tolerance->setValue(254);
    QVERIFY(note(cut).contains(QStringLiteral("only by noise")) ||
            note(cut).contains(QStringLiteral("same")));
    QVERIFY(!Controls::find<QPushButton>(*cut, "cmdOk")->isEnabled());
    tolerance->setValue(24);

    const SceneRecord before = window.scene();
    QTest::mouseClick(Controls::find<QPushButton>(*cut, "cmdOk"), Qt::LeftButton);
    const SceneRecord::Part &mouth = window.scene().part(ScenePart::ZumiMouth);
    QCOMPARE(QRectF(mouth.x, mouth.y, mouth.w, mouth.h), QRectF(298, 198, 44, 24));
    QCOMPARE(mouth.name, QStringLiteral("talking-zumimouth.bmp"));
    QCOMPARE(f.text("Text3")->text(), QStringLiteral("talking-zumimouth.bmp"));
    const QImage saved(f.images() + QStringLiteral("talking-zumimouth.bmp"));
    QCOMPARE(saved.size(), QSize(44, 24));
    QCOMPARE(saved.pixel(10, 10), qRgb(250, 250, 250));
    QCOMPARE(f.canvasImage().pixel(310, 210), qRgb(250, 250, 250));
    QCOMPARE(window.editor().undoStack().count(), 1);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(window.scene() == before);

    // A second cut of the same picture never replaces the first file.
    f.platform.dialogAnswers << f.path(QStringLiteral("talking.bmp"));
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    cut = waitFor<CutOutWindow>(window);
    QTest::keyClick(cut, Qt::Key_Return);
    QCOMPARE(window.scene().part(ScenePart::ZumiMouth).name, QStringLiteral("talking-zumimouth (2).bmp"));
}

void TestArtistTools::cutOutRefusals_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("identical") << QStringLiteral("identical")
                               << QStringLiteral(
                                      "\"same.bmp\" is the same as the background: nothing differs to "
                                      "cut out.");
    QTest::newRow("another size") << QStringLiteral("small")
                                  << QStringLiteral(
                                         "\"same.bmp\" is 640 x 480 pixels, the background 700 x 500: a "
                                         "full picture of the scene must be exactly as large as the "
                                         "background.");
}

void TestArtistTools::cutOutRefusals()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    WindowFixture f;
    Form1 &window = openActive(f);
    QImage picture = f.decodedDefault("bg.jpg");
    if (kind == QStringLiteral("small"))
        picture = picture.copy(0, 0, 640, 480);
    picture.save(f.path(QStringLiteral("same.bmp")));
    f.platform.dialogAnswers << f.path(QStringLiteral("same.bmp"));
    canvasAction(f, "Cut Out From Full Picture...")->trigger();
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages.first().text, message);
    QCOMPARE(f.platform.messages.first().title, QStringLiteral("Cut Out From Full Picture"));
    QVERIFY(!window.findChild<CutOutWindow *>());
    QCOMPARE(window.editor().undoStack().count(), 0);
}

// From the Zumi blink's LOAD button: the blink is switched on, selected and
// placed, in one step.
void TestArtistTools::cutOutFromALoadButtonSwitchesThePartOn()
{
    WindowFixture f;
    Form1 &window = openActive(f);
    QVERIFY(!f.check("Check5")->isChecked());
    f.platform.dialogAnswers << writeFull(f, QRect(320, 100, 30, 8), QStringLiteral("eyes shut.jpg"));
    auto *menu = f.child<QMenu>("mnuLoad2");
    QCOMPARE(menu->parentWidget(), f.button("Command3"));
    action(menu, QStringLiteral("Cut Out From Full Picture..."))->trigger();
    CutOutWindow *cut = waitFor<CutOutWindow>(window);
    QVERIFY(cut->windowTitle().endsWith(QStringLiteral("Zumi Blink")));
    QVERIFY(!cut->rect().isEmpty());
    const QRect rect = cut->rect();
    QVERIFY(rect.contains(QRect(322, 102, 26, 4))); // JPEG blurs the edges a little
    cut->accept();
    QVERIFY(f.check("Check5")->isChecked());
    QVERIFY(f.option("Option2")->isChecked());
    const SceneRecord::Part &blink = window.scene().part(ScenePart::ZumiBlink);
    QCOMPARE(QRectF(blink.x, blink.y, blink.w, blink.h), QRectF(rect));
    QCOMPARE(blink.name, QStringLiteral("eyes shut-zumiblink.bmp"));
    QCOMPARE(window.editor().undoStack().count(), 1);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!f.check("Check5")->isChecked());
}

void TestArtistTools::makeStrip()
{
    WindowFixture f;
    Form1 &window = openActive(f);
    const QRgb colours[] = {qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200)};
    for (int i = 0; i < 3; ++i)
        f.platform.dialogAnswers << f.writePicture(QStringLiteral("wave%1.bmp").arg(i + 1), 30, 20,
                                                   colours[i], f.path(QString()));
    // Then the dialog is cancelled: the list ends.
    canvasAction(f, "Make Strip From Pictures...")->trigger();
    QCOMPARE(f.platform.messages.size(), 0);
    QVERIFY(f.check("Check3")->isChecked());
    QCOMPARE(f.text("Text2")->text(), QStringLiteral("3"));
    QCOMPARE(window.scene().part(ScenePart::Misc).name, QStringLiteral("wave1-miscpart.bmp"));
    const QImage strip(f.images() + QStringLiteral("wave1-miscpart.bmp"));
    QCOMPARE(strip.size(), QSize(90, 20));
    QCOMPARE(strip.pixel(45, 10), colours[1]);
    QCOMPARE(window.editor().undoStack().count(), 1);

    // Frames of different sizes are refused.
    f.platform.dialogAnswers << f.path(QStringLiteral("wave1.bmp"))
                             << f.writePicture(QStringLiteral("big.bmp"), 31, 20, colours[0],
                                               f.path(QString()));
    canvasAction(f, "Make Strip From Pictures...")->trigger();
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(
        f.platform.messages.first().text,
        QStringLiteral("\"big.bmp\" is 31 x 20 pixels, \"wave1.bmp\" 30 x 20: every frame of a strip must "
                       "be the same size."));
    QCOMPARE(window.editor().undoStack().count(), 1);
}

void TestArtistTools::positionAndSize()
{
    WindowFixture f;
    Form1 &window = openActive(f);
    const SceneRecord::Part start = window.scene().part(ScenePart::ZumiMouth); // 120 x 90 at (120, 90)
    f.canvas()->setFocus();
    QTest::keyClick(f.canvas(), Qt::Key_Return);
    PlaceWindow *place = waitFor<PlaceWindow>(window);
    QCOMPARE(AccessibilityWalk::unnamedControls(*place), QStringList());
    auto *x = Controls::find<QSpinBox>(*place, "spnX");
    auto *width = Controls::find<QSpinBox>(*place, "spnWidth");
    QCOMPARE(x->value(), 120);
    QCOMPARE(width->value(), 120);
    // Held to the limits at once, and shown on the canvas.
    x->setValue(650);
    QCOMPARE(x->value(), 580);
    QCOMPARE(window.scene().part(ScenePart::ZumiMouth).x, 580.0f);
    QCOMPARE(f.canvasImage().pixel(600, 100), qRgb(220, 0, 0));
    // Cancel puts it back, with no step.
    QTest::keyClick(place, Qt::Key_Escape);
    QVERIFY(window.scene().part(ScenePart::ZumiMouth) == start);
    QCOMPARE(window.editor().undoStack().count(), 0);

    canvasAction(f, "Position and Size...")->trigger();
    place = waitFor<PlaceWindow>(window);
    Controls::find<QSpinBox>(*place, "spnY")->setValue(10);
    Controls::find<QSpinBox>(*place, "spnHeight")->setValue(60);
    QTest::mouseClick(Controls::find<QPushButton>(*place, "cmdOk"), Qt::LeftButton);
    const SceneRecord::Part &mouth = window.scene().part(ScenePart::ZumiMouth);
    QCOMPARE(QRectF(mouth.x, mouth.y, mouth.w, mouth.h), QRectF(120, 10, 120, 60));
    QCOMPARE(window.editor().undoStack().count(), 1);
    activate(window);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(window.scene().part(ScenePart::ZumiMouth) == start);
}

// G shows the other parts of the scene faintly on the canvas; the scene and
// the editor's canvas picture are untouched.
void TestArtistTools::showOtherParts()
{
    WindowFixture f;
    Form1 &window = openActive(f);
    QTest::mouseClick(f.check("Check5"), Qt::LeftButton); // the Zumi blink, 66 x 32 at its default place
    QTest::mouseClick(f.option("Option1"), Qt::LeftButton);
    const SceneRecord::Part &blink = window.scene().part(ScenePart::ZumiBlink);
    const QPoint inBlink(int(blink.x) + 5, int(blink.y) + 5);
    const QRgb background = f.decodedDefault("bg.jpg").pixel(inBlink);
    const QRgb yellow = f.decodedDefault("zumiblink.jpg").pixel(5, 5);
    QCOMPARE(f.canvasImage().pixel(inBlink), background);
    const QByteArray saved = f.saveScene();

    QTest::keyClick(&window, Qt::Key_G);
    QVERIFY(canvasAction(f, "Show Other Parts")->isChecked());
    const QRgb half = f.canvasImage().pixel(inBlink);
    QCOMPARE(qRed(half), (qRed(background) + qRed(yellow) + 1) / 2);
    QCOMPARE(qGreen(half), (qGreen(background) + qGreen(yellow) + 1) / 2);
    QCOMPARE(window.editor().canvas().pixel(inBlink), background);
    QCOMPARE(f.saveScene(QStringLiteral("again.scn")), saved);
    // A nudge of the mouth keeps the ghosts.
    QTest::mouseClick(f.button("Command9"), Qt::LeftButton);
    QCOMPARE(f.canvasImage().pixel(inBlink), half);

    QTest::keyClick(&window, Qt::Key_G);
    QCOMPARE(f.canvasImage().pixel(inBlink), background);
    QVERIFY(!canvasAction(f, "Show Other Parts")->isChecked());
}

// Frames and Delay are 17 pixels wide; their font leaves room for two digits.
void TestArtistTools::narrowBoxesShowTwoDigitsWhole()
{
    WindowFixture f;
    f.openShown();
    for (const char *name : {"Text2", "Text4"}) {
        QLineEdit *box = f.text(name);
        QCOMPARE(box->width(), 17);
        QVERIFY(box->fontMetrics().horizontalAdvance(QStringLiteral("00")) <= 17 - 6);
    }
    QCOMPARE(f.text("Text5")->font(), f.window->font());
}

// The choice outlasts the window: the next composer opens with it.
void TestArtistTools::showOtherPartsIsRemembered()
{
    WindowFixture f;
    const QString choice = QStringLiteral("Frameloft.ShowOtherParts");
    {
        Form1 &window = openActive(f);
        QVERIFY(!canvasAction(f, "Show Other Parts")->isChecked());
        QTest::keyClick(&window, Qt::Key_G);
        QCOMPARE(f.platform.choices.value(choice), QStringLiteral("1"));
        f.window.reset();
    }
    Form1 &window = openActive(f);
    QVERIFY(canvasAction(f, "Show Other Parts")->isChecked());
    QTest::mouseClick(f.check("Check5"), Qt::LeftButton);
    QTest::mouseClick(f.option("Option1"), Qt::LeftButton);
    const SceneRecord::Part &blink = window.scene().part(ScenePart::ZumiBlink);
    const QPoint inBlink(int(blink.x) + 5, int(blink.y) + 5);
    QVERIFY(f.canvasImage().pixel(inBlink) != f.decodedDefault("bg.jpg").pixel(inBlink));
    canvasAction(f, "Show Other Parts")->trigger();
    QCOMPARE(f.platform.choices.value(choice), QStringLiteral("0"));
}

// Load Scene names pictures Images lacks: its message offers Find Pictures,
// which searches a folder, lists what it found and what not, and on OK copies
// the found ones into Images and shows them; the load stays one undo step.
void TestArtistTools::findPicturesFromTheLoadMessage()
{
    WindowFixture f;
    Form1 &window = openActive(f);
    const QString art = f.path(QStringLiteral("art/faces/"));
    QDir().mkpath(art);
    f.writePicture(QStringLiteral("Talking.BMP"), 30, 20, qRgb(10, 20, 250), art);
    f.platform.offersTaken << true;
    f.platform.dialogAnswers << f.writeScene(QStringLiteral("in.scn"), "BG=bg.jpg;ZM=talking.bmp;ZMx=5;ZMy=6;"
                                                                       "ZMw=30;ZMh=20;UM=gone.bmp;")
                             << f.path(QStringLiteral("art"));
    f.click("Command11");
    QCOMPARE(f.platform.messages.size(), 1);
    QCOMPARE(f.platform.messages.first().offer, QStringLiteral("Find Pictures..."));
    QVERIFY(f.platform.messages.first().text.contains(QStringLiteral("talking.bmp")));
    QCOMPARE(f.platform.dialogCalls.last().mode, FileDialog::Mode::Folder);

    auto *find = waitFor<FindPicturesWindow>(window);
    QCOMPARE(AccessibilityWalk::unnamedControls(*find), QStringList());
    auto *found = Controls::find<QListWidget>(*find, "lstFound");
    QCOMPARE(found->count(), 1);
    QVERIFY(found->item(0)->text().startsWith(QStringLiteral("talking.bmp")));
    auto *missing = Controls::find<QListWidget>(*find, "lstMissing");
    QCOMPARE(missing->count(), 1);
    QCOMPARE(missing->item(0)->text(), QStringLiteral("gone.bmp"));

    QTest::mouseClick(Controls::find<QPushButton>(*find, "cmdOK"), Qt::LeftButton);
    QVERIFY(QFileInfo::exists(f.images() + QStringLiteral("talking.bmp")));
    QTest::mouseClick(f.option("Option1"), Qt::LeftButton);
    QCOMPARE(f.canvasImage().pixel(10, 10), qRgb(10, 20, 250));
    QCOMPARE(window.editor().undoStack().count(), 2); // the load, the selection
    QVERIFY(!window.windowTitle().endsWith(QLatin1Char('*')));
    // The one still missing is named once more.
    QCOMPARE(f.platform.messages.size(), 2);
    QVERIFY(f.platform.messages.last().text.contains(QStringLiteral("gone.bmp")));
    QVERIFY(f.platform.messages.last().offer.isEmpty());
}

// A scene whose pictures are all in Images offers no search, even when one
// of them cannot be decoded; a refused offer is the plain message.
void TestArtistTools::findPicturesOnlyWhereMissing()
{
    WindowFixture f;
    openActive(f);
    TestFiles::writeBytes(f.images() + QStringLiteral("broken.bmp"), "no picture");
    f.loadScene("BG=bg.jpg;ZM=broken.bmp;");
    QCOMPARE(f.platform.messages.size(), 1);
    QVERIFY(f.platform.messages.first().offer.isEmpty());

    f.loadScene("BG=bg.jpg;ZM=gone.bmp;");
    QCOMPARE(f.platform.messages.size(), 2);
    QCOMPARE(f.platform.messages.last().offer, QStringLiteral("Find Pictures..."));
    QCOMPARE(f.platform.dialogCalls.last().mode, FileDialog::Mode::Open); // no folder asked for
}

void TestArtistTools::turnedPhotoAtLoad_data()
{
    QTest::addColumn<bool>("upright");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("Yes: an upright copy") << true << QStringLiteral("photo-upright.bmp") << QSize(20, 40);
    QTest::newRow("No: as stored") << false << QStringLiteral("photo.jpg") << QSize(40, 20);
}

// A photo stored turned is shown as stored; the note at LOAD offers an
// upright, lossless copy beside it, which never replaces a file.
void TestArtistTools::turnedPhotoAtLoad()
{
    QFETCH(bool, upright);
    QFETCH(QString, name);
    QFETCH(QSize, size);
    WindowFixture f;
    Form1 &window = openActive(f);
    QImage stored(40, 20, QImage::Format_RGB32);
    stored.fill(qRgb(200, 40, 40));
    const QString photo = TestFiles::writeTurnedPhoto(f.images() + QStringLiteral("photo.jpg"), stored, 6);
    f.platform.answers << (upright ? Platform::Answer::Yes : Platform::Answer::No);
    f.clickAnswering("Command1", photo);
    QCOMPARE(f.platform.questions.size(), 1);
    QCOMPARE(
        f.platform.questions.first().text,
        QStringLiteral("This photo is stored rotated; the companion shows it as stored. Save an upright copy "
                       "into Images?"));
    const SceneRecord::Part &mouth = window.scene().part(ScenePart::ZumiMouth);
    QCOMPARE(mouth.name, name);
    QCOMPARE(QSizeF(mouth.w, mouth.h), QSizeF(size));
    QCOMPARE(window.editor().undoStack().count(), 1);
    if (upright) {
        QCOMPARE(QImage(f.images() + name).size(), size);
        // A second copy takes a name of its own.
        f.platform.answers << Platform::Answer::Yes;
        f.clickAnswering("Command1", photo);
        QCOMPARE(window.scene().part(ScenePart::ZumiMouth).name, QStringLiteral("photo-upright (2).bmp"));
    } else {
        QVERIFY(!QFileInfo::exists(f.images() + QStringLiteral("photo-upright.bmp")));
    }
}

// Where the screen is too small for the composer its page scrolls; the
// controls keep their places on it and a drag lands under the pointer.
void TestArtistTools::composerScrollsWhereTheScreenIsSmall()
{
    WindowFixture f;
    Form1 &window = openActive(f);
    QCOMPARE(window.size(), Form1Layout::ClientSize);
    QCOMPARE(f.canvas()->geometry(), QRect(0, 0, 700, 500));
    window.fitInto(QRect(0, 0, 1024, 768)); // room enough: no change
    QCOMPARE(window.size(), Form1Layout::ClientSize);
    QCOMPARE(window.minimumSize(), window.maximumSize());
    window.fitInto(QRect(0, 0, 416, 340));
    QVERIFY(QRect(0, 0, 416, 340).contains(window.frameGeometry()));
    QVERIFY(window.width() < 700 && window.height() < 589);
    auto *scroll = Controls::find<QScrollArea>(window, "scrForm1");
    QVERIFY(QTest::qWaitFor([scroll] { return scroll->verticalScrollBar()->isVisible(); }));
    QVERIFY(scroll->horizontalScrollBar()->isVisible());
    scroll->horizontalScrollBar()->setValue(100);
    scroll->verticalScrollBar()->setValue(50);
    QCOMPARE(f.canvas()->mapTo(&window, QPoint(0, 0)), QPoint(-100, -50));
    QCOMPARE(f.button("Command9")->geometry(), Form1Layout::control("Command9").place);

    // The Zumi mouth, 120 x 90 at (120, 90), dragged by 10, 5 from a point in it.
    const SceneRecord::Part &mouth = window.scene().part(ScenePart::ZumiMouth);
    const QPointF from(mouth.x + 20, mouth.y + 20);
    QTest::mousePress(f.canvas(), Qt::LeftButton, {}, from.toPoint());
    QTest::mouseMove(f.canvas(), (from + QPointF(10, 5)).toPoint());
    QTest::mouseRelease(f.canvas(), Qt::LeftButton, {}, (from + QPointF(10, 5)).toPoint());
    QCOMPARE(QPointF(mouth.x, mouth.y), QPointF(130, 95));
}

QTEST_MAIN(TestArtistTools)
#include "tst_artist_tools.moc"
