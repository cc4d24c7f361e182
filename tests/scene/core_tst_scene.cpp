#include "SceneDefaults.h"
#include "SceneFile.h"
#include "SceneRecord.h"

#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(SceneRecord)

namespace {

QString fromLatin1(const char *text)
{
    return QString::fromLatin1(text);
}

// A scene file's text as stored on disk (the golden files are 8-bit text).
QString goldenText(const char *name)
{
    QFile file(QStringLiteral(MINDLOOM_TEST_DATA "/") + fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<cannot read %1>").arg(file.fileName());
    return QString::fromLatin1(file.readAll());
}

// The file that saving writes: the text and one more line end.
QString fileText(const SceneRecord &scene)
{
    return BuildSceneText(scene) + QStringLiteral("\r\n");
}

// Start-up with a Zumi mouth picture reported 3175 x 2381 (120 x 90).
SceneRecord startupScene()
{
    SceneRecord scene;
    std::array<SceneDefaults::HimetricSize, SceneDefaults::PartCount> pictures{};
    pictures[SceneDefaults::ZumiMouthPart] = {3175, 2381};
    pictures[SceneDefaults::UserBlinkPart] = {1588, 794}; // 60 x 30 pixels
    pictures[SceneDefaults::MiscPart] = {5292, 1059};     // comes out 200 x 40
    SceneDefaults::setDefaultGeometry(scene, pictures);
    return scene;
}

SceneRecord everythingOnScene()
{
    SceneRecord scene;
    scene.Background = QStringLiteral("bg2.jpg");
    scene.ZumiMouth = QStringLiteral("zm.bmp");
    scene.ZMh = 60, scene.ZMw = 80, scene.ZMx = -3, scene.ZMy = 12.5f;
    scene.ZumiBlinkOn = true;
    scene.ZumiBlink = QStringLiteral("zb.jpg");
    scene.ZBh = 10, scene.ZBw = 20, scene.ZBx = 30, scene.ZBy = 40;
    scene.UserMouthOn = true;
    scene.UserMouth = QStringLiteral("um.jpg");
    scene.UMh = 1, scene.UMw = 2, scene.UMx = 3, scene.UMy = 4;
    scene.UserBlinkOn = true;
    scene.UserBlink = QStringLiteral("ub.jpg");
    scene.UBh = 30, scene.UBw = 60, scene.UBx = 60, scene.UBy = 30;
    scene.MiscOn = true;
    scene.MiscPart = QStringLiteral("mp.jpg");
    scene.MPh = 40, scene.MPw = 200, scene.MPx = 1234567, scene.MPy = 0.5f;
    scene.MiscRndm = QStringLiteral("7");
    scene.MiscFrames = QString();
    scene.MiscDelay = QStringLiteral(" ");
    scene.MiscSpeed = QStringLiteral("12;13");
    scene.NudeImageOn = true;
    scene.NudeImage = QStringLiteral("nude.jpg");
    return scene;
}

// Restores the default locale when a test that changed it ends.
struct DefaultLocaleGuard
{
    QLocale saved;
    ~DefaultLocaleGuard() { QLocale::setDefault(saved); }
};

} // namespace

class SceneCoreTest : public QObject
{
    Q_OBJECT
private slots:
    void defaultRecordIsTheStartupState();

    void writesTheFileByteForByte_data();
    void writesTheFileByteForByte();
    void switchedOffPartLeavesNoTrace_data();
    void switchedOffPartLeavesNoTrace();
    void animationTextsAndSubstitutes_data();
    void animationTextsAndSubstitutes();
    void alternativeBackgroundEntry_data();
    void alternativeBackgroundEntry();

    void findsEntries_data();
    void findsEntries();

    void numberText_data();
    void numberText();
    void numberFromText_data();
    void numberFromText();
    void numbersIgnoreTheUsersLocale();

    void defaultSize_data();
    void defaultSize();
    void loadedSize_data();
    void loadedSize();
    void defaultGeometry();
    void defaultTexts();

