// SPDX-License-Identifier: GPL-3.0-or-later
#include "CanvasPicture.h"
#include "SceneComposition.h"
#include "SceneRender.h"
#include "TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

struct Pixel
{
    int x, y;
    QRgb colour;
};
Q_DECLARE_METATYPE(QList<Pixel>)

// A scene file drawn as the companion shows it, and written as a PNG picture.
class TestSceneRender : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pixels_data();
    void pixels();
    void composesIntoAKeptCanvas();
    void unreadablePicturesAreNamed();
    void unreadableSceneIsNamed();
    void writesThePicture();
    void failedWriteLeavesNoFile();

private:
    QTemporaryDir m_dir; // the program folder, with Images
    QString folder() const { return m_dir.path() + QLatin1Char('/'); }
};

namespace {

const QRgb TopLeft = qRgb(255, 0, 0), TopRight = qRgb(0, 255, 0), BottomLeft = qRgb(0, 0, 255),
           BottomRight = qRgb(255, 255, 0);
const QRgb Mouth = qRgb(10, 20, 30), Blink = qRgb(200, 100, 50), Plain = qRgb(192, 192, 255);

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A scene file's text from its entries, one a line.
QString scene(std::initializer_list<const char *> entries)
{
    QString text;
    for (const char *entry : entries)
        text += QString::fromLatin1(entry) + QStringLiteral("\r\n");
    return text;
}

} // namespace

void TestSceneRender::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("Images")));
    const QString images = folder() + QStringLiteral("Images/");
    // The background in four colours, a quarter each.
    QImage background(700, 500, QImage::Format_RGB32);
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 700; ++x)
            background.setPixel(
                x, y, y < 250 ? (x < 350 ? TopLeft : TopRight) : (x < 350 ? BottomLeft : BottomRight));
    QVERIFY(background.save(images + QStringLiteral("bg.png"), "PNG"));
    // The default background is smaller than the canvas.
    QVERIFY(filled(100, 50, TopRight).save(images + QStringLiteral("bg.jpg"), "PNG"));
    QVERIFY(filled(10, 10, Mouth).save(images + QStringLiteral("mouth.png"), "PNG"));
    QVERIFY(filled(10, 10, Mouth).save(images + QStringLiteral("zumimouth.jpg"), "PNG"));
    QVERIFY(filled(20, 10, Blink).save(images + QStringLiteral("blink.png"), "PNG"));
}

void TestSceneRender::pixels_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<Pixel>>("pixels");

    QTest::newRow("background and two parts, one over the edge")
        << scene({"BG=bg.png;", "ZM=mouth.png;", "ZMh=10;", "ZMw=10;", "ZMx=100;", "ZMy=100;", "UserMouthOn;",
                  "UM=blink.png;", "UMh=10;", "UMw=20;", "UMx=690;", "UMy=495;"})
        << QList<Pixel>{{0, 0, TopLeft},         {699, 0, TopRight},  {0, 499, BottomLeft},
                        {689, 499, BottomRight}, {99, 100, TopLeft},  {100, 100, Mouth},
                        {109, 109, Mouth},       {110, 109, TopLeft}, {109, 110, TopLeft},
                        {690, 495, Blink},       {699, 499, Blink},   {689, 494, BottomRight}};
    // Only the picture entry switches a part on; the flag word alone does not.
    QTest::newRow("a part without its picture entry is off")
        << scene({"BG=bg.png;", "ZM=mouth.png;", "ZMh=10;", "ZMw=10;", "ZMx=0;", "ZMy=0;", "UserMouthOn;",
                  "UMh=10;", "UMw=20;", "UMx=200;", "UMy=200;"})
        << QList<Pixel>{{0, 0, Mouth}, {200, 200, TopLeft}};
    QTest::newRow("later parts over earlier ones")
        << scene({"BG=bg.png;", "ZM=mouth.png;", "ZMh=10;", "ZMw=10;", "ZMx=5;", "ZMy=5;", "ZumiBlinkOn;",
                  "ZB=blink.png;", "ZBh=10;", "ZBw=20;", "ZBx=10;", "ZBy=10;"})
        << QList<Pixel>{{5, 5, Mouth}, {9, 9, Mouth}, {10, 10, Blink}, {14, 14, Blink}, {29, 19, Blink}};
    QTest::newRow("a size past the picture copies the picture alone")
        << scene({"BG=bg.png;", "ZM=mouth.png;", "ZMh=30;", "ZMw=30;", "ZMx=400;", "ZMy=0;"})
        << QList<Pixel>{{409, 9, Mouth}, {410, 5, TopRight}, {405, 10, TopRight}};
    QTest::newRow("a part wholly off the canvas")
        << scene({"BG=bg.png;", "ZM=mouth.png;", "ZMh=10;", "ZMw=10;", "ZMx=-10;", "ZMy=0;"})
        << QList<Pixel>{{0, 0, TopLeft}};
    // What the file leaves out is what start-up set: the default background,
    // smaller than the canvas, and the default mouth at its default place
    // (its own size, 10 x 10 here).
    QTest::newRow("start-up's background and mouth")
        << scene({"UserMouthOn;"})
        << QList<Pixel>{{0, 0, TopRight},   {99, 49, TopRight}, {10, 10, Mouth},  {19, 19, Mouth},
                        {20, 20, TopRight}, {100, 0, Plain},    {699, 499, Plain}};
}

