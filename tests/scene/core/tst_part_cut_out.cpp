// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartCutOut.h"
#include "PartStrip.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

// The rectangle a full picture differs from the background in, and the strip
// of frames; both as the artist's commands use them.
class TestPartCutOut : public QObject
{
    Q_OBJECT
private slots:
    void difference_data();
    void difference();
    void refusals_data();
    void refusals();
    void jpegNoiseIsPassedOver();
    void savedPartIsLosslessAndNeverReplacesAFile();
    void strip_data();
    void strip();
};

namespace {

// A background with texture in every channel, so JPEG has work to do.
QImage background()
{
    QImage image(700, 500, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y,
                           qRgb(60 + (x * 100) / 700, 90 + int(40 * std::sin(y / 9.0)),
                                120 + int(30 * std::cos((x + y) / 13.0))));
    return image;
}

// The background with each patch changed by 120 in every channel, and each
// faint one by 20.
QImage changed(const QList<QRect> &patches, const QList<QRect> &faint = {})
{
    QImage image = background();
    auto shift = [&image](const QRect &rect, int by) {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QRgb c = image.pixel(x, y);
                image.setPixel(x, y,
                               qRgb((qRed(c) + by) % 256, (qGreen(c) + by) % 256, (qBlue(c) + by) % 256));
            }
    };
    for (const QRect &rect : patches)
        shift(rect, 120);
    for (const QRect &rect : faint)
        shift(rect, 20);
    return image;
}

QImage jpegRoundTrip(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 85);
    return QImage::fromData(bytes, "JPG").convertToFormat(QImage::Format_RGB32);
}

} // namespace

void TestPartCutOut::difference_data()
{
    // Patches changed by 120 in every channel, and faint ones by 20.
    QTest::addColumn<QList<QRect>>("patches");
    QTest::addColumn<QList<QRect>>("faint");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<int>("margin");
    QTest::addColumn<QRect>("expected");
    const QRect mouth(300, 200, 40, 20);
    const QList<QRect> none;
    QTest::newRow("one patch, exactly") << QList<QRect>{mouth} << none << 24 << 0 << mouth;
    QTest::newRow("margin on every side")
        << QList<QRect>{mouth} << none << 24 << 3 << mouth.adjusted(-3, -3, 3, 3);
    QTest::newRow("margin held to the picture")
        << QList<QRect>{QRect(0, 490, 10, 10)} << none << 24 << 5 << QRect(0, 485, 15, 15);
    QTest::newRow("two patches: both")
        << QList<QRect>{mouth, QRect(500, 60, 10, 10)} << none << 24 << 0 << QRect(300, 60, 210, 160);
    QTest::newRow("a speck of 15 pixels is noise")
        << QList<QRect>{mouth, QRect(600, 400, 5, 3)} << none << 24 << 0 << mouth;
    QTest::newRow("a patch of 16 pixels counts")
        << QList<QRect>{mouth, QRect(600, 400, 16, 1)} << none << 24 << 0 << QRect(300, 200, 316, 201);
    QTest::newRow("a change within the tolerance is not seen")
        << QList<QRect>{mouth} << QList<QRect>{QRect(10, 10, 30, 30)} << 24 << 0 << mouth;
    QTest::newRow("a lower tolerance sees it")
        << QList<QRect>{mouth} << QList<QRect>{QRect(10, 10, 30, 30)} << 10 << 0 << QRect(10, 10, 330, 210);
}

void TestPartCutOut::difference()
{
    QFETCH(QList<QRect>, patches);
    QFETCH(QList<QRect>, faint);
    QFETCH(int, tolerance);
    QFETCH(int, margin);
    QFETCH(QRect, expected);
    const PartCutOut::Difference found = PartCutOut::findDifference(
        background(), changed(patches, faint), {tolerance, margin}, QStringLiteral("full.jpg"));
    QVERIFY2(found.ok(), qPrintable(found.error));
    QCOMPARE(found.rect, expected);
}

void TestPartCutOut::refusals_data()
{
    QTest::addColumn<QImage>("full");
    QTest::addColumn<QString>("error");
    QTest::newRow("identical") << background()
                               << QStringLiteral(
                                      "\"full.jpg\" is the same as the background: nothing differs to "
                                      "cut out.");
    QTest::newRow("only specks") << changed({QRect(5, 5, 2, 2), QRect(600, 300, 1, 3)})
                                 << QStringLiteral(
                                        "\"full.jpg\" differs from the background only by noise (no "
                                        "patch of 16 pixels or more by more than the tolerance 24).");
    QTest::newRow("another size") << background().copy(0, 0, 640, 480)
                                  << QStringLiteral(
                                         "\"full.jpg\" is 640 x 480 pixels, the background 700 x 500: a "
                                         "full picture of the scene must be exactly as large as the "
                                         "background.");
}

