// SPDX-License-Identifier: GPL-3.0-or-later
#include "CanvasPicture.h"
#include "SceneComposition.h"
#include "SceneEditor.h"
#include "ScenePreview.h"

#include <QtTest>

#include <deque>
#include <limits>

// The preview without a window: what it draws at a given time.
class TestScenePreview : public QObject
{
    Q_OBJECT
private slots:
    void steadyFrameIsTheComposition_data();
    void steadyFrameIsTheComposition();
    void alternativeBackground();
    void stripFrame_data();
    void stripFrame();
    void unreadableReadings_data();
    void unreadableReadings();
    void readingsFollowTheSceneUntilSet();
    void talking_data();
    void talking();
    void sayingByText();
    void blinking();
    void incrementalFrameMatchesComposition();
    void scheduleDoesNotDependOnLooking();
    void changesOnlyWhatMoved();
    void farFutureTime_data();
    void farFutureTime();
};

namespace {

const QRgb Green = qRgb(0, 150, 0);
const QRgb PartColours[] = {qRgb(220, 0, 0), qRgb(240, 240, 0), qRgb(0, 0, 230), qRgb(230, 0, 230)};

// The strip's eight 30-pixel bands, each its own colour.
constexpr int StripWidth = 240;
constexpr int StripHeight = 48;
QRgb bandColour(int band)
{
    return qRgb(20 + 25 * band, 255 - 25 * band, 100 + 10 * band);
}

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage strip()
{
    QImage image(StripWidth, StripHeight, QImage::Format_RGB32);
    for (int x = 0; x < StripWidth; ++x)
        for (int y = 0; y < StripHeight; ++y)
            image.setPixel(x, y, bandColour(x / 30));
    return image;
}

// Every part in the scene, none overlapping another: ZM 120 x 90 at (120, 90),
// ZB 66 x 32 at (300, 90), UM 80 x 44 at (120, 300), UB 60 x 30 at (300, 300),
// MP 240 x 48 at (420, 400).
struct Scene
{
    SceneRecord record;
    ScenePictures pictures;

    Scene()
    {
        pictures.background = PictureLoader::fromImage(filled(700, 500, Green));
        const QSize sizes[] = {{120, 90}, {66, 32}, {80, 44}, {60, 30}};
        const QPoint places[] = {{120, 90}, {300, 90}, {120, 300}, {300, 300}};
        for (int id = 0; id < ScenePart::Misc; ++id) {
            pictures.parts[size_t(id)] =
                PictureLoader::fromImage(filled(sizes[id].width(), sizes[id].height(), PartColours[id]));
            place(id, places[id], sizes[id]);
        }
        pictures.parts[ScenePart::Misc] = PictureLoader::fromImage(strip());
        place(ScenePart::Misc, {420, 400}, {StripWidth, StripHeight});
        for (int id = ScenePart::ZumiBlink; id < ScenePart::Count; ++id)
            record.part(id).on = true;
        // Runs at 100 ms a frame, three seconds apart, never early.
        record.MiscRndm = QStringLiteral("0");
    }
    void place(int id, QPoint at, QSize size)
    {
        SceneRecord::Part &part = record.part(id);
        part.x = float(at.x()), part.y = float(at.y()), part.w = float(size.width()),
        part.h = float(size.height());
    }
    QRect rect(int id) const
    {
        const SceneRecord::Part &part = record.part(id);
        return QRect(int(part.x), int(part.y), int(part.w), int(part.h));
    }
    // The scene as composeScene draws it with the given parts left out and the
    // strip cut to frame k of `frames` (k < 0: whole).
    QImage composed(const QList<int> &hidden = {}, int k = -1, int frames = 8) const
    {
        ScenePictures shown = pictures;
        for (int id : hidden)
            shown.parts[size_t(id)] = Picture();
        if (k >= 0) {
            const int width = StripWidth / frames;
            shown.parts[ScenePart::Misc].image = strip().copy(k * width, 0, width, StripHeight);
        }
        return composeScene(record, shown);
    }
};

ScenePreview stillPreview(const Scene &scene)
{
    ScenePreview preview;
    for (int a = 0; a < ScenePreview::AnimationCount; ++a)
        preview.setAnimation(ScenePreview::Animation(a), false);
    preview.setScene(scene.record, scene.pictures);
    return preview;
}

ScenePreview onlyAnimation(ScenePreview::Animation animation, ScenePreview::RandomSource blinks = {})
{
    ScenePreview preview(std::move(blinks));
    for (int a = 0; a < ScenePreview::AnimationCount; ++a)
        preview.setAnimation(ScenePreview::Animation(a), a == animation);
    return preview;
}

// A random source that answers from a list, then keeps giving its last answer.
ScenePreview::RandomSource scripted(QList<quint32> answers)
{
    auto left = std::make_shared<std::deque<quint32>>(answers.begin(), answers.end());
    return [left](quint32 bound) {
        const quint32 answer = left->size() > 1 ? left->front() : left->back();
        if (left->size() > 1)
            left->pop_front();
        return std::min(answer, bound - 1);
    };
}

} // namespace