void TestSceneRender::pixels()
{
    QFETCH(QString, text);
    QFETCH(QList<Pixel>, pixels);
    const SceneRender::Result result = SceneRender::render(text, folder());
    QVERIFY2(result.ok(), qPrintable(result.errors.join(QLatin1Char('\n'))));
    QCOMPARE(result.image.size(), QSize(700, 500));
    for (const Pixel &pixel : pixels) {
        QVERIFY2(result.image.pixel(pixel.x, pixel.y) == (pixel.colour | 0xff000000u),
                 qPrintable(QStringLiteral("(%1, %2) is %3, not %4")
                                .arg(pixel.x)
                                .arg(pixel.y)
                                .arg(result.image.pixel(pixel.x, pixel.y), 8, 16)
                                .arg(pixel.colour | 0xff000000u, 8, 16)));
    }
}

void TestSceneRender::composesIntoAKeptCanvas()
{
    // A preview keeps one canvas: a second composition leaves nothing of the first.
    SceneRecord record;
    ScenePictures pictures;
    pictures.background.image = filled(700, 500, TopLeft);
    pictures.parts[ScenePart::ZumiMouth].image = filled(10, 10, Mouth);
    record.part(ScenePart::ZumiMouth) = {QStringLiteral("m"), 10, 10, 50, 50, false};
    CanvasPicture canvas;
    composeScene(canvas, record, pictures);
    QCOMPARE(canvas.image().pixel(55, 55), Mouth | 0xff000000u);
    record.part(ScenePart::ZumiMouth).x = 300;
    composeScene(canvas, record, pictures);
    QCOMPARE(canvas.image().pixel(55, 55), TopLeft | 0xff000000u);
    QCOMPARE(canvas.image(), composeScene(record, pictures));
}

void TestSceneRender::unreadablePicturesAreNamed()
{
    TestFiles::writeBytes(folder() + QStringLiteral("Images/broken.png"), "no picture");
    const SceneRender::Result result = SceneRender::render(
        scene({"BG=gone.png;", "ZM=mouth.png;", "ZMh=10;", "ZMw=10;", "ZMx=0;", "ZMy=0;", "MP=broken.png;"}),
        folder());
    QCOMPARE(result.errors.size(), 2);
    QVERIFY2(
        result.errors.at(0).contains(QDir::toNativeSeparators(folder() + QStringLiteral("Images/gone.png"))),
        qPrintable(result.errors.at(0)));
    QVERIFY2(result.errors.at(1).contains(QStringLiteral("broken.png")), qPrintable(result.errors.at(1)));
    QVERIFY(result.image.isNull());
}

void TestSceneRender::unreadableSceneIsNamed()
{
    const QString path = folder() + QStringLiteral("none.scn");
    const SceneRender::Result result = SceneRender::renderFile(path, folder());
    QCOMPARE(result.errors.size(), 1);
    QVERIFY2(result.errors.first().contains(QDir::toNativeSeparators(path)),
             qPrintable(result.errors.first()));
    QVERIFY(result.image.isNull());
}

void TestSceneRender::writesThePicture()
{
    const QString path = TestFiles::writeBytes(
        folder() + QStringLiteral("mouth.scn"),
        "BG=bg.png;\r\nZM=mouth.png;\r\nZMh=10;\r\nZMw=10;\r\nZMx=100;\r\nZMy=100;\r\n\r\n");
    const SceneRender::Result result = SceneRender::renderFile(path, folder());
    QVERIFY(result.ok());
    const QString out = folder() + QStringLiteral("out.png");
    QCOMPARE(SceneRender::writePng(result.image, out), QString());
    const QImage written(out, "PNG");
    QCOMPARE(written.convertToFormat(QImage::Format_RGB32), result.image);
}

void TestSceneRender::failedWriteLeavesNoFile()
{
    // A folder where the picture should go cannot be replaced by a file.
    const QString out = folder() + QStringLiteral("taken.png");
    QVERIFY(QDir().mkpath(out));
    const QString error = SceneRender::writePng(filled(700, 500, Plain), out);
    QVERIFY2(error.startsWith(QStringLiteral("Cannot write \"%1\"").arg(QDir::toNativeSeparators(out))),
             qPrintable(error));
    QVERIFY(QFileInfo(out).isDir());
    // Nor is anything left beside it.
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("taken*")}, QDir::AllEntries | QDir::Hidden),
             QStringList{QStringLiteral("taken.png")});

    const QString missingFolder = folder() + QStringLiteral("no/such/folder/out.png");
    QVERIFY(!SceneRender::writePng(filled(700, 500, Plain), missingFolder).isEmpty());
    QVERIFY(!QFileInfo::exists(missingFolder));
}

QTEST_GUILESS_MAIN(TestSceneRender)
#include "tst_scene_render.moc"
