// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneDefaults.h"
#include "SceneEditor.h"
#include "ScenePlacement.h"
#include "expected_canvas.h"

#include <QFile>
#include <QMap>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

const QString Folder = QStringLiteral("/kit/");
const QString Images = QStringLiteral("/kit/Images/");

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Pictures the editor can load, by path, made in memory; every load is
// recorded. The default pictures give the default geometry ZM 120 x 90 at
// (120, 90), ZB 66 x 32, UM 80 x 44, UB 60 x 30, MP 200 x 48 at (60, 30).
struct PictureFiles
{
    QMap<QString, Picture> files;
    QStringList loaded;

    PictureFiles()
    {
        add(QStringLiteral("bg.jpg"), 700, 500, qRgb(0, 150, 0));
        add(QStringLiteral("zumimouth.jpg"), 120, 90, qRgb(220, 0, 0));
        add(QStringLiteral("zumiblink.jpg"), 66, 32, qRgb(240, 240, 0));
        add(QStringLiteral("usermouth.jpg"), 80, 44, qRgb(0, 0, 230));
        add(QStringLiteral("userblink.jpg"), 60, 30, qRgb(230, 0, 230));
        add(QStringLiteral("miscpart.jpg"), 200, 48, qRgb(0, 230, 230));
    }
    Picture add(const QString &name, int width, int height, QRgb colour)
    {
        const Picture picture = PictureLoader::fromImage(filled(width, height, colour));
        files[Images + name] = picture;
        return picture;
    }
    QImage image(const QString &name) const { return files.value(Images + name).image; }

    SceneEditor::Environment environment()
    {
        return {[] { return Folder; },
                [this](const QString &path) {
                    loaded << path;
                    PictureResult result;
                    if (files.contains(path))
                        result.picture = files[path];
                    else
                        result.error = QStringLiteral("Cannot open the picture \"%1\"").arg(path);
                    return result;
                }};
    }
};

// An editor over the default pictures, started up.
struct Fixture
{
    PictureFiles pictures;
    SceneEditor editor{pictures.environment()};
    QStringList startFailures = editor.startUp();
    QTemporaryDir dir;

    const SceneRecord &record() const { return editor.record(); }
    const SceneRecord::Part &part(int id) const { return editor.record().part(id); }
    quint64 redraws() const { return editor.drawCounts().redraws; }

    // The bytes Save Scene writes now.
    QByteArray saved()
    {
        const QString path = dir.filePath(QStringLiteral("scene.scn"));
        editor.buildSceneText();
        const QString error = editor.writeScene(path);
        if (!error.isEmpty())
            return error.toUtf8();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    // The background with the selected part: as much of its picture as its
    // size says, at its place.
    QImage expectedCanvas() const
    {
        const SceneRecord::Part &p = part(editor.selectedPart());
        // (QImage::copy of an empty rectangle would copy it all.)
        const QImage picture =
            p.w >= 1 && p.h >= 1 ? pictures.image(p.name).copy(0, 0, int(p.w), int(p.h)) : QImage();
        return composite(pictures.image(record().Background), picture, int(p.x), int(p.y));
    }
    void drag(QPointF from, QPointF to, int moves = 1)
    {
        editor.press(from);
        for (int i = 1; i <= moves; ++i)
            editor.move(from + (to - from) * (double(i) / moves));
        editor.release();
    }
};

using Action = std::function<void(Fixture &)>;

} // namespace

Q_DECLARE_METATYPE(Action)

// The composer's rules without a window: start-up, the cascade of the part
// controls, placing, LOAD, New Scene, Load Scene, and undo and redo.
class TestSceneEditor : public QObject
{
    Q_OBJECT
private slots:
    void startUp();
    void startUpWithMissingPictures();

    void cascade_data();
    void cascade();
    void alternativeBackground();

    void nudge_data();
    void nudge();
    void dragArithmetic_data();
    void dragArithmetic();
    void drag();

    void loadPicture_data();
    void loadPicture();

    void newScene();
    void loadScene_data();
    void loadScene();
    void loadSceneUnreadableChangesNothing();
    void namesWithBackslashes();

    void undoRedo_data();
    void undoRedo();
    void oneStepPerGesture();
    void typingIsOneStepPerBox();
    void modified();
    void changesAreReportedOncePerCall();
    void canvasIsAlwaysTheSceneRebuilt();
};

void TestSceneEditor::startUp()
{
    Fixture f;
    QVERIFY(f.startFailures.isEmpty());
    QCOMPARE(f.pictures.loaded.first(), Images + QStringLiteral("bg.jpg"));
    QCOMPARE(f.pictures.loaded.size(), 6);
    const SceneRecord &scene = f.record();
    QCOMPARE(scene.Background, QStringLiteral("bg.jpg"));
    const float geometry[][4] = {{120, 90, 120, 90},
                                 {66, 32, 66, 32},
                                 {80, 44, 80, 44},
                                 {60, 30, 60, 30},
                                 {200, 48, 60, 30}}; // w, h, x, y; the misc part at the user blink's size
    for (int id = 0; id < ScenePart::Count; ++id) {
        const SceneRecord::Part &p = scene.part(id);
        QCOMPARE(p.name, SceneDefaults::partPicture(ScenePart::Id(id)));
        QCOMPARE(QList<float>({p.w, p.h, p.x, p.y}),
                 QList<float>({geometry[id][0], geometry[id][1], geometry[id][2], geometry[id][3]}));
        QVERIFY(!p.on);
        QCOMPARE(f.editor.partEnabled(id), id == ScenePart::ZumiMouth);
    }
    QCOMPARE(f.editor.selectedPart(), int(ScenePart::ZumiMouth));
    QCOMPARE(f.editor.shownName(), QStringLiteral("zumimouth.jpg"));
    QVERIFY(f.editor.showsPart());
    QVERIFY(!f.editor.alternativeEnabled() && !f.editor.alternativeShown());
    QCOMPARE(f.editor.canvasWidth(), 700.f);
    QCOMPARE(f.editor.canvasHeight(), 500.f);
    QVERIFY(f.editor.sceneText().isEmpty());
    QCOMPARE(f.editor.canvas(), composite(f.pictures.image(QStringLiteral("bg.jpg")),
                                          f.pictures.image(QStringLiteral("zumimouth.jpg")), 120, 90));
    QVERIFY(!f.editor.isModified());
    QCOMPARE(f.editor.undoStack().count(), 0);
    QCOMPARE(f.saved(),
             QByteArray("BG=bg.jpg;\r\nZM=zumimouth.jpg;\r\nZMh=90;\r\nZMw=120;\r\nZMx=120;\r\nZMy=90;"
                        "\r\n\r\n"));
}