// With every animation off the preview is the whole scene, every part at its
// place (rounded and cut exactly as on the composer's canvas).
void TestScenePreview::steadyFrameIsTheComposition_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<QRectF>("geometry"); // x, y, w, h
    QTest::newRow("as placed") << -1 << QRectF();
    QTest::newRow("mouth past the right edge") << int(ScenePart::ZumiMouth) << QRectF(650, 90, 120, 90);
    QTest::newRow("blink half off the top left") << int(ScenePart::ZumiBlink) << QRectF(-30, -10, 66, 32);
    QTest::newRow("halves round up") << int(ScenePart::UserMouth) << QRectF(120.5f, 300.5f, 80.5f, 43.5f);
    QTest::newRow("size beyond the picture") << int(ScenePart::UserBlink) << QRectF(300, 300, 61, 31);
    QTest::newRow("strip below the canvas") << int(ScenePart::Misc) << QRectF(420, 480, 240, 48);
    QTest::newRow("wholly off the canvas") << int(ScenePart::ZumiMouth) << QRectF(-500, 90, 120, 90);
    QTest::newRow("not a number") << int(ScenePart::UserMouth) << QRectF(qQNaN(), 300, 80, 44);
}

void TestScenePreview::steadyFrameIsTheComposition()
{
    QFETCH(int, part);
    QFETCH(QRectF, geometry);
    Scene scene;
    if (part >= 0) {
        SceneRecord::Part &p = scene.record.part(part);
        p.x = float(geometry.x()), p.y = float(geometry.y()), p.w = float(geometry.width()),
        p.h = float(geometry.height());
    }
    const ScenePreview preview = stillPreview(scene);
    QCOMPARE(preview.frame(), composeScene(scene.record, scene.pictures));
    if (part < 0) {
        // Every part shows, not just one.
        for (int id = 0; id < ScenePart::Misc; ++id)
            QCOMPARE(preview.frame().pixel(scene.rect(id).center()), PartColours[id]);
        QCOMPARE(preview.frame().pixel(425, 405), bandColour(0));
        QCOMPARE(preview.frame().pixel(655, 405), bandColour(7));
        QCOMPARE(preview.frame().pixel(5, 5), Green);
    }
}

