// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_fixture.h"

#include <QWindow>

// Dragging the selected part on the composer's canvas.
class TestForm1Mouse : public QObject
{
    Q_OBJECT
private slots:
    void pressAnywhereKeepsOffset();
    void clamps_data();
    void clamps();
    void partWiderThanCanvas();
    void miscPartPastRightEdge();
    void hiddenPartDoesNotDrag();
    void outlineDrag();
    void disabledSelectedPartDrags();
    void pointerLeavesCanvas();

private:
    static void drag(SceneCanvas *canvas, QPoint from, const QList<QPoint> &moves)
    {
        QTest::mousePress(canvas, Qt::LeftButton, {}, from);
        for (const QPoint &to : moves)
            QTest::mouseMove(canvas, to);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, moves.isEmpty() ? from : moves.last());
    }
};

void TestForm1Mouse::pressAnywhereKeepsOffset()
{
    WindowFixture f;
    Form1 &window = f.openShown();
    // Far from the mouth at (120, 90): the mouth does not jump to the pointer.
    QTest::mousePress(f.canvas(), Qt::LeftButton, {}, QPoint(600, 400));
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, 120.0f);
    QTest::mouseMove(f.canvas(), QPoint(610, 405));
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, 130.0f);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].y, 95.0f);
    // The canvas follows every move.
    QCOMPARE(f.canvasImage(),
             composite(f.decodedDefault("bg.jpg"), f.decodedDefault("zumimouth.jpg"), 130, 95));
    QTest::mouseRelease(f.canvas(), Qt::LeftButton, {}, QPoint(610, 405));
    // After the release moves change nothing.
    QTest::mouseMove(f.canvas(), QPoint(10, 10));
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, 130.0f);
    // Any button drags.
    drag(f.canvas(), QPoint(5, 5), {QPoint(6, 7)});
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, 131.0f);
    QTest::mousePress(f.canvas(), Qt::RightButton, {}, QPoint(50, 50));
    QTest::mouseMove(f.canvas(), QPoint(40, 50));
    QTest::mouseRelease(f.canvas(), Qt::RightButton, {}, QPoint(40, 50));
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, 121.0f);
}

void TestForm1Mouse::clamps_data()
{
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    // Pressed at (300, 300) with the mouth (120 x 90) at (120, 90).
    QTest::newRow("far left") << QPoint(-500, 300) << 0.0f << 90.0f;
    QTest::newRow("far top") << QPoint(300, -500) << 120.0f << 0.0f;
    QTest::newRow("far right") << QPoint(2000, 300) << 580.0f << 90.0f;
    QTest::newRow("far bottom") << QPoint(300, 2000) << 120.0f << 410.0f;
    QTest::newRow("exactly at the right edge") << QPoint(760, 300) << 580.0f << 90.0f;
    QTest::newRow("just before the left edge") << QPoint(181, 211) << 1.0f << 1.0f;
}

void TestForm1Mouse::clamps()
{
    QFETCH(QPoint, to);
    QFETCH(float, x);
    QFETCH(float, y);
    WindowFixture f;
    Form1 &window = f.openShown();
    drag(f.canvas(), QPoint(300, 300), {to});
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, x);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].y, y);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].w, 120.0f);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].h, 90.0f);
}

void TestForm1Mouse::partWiderThanCanvas()
{
    WindowFixture f;
    Form1 &window = f.openShown();
    const QString wide = f.writePicture(QStringLiteral("wide.bmp"), 800, 600, qRgb(10, 10, 10));
    f.clickAnswering("Command1", wide);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].w, 814.0f);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].h, 610.0f);
    drag(f.canvas(), QPoint(300, 300), {QPoint(301, 301)});
    // Its right and bottom edges lie on the canvas edges.
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, -114.0f);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].y, -110.0f);
    QCOMPARE(f.canvasImage(),
             composite(f.decodedDefault("bg.jpg"), WindowFixture::decoded(wide), -114, -110));
}

void TestForm1Mouse::miscPartPastRightEdge()
{
    WindowFixture f;
    Form1 &window = f.openShown();
    f.check("Check3")->setChecked(true);
    // The miscellaneous part (200 x 40 at (60, 30)) has no right or bottom limit.
    drag(f.canvas(), QPoint(100, 100), {QPoint(900, 700)});
    QCOMPARE(window.scene().parts[ScenePart::Misc].x, 860.0f);
    QCOMPARE(window.scene().parts[ScenePart::Misc].y, 630.0f);
    QCOMPARE(f.canvasImage(), composite(f.decodedDefault("bg.jpg")));
    drag(f.canvas(), QPoint(100, 100), {QPoint(-2000, -2000)});
    QCOMPARE(window.scene().parts[ScenePart::Misc].x, 0.0f);
    QCOMPARE(window.scene().parts[ScenePart::Misc].y, 0.0f);
}