void TestSceneEditor::startUpWithMissingPictures()
{
    PictureFiles pictures;
    pictures.files.remove(Images + QStringLiteral("zumimouth.jpg"));
    pictures.files.remove(Images + QStringLiteral("bg.jpg"));
    SceneEditor editor(pictures.environment());
    const QStringList failures = editor.startUp();
    QCOMPARE(failures.size(), 2);
    QVERIFY(failures[0].contains(QStringLiteral("bg.jpg")));
    QVERIFY(failures[1].contains(QStringLiteral("zumimouth.jpg")));
    // The parts are empty and 0 x 0; the names are the defaults all the same.
    QCOMPARE(editor.record().part(ScenePart::ZumiMouth).name, QStringLiteral("zumimouth.jpg"));
    QCOMPARE(editor.record().part(ScenePart::ZumiMouth).w, 0.f);
    QCOMPARE(editor.record().part(ScenePart::UserBlink).w, 60.f);
    QCOMPARE(editor.canvas(), composite(QImage()));
}

void TestSceneEditor::cascade_data()
{
    QTest::addColumn<Action>("prepare");
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("name"); // what the name box shows afterwards
    QTest::addColumn<int>("redraws");

    const Action nothing = [](Fixture &) {};
    const Action hide = [](Fixture &f) { f.editor.setShowPart(false); };
    const Action userBlinkOn = [](Fixture &f) { f.editor.switchPart(ScenePart::UserBlink, true); };
    const QString mouth = QStringLiteral("zumimouth.jpg");
    const QString blink = QStringLiteral("userblink.jpg");

    // Switching a part on selects it (its option's redraw), shows it and redraws.
    QTest::newRow("part switched on")
        << nothing << userBlinkOn << int(ScenePart::UserBlink) << true << blink << 2;
    QTest::newRow("part switched on while hidden")
        << hide << userBlinkOn << int(ScenePart::UserBlink) << true << blink << 3;
    QTest::newRow("miscellaneous part switched on")
        << nothing << Action([](Fixture &f) { f.editor.switchPart(ScenePart::Misc, true); })
        << int(ScenePart::Misc) << true << QStringLiteral("miscpart.jpg") << 2;
    // Switched off, the selected part stays selected and drawn.
    QTest::newRow("selected part switched off")
        << userBlinkOn << Action([](Fixture &f) { f.editor.switchPart(ScenePart::UserBlink, false); })
        << int(ScenePart::UserBlink) << true << blink << 1;
    QTest::newRow("switched off while hidden shows it") << Action([](Fixture &f) {
        f.editor.switchPart(ScenePart::UserBlink, true);
        f.editor.setShowPart(false);
    }) << Action([](Fixture &f) { f.editor.switchPart(ScenePart::UserBlink, false); })
                                                        << int(ScenePart::UserBlink) << true << blink << 2;
    QTest::newRow("switch set to what it is")
        << nothing << Action([](Fixture &f) { f.editor.switchPart(ScenePart::UserBlink, false); })
        << int(ScenePart::ZumiMouth) << true << mouth << 0;
    QTest::newRow("option turned on")
        << userBlinkOn << Action([](Fixture &f) { f.editor.selectPart(ScenePart::ZumiMouth); })
        << int(ScenePart::ZumiMouth) << true << mouth << 1;
    QTest::newRow("option already on")
        << nothing << Action([](Fixture &f) { f.editor.selectPart(ScenePart::ZumiMouth); })
        << int(ScenePart::ZumiMouth) << true << mouth << 0;
    QTest::newRow("show/hide off") << nothing << hide << int(ScenePart::ZumiMouth) << false << mouth << 1;
    QTest::newRow("nudge") << nothing << Action([](Fixture &f) { f.editor.nudge(1, 0); })
                           << int(ScenePart::ZumiMouth) << true << mouth << 1;
    QTest::newRow("Nude BG") << nothing << Action([](Fixture &f) { f.editor.setNudeImageOn(true); })
                             << int(ScenePart::ZumiMouth) << true << mouth << 0;
    QTest::newRow("animation text") << nothing << Action([](Fixture &f) {
        f.editor.setAnimationText(SceneEditor::Rndm, QStringLiteral("5"));
    }) << int(ScenePart::ZumiMouth) << true
                                    << mouth << 0;
    QTest::newRow("save") << nothing << Action([](Fixture &f) { f.saved(); }) << int(ScenePart::ZumiMouth)
                          << true << mouth << 0;
    // The resets (the miscellaneous part and the user blink off, the Zumi mouth
    // selected), the user mouth switched on with its option, the final redraw.
    QTest::newRow("Load Scene naming the user mouth") << Action([](Fixture &f) {
        f.editor.switchPart(ScenePart::Misc, true);
        f.editor.switchPart(ScenePart::UserBlink, true);
    }) << Action([](Fixture &f) { f.editor.loadScene(QStringLiteral("UM=usermouth.jpg;")); })
                                                      << int(ScenePart::UserMouth) << true
                                                      << QStringLiteral("usermouth.jpg") << 3 + 2 + 1;
    // New Scene ends with the name box empty.
    QTest::newRow("New Scene") << userBlinkOn << Action([](Fixture &f) { f.editor.newScene(); })
                               << int(ScenePart::ZumiMouth) << true << QString() << 3;
}