// The background holder shows the alternative background while it is swapped
// in; the parts stay over it.
void TestScenePreview::alternativeBackground()
{
    const QRgb grey = qRgb(90, 90, 90);
    Scene scene;
    QMap<QString, Picture> files{
        {QStringLiteral("bg.jpg"), scene.pictures.background},
        {QStringLiteral("alt.jpg"), PictureLoader::fromImage(filled(500, 400, grey))}};
    for (int id = 0; id < ScenePart::Count; ++id)
        files.insert(scene.record.part(id).name, scene.pictures.parts[size_t(id)]);
    SceneEditor editor({[] { return QStringLiteral("/kit/"); },
                        [&files](const QString &path) {
                            PictureResult result;
                            result.picture = files.value(QFileInfo(path).fileName());
                            return result;
                        }});
    editor.startUp();
    editor.setNudeImageOn(true);
    editor.loadPicture(SceneEditor::LoadAlternative, Picture(), QStringLiteral("alt.jpg"),
                       QStringLiteral("/kit/Images/alt.jpg"));

    ScenePreview preview;
    preview.setScene(editor.record(), editor.pictures());
    QCOMPARE(preview.frame().pixel(5, 5), Green);
    QCOMPARE(editor.setAlternativeShown(true), QString());
    preview.setScene(editor.record(), editor.pictures());
    QCOMPARE(preview.frame().pixel(5, 5), grey);
    QCOMPARE(preview.frame().pixel(600, 450), CanvasPicture::plainColour().rgb()); // beyond its 500 x 400
    QCOMPARE(preview.frame().pixel(130, 100), PartColours[ScenePart::ZumiMouth]);
    editor.setAlternativeShown(false);
    preview.setScene(editor.record(), editor.pictures());
    QCOMPARE(preview.frame().pixel(5, 5), Green);
}

// Frame k of the strip at time t: Frames equal frames, Speed ms each, then
// Delay seconds of the first frame (k = 0) before the next run.
void TestScenePreview::stripFrame_data()
{
    QTest::addColumn<QString>("frames");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("delay");
    QTest::addColumn<QString>("rndm");
    QTest::addColumn<int>("time");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("frameCount"); // the frames the strip is cut into
    const QString n8 = QStringLiteral("8"), n100 = QStringLiteral("100"), n3 = QStringLiteral("3"),
                  n0 = QStringLiteral("0");
    QTest::newRow("first frame at once") << n8 << n100 << n3 << n0 << 0 << 0 << 8;
    QTest::newRow("still the first") << n8 << n100 << n3 << n0 << 99 << 0 << 8;
    QTest::newRow("second") << n8 << n100 << n3 << n0 << 100 << 1 << 8;
    QTest::newRow("last") << n8 << n100 << n3 << n0 << 799 << 7 << 8;
    QTest::newRow("rest after the run") << n8 << n100 << n3 << n0 << 800 << 0 << 8;
    QTest::newRow("end of the rest") << n8 << n100 << n3 << n0 << 3799 << 0 << 8;
    QTest::newRow("next run") << n8 << n100 << n3 << n0 << 3900 << 1 << 8;
    QTest::newRow("four frames of 60")
        << QStringLiteral("4") << QStringLiteral("250") << n3 << n0 << 500 << 2 << 4;
    QTest::newRow("no delay: runs back to back") << n8 << n100 << n0 << n0 << 950 << 1 << 8;
    QTest::newRow("one frame") << QStringLiteral("1") << n100 << n0 << n0 << 1234 << 0 << 1;
    QTest::newRow("one in one: early after a second")
        << n8 << n100 << n3 << QStringLiteral("1") << 1900 << 1 << 8;
    QTest::newRow("empty Frames: the file's 8") << QString() << n100 << n3 << n0 << 300 << 3 << 8;
    QTest::newRow("spaces around") << QStringLiteral(" 4 ") << n100 << n3 << n0 << 300 << 3 << 4;
    QTest::newRow("the file ends a value at ;") << QStringLiteral("4;9") << n100 << n3 << n0 << 300 << 3 << 4;
}

