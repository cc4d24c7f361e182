// SPDX-License-Identifier: GPL-3.0-or-later
#include "CanvasPicture.h"
#include "SceneComposition.h"

#include <QRandomGenerator>

#include <QTest>

#include <cmath>
#include <limits>

namespace {

const QRgb Plain = qRgb(192, 192, 255);

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A picture whose every pixel is distinct, so a shifted copy shows.
QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + (y / 256)));
    return image;
}

// Pixels that differ between two canvas images.
QList<QPoint> changedPixels(const QImage &before, const QImage &after)
{
    QList<QPoint> changed;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                changed.append(QPoint(x, y));
    return changed;
}

} // namespace

class TestCanvasPicture : public QObject
{
    Q_OBJECT
private slots:
    void isTheFixedSizeCanvas();
    void backgroundAloneAndPlainColour_data();
    void backgroundAloneAndPlainColour();
    void partIsCopiedOverBackground();
    void partIsClipped_data();
    void partIsClipped();
    void partLargerThanItsPictureCopiesOnlyThePicture();
    void fractionalPlacesRoundToNearestPixel_data();
    void fractionalPlacesRoundToNearestPixel();
    void otherPictureFormatsCopyTheirColours();
    void newBaseDiscardsEverythingPainted();
    void outlineInvertsTheRectangleBorder_data();
    void outlineInvertsTheRectangleBorder();
    void outlineTwiceRestores_data();
    void outlineTwiceRestores();
    void unusableNumbersDrawNothing_data();
    void unusableNumbersDrawNothing();
    void restoreBaseRebuildsTheArea_data();
    void restoreBaseRebuildsTheArea();
    void drawingReportsWhatItChanged();
    void composesTheWholeScene();
};

void TestCanvasPicture::isTheFixedSizeCanvas()
{
    CanvasPicture canvas;
    QCOMPARE(canvas.image().size(), QSize(700, 500));
    QCOMPARE(canvas.image().format(), QImage::Format_RGB32);
    QCOMPARE(canvas.image(), filled(700, 500, Plain));
}

void TestCanvasPicture::backgroundAloneAndPlainColour_data()
{
    QTest::addColumn<QImage>("background");
    QTest::newRow("no picture") << QImage();
    QTest::newRow("smaller picture") << gradient(300, 200);
    QTest::newRow("exact size") << gradient(700, 500);
    QTest::newRow("larger picture is cut") << gradient(900, 640);
    QTest::newRow("wider, shorter") << gradient(800, 100);
}

void TestCanvasPicture::backgroundAloneAndPlainColour()
{
    QFETCH(QImage, background);
    CanvasPicture canvas;
    canvas.copyPicture(filled(50, 50, qRgb(1, 2, 3)), 10, 10, 50, 50); // gone after the next base
    canvas.setBasePicture(background);

    QImage expected = filled(700, 500, Plain);
    for (int y = 0; y < std::min(background.height(), 500); ++y)
        for (int x = 0; x < std::min(background.width(), 700); ++x)
            expected.setPixel(x, y, background.pixel(x, y));
    QCOMPARE(canvas.image(), expected);
}

void TestCanvasPicture::partIsCopiedOverBackground()
{
    CanvasPicture canvas;
    const QImage background = filled(700, 500, qRgb(10, 20, 30));
    const QImage part = gradient(120, 90);
    canvas.setBasePicture(background);
    canvas.copyPicture(part, 120, 90, 120, 90);

    const QImage &image = canvas.image();
    QCOMPARE(image.pixel(120, 90), part.pixel(0, 0));
    QCOMPARE(image.pixel(239, 179), part.pixel(119, 89));
    QCOMPARE(image.pixel(150, 100), part.pixel(30, 10));
    QCOMPARE(image.copy(120, 90, 120, 90), part);
    // Just outside the part the background shows.
    QCOMPARE(image.pixel(119, 90), background.pixel(0, 0));
    QCOMPARE(image.pixel(240, 90), background.pixel(0, 0));
    QCOMPARE(image.pixel(120, 89), background.pixel(0, 0));
    QCOMPARE(image.pixel(120, 180), background.pixel(0, 0));
    QCOMPARE(changedPixels(background, image).size(), 120 * 90);
}