    void readsWhatStartupWrote();
    void readsEntriesWhereverTheyStand_data();
    void readsEntriesWhereverTheyStand();
    void readingChangesOnlyWhatTheFileNames();
    void writeReadRoundTrip();
};

void SceneCoreTest::defaultRecordIsTheStartupState()
{
    const SceneRecord scene;
    QCOMPARE(scene.Background, QStringLiteral("bg.jpg"));
    QCOMPARE(scene.ZumiMouth, QStringLiteral("zumimouth.jpg"));
    QCOMPARE(scene.ZumiBlink, QStringLiteral("zumiblink.jpg"));
    QCOMPARE(scene.UserMouth, QStringLiteral("usermouth.jpg"));
    QCOMPARE(scene.UserBlink, QStringLiteral("userblink.jpg"));
    QCOMPARE(scene.MiscPart, QStringLiteral("miscpart.jpg"));
    QVERIFY(scene.NudeImage.isEmpty());
    QCOMPARE(scene.MiscFrames, QStringLiteral("8"));
    QCOMPARE(scene.MiscSpeed, QStringLiteral("100"));
    QCOMPARE(scene.MiscRndm, QStringLiteral("100"));
    QCOMPARE(scene.MiscDelay, QStringLiteral("3"));
    QVERIFY(!scene.ZumiBlinkOn && !scene.UserMouthOn && !scene.UserBlinkOn && !scene.MiscOn &&
            !scene.NudeImageOn);
    const float geometry[] = {scene.ZMw, scene.ZMh, scene.ZMx, scene.ZMy, scene.ZBw, scene.ZBh, scene.ZBx,
                              scene.ZBy, scene.UMw, scene.UMh, scene.UMx, scene.UMy, scene.UBw, scene.UBh,
                              scene.UBx, scene.UBy, scene.MPw, scene.MPh, scene.MPx, scene.MPy};
    for (float value : geometry)
        QCOMPARE(value, 0.f);
}

void SceneCoreTest::writesTheFileByteForByte_data()
{
    QTest::addColumn<SceneRecord>("scene");
    QTest::addColumn<QString>("golden");

    QTest::newRow("start-up") << startupScene() << goldenText("core_startup.scn");
    SceneRecord misc = startupScene();
    misc.MiscOn = true;
    misc.MiscRndm.clear();
    QTest::newRow("miscellaneous part on, Rndm empty") << misc << goldenText("core_misc_on.scn");
    QTest::newRow("everything on") << everythingOnScene() << goldenText("core_everything_on.scn");
}

void SceneCoreTest::writesTheFileByteForByte()
{
    QFETCH(SceneRecord, scene);
    QFETCH(QString, golden);
    QCOMPARE(fileText(scene), golden);
}

void SceneCoreTest::switchedOffPartLeavesNoTrace_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<QStringList>("gone");
    QTest::newRow("Zumi blink") << int(SceneDefaults::ZumiBlinkPart)
                                << QStringList{QStringLiteral("ZumiBlinkOn"), QStringLiteral("ZB")};
    QTest::newRow("user mouth") << int(SceneDefaults::UserMouthPart)
                                << QStringList{QStringLiteral("UserMouthOn"), QStringLiteral("UM")};
    QTest::newRow("user blink") << int(SceneDefaults::UserBlinkPart)
                                << QStringList{QStringLiteral("UserBlinkOn"), QStringLiteral("UB")};
    QTest::newRow("miscellaneous part")
        << int(SceneDefaults::MiscPart)
        << QStringList{QStringLiteral("MiscOn"), QStringLiteral("MP"),  QStringLiteral("MR="),
                       QStringLiteral("MF="),    QStringLiteral("MD="), QStringLiteral("MS=")};
}

void SceneCoreTest::switchedOffPartLeavesNoTrace()
{
    QFETCH(int, part);
    QFETCH(QStringList, gone);
    SceneRecord scene = everythingOnScene();
    bool *flags[] = {nullptr, &scene.ZumiBlinkOn, &scene.UserMouthOn, &scene.UserBlinkOn, &scene.MiscOn};
    *flags[part] = false;
    const QString text = BuildSceneText(scene);

    for (const QString &trace : gone)
        QVERIFY2(!text.contains(trace), qPrintable(trace));
    // Every other line is still there, in the same order.
    QStringList expected = BuildSceneText(everythingOnScene()).split(QStringLiteral("\r\n"));
    expected.removeIf([&](const QString &line) {
        return std::any_of(gone.begin(), gone.end(), [&](const QString &t) { return line.startsWith(t); });
    });
    QCOMPARE(text.split(QStringLiteral("\r\n")), expected);
    // Switching it on again brings the kept name and numbers back.
    *flags[part] = true;
    QCOMPARE(BuildSceneText(scene), BuildSceneText(everythingOnScene()));
}

