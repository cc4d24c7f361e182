#include "SceneFile.h"

#include "SceneDefaults.h"

#include <QLocale>

#include <cfloat>
#include <cmath>

namespace {

const QLatin1String LineEnd("\r\n");

void appendValue(QString &text, QLatin1String key, const QString &value)
{
    text += key;
    text += value;
    text += QLatin1Char(';');
    text += LineEnd;
}

void appendFlag(QString &text, QLatin1String flag)
{
    text += flag;
    text += QLatin1Char(';');
    text += LineEnd;
}

// One part's picture entry ("ZM=") and its four numbers, height first
// ("ZMh=", "ZMw=", "ZMx=", "ZMy=").
void appendPart(QString &text, QLatin1String prefix, const QString &picture, float h, float w, float x,
                float y)
{
    text += prefix;
    text += QLatin1Char('=');
    text += picture;
    text += QLatin1Char(';');
    text += LineEnd;
    const float numbers[] = {h, w, x, y};
    const char suffixes[] = {'h', 'w', 'x', 'y'};
    for (int i = 0; i < 4; ++i) {
        text += prefix;
        text += QLatin1Char(suffixes[i]);
        text += QLatin1Char('=');
        text += SceneFile::numberText(numbers[i]);
        text += QLatin1Char(';');
        text += LineEnd;
    }
}

// An animation box that is exactly empty is written as its substitute.
const QString &orSubstitute(const QString &text, const QString &substitute)
{
    return text.isEmpty() ? substitute : text;
}

float numberEntry(const QString &text, const QString &key)
{
    QString value;
    return FindSceneEntry(text, key, &value) ? SceneFile::numberFromText(value) : 0.f;
}

// A part's picture entry ("ZM=") and, when it is there, its numbers
// ("ZMh=", "ZMw=", "ZMx=", "ZMy="), each looked up anywhere in the text.
SceneFile::PartEntry readPart(const QString &text, QLatin1String prefix)
{
    SceneFile::PartEntry part;
    part.present = FindSceneEntry(text, prefix + QStringLiteral("="), &part.name);
    if (!part.present)
        return part;
    part.height = numberEntry(text, prefix + QStringLiteral("h="));
    part.width = numberEntry(text, prefix + QStringLiteral("w="));
    part.left = numberEntry(text, prefix + QStringLiteral("x="));
    part.top = numberEntry(text, prefix + QStringLiteral("y="));
    return part;
}

void applyPart(const SceneFile::PartEntry &part, QString &name, float &w, float &h, float &x, float &y)
{
    name = part.name;
    w = part.width;
    h = part.height;
    x = part.left;
    y = part.top;
}

} // namespace

QString BuildSceneText(const SceneRecord &scene)
{
    // Substitutes for empty animation boxes; two of them differ from the
    // boxes' own default texts on purpose: the playing program expects them.
    static const QString RndmSubstitute = QStringLiteral("990");
    static const QString FramesSubstitute = QStringLiteral("8");
    static const QString DelaySubstitute = QStringLiteral("5");
    static const QString SpeedSubstitute = QStringLiteral("100");

    QString text;
    text.reserve(512 + scene.Background.size() + scene.ZumiMouth.size() + scene.ZumiBlink.size() +
                 scene.UserMouth.size() + scene.UserBlink.size() + scene.MiscPart.size() +
                 scene.NudeImage.size() + scene.MiscRndm.size() + scene.MiscFrames.size() +
                 scene.MiscDelay.size() + scene.MiscSpeed.size());

    appendValue(text, QLatin1String("BG="), scene.Background);
    appendPart(text, QLatin1String("ZM"), scene.ZumiMouth, scene.ZMh, scene.ZMw, scene.ZMx, scene.ZMy);
    if (scene.ZumiBlinkOn) {
        appendFlag(text, QLatin1String("ZumiBlinkOn"));
        appendPart(text, QLatin1String("ZB"), scene.ZumiBlink, scene.ZBh, scene.ZBw, scene.ZBx, scene.ZBy);
    }
    if (scene.UserMouthOn) {
        appendFlag(text, QLatin1String("UserMouthOn"));
        appendPart(text, QLatin1String("UM"), scene.UserMouth, scene.UMh, scene.UMw, scene.UMx, scene.UMy);
    }
    if (scene.UserBlinkOn) {
        appendFlag(text, QLatin1String("UserBlinkOn"));
        appendPart(text, QLatin1String("UB"), scene.UserBlink, scene.UBh, scene.UBw, scene.UBx, scene.UBy);
    }
    if (scene.MiscOn) {
        appendFlag(text, QLatin1String("MiscOn"));
        appendPart(text, QLatin1String("MP"), scene.MiscPart, scene.MPh, scene.MPw, scene.MPx, scene.MPy);
        appendValue(text, QLatin1String("MR="), orSubstitute(scene.MiscRndm, RndmSubstitute));
        appendValue(text, QLatin1String("MF="), orSubstitute(scene.MiscFrames, FramesSubstitute));
        appendValue(text, QLatin1String("MD="), orSubstitute(scene.MiscDelay, DelaySubstitute));
        appendValue(text, QLatin1String("MS="), orSubstitute(scene.MiscSpeed, SpeedSubstitute));
    }
    if (scene.NudeImageOn && !scene.NudeImage.isEmpty())
        appendValue(text, QLatin1String("NI="), scene.NudeImage);
    return text;
}

