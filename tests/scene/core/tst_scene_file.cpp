// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneDefaults.h"
#include "SceneFile.h"
#include "SceneRecord.h"
#include "scene_cases.h"

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
    std::array<SceneDefaults::HimetricSize, ScenePart::Count> pictures{};
    pictures[ScenePart::ZumiMouth] = {3175, 2381};
    pictures[ScenePart::UserBlink] = {1588, 794}; // 60 x 30 pixels
    pictures[ScenePart::Misc] = {5292, 1059};     // comes out 200 x 40
    SceneDefaults::setDefaultGeometry(scene, pictures);
    return scene;
}

// A part in the order the file writes its numbers: height, width, left, top.
SceneRecord::Part part(const char *name, float h, float w, float x, float y, bool on = true)
{
    SceneRecord::Part p;
    p.name = QString::fromLatin1(name);
    p.h = h, p.w = w, p.x = x, p.y = y, p.on = on;
    return p;
}

SceneRecord everythingOnScene()
{
    SceneRecord scene;
    scene.Background = QStringLiteral("bg2.jpg");
    scene.parts = {part("zm.bmp", 60, 80, -3, 12.5f, false), part("zb.jpg", 10, 20, 30, 40),
                   part("um.jpg", 1, 2, 3, 4), part("ub.jpg", 30, 60, 60, 30),
                   part("mp.jpg", 40, 200, 1234567, 0.5f)};
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

class TestSceneFile : public QObject
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
    void readingAgreesWithTheLookup();
    void unstorableValues_data();
    void unstorableValues();
    void onlyWrittenValuesMustBeStorable();

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

void TestSceneFile::defaultRecordIsTheStartupState()
{
    const SceneRecord scene;
    QCOMPARE(pictureNames(scene), StartUpPictureNames);
    QVERIFY(scene.NudeImage.isEmpty());
    QCOMPARE(scene.MiscFrames, QStringLiteral("8"));
    QCOMPARE(scene.MiscSpeed, QStringLiteral("100"));
    QCOMPARE(scene.MiscRndm, QStringLiteral("100"));
    QCOMPARE(scene.MiscDelay, QStringLiteral("3"));
    QVERIFY(!scene.NudeImageOn);
    for (const SceneRecord::Part &p : scene.parts) {
        QVERIFY(!p.on);
        QCOMPARE(QList<float>({p.w, p.h, p.x, p.y}), QList<float>({0, 0, 0, 0}));
    }
}

void TestSceneFile::writesTheFileByteForByte_data()
{
    QTest::addColumn<SceneRecord>("scene");
    QTest::addColumn<QString>("golden");

    QTest::newRow("start-up") << startupScene() << goldenText("startup.scn");
    SceneRecord misc = startupScene();
    misc.parts[ScenePart::Misc].on = true;
    misc.MiscRndm.clear();
    QTest::newRow("miscellaneous part on, Rndm empty") << misc << goldenText("misc_on.scn");
    QTest::newRow("everything on") << everythingOnScene() << goldenText("everything_on.scn");
}

void TestSceneFile::writesTheFileByteForByte()
{
    QFETCH(SceneRecord, scene);
    QFETCH(QString, golden);
    QCOMPARE(fileText(scene), golden);
}

void TestSceneFile::switchedOffPartLeavesNoTrace_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<QStringList>("gone");
    QTest::newRow("Zumi blink") << int(ScenePart::ZumiBlink)
                                << QStringList{QStringLiteral("ZumiBlinkOn"), QStringLiteral("ZB")};
    QTest::newRow("user mouth") << int(ScenePart::UserMouth)
                                << QStringList{QStringLiteral("UserMouthOn"), QStringLiteral("UM")};
    QTest::newRow("user blink") << int(ScenePart::UserBlink)
                                << QStringList{QStringLiteral("UserBlinkOn"), QStringLiteral("UB")};
    QTest::newRow("miscellaneous part")
        << int(ScenePart::Misc)
        << QStringList{QStringLiteral("MiscOn"), QStringLiteral("MP"),  QStringLiteral("MR="),
                       QStringLiteral("MF="),    QStringLiteral("MD="), QStringLiteral("MS=")};
}