void TestPartCutOut::refusals()
{
    QFETCH(QImage, full);
    QFETCH(QString, error);
    const PartCutOut::Difference found =
        PartCutOut::findDifference(background(), full, {}, QStringLiteral("full.jpg"));
    QCOMPARE(found.error, error);
    QVERIFY(found.rect.isEmpty());
}

// Both pictures saved as JPEG: the noise all over them is passed over, and
// the rectangle still holds the mouth, give or take the JPEG block it lies in.
void TestPartCutOut::jpegNoiseIsPassedOver()
{
    const QRect mouth(301, 203, 37, 19);
    const QImage bg = jpegRoundTrip(background());
    const QImage full = jpegRoundTrip(changed({mouth}));
    QVERIFY(bg != background()); // there is noise
    const PartCutOut::Difference found = PartCutOut::findDifference(bg, full, {}, QStringLiteral("full.jpg"));
    QVERIFY2(found.ok(), qPrintable(found.error));
    QVERIFY(found.rect.contains(mouth));
    QVERIFY(mouth.adjusted(-8, -8, 8, 8).contains(found.rect));
}

void TestPartCutOut::savedPartIsLosslessAndNeverReplacesAFile()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const QString source = QStringLiteral("/elsewhere/talking.jpg");
    const QString name = PartCutOut::freeName(folder, source, QStringLiteral("zumimouth"));
    QCOMPARE(name, QStringLiteral("talking-zumimouth.bmp"));
    const QImage part = background().copy(300, 200, 41, 21);
    QCOMPARE(PartCutOut::writeBmp(part, folder + name), QString());
    QCOMPARE(QImage(folder + name).convertToFormat(QImage::Format_RGB32), part);
    QCOMPARE(PartCutOut::freeName(folder, source, QStringLiteral("zumimouth")),
             QStringLiteral("talking-zumimouth (2).bmp"));
    QCOMPARE(PartCutOut::freeName(folder, QStringLiteral("a;b=c.jpg"), QStringLiteral("zumiblink")),
             QStringLiteral("a_b_c-zumiblink.bmp"));
    QCOMPARE(PartCutOut::freeName(folder, QStringLiteral("Ωmega.jpg"), QStringLiteral("upright")),
             QStringLiteral("_mega-upright.bmp"));
    QVERIFY(PartCutOut::writeBmp(part, folder + QStringLiteral("no/such/folder/x.bmp"))
                .startsWith(QStringLiteral("Cannot write \"")));
}

void TestPartCutOut::strip_data()
{
    QTest::addColumn<QList<QSize>>("sizes");
    QTest::addColumn<QString>("error");
    QTest::newRow("three frames") << QList<QSize>{{30, 20}, {30, 20}, {30, 20}} << QString();
    QTest::newRow("a frame of another size")
        << QList<QSize>{{30, 20}, {30, 20}, {31, 20}}
        << QStringLiteral(
               "\"f2.bmp\" is 31 x 20 pixels, \"f0.bmp\" 30 x 20: every frame of a strip must be the "
               "same size.");
    QTest::newRow("one frame") << QList<QSize>{{30, 20}}
                               << QStringLiteral("A strip needs two frames or more.");
    QTest::newRow("too wide") << QList<QSize>{{40000, 1}, {40000, 1}}
                              << QStringLiteral(
                                     "2 frames 40000 pixels wide make a strip wider than 65535 pixels.");
}

void TestPartCutOut::strip()
{
    QFETCH(QList<QSize>, sizes);
    QFETCH(QString, error);
    QList<QImage> frames;
    QStringList names;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        QImage frame(sizes.at(i), QImage::Format_RGB32);
        frame.fill(qRgb(int(40 * i), 200, 100));
        frames << frame;
        names << QStringLiteral("f%1.bmp").arg(i);
    }
    const PartStrip::Result built = PartStrip::build(frames, names);
    QCOMPARE(built.error, error);
    if (!error.isEmpty()) {
        QVERIFY(built.strip.isNull());
        return;
    }
    QCOMPARE(built.strip.size(), QSize(90, 20));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(built.strip.copy(30 * i, 0, 30, 20), frames.at(i));
}

QTEST_GUILESS_MAIN(TestPartCutOut)
#include "tst_part_cut_out.moc"