bool FindSceneEntry(const QString &text, const QString &key, QString *value)
{
    SceneFile::EntryPosition entry = SceneFile::findEntry(text, key);
    if (value)
        *value = std::move(entry.value);
    return entry.found;
}

namespace SceneFile {

EntryPosition findEntry(const QString &text, const QString &key)
{
    EntryPosition entry;
    // An empty key names no entry.
    if (key.isEmpty())
        return entry;
    const qsizetype at = text.indexOf(key, 0, Qt::CaseSensitive);
    if (at < 0)
        return entry;
    const qsizetype start = at + key.size();
    const qsizetype semicolon = text.indexOf(QLatin1Char(';'), start);
    // Without a ";" the value runs to the end of the text.
    const qsizetype end = semicolon < 0 ? text.size() : semicolon;
    entry.found = true;
    entry.valueStart = start + 1;
    entry.semicolon = semicolon < 0 ? 0 : semicolon + 1;
    entry.value = text.mid(start, end - start);
    return entry;
}

QString numberText(float value)
{
    // Not a number or infinite (never made by the composer itself): written as
    // 0, which is what the reader would make of it anyway. Minus zero is 0.
    if (!std::isfinite(value) || value == 0.f)
        return QStringLiteral("0");
    // Seven significant digits, no group separators, "." for the fraction and
    // an exponent ("1.234568E+07", "1E-05") only where seven digits do not
    // reach: the same text on every machine.
    return QLocale::c().toString(double(value), 'G', 7);
}

float numberFromText(const QString &text)
{
    // Spaces, tabs and line ends around the number are ignored (a value at the
    // end of a text without ";" carries the line end). A comma stands for the
    // decimal separator when there is no full stop: files written where the
    // comma is the decimal separator then read alike. Anything else that is
    // not a plain number (empty, words, group separators, "nan", "inf") and
    // any number beyond the range of a single reads as 0, like an absent entry,
    // so no later arithmetic sees an infinite or undefined value.
    QString number = text.trimmed();
    if (number.contains(QLatin1Char(',')) && !number.contains(QLatin1Char('.')))
        number.replace(QLatin1Char(','), QLatin1Char('.'));
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(number, &ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > double(FLT_MAX))
        return 0.f;
    return float(value);
}

SceneContent readScene(const QString &text)
{
    SceneContent content;
    content.background = findEntry(text, QStringLiteral("BG="));
    content.zumiMouth = readPart(text, QLatin1String("ZM"));
    content.userMouth = readPart(text, QLatin1String("UM"));
    content.zumiBlink = readPart(text, QLatin1String("ZB"));
    content.userBlink = readPart(text, QLatin1String("UB"));
    content.miscPart = readPart(text, QLatin1String("MP"));
    if (content.miscPart.present) {
        // An absent text stays empty; the writer substitutes it next time.
        FindSceneEntry(text, QStringLiteral("MR="), &content.miscRndm);
        FindSceneEntry(text, QStringLiteral("MF="), &content.miscFrames);
        FindSceneEntry(text, QStringLiteral("MD="), &content.miscDelay);
        FindSceneEntry(text, QStringLiteral("MS="), &content.miscSpeed);
    }
    return content;
}

void applyScene(SceneRecord &scene, const SceneContent &content)
{
    SceneDefaults::setDefaultTexts(scene);
    scene.UserMouthOn = false;
    scene.MiscOn = false;
    scene.UserBlinkOn = false;
    scene.ZumiBlinkOn = false;

    if (content.background.found)
        scene.Background = content.background.value;
    if (content.zumiMouth.present)
        applyPart(content.zumiMouth, scene.ZumiMouth, scene.ZMw, scene.ZMh, scene.ZMx, scene.ZMy);
    if (content.userMouth.present) {
        applyPart(content.userMouth, scene.UserMouth, scene.UMw, scene.UMh, scene.UMx, scene.UMy);
        scene.UserMouthOn = true;
    }
    if (content.zumiBlink.present) {
        applyPart(content.zumiBlink, scene.ZumiBlink, scene.ZBw, scene.ZBh, scene.ZBx, scene.ZBy);
        scene.ZumiBlinkOn = true;
    }
    if (content.userBlink.present) {
        applyPart(content.userBlink, scene.UserBlink, scene.UBw, scene.UBh, scene.UBx, scene.UBy);
        scene.UserBlinkOn = true;
    }
    if (content.miscPart.present) {
        scene.MiscRndm = content.miscRndm;
        scene.MiscFrames = content.miscFrames;
        scene.MiscDelay = content.miscDelay;
        scene.MiscSpeed = content.miscSpeed;
        applyPart(content.miscPart, scene.MiscPart, scene.MPw, scene.MPh, scene.MPx, scene.MPy);
        scene.MiscOn = true;
    }
}

} // namespace SceneFile
