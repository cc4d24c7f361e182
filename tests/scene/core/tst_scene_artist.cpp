// SPDX-License-Identifier: GPL-3.0-or-later
#include "CanvasPicture.h"
#include "SceneEditor.h"
#include "SceneGhosts.h"
#include "ScenePlacement.h"

#include <QtTest>

// The artist's commands on the editor (each one undo step), the placement
// limits of "Position and Size" and what "Show Other Parts" draws.
class TestSceneArtist : public QObject
{
    Q_OBJECT
private slots:
    void holdPlace_data();
    void holdPlace();
    void cutOutIsOneStep();
    void stripIsOneStep();
    void placeKeepsOrRestores();
    void ghostsLieUnderTheSelectedPart();
};

namespace {

const QRgb Background = qRgb(0, 100, 0);

Picture filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return PictureLoader::fromImage(image);
}

// Every picture the editor loads is one of a single colour: the background
// 700 x 500; every overlay 100 x 50.
SceneEditor::Environment environment()
{
    return {[] { return QStringLiteral("/kit/"); },
            [](const QString &path) {
                PictureResult result;
                result.picture = path.endsWith(QStringLiteral("bg.jpg")) ? filled(700, 500, Background)
                                                                         : filled(100, 50, qRgb(200, 0, 0));
                return result;
            }};
}

} // namespace

void TestSceneArtist::holdPlace_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<QRectF>("asked");
    QTest::addColumn<QRectF>("held");
    const int zm = ScenePart::ZumiMouth;
    const int mp = ScenePart::Misc;
    QTest::newRow("inside stays") << zm << QRectF(10.5, 20, 30, 40) << QRectF(10.5, 20, 30, 40);
    QTest::newRow("left and top edges") << zm << QRectF(-5, -1, 30, 40) << QRectF(0, 0, 30, 40);
    QTest::newRow("far edges on the canvas") << zm << QRectF(690, 480, 30, 40) << QRectF(670, 460, 30, 40);
    QTest::newRow("far edge exactly on the limit")
        << zm << QRectF(670, 460, 30, 40) << QRectF(670, 460, 30, 40);
    QTest::newRow("no smaller than a pixel") << zm << QRectF(5, 5, 0, -3) << QRectF(5, 5, 1, 1);
    QTest::newRow("no larger than the canvas") << zm << QRectF(5, 5, 900, 600) << QRectF(0, 0, 700, 500);
    QTest::newRow("misc runs past the far edges")
        << mp << QRectF(900, 600, 2000, 48) << QRectF(900, 600, 2000, 48);
    QTest::newRow("misc still stops left and top") << mp << QRectF(-3, -4, 20, 10) << QRectF(0, 0, 20, 10);
    QTest::newRow("no number is the smallest") << zm << QRectF(qQNaN(), 5, qQNaN(), 5) << QRectF(0, 5, 1, 5);
}

void TestSceneArtist::holdPlace()
{
    QFETCH(int, part);
    QFETCH(QRectF, asked);
    QFETCH(QRectF, held);
    SceneRecord::Part placed;
    ScenePlacement::holdPlace(placed, ScenePart::Id(part), float(asked.x()), float(asked.y()),
                              float(asked.width()), float(asked.height()));
    QCOMPARE(QRectF(placed.x, placed.y, placed.w, placed.h), held);
}

void TestSceneArtist::cutOutIsOneStep()
{
    SceneEditor editor(environment());
    editor.startUp();
    const SceneEditor::State before = editor.state();
    const Picture blink = filled(40, 12, qRgb(0, 0, 250));
    editor.placeCutOut(ScenePart::ZumiBlink, blink, QStringLiteral("eyes-zumiblink.bmp"),
                       QRect(310, 95, 40, 12));
    const SceneRecord::Part &part = editor.record().part(ScenePart::ZumiBlink);
    QVERIFY(part.on);
    QCOMPARE(QRectF(part.x, part.y, part.w, part.h), QRectF(310, 95, 40, 12));
    QCOMPARE(part.name, QStringLiteral("eyes-zumiblink.bmp"));
    QCOMPARE(editor.selectedPart(), int(ScenePart::ZumiBlink));
    QCOMPARE(editor.shownName(), QStringLiteral("eyes-zumiblink.bmp"));
    QCOMPARE(editor.canvas().pixel(330, 100), qRgb(0, 0, 250));
    QCOMPARE(editor.undoStack().count(), 1);
    editor.undo();
    QVERIFY(editor.state() == before);
    QCOMPARE(editor.canvas().pixel(330, 100), Background);
}