void TestSceneFile::switchedOffPartLeavesNoTrace()
{
    QFETCH(int, part);
    QFETCH(QStringList, gone);
    SceneRecord scene = everythingOnScene();
    scene.part(part).on = false;
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
    scene.part(part).on = true;
    QCOMPARE(BuildSceneText(scene), BuildSceneText(everythingOnScene()));
}

void TestSceneFile::animationTextsAndSubstitutes_data()
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

void TestSceneFile::animationTextsAndSubstitutes()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, written);
    SceneRecord scene = startupScene();
    scene.parts[ScenePart::Misc].on = true;
    scene.MiscRndm = boxes[0];
    scene.MiscFrames = boxes[1];
    scene.MiscDelay = boxes[2];
    scene.MiscSpeed = boxes[3];
    QVERIFY(BuildSceneText(scene).endsWith(QStringLiteral("MPy=30;\r\n") + written));
}

void TestSceneFile::alternativeBackgroundEntry_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("lastLine"); // empty = no "NI=" entry

    QTest::newRow("on, no picture chosen") << true << QString() << QString();
    QTest::newRow("picture chosen, off") << false << QStringLiteral("n.jpg") << QString();
    QTest::newRow("on with picture") << true << QStringLiteral("n.jpg") << QStringLiteral("NI=n.jpg;\r\n");
    QTest::newRow("name with a space only") << true << QStringLiteral(" ") << QStringLiteral("NI= ;\r\n");
}

void TestSceneFile::alternativeBackgroundEntry()
{
    QFETCH(bool, on);
    QFETCH(QString, name);
    QFETCH(QString, lastLine);
    SceneRecord scene = startupScene();
    scene.NudeImageOn = on;
    scene.NudeImage = name;
    QCOMPARE(BuildSceneText(scene), BuildSceneText(startupScene()) + lastLine);
}

void TestSceneFile::findsEntries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("valueStart"); // 1-based
    QTest::addColumn<int>("semicolon");  // 1-based, 0 = none

    const QString startup = goldenText("startup.scn");
    QTest::newRow("background") << startup << QStringLiteral("BG=") << true << QStringLiteral("bg.jpg") << 4
                                << 10;
    QTest::newRow("number") << startup << QStringLiteral("ZMh=") << true << QStringLiteral("90") << 36 << 38;
    QTest::newRow("absent key") << startup << QStringLiteral("UM=") << false << QString() << 0 << 0;
    QTest::newRow("flag word is no value entry")
        << QStringLiteral("MiscOn;\r\n") << QStringLiteral("MiscOn=") << false << QString() << 0 << 0;
    QTest::newRow("empty value") << QStringLiteral("BG=;ZM=a;") << QStringLiteral("BG=") << true << QString()
                                 << 4 << 4;
    // A hand-edited last entry without ";" ends with its line.
    QTest::newRow("no semicolon: to the end of the line")
        << QStringLiteral("ZM=a;BG=pic.jpg\r\n") << QStringLiteral("BG=") << true << QStringLiteral("pic.jpg")
        << 9 << 0;
    QTest::newRow("no semicolon: lines after it")
        << QStringLiteral("ZM=a;BG=pic.jpg\nZMx=4\r\n") << QStringLiteral("BG=") << true
        << QStringLiteral("pic.jpg") << 9 << 0;
    QTest::newRow("no semicolon, no line end: to the end of the text")
        << QStringLiteral("ZM=a;BG=pic.jpg") << QStringLiteral("BG=") << true << QStringLiteral("pic.jpg")
        << 9 << 0;
    QTest::newRow("a later line's semicolon still ends the value")
        << QStringLiteral("BG=a\r\nZM=b;") << QStringLiteral("BG=") << true << QStringLiteral("a\r\nZM=b")
        << 4 << 11;
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

void TestSceneFile::findsEntries()
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

