// SPDX-License-Identifier: GPL-3.0-or-later
#include "CanvasPicture.h"
#include "SceneCanvas.h"

#include <QSignalSpy>
#include <QTest>
#include <QWindow>

// The canvas widget: it shows the picture it is given, and passes the mouse
// and the arrow keys on.
class TestSceneCanvas : public QObject
{
    Q_OBJECT
private slots:
    void isTheFixedSizeCanvas();
    void paintsItsPicture();
    void mouseSignalsCarryCanvasPixels();
    void dragKeepsReportingOutsideTheCanvas();
    void arrowKeys_data();
    void arrowKeys();
};

void TestSceneCanvas::isTheFixedSizeCanvas()
{
    SceneCanvas canvas;
    QCOMPARE(canvas.objectName(), QStringLiteral("picCanvas"));
    QCOMPARE(canvas.size(), QSize(700, 500));
    QCOMPARE(canvas.minimumSize(), QSize(700, 500));
    QCOMPARE(canvas.maximumSize(), QSize(700, 500));
    QVERIFY(!canvas.hasMouseTracking());
    QCOMPARE(canvas.focusPolicy(), Qt::StrongFocus);
    // Without a picture it shows the plain colour.
    QCOMPARE(canvas.image(), CanvasPicture().image());
}

void TestSceneCanvas::paintsItsPicture()
{
    CanvasPicture picture;
    QImage part(50, 40, QImage::Format_RGB32);
    part.fill(qRgb(200, 30, 30));
    picture.copyPicture(part, 100, 80, 50, 40);
    SceneCanvas canvas;
    canvas.setPicture(&picture.image());
    QCOMPARE(canvas.grab().toImage().convertToFormat(QImage::Format_RGB32), picture.image());
    // A change of the picture shows once the canvas is told.
    picture.invertOutline(10, 10, 20, 20);
    canvas.update();
    QCOMPARE(canvas.grab().toImage().convertToFormat(QImage::Format_RGB32), picture.image());
}

void TestSceneCanvas::mouseSignalsCarryCanvasPixels()
{
    SceneCanvas canvas;
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    QSignalSpy pressed(&canvas, &SceneCanvas::mousePressed);
    QSignalSpy moved(&canvas, &SceneCanvas::mouseMoved);
    QSignalSpy released(&canvas, &SceneCanvas::mouseReleased);

    QTest::mousePress(&canvas, Qt::RightButton, Qt::ShiftModifier, QPoint(30, 40));
    QTest::mouseMove(&canvas, QPoint(35, 45));
    QTest::mouseRelease(&canvas, Qt::RightButton, Qt::ShiftModifier, QPoint(35, 45));

    QCOMPARE(pressed.size(), 1);
    QCOMPARE(pressed.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(pressed.at(0).at(1).value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::ShiftModifier));
    QCOMPARE(pressed.at(0).at(2).toPointF(), QPointF(30, 40));
    QCOMPARE(moved.size(), 1);
    QCOMPARE(moved.at(0).at(2).toPointF(), QPointF(35, 45));
    QCOMPARE(released.size(), 1);
    QCOMPARE(released.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    QCOMPARE(released.at(0).at(2).toPointF(), QPointF(35, 45));
}

void TestSceneCanvas::dragKeepsReportingOutsideTheCanvas()
{
    // The canvas sits in a larger window; while the button is held, moves and
    // the release over other parts of the window, or beyond it, still reach the
    // canvas in its own coordinates.
    QWidget window;
    window.resize(900, 700);
    auto *canvas = new SceneCanvas(&window);
    canvas->move(100, 100);
    QWidget *neighbour = new QWidget(&window);
    neighbour->setGeometry(0, 620, 900, 80);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy moved(canvas, &SceneCanvas::mouseMoved);
    QSignalSpy released(canvas, &SceneCanvas::mouseReleased);

    QWindow *handle = window.windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));
    QTest::mouseMove(handle, QPoint(50, 30));   // left of and above the canvas
    QTest::mouseMove(handle, QPoint(850, 650)); // over the neighbour
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, QPoint(880, 690));

    // (The test driver moves the pointer to the release point first.)
    QVERIFY(moved.size() >= 2);
    QCOMPARE(moved.at(0).at(2).toPointF(), QPointF(-50, -70));
    QCOMPARE(moved.at(1).at(2).toPointF(), QPointF(750, 550));
    QCOMPARE(released.size(), 1);
    QCOMPARE(released.at(0).at(2).toPointF(), QPointF(780, 590));
}

void TestSceneCanvas::arrowKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QPoint>("step"); // (0, 0): not passed on
    QTest::newRow("left") << int(Qt::Key_Left) << int(Qt::NoModifier) << QPoint(-1, 0);
    QTest::newRow("right") << int(Qt::Key_Right) << int(Qt::NoModifier) << QPoint(1, 0);
    QTest::newRow("up") << int(Qt::Key_Up) << int(Qt::NoModifier) << QPoint(0, -1);
    QTest::newRow("down") << int(Qt::Key_Down) << int(Qt::NoModifier) << QPoint(0, 1);
    QTest::newRow("shift left") << int(Qt::Key_Left) << int(Qt::ShiftModifier) << QPoint(-10, 0);
    QTest::newRow("shift down") << int(Qt::Key_Down) << int(Qt::ShiftModifier) << QPoint(0, 10);
    QTest::newRow("keypad right") << int(Qt::Key_Right) << int(Qt::KeypadModifier) << QPoint(1, 0);
    QTest::newRow("ctrl left is not a nudge") << int(Qt::Key_Left) << int(Qt::ControlModifier) << QPoint();
    QTest::newRow("other key") << int(Qt::Key_A) << int(Qt::NoModifier) << QPoint();
}

void TestSceneCanvas::arrowKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QPoint, step);
    SceneCanvas canvas;
    QSignalSpy arrows(&canvas, &SceneCanvas::arrowPressed);
    QTest::keyPress(&canvas, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QKeyEvent repeat(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), QString(), true);
    QApplication::sendEvent(&canvas, &repeat);
    if (step.isNull()) {
        QCOMPARE(arrows.size(), 0);
        return;
    }
    QCOMPARE(arrows.size(), 2);
    QCOMPARE(QPoint(arrows.at(0).at(0).toInt(), arrows.at(0).at(1).toInt()), step);
    QCOMPARE(arrows.at(0).at(2).toBool(), false);
    QCOMPARE(arrows.at(1).at(2).toBool(), true);
}

QTEST_MAIN(TestSceneCanvas)
#include "tst_scene_canvas.moc"