void TestCanvasPicture::partIsClipped_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QRect>("visible"); // canvas pixels the part covers

    QTest::newRow("right edge") << 650.f << 100.f << QRect(650, 100, 50, 90);
    QTest::newRow("bottom edge") << 100.f << 450.f << QRect(100, 450, 120, 50);
    QTest::newRow("left edge") << -20.f << 0.f << QRect(0, 0, 100, 90);
    QTest::newRow("top edge") << 0.f << -85.f << QRect(0, 0, 120, 5);
    QTest::newRow("bottom-right corner") << 690.f << 495.f << QRect(690, 495, 10, 5);
    QTest::newRow("wholly off right") << 700.f << 0.f << QRect();
    QTest::newRow("wholly off left") << -120.f << 0.f << QRect();
    QTest::newRow("far away") << 3.0e38f << -3.0e38f << QRect();
}

void TestCanvasPicture::partIsClipped()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QRect, visible);
    CanvasPicture canvas;
    const QImage part = gradient(120, 90);
    canvas.copyPicture(part, x, y, 120, 90);

    const QImage &image = canvas.image();
    const QList<QPoint> changed = changedPixels(filled(700, 500, Plain), image);
    QCOMPARE(changed.size(), visible.width() * visible.height());
    for (const QPoint &p : changed) {
        QVERIFY2(visible.contains(p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        QCOMPARE(image.pixel(p), part.pixel(p.x() - int(x), p.y() - int(y)));
    }
}

void TestCanvasPicture::partLargerThanItsPictureCopiesOnlyThePicture()
{
    // A 640 x 100 picture loaded with a LOAD button gets the size 651 x 101.
    CanvasPicture canvas;
    const QImage background = gradient(700, 500);
    const QImage part = filled(640, 100, qRgb(200, 0, 0));
    canvas.setBasePicture(background);
    canvas.copyPicture(part, 20, 30, 651, 101);

    const QImage &image = canvas.image();
    QCOMPARE(image.copy(20, 30, 640, 100), part);
    // The strip past the picture's right and bottom edges keeps the background.
    QCOMPARE(image.copy(660, 30, 11, 101), background.copy(660, 30, 11, 101));
    QCOMPARE(image.copy(20, 130, 651, 1), background.copy(20, 130, 651, 1));
    QCOMPARE(changedPixels(background, image).size(), 640 * 100);
}

void TestCanvasPicture::fractionalPlacesRoundToNearestPixel_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<float>("w");
    QTest::addColumn<float>("h");
    QTest::addColumn<QRect>("pixels");

    QTest::newRow("whole") << 10.f << 20.f << 5.f << 4.f << QRect(10, 20, 5, 4);
    QTest::newRow("just below half") << 10.49f << 20.4f << 5.f << 4.f << QRect(10, 20, 5, 4);
    QTest::newRow("half goes up") << 10.5f << 20.5f << 5.f << 4.f << QRect(11, 21, 5, 4);
    QTest::newRow("negative half goes up") << -2.5f << 0.f << 5.f << 4.f << QRect(0, 0, 3, 4);
    QTest::newRow("fractional size") << 10.f << 20.f << 5.5f << 3.4f << QRect(10, 20, 6, 3);
    QTest::newRow("size below half a pixel") << 10.f << 20.f << 0.4f << 4.f << QRect();
    QTest::newRow("negative size") << 10.f << 20.f << -5.f << 4.f << QRect();
}

void TestCanvasPicture::fractionalPlacesRoundToNearestPixel()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(float, w);
    QFETCH(float, h);
    QFETCH(QRect, pixels);
    CanvasPicture canvas;
    canvas.copyPicture(filled(20, 20, qRgb(0, 0, 0)), x, y, w, h);

    const QList<QPoint> changed = changedPixels(filled(700, 500, Plain), canvas.image());
    QCOMPARE(changed.size(), pixels.width() * pixels.height());
    for (const QPoint &p : changed)
        QVERIFY(pixels.contains(p));
}

void TestCanvasPicture::otherPictureFormatsCopyTheirColours()
{
    CanvasPicture canvas;
    QImage indexed(30, 20, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(9, 8, 7), qRgb(250, 1, 2)});
    indexed.fill(1);
    QImage rgb888 = filled(700, 500, qRgb(3, 4, 5)).convertToFormat(QImage::Format_RGB888);
    canvas.setBasePicture(rgb888);
    canvas.copyPicture(indexed, 5, 6, 30, 20);
    QCOMPARE(canvas.image().pixel(0, 0), qRgb(3, 4, 5));
    QCOMPARE(canvas.image().pixel(5, 6), qRgb(250, 1, 2));
    QCOMPARE(canvas.image().pixel(34, 25), qRgb(250, 1, 2));
    QCOMPARE(canvas.image().pixel(35, 25), qRgb(3, 4, 5));
    QCOMPARE(canvas.image().format(), QImage::Format_RGB32);
}