// The scene reader finds all its keys in one pass; what it finds must be what
// looking each key up on its own finds, whatever the text.
void TestSceneFile::readingAgreesWithTheLookup()
{
    const QStringList pieces = {
        QStringLiteral("BG="),  QStringLiteral("ZM="),  QStringLiteral("ZMh="), QStringLiteral("ZMw="),
        QStringLiteral("ZMx="), QStringLiteral("ZMy="), QStringLiteral("UM="),  QStringLiteral("UMx="),
        QStringLiteral("ZB="),  QStringLiteral("ZBy="), QStringLiteral("UB="),  QStringLiteral("UBh="),
        QStringLiteral("MP="),  QStringLiteral("MPw="), QStringLiteral("MR="),  QStringLiteral("MF="),
        QStringLiteral("MD="),  QStringLiteral("MS="),  QStringLiteral(";"),    QStringLiteral("\r\n"),
        QStringLiteral("\n"),   QStringLiteral("="),    QStringLiteral("Z"),    QStringLiteral("M"),
        QStringLiteral("h"),    QStringLiteral("12"),   QStringLiteral("-3.5"), QStringLiteral("a.jpg"),
        QStringLiteral(" "),    QStringLiteral("MZMh"), QStringLiteral("BBG")};
    QRandomGenerator random(31337);
    for (int round = 0; round < 3000; ++round) {
        QString text;
        const int count = random.bounded(40);
        for (int i = 0; i < count; ++i)
            text += pieces.at(random.bounded(int(pieces.size())));

        const SceneFile::SceneContent content = SceneFile::readScene(text);
        const auto lookup = [&](const QString &key) { return SceneFile::findEntry(text, key); };
        const auto number = [&](const QString &key) {
            const SceneFile::EntryPosition entry = lookup(key);
            return entry.found ? SceneFile::numberFromText(entry.value) : 0.f;
        };
        const SceneFile::EntryPosition background = lookup(QStringLiteral("BG="));
        QCOMPARE(content.background.found, background.found);
        QCOMPARE(content.background.value, background.value);
        QCOMPARE(content.background.valueStart, background.valueStart);
        QCOMPARE(content.background.semicolon, background.semicolon);
        const char *const prefixes[] = {"ZM", "ZB", "UM", "UB", "MP"};
        for (int id = 0; id < ScenePart::Count; ++id) {
            const QString prefix = QLatin1String(prefixes[id]);
            const SceneFile::PartEntry &entry = content.parts[size_t(id)];
            const SceneFile::EntryPosition name = lookup(prefix + QLatin1Char('='));
            QVERIFY2(entry.present == name.found, qPrintable(text));
            if (!entry.present)
                continue;
            QCOMPARE(entry.name, name.value);
            QCOMPARE(entry.height, number(prefix + QStringLiteral("h=")));
            QCOMPARE(entry.width, number(prefix + QStringLiteral("w=")));
            QCOMPARE(entry.left, number(prefix + QStringLiteral("x=")));
            QCOMPARE(entry.top, number(prefix + QStringLiteral("y=")));
        }
        if (content.parts[ScenePart::Misc].present) {
            QCOMPARE(content.miscRndm, lookup(QStringLiteral("MR=")).value);
            QCOMPARE(content.miscFrames, lookup(QStringLiteral("MF=")).value);
            QCOMPARE(content.miscDelay, lookup(QStringLiteral("MD=")).value);
            QCOMPARE(content.miscSpeed, lookup(QStringLiteral("MS=")).value);
        }
    }
}

void TestSceneFile::unstorableValues_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("piece"); // empty: storable
    QTest::newRow("plain name") << QStringLiteral("bg 2 (copy).jpg") << QString();
    QTest::newRow("equals sign alone") << QStringLiteral("a=b.jpg") << QString();
    QTest::newRow("key without its equals sign") << QStringLiteral("ZM.jpg") << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("semicolon") << QStringLiteral("a;b.jpg") << QStringLiteral(";");
    QTest::newRow("picture key") << QStringLiteral("xZM=y.bmp") << QStringLiteral("ZM=");
    QTest::newRow("number key") << QStringLiteral("zMPh=3") << QStringLiteral("MPh=");
    QTest::newRow("text key") << QStringLiteral("5MR=x") << QStringLiteral("MR=");
    QTest::newRow("alternative background key") << QStringLiteral("NI=") << QStringLiteral("NI=");
    QTest::newRow("line break") << QStringLiteral("5\r\nUB=x.jpg") << QStringLiteral("CR");
    QTest::newRow("lone line feed") << QStringLiteral("5\n") << QStringLiteral("LF");
    QTest::newRow("the first problem is named") << QStringLiteral("aBG=b;c") << QStringLiteral("BG=");
    QTest::newRow("lower-case key is harmless") << QStringLiteral("zm=y.bmp") << QString();
}