void SceneCoreTest::animationTextsAndSubstitutes_data()
{
    QTest::addColumn<QStringList>("boxes"); // Rndm, Frames, Delay, Speed
    QTest::addColumn<QString>("written");

    QTest::newRow("defaults") << QStringList{QStringLiteral("100"), QStringLiteral("8"), QStringLiteral("3"),
                                             QStringLiteral("100")}
                              << QStringLiteral("MR=100;\r\nMF=8;\r\nMD=3;\r\nMS=100;\r\n");
    QTest::newRow("all empty") << QStringList{QString(), QString(), QString(), QString()}
                               << QStringLiteral("MR=990;\r\nMF=8;\r\nMD=5;\r\nMS=100;\r\n");
    QTest::newRow("space is not empty")
        << QStringList{QStringLiteral(" "), QStringLiteral(" 7"), QStringLiteral("  "), QStringLiteral("x ")}
        << QStringLiteral("MR= ;\r\nMF= 7;\r\nMD=  ;\r\nMS=x ;\r\n");
    QTest::newRow("semicolon written unchanged")
        << QStringList{QStringLiteral("1"), QStringLiteral("7;8"), QStringLiteral("2"), QStringLiteral("3")}
        << QStringLiteral("MR=1;\r\nMF=7;8;\r\nMD=2;\r\nMS=3;\r\n");
}

void SceneCoreTest::animationTextsAndSubstitutes()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, written);
    SceneRecord scene = startupScene();
    scene.MiscOn = true;
    scene.MiscRndm = boxes[0];
    scene.MiscFrames = boxes[1];
    scene.MiscDelay = boxes[2];
    scene.MiscSpeed = boxes[3];
    QVERIFY(BuildSceneText(scene).endsWith(QStringLiteral("MPy=30;\r\n") + written));
}

void SceneCoreTest::alternativeBackgroundEntry_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("lastLine"); // empty = no "NI=" entry

    QTest::newRow("on, no picture chosen") << true << QString() << QString();
    QTest::newRow("picture chosen, off") << false << QStringLiteral("n.jpg") << QString();
    QTest::newRow("on with picture") << true << QStringLiteral("n.jpg") << QStringLiteral("NI=n.jpg;\r\n");
    QTest::newRow("name with a space only") << true << QStringLiteral(" ") << QStringLiteral("NI= ;\r\n");
}

void SceneCoreTest::alternativeBackgroundEntry()
{
    QFETCH(bool, on);
    QFETCH(QString, name);
    QFETCH(QString, lastLine);
    SceneRecord scene = startupScene();
    scene.NudeImageOn = on;
    scene.NudeImage = name;
    QCOMPARE(BuildSceneText(scene), BuildSceneText(startupScene()) + lastLine);
}

void SceneCoreTest::findsEntries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("valueStart"); // 1-based
    QTest::addColumn<int>("semicolon");  // 1-based, 0 = none

    const QString startup = goldenText("core_startup.scn");
    QTest::newRow("background") << startup << QStringLiteral("BG=") << true << QStringLiteral("bg.jpg") << 4
                                << 10;
    QTest::newRow("number") << startup << QStringLiteral("ZMh=") << true << QStringLiteral("90") << 36 << 38;
    QTest::newRow("absent key") << startup << QStringLiteral("UM=") << false << QString() << 0 << 0;
    QTest::newRow("flag word is no value entry")
        << QStringLiteral("MiscOn;\r\n") << QStringLiteral("MiscOn=") << false << QString() << 0 << 0;
    QTest::newRow("empty value") << QStringLiteral("BG=;ZM=a;") << QStringLiteral("BG=") << true << QString()
                                 << 4 << 4;
    QTest::newRow("no semicolon: to the end")
        << QStringLiteral("ZM=a;BG=pic.jpg\r\n") << QStringLiteral("BG=") << true
        << QStringLiteral("pic.jpg\r\n") << 9 << 0;
    QTest::newRow("key at the very end")
        << QStringLiteral("x;BG=") << QStringLiteral("BG=") << true << QString() << 6 << 0;
    QTest::newRow("semicolons before the key do not count")
        << QStringLiteral(";;BG=a;") << QStringLiteral("BG=") << true << QStringLiteral("a") << 6 << 7;
    QTest::newRow("key inside a name") << QStringLiteral("MP=xMR=5.jpg;\r\nMR=990;\r\n")
                                       << QStringLiteral("MR=") << true << QStringLiteral("5.jpg") << 8 << 13;
    QTest::newRow("case matters") << QStringLiteral("bg=lower;BG=upper;") << QStringLiteral("BG=") << true
                                  << QStringLiteral("upper") << 13 << 18;
    QTest::newRow("lower-case key only")
        << QStringLiteral("bg=lower;") << QStringLiteral("BG=") << false << QString() << 0 << 0;
    QTest::newRow("first occurrence wins") << QStringLiteral("BG=one;BG=two;") << QStringLiteral("BG=")
                                           << true << QStringLiteral("one") << 4 << 7;
    QTest::newRow("nothing trimmed") << QStringLiteral("BG= a b \r\n;") << QStringLiteral("BG=") << true
                                     << QStringLiteral(" a b \r\n") << 4 << 11;
    QTest::newRow("longer key containing the key")
        << QStringLiteral("ZMh=90;ZM=a;") << QStringLiteral("ZM=") << true << QStringLiteral("a") << 11 << 12;
    QTest::newRow("empty text") << QString() << QStringLiteral("BG=") << false << QString() << 0 << 0;
    QTest::newRow("empty key") << startup << QString() << false << QString() << 0 << 0;
}