void TestSceneArtist::stripIsOneStep()
{
    SceneEditor editor(environment());
    editor.startUp();
    editor.loadStrip(filled(90, 20, qRgb(9, 9, 9)), QStringLiteral("wave-miscpart.bmp"),
                     QStringLiteral("/kit/Images/wave-miscpart.bmp"), 3);
    QVERIFY(editor.record().part(ScenePart::Misc).on);
    QCOMPARE(editor.record().MiscFrames, QStringLiteral("3"));
    QCOMPARE(editor.record().part(ScenePart::Misc).name, QStringLiteral("wave-miscpart.bmp"));
    QCOMPARE(editor.selectedPart(), int(ScenePart::Misc));
    QCOMPARE(editor.undoStack().count(), 1);
    editor.undo();
    QVERIFY(!editor.record().part(ScenePart::Misc).on);
    QCOMPARE(editor.record().MiscFrames, QStringLiteral("8"));
}

void TestSceneArtist::placeKeepsOrRestores()
{
    SceneEditor editor(environment());
    editor.startUp();
    const SceneRecord::Part start = editor.record().part(ScenePart::ZumiMouth);
    // Cancel: every change shown on the way, then the part back, no step.
    editor.beginPlace();
    editor.setPlace(10, 20, 30, 40);
    QCOMPARE(editor.record().part(ScenePart::ZumiMouth).x, 10.0f);
    QCOMPARE(editor.canvas().pixel(15, 25), qRgb(200, 0, 0));
    editor.setPlace(690, 20, 30, 40);
    QCOMPARE(editor.record().part(ScenePart::ZumiMouth).x, 670.0f);
    editor.endPlace(false);
    QVERIFY(editor.record().part(ScenePart::ZumiMouth) == start);
    QCOMPARE(editor.canvas().pixel(15, 25), Background);
    QCOMPARE(editor.undoStack().count(), 0);
    // OK: the changes are one step.
    editor.beginPlace();
    editor.setPlace(10, 20, 30, 40);
    editor.setPlace(11, 21, 31, 41);
    editor.endPlace(true);
    QCOMPARE(editor.undoStack().count(), 1);
    QCOMPARE(editor.undoStack().text(0), QStringLiteral("Position and Size"));
    editor.undo();
    QVERIFY(editor.record().part(ScenePart::ZumiMouth) == start);
    // Outside a placing session nothing moves.
    editor.setPlace(1, 1, 1, 1);
    QVERIFY(editor.record().part(ScenePart::ZumiMouth) == start);
}

// Other parts that are in the scene show at half strength over the
// background, under the selected part; parts not in the scene do not show.
void TestSceneArtist::ghostsLieUnderTheSelectedPart()
{
    SceneState state;
    state.pictures.background = filled(700, 500, qRgb(0, 100, 0));
    state.pictures.parts[ScenePart::ZumiMouth] = filled(100, 50, qRgb(200, 0, 0));
    state.pictures.parts[ScenePart::ZumiBlink] = filled(100, 50, qRgb(0, 0, 200));
    state.pictures.parts[ScenePart::UserMouth] = filled(100, 50, qRgb(250, 250, 250));
    auto place = [&state](int id, int x, int y) {
        SceneRecord::Part &part = state.record.part(id);
        part.x = float(x), part.y = float(y), part.w = 100, part.h = 50;
    };
    place(ScenePart::ZumiMouth, 100, 100);
    place(ScenePart::ZumiBlink, 150, 120); // overlaps the mouth
    place(ScenePart::UserMouth, 400, 300);
    state.record.part(ScenePart::ZumiBlink).on = true;
    state.selected = ScenePart::ZumiMouth;
    state.showPart = true;
    CanvasPicture canvas;
    canvas.setBasePicture(state.pictures.background.image);
    canvas.copyPicture(state.pictures.parts[ScenePart::ZumiMouth].image, 100, 100, 100, 50);

    const QImage ghosts = SceneGhosts::compose(canvas.image(), state);
    QCOMPARE(ghosts.pixel(120, 110), qRgb(200, 0, 0));  // the selected part
    QCOMPARE(ghosts.pixel(180, 140), qRgb(200, 0, 0));  // over the blink where they overlap
    QCOMPARE(ghosts.pixel(220, 160), qRgb(0, 50, 100)); // the blink, half over the background
    QCOMPARE(ghosts.pixel(450, 320), Background);       // the user mouth is not in the scene
    QCOMPARE(ghosts.pixel(10, 10), Background);
    // Hidden, the selected part does not cover the others.
    state.showPart = false;
    canvas.setBasePicture(state.pictures.background.image);
    QCOMPARE(SceneGhosts::compose(canvas.image(), state).pixel(180, 140), qRgb(0, 50, 100));
}

QTEST_GUILESS_MAIN(TestSceneArtist)
#include "tst_scene_artist.moc"