void TestSceneFile::unstorableValues()
{
    QFETCH(QString, value);
    QFETCH(QString, piece);
    const SceneFile::Unstorable check = SceneFile::checkValue(value);
    QCOMPARE(check.piece, piece);
    QCOMPARE(check.found(), !piece.isEmpty());
    QCOMPARE(check.value, piece.isEmpty() ? QString() : value);
    // A storable value comes back from the file as it went in.
    if (piece.isEmpty()) {
        SceneRecord scene;
        scene.Background = value;
        SceneRecord loaded;
        SceneFile::applyScene(loaded, SceneFile::readScene(BuildSceneText(scene)));
        QCOMPARE(loaded.Background, value);
    }
}

void TestSceneFile::onlyWrittenValuesMustBeStorable()
{
    SceneRecord scene = everythingOnScene();
    scene.MiscSpeed = QStringLiteral("12");
    QVERIFY(!SceneFile::firstUnstorable(scene).found());

    // A part that is off, or an alternative background that is off, is not
    // written, so its name does not matter.
    scene.part(ScenePart::UserBlink).on = false;
    scene.part(ScenePart::UserBlink).name = QStringLiteral("a;b");
    scene.NudeImageOn = false;
    scene.NudeImage = QStringLiteral("c;d");
    QVERIFY(!SceneFile::firstUnstorable(scene).found());
    scene.NudeImageOn = true;
    QCOMPARE(SceneFile::firstUnstorable(scene).value, QStringLiteral("c;d"));

    // The animation texts count only with the miscellaneous part.
    scene = everythingOnScene();
    QCOMPARE(SceneFile::firstUnstorable(scene).value, QStringLiteral("12;13"));
    scene.part(ScenePart::Misc).on = false;
    QVERIFY(!SceneFile::firstUnstorable(scene).found());

    // Background and Zumi mouth are always written.
    scene.part(ScenePart::ZumiMouth).name = QStringLiteral("m\nx");
    QCOMPARE(SceneFile::firstUnstorable(scene).piece, QStringLiteral("LF"));
    scene.Background = QStringLiteral("MS=");
    QCOMPARE(SceneFile::firstUnstorable(scene).value, QStringLiteral("MS="));
}

void TestSceneFile::numberText_data()
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

void TestSceneFile::numberText()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(SceneFile::numberText(value), text);
}

void TestSceneFile::numberFromText_data()
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

void TestSceneFile::numberFromText()
{
    QFETCH(QString, text);
    QFETCH(float, value);
    const float got = SceneFile::numberFromText(text);
    QVERIFY(std::isfinite(got));
    QCOMPARE(got, value);
}

void TestSceneFile::numbersIgnoreTheUsersLocale()
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
    scene.parts[ScenePart::ZumiMouth].x = 12.5f;
    QVERIFY(BuildSceneText(scene).contains(QStringLiteral("ZMx=12.5;\r\n")));
    SceneRecord loaded;
    SceneFile::applyScene(loaded, SceneFile::readScene(BuildSceneText(scene)));
    QCOMPARE(loaded.parts[ScenePart::ZumiMouth].x, 12.5f);
}

void TestSceneFile::defaultSize_data()
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

void TestSceneFile::defaultSize()
{
    QFETCH(int, himetric);
    QFETCH(float, size);
    QCOMPARE(SceneDefaults::defaultSize(himetric), size);
}

void TestSceneFile::loadedSize_data()
{
    QTest::addColumn<int>("himetric");
    QTest::addColumn<float>("size");
    for (const auto &[pixels, stored] : LoadedSizes)
        QTest::addRow("%d px", pixels) << himetricAt96Dpi(pixels) << stored;
    QTest::newRow("exact multiple") << 2600 << 100.f;
    QTest::newRow("empty picture") << 0 << 0.f;
}

void TestSceneFile::loadedSize()
{
    QFETCH(int, himetric);
    QFETCH(float, size);
    QCOMPARE(SceneDefaults::loadedSize(himetric), size);
}