void SceneCoreTest::findsEntries()
{
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(bool, found);
    QFETCH(QString, value);
    QFETCH(int, valueStart);
    QFETCH(int, semicolon);

    QString got = QStringLiteral("untouched");
    QCOMPARE(FindSceneEntry(text, key, &got), found);
    if (found)
        QCOMPARE(got, value);
    QCOMPARE(FindSceneEntry(text, key, nullptr), found);

    const SceneFile::EntryPosition entry = SceneFile::findEntry(text, key);
    QCOMPARE(entry.found, found);
    QCOMPARE(entry.value, value);
    QCOMPARE(entry.valueStart, qsizetype(valueStart));
    QCOMPARE(entry.semicolon, qsizetype(semicolon));
}

void SceneCoreTest::numberText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 120.f << QStringLiteral("120");
    QTest::newRow("zero") << 0.f << QStringLiteral("0");
    QTest::newRow("minus zero") << -0.f << QStringLiteral("0");
    QTest::newRow("negative") << -3.f << QStringLiteral("-3");
    QTest::newRow("fraction") << 12.5f << QStringLiteral("12.5");
    QTest::newRow("negative fraction") << -0.25f << QStringLiteral("-0.25");
    QTest::newRow("seven digits") << 1234567.f << QStringLiteral("1234567");
    QTest::newRow("no group separator") << -9999999.f << QStringLiteral("-9999999");
    QTest::newRow("eight digits") << 12345678.f << QStringLiteral("1.234568E+07");
    QTest::newRow("seven significant digits") << 1.f / 3.f << QStringLiteral("0.3333333");
    QTest::newRow("single noise cut off") << 0.1f << QStringLiteral("0.1");
    QTest::newRow("small") << 0.0001f << QStringLiteral("0.0001");
    QTest::newRow("smaller") << 0.00001f << QStringLiteral("1E-05");
    QTest::newRow("huge") << 3.0e38f << QStringLiteral("3E+38");
    QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << QStringLiteral("0");
    QTest::newRow("infinite") << -std::numeric_limits<float>::infinity() << QStringLiteral("0");
}

void SceneCoreTest::numberText()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(SceneFile::numberText(value), text);
}