void TestScenePreview::stripFrame()
{
    QFETCH(QString, frames);
    QFETCH(QString, speed);
    QFETCH(QString, delay);
    QFETCH(QString, rndm);
    QFETCH(int, time);
    QFETCH(int, k);
    QFETCH(int, frameCount);
    Scene scene;
    scene.record.MiscFrames = frames;
    scene.record.MiscSpeed = speed;
    scene.record.MiscDelay = delay;
    scene.record.MiscRndm = rndm;
    ScenePreview preview = onlyAnimation(ScenePreview::Strip);
    preview.setScene(scene.record, scene.pictures);
    preview.advanceTo(time);
    QCOMPARE(preview.note(), QString());
    QCOMPARE(preview.stripFrame(), k);
    // Just that frame, at the part's place; the background beside it.
    QCOMPARE(preview.frame(), scene.composed({}, k, frameCount));
}

// A reading that cannot drive the strip leaves the whole picture still and
// says why in the note.
void TestScenePreview::unreadableReadings_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("note");
    const int frames = ScenePreview::Frames, speed = ScenePreview::Speed, delay = ScenePreview::Delay,
              rndm = ScenePreview::Rndm;
    QTest::newRow("Frames a word") << frames << QStringLiteral("abc")
                                   << QStringLiteral("Frames \"abc\" is not a whole number");
    QTest::newRow("0 frames") << frames << QStringLiteral("0") << QStringLiteral("Frames is 0");
    QTest::newRow("more frames than pixels")
        << frames << QStringLiteral("241")
        << QStringLiteral("241 frames do not fit into a picture 240 pixels wide");
    QTest::newRow("Speed 0") << speed << QStringLiteral("0") << QStringLiteral("Speed is 0");
    QTest::newRow("Speed a fraction")
        << speed << QStringLiteral("12.5") << QStringLiteral("Speed \"12.5\" is not a whole number");
    QTest::newRow("Delay negative") << delay << QStringLiteral("-1")
                                    << QStringLiteral("Delay \"-1\" is not a whole number");
    QTest::newRow("Rndm huge") << rndm << QStringLiteral("99999999999999999999999")
                               << QStringLiteral("Rndm 99999999999999999999999 is more than 2147483647");
    QTest::newRow("a long text is cut in the note")
        << frames << QStringLiteral("x").repeated(5000)
        << QStringLiteral("Frames \"%1...\" is not a whole number").arg(QStringLiteral("x").repeated(24));
}

void TestScenePreview::unreadableReadings()
{
    QFETCH(int, reading);
    QFETCH(QString, text);
    QFETCH(QString, note);
    Scene scene;
    QString *texts[] = {&scene.record.MiscFrames, &scene.record.MiscSpeed, &scene.record.MiscRndm,
                        &scene.record.MiscDelay};
    *texts[reading] = text;
    ScenePreview preview = onlyAnimation(ScenePreview::Strip);
    preview.setScene(scene.record, scene.pictures);
    QCOMPARE(preview.note(), QStringLiteral("Misc. Part is shown whole and still: %1.").arg(note));
    QCOMPARE(preview.nextChangeAt(), qint64(-1)); // nothing to wait for
    for (int t : {0, 150, 900, 5000}) {
        preview.advanceTo(t);
        QCOMPARE(preview.stripFrame(), -1);
        QCOMPARE(preview.frame(), scene.composed());
    }
    // The note is about the animation: without it, or without the part, there is none.
    preview.setAnimation(ScenePreview::Strip, false);
    QCOMPARE(preview.note(), QString());
    preview.setAnimation(ScenePreview::Strip, true);
    scene.record.part(ScenePart::Misc).on = false;
    preview.setScene(scene.record, scene.pictures);
    QCOMPARE(preview.note(), QString());
}