void TestSceneFile::defaultGeometry()
{
    SceneRecord scene;
    scene.parts[ScenePart::Misc].x = 999; // overwritten
    std::array<SceneDefaults::HimetricSize, ScenePart::Count> pictures{};
    pictures[ScenePart::ZumiMouth] = {3175, 2381}; // 120 x 90
    pictures[ScenePart::ZumiBlink] = {1693, 794};  // 63 x 30
    pictures[ScenePart::UserMouth] = {2646, 1323}; // 100 x 50
    pictures[ScenePart::UserBlink] = {1588, 529};  // 60 x 19
    pictures[ScenePart::Misc] = {5292, 1059};      // 200 x 40
    SceneDefaults::setDefaultGeometry(scene, pictures);

    const float expected[][4] = {// w, h, x, y
                                 {120, 90, 120, 90},
                                 {63, 30, 63, 30},
                                 {100, 50, 100, 50},
                                 {60, 19, 60, 19},
                                 {200, 40, 60, 19}}; // at the user blink's size
    for (int id = 0; id < ScenePart::Count; ++id) {
        const SceneRecord::Part &p = scene.part(id);
        const float *row = expected[id];
        QCOMPARE(QList<float>({p.w, p.h, p.x, p.y}), QList<float>({row[0], row[1], row[2], row[3]}));
    }
    // Nothing but the geometry changes.
    SceneRecord others = scene;
    SceneDefaults::setDefaultGeometry(others, {});
    SceneDefaults::setDefaultGeometry(others, pictures);
    QCOMPARE(others, scene);
}

void TestSceneFile::defaultTexts()
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

void TestSceneFile::readsWhatStartupWrote()
{
    SceneRecord loaded = everythingOnScene();
    const SceneFile::SceneContent content = SceneFile::readScene(goldenText("startup.scn"));
    QVERIFY(content.background.found);
    QCOMPARE(content.background.valueStart, qsizetype(4));
    QCOMPARE(content.background.semicolon, qsizetype(10));
    for (int id = 0; id < ScenePart::Count; ++id)
        QCOMPARE(content.parts[size_t(id)].present, id == ScenePart::ZumiMouth);
    SceneFile::applyScene(loaded, content);

    SceneRecord expected = everythingOnScene();
    expected.Background = QStringLiteral("bg.jpg");
    expected.part(ScenePart::ZumiMouth) = part("zumimouth.jpg", 90, 120, 120, 90, false);
    for (SceneRecord::Part &p : expected.parts)
        p.on = false;
    SceneDefaults::setDefaultTexts(expected);
    QCOMPARE(loaded, expected);
}

void TestSceneFile::readsEntriesWhereverTheyStand_data()
{
    QTest::addColumn<QString>("text");
    const QString lines = goldenText("everything_on.scn");
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

void TestSceneFile::readsEntriesWhereverTheyStand()
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

void TestSceneFile::readingChangesOnlyWhatTheFileNames()
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
         [](SceneRecord &s) { s.part(ScenePart::ZumiMouth) = part("m.jpg", 7, 0, 0, 0, false); }},
        {"bad numbers are 0", "ZM=m.jpg;ZMh=;ZMw=wide;ZMx=nan;ZMy=1e40;",
         [](SceneRecord &s) { s.part(ScenePart::ZumiMouth) = part("m.jpg", 0, 0, 0, 0, false); }},
        {"numbers without their picture entry are ignored", "UMh=5;UserMouthOn;", [](SceneRecord &) {}},
        {"user mouth without its flag entry", "UM=u.jpg;UMx=-4",
         [](SceneRecord &s) { s.part(ScenePart::UserMouth) = part("u.jpg", 0, 0, -4, 0); }},
        {"miscellaneous part without its texts", "MP=p.jpg;MF=;",
         [](SceneRecord &s) {
             s.part(ScenePart::Misc) = part("p.jpg", 0, 0, 0, 0);
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
        for (SceneRecord::Part &p : expected.parts)
            p.on = false;
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

void TestSceneFile::writeReadRoundTrip()
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
        scene.Background = name(12);
        scene.NudeImage = name(12);
        scene.NudeImageOn = random.bounded(2) == 1;
        for (int id = 0; id < ScenePart::Count; ++id) {
            SceneRecord::Part &p = scene.part(id);
            p.name = name(12);
            p.w = number(), p.h = number(), p.x = number(), p.y = number();
            p.on = id != ScenePart::ZumiMouth && random.bounded(2) == 1;
        }
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
        for (int id = 0; id < ScenePart::Count; ++id) {
            if (!saved.inScene(id))
                expected.part(id) = before.part(id), expected.part(id).on = false;
        }
        if (!saved.part(ScenePart::Misc).on) {
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

QTEST_GUILESS_MAIN(TestSceneFile)
#include "tst_scene_file.moc"