void TestCanvasPicture::newBaseDiscardsEverythingPainted()
{
    CanvasPicture canvas;
    const QImage background = gradient(700, 500);
    canvas.setBasePicture(background);
    canvas.copyPicture(filled(40, 40, qRgb(0, 0, 0)), 5, 5, 40, 40);
    canvas.invertOutline(100, 100, 50, 50);
    canvas.setBasePicture(background);
    QCOMPARE(canvas.image(), background);
}

void TestCanvasPicture::outlineInvertsTheRectangleBorder_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<float>("w");
    QTest::addColumn<float>("h");
    QTest::addColumn<QRect>("border"); // corner pixels, both included; null = nothing

    QTest::newRow("ordinary") << 120.f << 90.f << 120.f << 90.f << QRect(QPoint(120, 90), QPoint(240, 180));
    QTest::newRow("negative size") << 50.f << 60.f << -10.f << -20.f << QRect(QPoint(40, 40), QPoint(50, 60));
    QTest::newRow("width 0") << 10.f << 10.f << 0.f << 7.f << QRect(QPoint(10, 10), QPoint(10, 17));
    QTest::newRow("height 0") << 10.f << 10.f << 7.f << 0.f << QRect(QPoint(10, 10), QPoint(17, 10));
    QTest::newRow("width and height 0")
        << 10.f << 10.f << 0.f << 0.f << QRect(QPoint(10, 10), QPoint(10, 10));
    QTest::newRow("one by one") << 10.f << 10.f << 1.f << 1.f << QRect(QPoint(10, 10), QPoint(11, 11));
    QTest::newRow("fractional") << 10.5f << 10.4f << 5.2f << 5.6f << QRect(QPoint(11, 10), QPoint(16, 16));
    QTest::newRow("beyond right and bottom")
        << 650.f << 450.f << 200.f << 200.f << QRect(QPoint(650, 450), QPoint(850, 650));
    QTest::newRow("around the whole canvas")
        << -1.f << -1.f << 701.f << 501.f << QRect(QPoint(-1, -1), QPoint(700, 500));
    QTest::newRow("huge, off the canvas") << -3.0e38f << -3.0e38f << 1.0e38f << 1.0e38f << QRect();
    QTest::newRow("huge, corner on the canvas")
        << -3.0e38f << 10.f << 3.0e38f << 5.f << QRect(QPoint(-2000000, 10), QPoint(0, 15));
}

void TestCanvasPicture::outlineInvertsTheRectangleBorder()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(float, w);
    QFETCH(float, h);
    QFETCH(QRect, border);
    CanvasPicture canvas;
    const QImage background = gradient(700, 500);
    canvas.setBasePicture(background);
    canvas.invertOutline(x, y, w, h);

    const QImage &image = canvas.image();
    int expectedCount = 0;
    for (int py = 0; py < 500; ++py) {
        for (int px = 0; px < 700; ++px) {
            const bool onBorder =
                !border.isNull() && border.contains(px, py) &&
                (px == border.left() || px == border.right() || py == border.top() || py == border.bottom());
            const QRgb want = onBorder ? (background.pixel(px, py) ^ 0x00ffffff) : background.pixel(px, py);
            if (image.pixel(px, py) != want)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(px).arg(py)));
            expectedCount += onBorder ? 1 : 0;
        }
    }
    QCOMPARE(changedPixels(background, image).size(), expectedCount);
}

void TestCanvasPicture::outlineTwiceRestores_data()
{
    outlineInvertsTheRectangleBorder_data();
}

void TestCanvasPicture::outlineTwiceRestores()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(float, w);
    QFETCH(float, h);
    CanvasPicture canvas;
    canvas.setBasePicture(gradient(700, 500));
    canvas.copyPicture(gradient(120, 90), 300, 200, 120, 90);
    const QImage before = canvas.image().copy();
    canvas.invertOutline(x, y, w, h);
    canvas.invertOutline(x, y, w, h);
    QCOMPARE(canvas.image(), before);
}