void TestScenePreview::readingsFollowTheSceneUntilSet()
{
    Scene scene;
    scene.record.MiscFrames = QStringLiteral("abc");
    ScenePreview preview = onlyAnimation(ScenePreview::Strip);
    preview.setScene(scene.record, scene.pictures);
    QCOMPARE(preview.reading(ScenePreview::Frames), QStringLiteral("abc"));
    QVERIFY(!preview.note().isEmpty());

    preview.advanceTo(1000);
    preview.setReading(ScenePreview::Frames, QStringLiteral("4"));
    QVERIFY(preview.ownsReading(ScenePreview::Frames));
    QCOMPARE(preview.note(), QString());
    // New readings start a run at once.
    QCOMPARE(preview.stripFrame(), 0);
    preview.advanceTo(1100);
    QCOMPARE(preview.stripFrame(), 1);
    QCOMPARE(preview.frame(), scene.composed({}, 1, 4));

    // The scene's texts no longer reach a reading the user set; the others follow.
    scene.record.MiscFrames = QStringLiteral("6");
    scene.record.MiscSpeed = QStringLiteral("50");
    preview.setScene(scene.record, scene.pictures);
    QCOMPARE(preview.reading(ScenePreview::Frames), QStringLiteral("4"));
    QCOMPARE(preview.reading(ScenePreview::Speed), QStringLiteral("50"));
    QVERIFY(!preview.ownsReading(ScenePreview::Speed));
    preview.advanceTo(1150);
    QCOMPARE(preview.stripFrame(), 1); // a run of 50 ms frames started at 1100
}

// The mouths (the Zumi mouth, and the user mouth with it) are drawn for the
// first half of each 200 ms syllable; the pace scales time.
void TestScenePreview::talking_data()
{
    QTest::addColumn<int>("pace");
    QTest::addColumn<int>("time");
    QTest::addColumn<bool>("open");
    QTest::newRow("start") << 100 << 0 << true;
    QTest::newRow("end of the first half") << 100 << 99 << true;
    QTest::newRow("second half") << 100 << 100 << false;
    QTest::newRow("next syllable") << 100 << 200 << true;
    QTest::newRow("late") << 100 << 60150 << false;
    QTest::newRow("double pace") << 200 << 50 << false;
    QTest::newRow("double pace, next") << 200 << 100 << true;
    QTest::newRow("quarter pace") << 25 << 399 << true;
    QTest::newRow("quarter pace, closed") << 25 << 400 << false;
}

void TestScenePreview::talking()
{
    QFETCH(int, pace);
    QFETCH(int, time);
    QFETCH(bool, open);
    Scene scene;
    ScenePreview preview = onlyAnimation(ScenePreview::Talking);
    preview.setPace(pace);
    preview.setScene(scene.record, scene.pictures);
    preview.advanceTo(time);
    const QList<int> mouths{ScenePart::ZumiMouth, ScenePart::UserMouth};
    QCOMPARE(preview.frame(), open ? scene.composed() : scene.composed(mouths));
}

// A said text moves the mouths from the moment it is said, by the talk
// schedule, and then they rest closed.
void TestScenePreview::sayingByText()
{
    Scene scene;
    ScenePreview preview = stillPreview(scene);
    const QList<int> mouths{ScenePart::ZumiMouth, ScenePart::UserMouth};
    const QRegion mouthRegion = QRegion(scene.rect(ScenePart::ZumiMouth)) + scene.rect(ScenePart::UserMouth);
    preview.advanceTo(1150);
    // Said with Talking off, the text switches it on; the mouths were drawn
    // steadily and the schedule opens them, so nothing changes yet.
    QCOMPARE(preview.say(QStringLiteral("Hi, there")), QRegion());
    QVERIFY(preview.animation(ScenePreview::Talking));
    QVERIFY(preview.saying());
    const struct
    {
        int time;
        bool open;
        qint64 next;
    } steps[] = {{1249, true, 1250}, {1250, false, 1750}, {1749, false, 1750},
                 {1750, true, 1850}, {1850, false, -1},   {60000, false, -1}};
    for (const auto &step : steps) {
        const QRegion changed = preview.advanceTo(step.time);
        QVERIFY2(preview.frame() == (step.open ? scene.composed() : scene.composed(mouths)),
                 qPrintable(QString::number(step.time)));
        QCOMPARE(preview.nextChangeAt(), step.next);
        QVERIFY(changed.isEmpty() || changed == mouthRegion);
    }
    QVERIFY(!preview.saying());
    // A new text starts from now, at the pace in force.
    preview.setPace(200);
    QCOMPARE(preview.say(QStringLiteral("yes")), mouthRegion);
    preview.advanceTo(60049);
    QCOMPARE(preview.frame(), scene.composed());
    preview.advanceTo(60050);
    QCOMPARE(preview.frame(), scene.composed(mouths));
    // Switching Talking off and on again goes back to the steady syllables.
    preview.setAnimation(ScenePreview::Talking, false);
    QCOMPARE(preview.frame(), scene.composed());
    preview.setAnimation(ScenePreview::Talking, true);
    QVERIFY(!preview.saying());
    QVERIFY(preview.nextChangeAt() >= 0);
}