// What each control's handler does to the other controls, and how often the
// canvas is rebuilt on the way.
void TestSceneEditor::cascade()
{
    QFETCH(Action, prepare);
    QFETCH(Action, action);
    QFETCH(int, selected);
    QFETCH(bool, shown);
    QFETCH(QString, name);
    QFETCH(int, redraws);
    Fixture f;
    prepare(f);
    const quint64 before = f.redraws();
    action(f);
    QCOMPARE(int(f.redraws() - before), redraws);
    QCOMPARE(f.editor.selectedPart(), selected);
    QCOMPARE(f.editor.showsPart(), shown);
    QCOMPARE(f.editor.shownName(), name);
    for (int id = 0; id < ScenePart::Count; ++id)
        QCOMPARE(f.editor.partEnabled(id), id == ScenePart::ZumiMouth || f.part(id).on);
    // Whatever the cascade, the canvas shows the selected part when shown.
    QCOMPARE(f.editor.canvas(),
             shown ? f.expectedCanvas() : composite(f.pictures.image(f.record().Background)));
}

void TestSceneEditor::alternativeBackground()
{
    Fixture f;
    const QImage nude = f.pictures.add(QStringLiteral("nude.bmp"), 300, 200, qRgb(90, 60, 30)).image;
    const QImage mouth = f.pictures.image(QStringLiteral("zumimouth.jpg"));
    const QImage normal = f.editor.canvas();

    f.editor.setNudeImageOn(true);
    QVERIFY(f.editor.alternativeEnabled());
    QCOMPARE(f.editor.canvas(), normal);
    // No alternative picture named: the plain colour.
    QVERIFY(f.editor.setAlternativeShown(true).isEmpty());
    QCOMPARE(f.editor.canvas(), composite(QImage(), mouth, 120, 90));
    f.editor.setAlternativeShown(false);
    QCOMPARE(f.editor.canvas(), normal);

    f.editor.loadPicture(SceneEditor::LoadAlternative, Picture(), QStringLiteral("nude.bmp"),
                         QStringLiteral("/elsewhere/nude.bmp"));
    QCOMPARE(f.editor.canvas(), normal);
    f.editor.setAlternativeShown(true);
    QCOMPARE(f.editor.canvas(), composite(nude, mouth, 120, 90));
    // "Nude BG" off keeps the swap and the box ticked, but disabled.
    f.editor.setNudeImageOn(false);
    QVERIFY(f.editor.alternativeShown() && !f.editor.alternativeEnabled());
    QCOMPARE(f.editor.canvas(), composite(nude, mouth, 120, 90));
    // New Scene disables the box even with "Nude BG" ticked, and shows the
    // default background with the box still ticked.
    f.editor.setNudeImageOn(true);
    f.editor.newScene();
    QVERIFY(f.record().NudeImageOn && f.editor.alternativeShown() && !f.editor.alternativeEnabled());
    QCOMPARE(f.editor.canvas(), normal);
    // A named picture that has gone: an error, the shown background stays.
    f.editor.setAlternativeShown(false);
    f.pictures.files.remove(Images + QStringLiteral("nude.bmp"));
    QVERIFY(f.editor.setAlternativeShown(true).contains(QStringLiteral("nude.bmp")));
    QCOMPARE(f.editor.canvas(), normal);
}

void TestSceneEditor::nudge_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<QPoint>("step");
    QTest::addColumn<QPointF>("expected");
    const int mouth = ScenePart::ZumiMouth;
    const int misc = ScenePart::Misc;
    const QSizeF m(120, 60);
    QTest::newRow("up from 0.5 stops at 0")
        << mouth << QPointF(10, 0.5) << m << QPoint(0, -1) << QPointF(10, 0);
    QTest::newRow("down at the bottom stays")
        << mouth << QPointF(10, 440) << m << QPoint(0, 1) << QPointF(10, 440);
    QTest::newRow("down to the bottom") << mouth << QPointF(10, 439) << m << QPoint(0, 1) << QPointF(10, 440);
    QTest::newRow("right, part wider than the canvas")
        << mouth << QPointF(-100, 0) << QSizeF(800, 60) << QPoint(1, 0) << QPointF(-100, 0);
    QTest::newRow("misc right, no limit")
        << misc << QPointF(900, 10) << m << QPoint(1, 0) << QPointF(901, 10);
    QTest::newRow("fraction kept") << mouth << QPointF(10.5, 20.25) << m << QPoint(1, 0)
                                   << QPointF(11.5, 20.25);
    // Ten pixels at a time (Shift with an arrow key), at the same limits.
    QTest::newRow("10 left") << mouth << QPointF(50, 10) << m << QPoint(-10, 0) << QPointF(40, 10);
    QTest::newRow("10 left stops at 0") << mouth << QPointF(4, 10) << m << QPoint(-10, 0) << QPointF(0, 10);
    QTest::newRow("10 up stops at 0") << misc << QPointF(4, 9.5) << m << QPoint(0, -10) << QPointF(4, 0);
    QTest::newRow("10 right to the edge")
        << mouth << QPointF(570, 10) << m << QPoint(10, 0) << QPointF(580, 10);
    QTest::newRow("10 right stops at the edge")
        << mouth << QPointF(575, 10) << m << QPoint(10, 0) << QPointF(580, 10);
    QTest::newRow("10 down stops at the edge")
        << mouth << QPointF(10, 435) << m << QPoint(0, 10) << QPointF(10, 440);
    QTest::newRow("misc 10 down, no limit")
        << misc << QPointF(10, 495) << m << QPoint(0, 10) << QPointF(10, 505);
}