void SceneCoreTest::numberFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("value");

    QTest::newRow("whole") << QStringLiteral("120") << 120.f;
    QTest::newRow("negative") << QStringLiteral("-3") << -3.f;
    QTest::newRow("plus sign") << QStringLiteral("+5") << 5.f;
    QTest::newRow("fraction") << QStringLiteral("12.5") << 12.5f;
    QTest::newRow("bare fraction") << QStringLiteral(".5") << 0.5f;
    QTest::newRow("exponent as written") << QStringLiteral("1.234568E+07") << 12345680.f;
    QTest::newRow("small exponent") << QStringLiteral("1E-05") << 0.00001f;
    QTest::newRow("leading spaces") << QStringLiteral("  7") << 7.f;
    QTest::newRow("trailing spaces") << QStringLiteral("7  ") << 7.f;
    QTest::newRow("line end (no semicolon)") << QStringLiteral("\t90\r\n") << 90.f;
    QTest::newRow("decimal comma") << QStringLiteral("12,5") << 12.5f;
    QTest::newRow("empty") << QString() << 0.f;
    QTest::newRow("spaces only") << QStringLiteral("   ") << 0.f;
    QTest::newRow("word") << QStringLiteral("abc") << 0.f;
    QTest::newRow("number then word") << QStringLiteral("12px") << 0.f;
    QTest::newRow("space inside") << QStringLiteral("1 2") << 0.f;
    QTest::newRow("two commas") << QStringLiteral("1,5,3") << 0.f;
    QTest::newRow("group and decimal") << QStringLiteral("1,234.5") << 0.f;
    QTest::newRow("hexadecimal") << QStringLiteral("0x10") << 0.f;
    QTest::newRow("nan") << QStringLiteral("nan") << 0.f;
    QTest::newRow("inf") << QStringLiteral("inf") << 0.f;
    QTest::newRow("minus inf") << QStringLiteral("-inf") << 0.f;
    QTest::newRow("beyond a single") << QStringLiteral("1e39") << 0.f;
    QTest::newRow("beyond a single, negative") << QStringLiteral("-1e39") << 0.f;
    QTest::newRow("largest written") << QStringLiteral("3E+38") << 3.0e38f;
    QTest::newRow("too small for a single") << QStringLiteral("1e-50") << 0.f;
}

void SceneCoreTest::numberFromText()
{
    QFETCH(QString, text);
    QFETCH(float, value);
    const float got = SceneFile::numberFromText(text);
    QVERIFY(std::isfinite(got));
    QCOMPARE(got, value);
}

void SceneCoreTest::numbersIgnoreTheUsersLocale()
{
    DefaultLocaleGuard guard;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));

    QCOMPARE(SceneFile::numberText(12.5f), QStringLiteral("12.5"));
    QCOMPARE(SceneFile::numberText(1234567.f), QStringLiteral("1234567"));
    QCOMPARE(SceneFile::numberFromText(QStringLiteral("12.5")), 12.5f);
    // "." is never a group separator in a scene file.
    QCOMPARE(SceneFile::numberFromText(QStringLiteral("1.234")), 1.234f);

    SceneRecord scene = startupScene();
    scene.ZMx = 12.5f;
    QVERIFY(BuildSceneText(scene).contains(QStringLiteral("ZMx=12.5;\r\n")));
    SceneRecord loaded;
    SceneFile::applyScene(loaded, SceneFile::readScene(BuildSceneText(scene)));
    QCOMPARE(loaded.ZMx, 12.5f);
}

void SceneCoreTest::defaultSize_data()
{
    QTest::addColumn<int>("himetric");
    QTest::addColumn<float>("size");
    QTest::newRow("3175 (120 px)") << 3175 << 120.f;
    QTest::newRow("2381 (90 px)") << 2381 << 90.f;
    QTest::newRow("1693 rounds down") << 1693 << 63.f;
    QTest::newRow("2646 (100 px)") << 2646 << 100.f;
    QTest::newRow("16933 (640 px)") << 16933 << 640.f;
    QTest::newRow("just below a whole") << 26 << 0.f;
    QTest::newRow("empty picture") << 0 << 0.f;
}

void SceneCoreTest::defaultSize()
{
    QFETCH(int, himetric);
    QFETCH(float, size);
    QCOMPARE(SceneDefaults::defaultSize(himetric), size);
}

void SceneCoreTest::loadedSize_data()
{
    // Picture sizes in pixels, reported at 96 dpi: P * 2540 / 96 rounded.
    QTest::addColumn<int>("himetric");
    QTest::addColumn<float>("size");
    QTest::newRow("50 px") << 1323 << 50.f;
    QTest::newRow("57 px") << 1508 << 58.f;
    QTest::newRow("100 px") << 2646 << 101.f;
    QTest::newRow("200 px") << 5292 << 203.f;
    QTest::newRow("640 px") << 16933 << 651.f;
    QTest::newRow("exact multiple") << 2600 << 100.f;
    QTest::newRow("empty picture") << 0 << 0.f;
}

void SceneCoreTest::loadedSize()
{
    QFETCH(int, himetric);
    QFETCH(float, size);
    QCOMPARE(SceneDefaults::loadedSize(himetric), size);
}