void TestCanvasPicture::unusableNumbersDrawNothing_data()
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<float>("w");
    QTest::addColumn<float>("h");
    QTest::newRow("NaN x") << nan << 0.f << 10.f << 10.f;
    QTest::newRow("infinite width") << 0.f << 0.f << inf << 10.f;
    QTest::newRow("minus infinite y") << 0.f << -inf << 10.f << 10.f;
    QTest::newRow("NaN height") << 0.f << 0.f << 10.f << nan;
}

void TestCanvasPicture::unusableNumbersDrawNothing()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(float, w);
    QFETCH(float, h);
    CanvasPicture canvas;
    canvas.copyPicture(filled(20, 20, qRgb(0, 0, 0)), x, y, w, h);
    canvas.invertOutline(x, y, w, h);
    QCOMPARE(canvas.image(), filled(700, 500, Plain));
}

void TestCanvasPicture::restoreBaseRebuildsTheArea_data()
{
    QTest::addColumn<QImage>("background");
    QTest::addColumn<QRect>("area");
    QTest::newRow("inside") << gradient(700, 500) << QRect(100, 80, 120, 90);
    QTest::newRow("reaching past the canvas") << gradient(700, 500) << QRect(650, -20, 120, 90);
    QTest::newRow("reaching past a small background") << gradient(300, 200) << QRect(250, 150, 120, 90);
    QTest::newRow("no background") << QImage() << QRect(10, 10, 50, 50);
    QTest::newRow("outside the canvas") << gradient(700, 500) << QRect(900, 900, 10, 10);
}

void TestCanvasPicture::restoreBaseRebuildsTheArea()
{
    QFETCH(QImage, background);
    QFETCH(QRect, area);
    CanvasPicture canvas;
    canvas.setBasePicture(background);
    const QImage base = canvas.image().copy();
    // Something drawn over the area only; restoring it gives the base back.
    canvas.copyPicture(filled(900, 900, qRgb(1, 2, 3)), float(area.x()), float(area.y()), float(area.width()),
                       float(area.height()));
    canvas.restoreBase(background, area);
    QCOMPARE(canvas.image(), base);
}

// Each operation returns a rectangle holding every pixel it changed.
void TestCanvasPicture::drawingReportsWhatItChanged()
{
    QRandomGenerator random(77);
    CanvasPicture canvas;
    canvas.setBasePicture(gradient(700, 500));
    const QImage part = gradient(150, 120);
    for (int round = 0; round < 200; ++round) {
        const QImage before = canvas.image().copy();
        const float x = float(random.bounded(-200, 800)), y = float(random.bounded(-200, 600));
        const float w = float(random.bounded(0, 200)), h = float(random.bounded(0, 200));
        const QRect reported =
            random.bounded(2) ? canvas.copyPicture(part, x, y, w, h) : canvas.invertOutline(x, y, w, h);
        for (const QPoint &p : changedPixels(before, canvas.image()))
            QVERIFY2(reported.contains(p), qPrintable(QStringLiteral("round %1").arg(round)));
        QVERIFY(reported.isEmpty() || QRect(0, 0, 700, 500).contains(reported));
    }
}

// The whole scene: every part that is in it, in part order, over the background.
void TestCanvasPicture::composesTheWholeScene()
{
    SceneRecord scene;
    ScenePictures pictures;
    pictures.background.image = gradient(700, 500);
    const QRgb colours[] = {qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200), qRgb(200, 200, 0),
                            qRgb(0, 200, 200)};
    for (int id = 0; id < ScenePart::Count; ++id) {
        pictures.parts[size_t(id)].image = filled(40, 30, colours[id]);
        SceneRecord::Part &part = scene.part(id);
        part.w = 40, part.h = 30, part.x = 10.f + 20.f * float(id), part.y = 10;
    }
    scene.part(ScenePart::UserMouth).on = true;
    scene.part(ScenePart::Misc).on = true;

    QImage expected = pictures.background.image.convertToFormat(QImage::Format_RGB32);
    for (int id : {ScenePart::ZumiMouth, ScenePart::UserMouth, ScenePart::Misc})
        for (int y = 10; y < 40; ++y)
            for (int x = 10 + 20 * id; x < 50 + 20 * id; ++x)
                expected.setPixel(x, y, colours[id]);
    QCOMPARE(composeScene(scene, pictures), expected);
}

QTEST_GUILESS_MAIN(TestCanvasPicture)
#include "tst_canvas_picture.moc"