void TestSceneEditor::nudge()
{
    QFETCH(int, part);
    QFETCH(QPointF, at);
    QFETCH(QSizeF, size);
    QFETCH(QPoint, step);
    QFETCH(QPointF, expected);
    Fixture f;
    if (part == ScenePart::Misc)
        f.editor.switchPart(part, true);
    SceneRecord::Part placed = f.part(part);
    placed.x = float(at.x()), placed.y = float(at.y()), placed.w = float(size.width()),
    placed.h = float(size.height());
    // Through the file, as a scene puts a part anywhere.
    f.editor.loadScene(QStringLiteral("%1=%2;%1x=%3;%1y=%4;%1w=%5;%1h=%6;")
                           .arg(part == ScenePart::Misc ? QStringLiteral("MP") : QStringLiteral("ZM"),
                                placed.name, SceneFile::numberText(placed.x), SceneFile::numberText(placed.y),
                                SceneFile::numberText(placed.w), SceneFile::numberText(placed.h)));
    QCOMPARE(f.editor.selectedPart(), part);
    const quint64 redraws = f.redraws();
    f.editor.nudge(step.x(), step.y());
    QCOMPARE(QPointF(f.part(part).x, f.part(part).y), expected);
    QCOMPARE(f.redraws(), redraws + 1);
}

void TestSceneEditor::dragArithmetic_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<float>("size");
    QTest::addColumn<float>("n");
    QTest::addColumn<float>("expected");
    QTest::newRow("inside") << int(ScenePart::ZumiMouth) << 100.0f << 12.25f << 12.25f;
    QTest::newRow("negative") << int(ScenePart::ZumiMouth) << 100.0f << -0.5f << 0.0f;
    QTest::newRow("at the limit") << int(ScenePart::UserBlink) << 100.0f << 600.0f << 600.0f;
    QTest::newRow("past the limit") << int(ScenePart::UserBlink) << 100.0f << 600.5f << 600.0f;
    // 700 - 0.1f rounds to a single before it is compared.
    QTest::newRow("single-precision limit") << int(ScenePart::ZumiBlink) << 0.1f << 699.95f << 700.0f - 0.1f;
    QTest::newRow("wider than the canvas") << int(ScenePart::ZumiMouth) << 800.0f << 5.0f << -100.0f;
    QTest::newRow("misc past the limit") << int(ScenePart::Misc) << 100.0f << 5000.0f << 5000.0f;
    QTest::newRow("misc negative") << int(ScenePart::Misc) << 100.0f << -1.0f << 0.0f;
}

void TestSceneEditor::dragArithmetic()
{
    QFETCH(int, part);
    QFETCH(float, size);
    QFETCH(float, n);
    QFETCH(float, expected);
    SceneRecord::Part fields;
    fields.w = size;
    fields.h = size;
    ScenePlacement::dragTo(fields, ScenePart::Id(part), n, n - 200, 700, 500);
    QCOMPARE(fields.x, expected);
}

void TestSceneEditor::drag()
{
    Fixture f;
    const QImage background = f.pictures.image(QStringLiteral("bg.jpg"));
    const QImage mouth = f.pictures.image(QStringLiteral("zumimouth.jpg"));
    // Far from the mouth at (120, 90): it keeps its offset from the pointer.
    f.editor.press(QPointF(600, 400));
    f.editor.move(QPointF(610, 405));
    QCOMPARE(QPointF(f.part(ScenePart::ZumiMouth).x, f.part(ScenePart::ZumiMouth).y), QPointF(130, 95));
    QCOMPARE(f.editor.canvas(), composite(background, mouth, 130, 95));
    f.editor.release();
    f.editor.move(QPointF(0, 0));
    QCOMPARE(f.part(ScenePart::ZumiMouth).x, 130.f);

    // With the outline, the part stays put and an inverted rectangle moves;
    // the release draws the part at its new place and leaves no outline.
    f.editor.setUseOutline(true);
    const SceneEditor::DrawCounts counts = f.editor.drawCounts();
    f.editor.press(QPointF(200, 200));
    f.editor.setUseOutline(false); // read at the press only
    f.editor.move(QPointF(230, 240));
    QCOMPARE(f.editor.drawCounts().redraws, counts.redraws);
    QCOMPARE(f.editor.drawCounts().outlines, counts.outlines + 3);
    QCOMPARE(f.editor.canvas().pixel(131, 96), composite(background, mouth, 130, 95).pixel(131, 96));
    f.editor.release();
    QCOMPARE(f.editor.canvas(), composite(background, mouth, 160, 135));

    // Hidden, a press starts no drag.
    f.editor.setShowPart(false);
    f.drag(QPointF(10, 10), QPointF(50, 50));
    QCOMPARE(f.part(ScenePart::ZumiMouth).x, 160.f);
}