void SceneCoreTest::defaultGeometry()
{
    SceneRecord scene;
    scene.MPx = 999; // overwritten
    std::array<SceneDefaults::HimetricSize, SceneDefaults::PartCount> pictures{};
    pictures[SceneDefaults::ZumiMouthPart] = {3175, 2381}; // 120 x 90
    pictures[SceneDefaults::ZumiBlinkPart] = {1693, 794};  // 63 x 30
    pictures[SceneDefaults::UserMouthPart] = {2646, 1323}; // 100 x 50
    pictures[SceneDefaults::UserBlinkPart] = {1588, 529};  // 60 x 19
    pictures[SceneDefaults::MiscPart] = {5292, 1059};      // 200 x 40
    SceneDefaults::setDefaultGeometry(scene, pictures);

    const float expected[][4] = {// w, h, x, y
                                 {120, 90, 120, 90},
                                 {63, 30, 63, 30},
                                 {100, 50, 100, 50},
                                 {60, 19, 60, 19},
                                 {200, 40, 60, 19}}; // at the user blink's size
    const float got[][4] = {{scene.ZMw, scene.ZMh, scene.ZMx, scene.ZMy},
                            {scene.ZBw, scene.ZBh, scene.ZBx, scene.ZBy},
                            {scene.UMw, scene.UMh, scene.UMx, scene.UMy},
                            {scene.UBw, scene.UBh, scene.UBx, scene.UBy},
                            {scene.MPw, scene.MPh, scene.MPx, scene.MPy}};
    for (int part = 0; part < SceneDefaults::PartCount; ++part)
        for (int i = 0; i < 4; ++i)
            QCOMPARE(got[part][i], expected[part][i]);
    // Nothing but the geometry changes.
    SceneRecord others = scene;
    SceneDefaults::setDefaultGeometry(others, {});
    SceneDefaults::setDefaultGeometry(others, pictures);
    QCOMPARE(others, scene);
}

void SceneCoreTest::defaultTexts()
{
    SceneRecord scene = everythingOnScene();
    SceneDefaults::setDefaultTexts(scene);
    SceneRecord expected = everythingOnScene();
    const SceneRecord defaults;
    expected.MiscFrames = defaults.MiscFrames;
    expected.MiscSpeed = defaults.MiscSpeed;
    expected.MiscRndm = defaults.MiscRndm;
    expected.MiscDelay = defaults.MiscDelay;
    QCOMPARE(scene, expected);
}

void SceneCoreTest::readsWhatStartupWrote()
{
    SceneRecord loaded = everythingOnScene();
    const SceneFile::SceneContent content = SceneFile::readScene(goldenText("core_startup.scn"));
    QVERIFY(content.background.found);
    QCOMPARE(content.background.valueStart, qsizetype(4));
    QCOMPARE(content.background.semicolon, qsizetype(10));
    QVERIFY(content.zumiMouth.present);
    QVERIFY(!content.userMouth.present && !content.zumiBlink.present && !content.userBlink.present &&
            !content.miscPart.present);
    SceneFile::applyScene(loaded, content);

    SceneRecord expected = everythingOnScene();
    expected.Background = QStringLiteral("bg.jpg");
    expected.ZumiMouth = QStringLiteral("zumimouth.jpg");
    expected.ZMw = 120, expected.ZMh = 90, expected.ZMx = 120, expected.ZMy = 90;
    expected.ZumiBlinkOn = expected.UserMouthOn = expected.UserBlinkOn = expected.MiscOn = false;
    SceneDefaults::setDefaultTexts(expected);
    QCOMPARE(loaded, expected);
}

void SceneCoreTest::readsEntriesWhereverTheyStand_data()
{
    QTest::addColumn<QString>("text");
    const QString lines = goldenText("core_everything_on.scn");
    QTest::newRow("as written") << lines;
    QStringList reversed = lines.split(QStringLiteral("\r\n"));
    std::reverse(reversed.begin(), reversed.end());
    QTest::newRow("reversed lines") << reversed.join(QStringLiteral("\r\n"));
    QString joined = lines;
    QTest::newRow("no line ends") << joined.remove(QStringLiteral("\r\n"));
    QTest::newRow("text between entries") << reversed.join(QStringLiteral(" junk\r\n\r\nmore junk "));
    QTest::newRow("flag entries missing") << QString(lines)
                                                 .remove(QStringLiteral("ZumiBlinkOn;"))
                                                 .remove(QStringLiteral("UserMouthOn;"))
                                                 .remove(QStringLiteral("UserBlinkOn;"))
                                                 .remove(QStringLiteral("MiscOn;"));
}