// Blinks last 150 ms and start 2 to 6 s apart, drawn from the blink source.
void TestScenePreview::blinking()
{
    Scene scene;
    // Gaps of 2000 + answer: the first blink at 2000, the next at 2000 + 6000.
    ScenePreview preview = onlyAnimation(ScenePreview::Blinking, scripted({0, 4000, 1000}));
    preview.setScene(scene.record, scene.pictures);
    const QList<int> blinks{ScenePart::ZumiBlink, ScenePart::UserBlink};
    QCOMPARE(preview.frame(), scene.composed(blinks));
    QCOMPARE(preview.nextChangeAt(), qint64(2000));
    const struct
    {
        int time;
        bool shown;
        qint64 next;
    } steps[] = {{1999, false, 2000}, {2000, true, 2150}, {2149, true, 2150},  {2150, false, 8000},
                 {7999, false, 8000}, {8000, true, 8150}, {8200, false, 11000}};
    for (const auto &step : steps) {
        preview.advanceTo(step.time);
        QVERIFY2(preview.frame() == (step.shown ? scene.composed() : scene.composed(blinks)),
                 qPrintable(QString::number(step.time)));
        QCOMPARE(preview.nextChangeAt(), step.next);
    }
    // Switched off, the blinks are drawn steadily.
    preview.setAnimation(ScenePreview::Blinking, false);
    QCOMPARE(preview.frame(), scene.composed());
    QCOMPARE(preview.nextChangeAt(), qint64(-1));
}

// Stepped at uneven times with every animation on, the picture, composed
// part by part, is always the whole scene composed afresh for that moment.
void TestScenePreview::incrementalFrameMatchesComposition()
{
    Scene scene;
    scene.record.MiscSpeed = QStringLiteral("70");
    scene.record.MiscDelay = QStringLiteral("1");
    // The strip overlaps both blinks and the user mouth; the user blink lies on the mouth.
    scene.place(ScenePart::Misc, {250, 80}, {StripWidth, StripHeight});
    scene.place(ScenePart::UserBlink, {150, 310}, {60, 30});
    // Blinks at 3000, 6000, ...
    ScenePreview preview(scripted({1000}));
    preview.setScene(scene.record, scene.pictures);
    const qint64 runLength = 8 * 70 + 1000;
    quint32 state = 7;
    for (qint64 t = 0; t < 20000;) {
        state = state * 1103515245u + 12345u;
        t += 1 + (state >> 16) % 90;
        preview.advanceTo(t);
        QList<int> hidden;
        if (t % 200 >= 100)
            hidden << ScenePart::ZumiMouth << ScenePart::UserMouth;
        if (t < 3000 || t % 3000 >= 150)
            hidden << ScenePart::ZumiBlink << ScenePart::UserBlink;
        const qint64 inRun = t % runLength;
        const int k = inRun < 8 * 70 ? int(inRun / 70) : 0;
        if (preview.frame() != scene.composed(hidden, k))
            QFAIL(qPrintable(QStringLiteral("frame differs at %1 ms").arg(t)));
    }
}