void TestSceneEditor::loadPicture_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("selected"); // afterwards
    QTest::addColumn<int>("redraws");
    QTest::newRow("background") << int(SceneEditor::LoadBackground) << int(ScenePart::UserBlink) << 1;
    QTest::newRow("alternative background")
        << int(SceneEditor::LoadAlternative) << int(ScenePart::UserBlink) << 0;
    QTest::newRow("the selected part") << int(SceneEditor::LoadUserBlink) << int(ScenePart::UserBlink) << 1;
    QTest::newRow("another part") << int(SceneEditor::LoadZumiMouth) << int(ScenePart::ZumiMouth) << 2;
    QTest::newRow("misc part") << int(SceneEditor::LoadMisc) << int(ScenePart::Misc) << 2;
}

// Each LOAD serves its own holder, name and size, never the place.
void TestSceneEditor::loadPicture()
{
    QFETCH(int, target);
    QFETCH(int, selected);
    QFETCH(int, redraws);
    Fixture f;
    f.editor.switchPart(ScenePart::Misc, true);
    f.editor.switchPart(ScenePart::UserBlink, true);
    SceneRecord expected = f.record();
    const Picture picture = PictureLoader::fromImage(filled(100, 50, qRgb(10, 200, 90)));
    const quint64 before = f.redraws();

    f.editor.loadPicture(SceneEditor::LoadTarget(target), picture, QStringLiteral("chosen (2).bmp"),
                         QStringLiteral("/pictures/chosen.bmp"));
    QCOMPARE(int(f.redraws() - before), redraws);
    QCOMPARE(f.editor.selectedPart(), selected);
    QCOMPARE(f.editor.lastCut().path, QStringLiteral("/pictures/chosen.bmp"));
    QCOMPARE(f.editor.lastCut().start, qsizetype(11));
    QCOMPARE(f.editor.lastCut().value, QStringLiteral("chosen (2).bmp"));
    if (target == SceneEditor::LoadBackground) {
        expected.Background = QStringLiteral("chosen (2).bmp");
        QCOMPARE(f.editor.pictures().background, picture);
    } else if (target == SceneEditor::LoadAlternative) {
        expected.NudeImage = QStringLiteral("chosen (2).bmp");
    } else {
        // 100 x 50 pixels are 2646 x 1323 hundredths of a millimetre: 101 x 50.
        SceneRecord::Part &part = expected.part(target);
        part.name = QStringLiteral("chosen (2).bmp");
        part.w = 101;
        part.h = 50;
        QCOMPARE(f.editor.pictures().parts[size_t(target)], picture);
        QCOMPARE(f.editor.shownName(), QStringLiteral("chosen (2).bmp"));
    }
    QCOMPARE(f.record(), expected);
}

void TestSceneEditor::newScene()
{
    Fixture f;
    const QByteArray startUp = f.saved();
    const SceneRecord defaults = f.record();
    const QImage canvas = f.editor.canvas();
    for (int id : {ScenePart::ZumiBlink, ScenePart::UserMouth, ScenePart::UserBlink, ScenePart::Misc})
        f.editor.switchPart(id, true);
    f.editor.loadPicture(SceneEditor::LoadZumiMouth, PictureLoader::fromImage(filled(33, 22, qRgb(1, 1, 1))),
                         QStringLiteral("m.bmp"), QStringLiteral("/x/m.bmp"));
    f.editor.nudge(1, 0);
    f.editor.setShowPart(false);
    f.editor.setUseOutline(true);
    f.editor.setAnimationText(SceneEditor::Speed, QStringLiteral("7"));
    f.pictures.loaded.clear();

    QVERIFY(f.editor.newScene().isEmpty());
    QCOMPARE(f.pictures.loaded.size(), 6);
    QCOMPARE(f.record(), defaults);
    QCOMPARE(f.editor.selectedPart(), int(ScenePart::ZumiMouth));
    QVERIFY(f.editor.shownName().isEmpty());
    QVERIFY(f.editor.showsPart());
    QVERIFY(f.editor.useOutline());
    QCOMPARE(f.editor.canvas(), canvas);
    QCOMPARE(f.saved(), startUp);

    // A default picture that has gone since: its part is empty and 0 x 0.
    f.pictures.files.remove(Images + QStringLiteral("userblink.jpg"));
    const QStringList failures = f.editor.newScene();
    QCOMPARE(failures.size(), 1);
    QCOMPARE(f.part(ScenePart::UserBlink).w, 0.f);
    QCOMPARE(f.part(ScenePart::Misc).x, 0.f);
}

void TestSceneEditor::loadScene_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("switchedOn"); // parts by their file prefix
    QTest::addColumn<QString>("background");
    QTest::newRow("start-up file") << QStringLiteral("BG=bg.jpg;\r\nZM=zumimouth.jpg;\r\nZMx=3;\r\n")
                                   << int(ScenePart::ZumiMouth) << QString() << QStringLiteral("bg.jpg");
    QTest::newRow("user mouth only") << QStringLiteral("UM=usermouth.jpg;") << int(ScenePart::UserMouth)
                                     << QStringLiteral("UM") << QStringLiteral("bg.jpg");
    QTest::newRow("user mouth and Zumi blink: the later one is selected")
        << QStringLiteral("ZB=zumiblink.jpg;UM=usermouth.jpg;") << int(ScenePart::ZumiBlink)
        << QStringLiteral("ZB UM") << QStringLiteral("bg.jpg");
    QTest::newRow("everything") << QStringLiteral(
                                       "MP=miscpart.jpg;UB=userblink.jpg;ZB=zumiblink.jpg;UM=usermouth.jpg;")
                                << int(ScenePart::Misc) << QStringLiteral("ZB UM UB MP")
                                << QStringLiteral("bg.jpg");
    QTest::newRow("flag entry without its picture entry")
        << QStringLiteral("UserMouthOn;UMx=3;") << int(ScenePart::ZumiMouth) << QString()
        << QStringLiteral("bg.jpg");
    // A hand-edited last entry without ";" ends with its line.
    QTest::newRow("last entry without semicolon")
        << QStringLiteral("ZM=zumimouth.jpg;\r\nBG=other.bmp\r\n") << int(ScenePart::ZumiMouth) << QString()
        << QStringLiteral("other.bmp");
}