void SceneCoreTest::readsEntriesWhereverTheyStand()
{
    QFETCH(QString, text);
    SceneRecord loaded;
    SceneFile::applyScene(loaded, SceneFile::readScene(text));

    SceneRecord expected = everythingOnScene();
    expected.MiscFrames = QStringLiteral("8"); // written as its substitute
    expected.MiscSpeed = QStringLiteral("12"); // "12;13" is cut at the ";"
    expected.NudeImageOn = false;              // "NI=" is not read
    expected.NudeImage.clear();
    QCOMPARE(loaded, expected);
}

void SceneCoreTest::readingChangesOnlyWhatTheFileNames()
{
    struct Case
    {
        const char *name;
        const char *text;
        void (*expect)(SceneRecord &);
    };
    const Case cases[] = {
        {"only a background", "BG=other.jpg;\r\n",
         [](SceneRecord &s) { s.Background = QStringLiteral("other.jpg"); }},
        {"empty background name", "BG=;", [](SceneRecord &s) { s.Background.clear(); }},
        {"lower-case keys are not entries", "bg=x.jpg;zm=y.jpg;", [](SceneRecord &) {}},
        {"absent numbers are 0", "ZM=m.jpg;ZMh=7;",
         [](SceneRecord &s) {
             s.ZumiMouth = QStringLiteral("m.jpg");
             s.ZMh = 7, s.ZMw = 0, s.ZMx = 0, s.ZMy = 0;
         }},
        {"bad numbers are 0", "ZM=m.jpg;ZMh=;ZMw=wide;ZMx=nan;ZMy=1e40;",
         [](SceneRecord &s) {
             s.ZumiMouth = QStringLiteral("m.jpg");
             s.ZMh = 0, s.ZMw = 0, s.ZMx = 0, s.ZMy = 0;
         }},
        {"numbers without their picture entry are ignored", "UMh=5;UserMouthOn;", [](SceneRecord &) {}},
        {"user mouth without its flag entry", "UM=u.jpg;UMx=-4",
         [](SceneRecord &s) {
             s.UserMouthOn = true;
             s.UserMouth = QStringLiteral("u.jpg");
             s.UMh = 0, s.UMw = 0, s.UMx = -4, s.UMy = 0;
         }},
        {"miscellaneous part without its texts", "MP=p.jpg;MF=;",
         [](SceneRecord &s) {
             s.MiscOn = true;
             s.MiscPart = QStringLiteral("p.jpg");
             s.MPh = 0, s.MPw = 0, s.MPx = 0, s.MPy = 0;
             s.MiscRndm.clear(), s.MiscFrames.clear(), s.MiscDelay.clear(), s.MiscSpeed.clear();
         }},
        {"texts without the miscellaneous part are ignored", "MR=1;MF=2;MD=3;MS=4;", [](SceneRecord &) {}},
        {"alternative background is not read", "NI=n.jpg;", [](SceneRecord &) {}},
    };
    for (const Case &c : cases) {
        // A scene with its parts on, a changed alternative background and
        // changed texts: loading switches the parts off and resets the texts.
        SceneRecord before = everythingOnScene();
        before.NudeImage = QStringLiteral("kept.jpg");
        SceneRecord expected = before;
        expected.ZumiBlinkOn = expected.UserMouthOn = expected.UserBlinkOn = expected.MiscOn = false;
        SceneDefaults::setDefaultTexts(expected);
        c.expect(expected);

        SceneFile::applyScene(before, SceneFile::readScene(fromLatin1(c.text)));
        if (before != expected) {
            QCOMPARE(BuildSceneText(before), BuildSceneText(expected)); // shows the difference
            QFAIL(c.name);
        }
    }
    // An absent text is written as its substitute next time.
    SceneRecord scene;
    SceneFile::applyScene(scene, SceneFile::readScene(QStringLiteral("MP=p.jpg;")));
    QVERIFY(BuildSceneText(scene).contains(QStringLiteral("MR=990;\r\nMF=8;\r\nMD=5;\r\nMS=100;\r\n")));
}