// Random schedules come out the same however often the preview is looked at.
void TestScenePreview::scheduleDoesNotDependOnLooking()
{
    Scene scene;
    scene.record.MiscRndm = QStringLiteral("2");
    scene.record.MiscDelay = QStringLiteral("4");
    ScenePreview often;
    ScenePreview seldom;
    often.setScene(scene.record, scene.pictures);
    seldom.setScene(scene.record, scene.pictures);
    for (qint64 t = 0; t <= 60000; t += 13) {
        often.advanceTo(t);
        if ((t / 13) % 77 == 0) { // about once a second
            seldom.advanceTo(t);
            QVERIFY2(often.frame() == seldom.frame(), qPrintable(QString::number(t)));
            QCOMPARE(often.nextChangeAt(), seldom.nextChangeAt());
        }
    }
}

// What changed is the parts whose look changed, no more.
void TestScenePreview::changesOnlyWhatMoved()
{
    Scene scene;
    ScenePreview preview(scripted({1000}));
    QCOMPARE(preview.setScene(scene.record, scene.pictures), QRegion(0, 0, 700, 500));
    const QRegion mouths = QRegion(scene.rect(ScenePart::ZumiMouth)) + scene.rect(ScenePart::UserMouth);
    // The strip's first step and the mouths' closing.
    QCOMPARE(preview.nextChangeAt(), qint64(100));
    QCOMPARE(preview.advanceTo(99), QRegion());
    QCOMPARE(preview.advanceTo(100), mouths + QRect(420, 400, 30, StripHeight));
    QCOMPARE(preview.advanceTo(150), QRegion());
    QCOMPARE(preview.advanceTo(200), mouths + QRect(420, 400, 30, StripHeight));

    // A part moved: where it was and where it is.
    const QRect before = scene.rect(ScenePart::UserBlink);
    scene.record.part(ScenePart::UserBlink).x += 25;
    preview.setAnimation(ScenePreview::Blinking, false);
    QCOMPARE(preview.setScene(scene.record, scene.pictures),
             QRegion(before) + scene.rect(ScenePart::UserBlink));
    QCOMPARE(preview.setScene(scene.record, scene.pictures), QRegion());

    // Nothing moving: nothing to wait for.
    preview.setAnimation(ScenePreview::Talking, false);
    preview.setAnimation(ScenePreview::Strip, false);
    QCOMPARE(preview.nextChangeAt(), qint64(-1));
}

QTEST_GUILESS_MAIN(TestScenePreview)

void TestScenePreview::farFutureTime_data()
{
    QTest::addColumn<int>("pace");
    QTest::addColumn<qint64>("time");
    const qint64 latest = std::numeric_limits<qint64>::max();
    QTest::newRow("latest time, fastest pace") << int(ScenePreview::FastestPace) << latest;
    QTest::newRow("latest time, slowest pace") << int(ScenePreview::SlowestPace) << latest;
    QTest::newRow("wraps at the fastest pace") << int(ScenePreview::FastestPace) << latest / 300;
    QTest::newRow("a thousand years") << 100 << qint64(1000) * 365 * 24 * 3600 * 1000;
}

// A clock set far forward (or a broken one) stops the animation clock at its
// latest time: it never turns back, every animation still runs, and the
// schedules do not walk through the years in between.
void TestScenePreview::farFutureTime()
{
    QFETCH(int, pace);
    QFETCH(qint64, time);
    Scene scene;
    scene.record.MiscRndm = QStringLiteral("2");
    scene.record.MiscDelay = QStringLiteral("4");
    ScenePreview preview;
    preview.setScene(scene.record, scene.pictures);
    preview.setPace(pace);
    preview.advanceTo(1000);
    const qint64 before = preview.animationTime();
    preview.advanceTo(time);
    QVERIFY(preview.animationTime() > before);
    const qint64 next = preview.nextChangeAt();
    QVERIFY2(next >= time, qPrintable(QString::number(next)));
    preview.advanceTo(time);
    QVERIFY(preview.animationTime() > before);
    QVERIFY(preview.nextChangeAt() >= time);
}

#include "tst_scene_preview.moc"