void TestSceneEditor::loadScene()
{
    QFETCH(QString, text);
    QFETCH(int, selected);
    QFETCH(QString, switchedOn);
    QFETCH(QString, background);
    Fixture f;
    f.pictures.add(QStringLiteral("other.bmp"), 100, 100, qRgb(9, 9, 9));
    f.editor.switchPart(ScenePart::UserBlink, true);
    f.editor.switchPart(ScenePart::Misc, true);
    f.editor.setAnimationText(SceneEditor::Frames, QStringLiteral("12"));
    f.editor.setNudeImageOn(true);
    f.editor.loadPicture(SceneEditor::LoadAlternative, Picture(), QStringLiteral("nude.bmp"),
                         QStringLiteral("/nude.bmp"));

    QVERIFY(f.editor.loadScene(text).isEmpty());
    QCOMPARE(f.editor.selectedPart(), selected);
    const char *const prefixes[] = {"ZM", "ZB", "UM", "UB", "MP"};
    for (int id = 1; id < ScenePart::Count; ++id)
        QCOMPARE(f.part(id).on, switchedOn.split(QLatin1Char(' ')).contains(QLatin1String(prefixes[id])));
    QCOMPARE(f.record().Background, background);
    QCOMPARE(f.editor.sceneText(), text);
    // The alternative background is not read, and not reset.
    QVERIFY(f.record().NudeImageOn);
    QCOMPARE(f.record().NudeImage, QStringLiteral("nude.bmp"));
    // Texts back to their defaults unless the file has the miscellaneous part.
    if (!f.part(ScenePart::Misc).on)
        QCOMPARE(f.record().MiscFrames, QStringLiteral("8"));
    QVERIFY(!f.editor.isModified());
    QCOMPARE(f.editor.canvas(), f.expectedCanvas());
}

void TestSceneEditor::loadSceneUnreadableChangesNothing()
{
    Fixture f;
    f.editor.switchPart(ScenePart::UserMouth, true);
    const SceneEditor::State before = f.editor.state();
    const int steps = f.editor.undoStack().count();
    const SceneEditor::LoadResult result =
        f.editor.loadSceneFile(f.dir.filePath(QStringLiteral("missing.scn")));
    QVERIFY(!result.ok());
    QVERIFY(result.error.contains(QStringLiteral("missing.scn")));
    QVERIFY(f.editor.state() == before);
    QCOMPARE(f.editor.undoStack().count(), steps);
}

// Scenes made on Windows name pictures in subfolders with "\".
void TestSceneEditor::namesWithBackslashes()
{
    Fixture f;
    const QImage faces = f.pictures.add(QStringLiteral("faces/m.bmp"), 40, 30, qRgb(1, 100, 200)).image;
    QVERIFY(f.editor.loadScene(QStringLiteral("ZM=faces\\m.bmp;ZMw=40;ZMh=30;")).isEmpty());
    QCOMPARE(f.pictures.loaded.last(), Images + QStringLiteral("faces/m.bmp"));
    QCOMPARE(f.part(ScenePart::ZumiMouth).name, QStringLiteral("faces\\m.bmp"));
    QCOMPARE(f.editor.canvas(), composite(f.pictures.image(QStringLiteral("bg.jpg")), faces, 0, 0));
    // The name is written back as it was read.
    QVERIFY(f.saved().contains("ZM=faces\\m.bmp;"));
}

void TestSceneEditor::undoRedo_data()
{
    QTest::addColumn<Action>("action");
    const auto row = [](const char *name, Action action) { QTest::newRow(name) << action; };
    row("drag", [](Fixture &f) { f.drag(QPointF(300, 300), QPointF(420, 250), 50); });
    row("drag with the outline", [](Fixture &f) {
        f.editor.setUseOutline(true);
        f.drag(QPointF(300, 300), QPointF(100, 400), 50);
    });
    row("nudge", [](Fixture &f) { f.editor.nudge(0, 10); });
    row("part switched on", [](Fixture &f) { f.editor.switchPart(ScenePart::UserBlink, true); });
    row("selected part switched off", [](Fixture &f) { f.editor.switchPart(ScenePart::Misc, false); });
    row("part chosen", [](Fixture &f) { f.editor.selectPart(ScenePart::ZumiMouth); });
    row("LOAD of a part", [](Fixture &f) {
        f.editor.loadPicture(SceneEditor::LoadZumiMouth,
                             PictureLoader::fromImage(filled(30, 20, qRgb(5, 5, 5))),
                             QStringLiteral("new.bmp"), QStringLiteral("/p/new.bmp"));
    });
    row("LOAD of the background", [](Fixture &f) {
        f.editor.loadPicture(SceneEditor::LoadBackground,
                             PictureLoader::fromImage(filled(30, 20, qRgb(5, 5, 5))),
                             QStringLiteral("new.bmp"), QStringLiteral("/p/new.bmp"));
    });
    row("New Scene", [](Fixture &f) { f.editor.newScene(); });
    row("Load Scene", [](Fixture &f) { f.editor.loadScene(QStringLiteral("UB=userblink.jpg;UBx=5;BG=;")); });
    row("typing", [](Fixture &f) {
        f.editor.setAnimationText(SceneEditor::Delay, QStringLiteral("4"));
        f.editor.setAnimationText(SceneEditor::Delay, QStringLiteral("42"));
    });
    row("Nude BG", [](Fixture &f) { f.editor.setNudeImageOn(true); });
    row("alternative picture", [](Fixture &f) {
        f.editor.loadPicture(SceneEditor::LoadAlternative, Picture(), QStringLiteral("n.bmp"),
                             QStringLiteral("/n.bmp"));
    });
    row("Show/Hide Image", [](Fixture &f) { f.editor.setShowPart(false); });
}