void TestForm1Mouse::hiddenPartDoesNotDrag()
{
    WindowFixture f;
    Form1 &window = f.openShown();
    f.check("Check1")->setChecked(false);
    const QImage canvas = f.canvasImage();
    f.check("chkUseOutline")->setChecked(true);
    QTest::mousePress(f.canvas(), Qt::LeftButton, {}, QPoint(300, 300));
    QCOMPARE(f.canvasImage(), canvas);
    QTest::mouseMove(f.canvas(), QPoint(350, 320));
    QTest::mouseRelease(f.canvas(), Qt::LeftButton, {}, QPoint(350, 320));
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, 120.0f);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].y, 90.0f);
    QCOMPARE(f.canvasImage(), canvas);
}

void TestForm1Mouse::outlineDrag()
{
    WindowFixture f;
    Form1 &window = f.openShown();
    f.check("chkUseOutline")->setChecked(true);
    const QImage before = f.canvasImage();
    const SceneEditor::DrawCounts start = window.editor().drawCounts();

    QTest::mousePress(f.canvas(), Qt::LeftButton, {}, QPoint(200, 200));
    // Reading "Use Outline" happens at the press only.
    f.check("chkUseOutline")->setChecked(false);
    QTest::mouseMove(f.canvas(), QPoint(230, 240));
    QTest::mouseMove(f.canvas(), QPoint(250, 260));
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, 170.0f);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].y, 150.0f);
    // The part still shows at its old place; only an inverted rectangle moved.
    QCOMPARE(window.editor().drawCounts().redraws, start.redraws);
    QCOMPARE(window.editor().drawCounts().outlines, start.outlines + 1 + 2 * 2);
    const QImage during = f.canvasImage();
    QCOMPARE(during.pixel(150, 120), before.pixel(150, 120));
    QCOMPARE(during.pixel(170, 150) ^ 0x00ffffff, before.pixel(170, 150));
    QCOMPARE(during.pixel(290, 240) ^ 0x00ffffff, before.pixel(290, 240));
    int changed = 0;
    for (int y = 0; y < during.height(); ++y)
        for (int x = 0; x < during.width(); ++x)
            changed += during.pixel(x, y) != before.pixel(x, y);
    QCOMPARE(changed, 2 * 121 + 2 * 89); // one outline around 120 x 90, corners included

    QTest::mouseRelease(f.canvas(), Qt::LeftButton, {}, QPoint(250, 260));
    QCOMPARE(window.editor().drawCounts().redraws, start.redraws + 1);
    // No outline pixel is left, and the part is at its new place.
    QCOMPARE(f.canvasImage(),
             composite(f.decodedDefault("bg.jpg"), f.decodedDefault("zumimouth.jpg"), 170, 150));
}

void TestForm1Mouse::disabledSelectedPartDrags()
{
    WindowFixture f;
    Form1 &window = f.openShown();
    f.check("Check4")->setChecked(true);
    f.check("Check4")->setChecked(false);
    QVERIFY(!f.option("Option4")->isEnabled());
    QVERIFY(f.option("Option4")->isChecked());
    drag(f.canvas(), QPoint(10, 10), {QPoint(20, 30)});
    QCOMPARE(window.scene().parts[ScenePart::UserBlink].x, 70.0f);
    QCOMPARE(window.scene().parts[ScenePart::UserBlink].y, 50.0f);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, 120.0f);
}

void TestForm1Mouse::pointerLeavesCanvas()
{
    // Through the window system: the canvas keeps the mouse while the button
    // is held, also over other controls and outside the window.
    WindowFixture f;
    Form1 &window = f.openShown();
    QWindow *handle = window.windowHandle();
    QVERIFY(handle);
    int clicks = 0;
    connect(f.button("Command15"), &QPushButton::clicked, [&clicks] { ++clicks; });
    const QPoint newScene = f.button("Command15")->geometry().center();

    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(300, 300));
    QTest::mouseMove(handle, QPoint(-400, 250));
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, 0.0f);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].y, 40.0f);
    QTest::mouseMove(handle, newScene);
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, 120.0f + float(newScene.x() - 300));
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].y, 90.0f + float(newScene.y() - 300));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, newScene);
    QCOMPARE(clicks, 0);
    QTest::mouseMove(handle, QPoint(300, 300));
    QCOMPARE(window.scene().parts[ScenePart::ZumiMouth].x, 120.0f + float(newScene.x() - 300));
}

QTEST_MAIN(TestForm1Mouse)
#include "tst_form1_mouse.moc"