void SceneCoreTest::writeReadRoundTrip()
{
    QRandomGenerator random(20240611);
    // Names hold no ";", no line end and no "=" (so no key can hide in one).
    const QString letters =
        QStringLiteral("abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._-()") + QChar(0xe9) +
        QChar(0xdf);
    auto name = [&](int maxLength) {
        QString text;
        const int length = random.bounded(maxLength + 1);
        for (int i = 0; i < length; ++i)
            text += letters.at(random.bounded(int(letters.size())));
        return text;
    };
    auto number = [&]() {
        switch (random.bounded(4)) {
        case 0:
            return float(random.bounded(2001) - 1000);
        case 1:
            return float(random.bounded(2000001) - 1000000);
        case 2:
            return float(random.bounded(80001) - 40000) / 4.f; // quarters
        default:
            return 0.f;
        }
    };
    auto randomScene = [&]() {
        SceneRecord scene;
        for (QString *field : {&scene.Background, &scene.ZumiMouth, &scene.ZumiBlink, &scene.UserMouth,
                               &scene.UserBlink, &scene.MiscPart, &scene.NudeImage})
            *field = name(12);
        for (float *field :
             {&scene.ZMw, &scene.ZMh, &scene.ZMx, &scene.ZMy, &scene.ZBw, &scene.ZBh, &scene.ZBx,
              &scene.ZBy, &scene.UMw, &scene.UMh, &scene.UMx, &scene.UMy, &scene.UBw, &scene.UBh,
              &scene.UBx, &scene.UBy, &scene.MPw, &scene.MPh, &scene.MPx, &scene.MPy})
            *field = number();
        for (bool *flag :
             {&scene.ZumiBlinkOn, &scene.UserMouthOn, &scene.UserBlinkOn, &scene.MiscOn, &scene.NudeImageOn})
            *flag = random.bounded(2) == 1;
        for (QString *text : {&scene.MiscFrames, &scene.MiscSpeed, &scene.MiscRndm, &scene.MiscDelay})
            *text = name(4);
        return scene;
    };

    for (int round = 0; round < 500; ++round) {
        const SceneRecord saved = randomScene();
        const SceneRecord before = randomScene();
        SceneRecord loaded = before;
        SceneFile::applyScene(loaded, SceneFile::readScene(BuildSceneText(saved)));

        // Recovered: background, Zumi mouth, the four flags, every part that
        // was on. A part that was off keeps what it had before the load; the
        // alternative background is not restored; empty texts come back as
        // their substitutes, and as the default texts when the part was off.
        SceneRecord expected = saved;
        if (!saved.ZumiBlinkOn) {
            expected.ZumiBlink = before.ZumiBlink;
            expected.ZBw = before.ZBw, expected.ZBh = before.ZBh, expected.ZBx = before.ZBx,
            expected.ZBy = before.ZBy;
        }
        if (!saved.UserMouthOn) {
            expected.UserMouth = before.UserMouth;
            expected.UMw = before.UMw, expected.UMh = before.UMh, expected.UMx = before.UMx,
            expected.UMy = before.UMy;
        }
        if (!saved.UserBlinkOn) {
            expected.UserBlink = before.UserBlink;
            expected.UBw = before.UBw, expected.UBh = before.UBh, expected.UBx = before.UBx,
            expected.UBy = before.UBy;
        }
        if (!saved.MiscOn) {
            expected.MiscPart = before.MiscPart;
            expected.MPw = before.MPw, expected.MPh = before.MPh, expected.MPx = before.MPx,
            expected.MPy = before.MPy;
            SceneDefaults::setDefaultTexts(expected);
        } else {
            auto substitute = [](QString &text, const char *value) {
                if (text.isEmpty())
                    text = QString::fromLatin1(value);
            };
            substitute(expected.MiscRndm, "990");
            substitute(expected.MiscFrames, "8");
            substitute(expected.MiscDelay, "5");
            substitute(expected.MiscSpeed, "100");
        }
        expected.NudeImage = before.NudeImage;
        expected.NudeImageOn = before.NudeImageOn;

        if (loaded != expected) {
            QCOMPARE(BuildSceneText(loaded), BuildSceneText(expected));
            QFAIL(qPrintable(QStringLiteral("round %1").arg(round)));
        }
    }
}

QTEST_GUILESS_MAIN(SceneCoreTest)
#include "core_tst_scene.moc"