// Each kind of step: undo gives back the scene, the controls and the canvas
// as they were and the file as it was saved, byte for byte; redo gives the
// changed ones back.
void TestSceneEditor::undoRedo()
{
    QFETCH(Action, action);
    Fixture f;
    // A scene with something in it: the miscellaneous part on and moved.
    f.editor.switchPart(ScenePart::Misc, true);
    f.editor.nudge(3, 4);
    f.editor.setAnimationText(SceneEditor::Rndm, QString());
    f.editor.finishTextEdit();
    const QByteArray fileBefore = f.saved();
    const SceneEditor::State before = f.editor.state();
    const QImage canvasBefore = f.editor.canvas();
    const int steps = f.editor.undoStack().count();

    action(f);
    f.editor.finishTextEdit();
    const QByteArray fileAfter = f.saved();
    const SceneEditor::State after = f.editor.state();
    const QImage canvasAfter = f.editor.canvas();
    QCOMPARE(f.editor.undoStack().count(), steps + 1);

    f.editor.undo();
    QVERIFY(f.editor.state() == before);
    QCOMPARE(f.editor.canvas(), canvasBefore);
    QCOMPARE(f.saved(), fileBefore);
    f.editor.redo();
    QVERIFY(f.editor.state() == after);
    QCOMPARE(f.editor.canvas(), canvasAfter);
    QCOMPARE(f.saved(), fileAfter);
    // And back once more.
    f.editor.undo();
    QCOMPARE(f.saved(), fileBefore);
}

void TestSceneEditor::oneStepPerGesture()
{
    Fixture f;
    // A drag of a thousand moves is one step, whose two ends are all it keeps.
    f.drag(QPointF(300, 300), QPointF(500, 100), 1000);
    QCOMPARE(f.editor.undoStack().count(), 1);
    // A press and release without a move, and a nudge at a limit, are none.
    f.drag(QPointF(300, 300), QPointF(300, 300), 0);
    f.editor.loadScene(QStringLiteral("ZM=zumimouth.jpg;ZMx=0;ZMy=0;ZMw=120;ZMh=90;"));
    const int steps = f.editor.undoStack().count();
    f.editor.nudge(-1, 0);
    QCOMPARE(f.editor.undoStack().count(), steps);
    // A held nudge is one step; a second click is another.
    f.editor.nudge(1, 0);
    f.editor.nudge(1, 0, true);
    f.editor.nudge(1, 0, true);
    f.editor.nudge(1, 0);
    QCOMPARE(f.editor.undoStack().count(), steps + 2);
    QCOMPARE(f.part(ScenePart::ZumiMouth).x, 4.f);
    f.editor.undo();
    QCOMPARE(f.part(ScenePart::ZumiMouth).x, 3.f);
    f.editor.undo();
    QCOMPARE(f.part(ScenePart::ZumiMouth).x, 0.f);
    // Undo waits while a drag is on.
    f.editor.press(QPointF(10, 10));
    f.editor.move(QPointF(20, 20));
    f.editor.undo();
    QCOMPARE(f.part(ScenePart::ZumiMouth).x, 10.f);
    f.editor.release();
}

void TestSceneEditor::typingIsOneStepPerBox()
{
    Fixture f;
    f.editor.switchPart(ScenePart::Misc, true);
    const int steps = f.editor.undoStack().count();
    for (const char *text : {"1", "12", "125"})
        f.editor.setAnimationText(SceneEditor::Speed, QLatin1String(text));
    f.editor.setAnimationText(SceneEditor::Frames, QStringLiteral("9"));
    QCOMPARE(f.editor.undoStack().count(), steps + 2);
    // Leaving the box ends the step: typing again is a new one.
    f.editor.finishTextEdit();
    f.editor.setAnimationText(SceneEditor::Frames, QStringLiteral("99"));
    QCOMPARE(f.editor.undoStack().count(), steps + 3);
    // Typing that ends where it began leaves no step.
    f.editor.finishTextEdit();
    f.editor.setAnimationText(SceneEditor::Rndm, QStringLiteral("1000"));
    f.editor.setAnimationText(SceneEditor::Rndm, QStringLiteral("100"));
    QCOMPARE(f.editor.undoStack().count(), steps + 3);

    f.editor.undo();
    QCOMPARE(f.record().MiscFrames, QStringLiteral("9"));
    f.editor.undo();
    QCOMPARE(f.record().MiscFrames, QStringLiteral("8"));
    QCOMPARE(f.record().MiscSpeed, QStringLiteral("125"));
    f.editor.undo();
    QCOMPARE(f.record().MiscSpeed, QStringLiteral("100"));
}

void TestSceneEditor::modified()
{
    Fixture f;
    QVERIFY(!f.editor.isModified());
    // Choosing a part or hiding it is no change of the scene.
    f.editor.setShowPart(false);
    QVERIFY(!f.editor.isModified());
    f.editor.nudge(1, 0);
    QVERIFY(f.editor.isModified());
    f.editor.undo();
    QVERIFY(!f.editor.isModified());
    f.editor.redo();
    f.saved();
    QVERIFY(!f.editor.isModified());
    QVERIFY(f.editor.undoStack().isClean());
    f.editor.undo();
    QVERIFY(f.editor.isModified());
    // Loading makes the loaded scene the saved one; undoing the load does not.
    f.editor.loadScene(QStringLiteral("ZM=zumimouth.jpg;ZMx=7;"));
    QVERIFY(!f.editor.isModified());
    f.editor.undo();
    QVERIFY(f.editor.isModified());
    // A failed save leaves it changed.
    QVERIFY(!f.editor.writeScene(f.dir.filePath(QStringLiteral("no/such/folder/x.scn"))).isEmpty());
    QVERIFY(f.editor.isModified());
}

void TestSceneEditor::changesAreReportedOncePerCall()
{
    Fixture f;
    QSignalSpy changed(&f.editor, &SceneEditor::changed);
    f.editor.switchPart(ScenePart::UserMouth, true);
    QCOMPARE(changed.size(), 1);
    const auto what = [&](int i) { return changed.at(i).at(0).value<SceneEditor::Changes>(); };
    QVERIFY(what(0).testFlags(SceneEditor::CanvasChanged | SceneEditor::ControlsChanged |
                              SceneEditor::ShownNameChanged | SceneEditor::RecordChanged |
                              SceneEditor::ModifiedChanged));
    // Typing changes the record, never the texts shown (the box has them).
    f.editor.setAnimationText(SceneEditor::Delay, QStringLiteral("4"));
    QCOMPARE(changed.size(), 2);
    QCOMPARE(what(1), SceneEditor::Changes(SceneEditor::RecordChanged));
    // A drag reports every move, on the canvas and the record.
    f.editor.press(QPointF(1, 1));
    f.editor.move(QPointF(2, 2));
    QCOMPARE(changed.size(), 3);
    QCOMPARE(what(2), SceneEditor::Changes(SceneEditor::CanvasChanged | SceneEditor::RecordChanged));
    f.editor.release();
    // Undo reports everything.
    changed.clear();
    f.editor.undo();
    QCOMPARE(changed.size(), 1);
    QVERIFY(what(0).testFlags(SceneEditor::TextsChanged | SceneEditor::ControlsChanged));
}

// However the canvas was drawn (a redraw restores only what the part and the
// outlines covered), it is what a rebuild from the background would give, and
// the area reported changed holds every pixel that changed.
void TestSceneEditor::canvasIsAlwaysTheSceneRebuilt()
{
    Fixture f;
    f.pictures.add(QStringLiteral("small.bmp"), 300, 200, qRgb(90, 60, 30));
    f.pictures.add(QStringLiteral("nude.bmp"), 800, 600, qRgb(10, 20, 30));
    f.editor.setNudeImageOn(true);
    f.editor.loadPicture(SceneEditor::LoadAlternative, Picture(), QStringLiteral("nude.bmp"),
                         QStringLiteral("/n"));
    QRect reported;
    connect(&f.editor, &SceneEditor::changed, this, [&] { reported |= f.editor.changedCanvasArea(); });
    QRandomGenerator random(4242);
    QImage before = f.editor.canvas().copy();
    for (int round = 0; round < 400; ++round) {
        const QPointF at(random.bounded(-100, 800), random.bounded(-100, 600));
        switch (random.bounded(10)) {
        case 0:
            f.editor.setUseOutline(random.bounded(2) == 1);
            f.drag(at, QPointF(random.bounded(-100, 800), random.bounded(-100, 600)), random.bounded(1, 6));
            break;
        case 1:
            f.editor.nudge(random.bounded(2) ? 10 : -1, 0);
            break;
        case 2:
            f.editor.switchPart(random.bounded(1, ScenePart::Count), random.bounded(2) == 1);
            break;
        case 3:
            f.editor.selectPart(random.bounded(ScenePart::Count));
            break;
        case 4:
            f.editor.setShowPart(random.bounded(3) != 0);
            break;
        case 5:
            f.editor.setAlternativeShown(random.bounded(2) == 1);
            break;
        case 6:
            f.editor.loadPicture(SceneEditor::LoadBackground,
                                 f.pictures.files[Images + QStringLiteral("small.bmp")],
                                 QStringLiteral("small.bmp"), QStringLiteral("/small.bmp"));
            break;
        case 7:
            f.editor.undo();
            break;
        case 8:
            f.editor.redo();
            break;
        default:
            // An outline left on the canvas by a press, then a release.
            f.editor.setUseOutline(true);
            f.editor.press(at);
            f.editor.release();
            break;
        }
        const int id = f.editor.selectedPart();
        CanvasPicture rebuilt;
        rebuilt.setBasePicture(f.editor.pictures().background.image);
        if (f.editor.showsPart()) {
            const SceneRecord::Part &p = f.part(id);
            rebuilt.copyPicture(f.editor.pictures().parts[size_t(id)].image, p.x, p.y, p.w, p.h);
        }
        QVERIFY2(f.editor.canvas() == rebuilt.image(), qPrintable(QStringLiteral("round %1").arg(round)));

        const QImage &after = f.editor.canvas();
        for (int y = 0; y < after.height(); ++y) {
            const auto *was = reinterpret_cast<const QRgb *>(before.constScanLine(y));
            const auto *is = reinterpret_cast<const QRgb *>(after.constScanLine(y));
            for (int x = 0; x < after.width(); ++x) {
                if (was[x] != is[x] && !reported.contains(x, y))
                    QFAIL(qPrintable(
                        QStringLiteral("round %1: (%2, %3) changed unreported").arg(round).arg(x).arg(y)));
            }
        }
        reported = QRect();
        before = after.copy();
    }
}

QTEST_GUILESS_MAIN(TestSceneEditor)
#include "tst_scene_editor.moc"
