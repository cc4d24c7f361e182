// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneFile.h"

#include "SceneDefaults.h"

#include <QFileInfo>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

const QLatin1String LineEnd("\r\n");

// The two letters of each part's keys ("ZM=", "ZMh=" ...) and its flag word,
// in part order.
const char *const PartPrefixes[ScenePart::Count] = {"ZM", "ZB", "UM", "UB", "MP"};
const char *const PartFlags[ScenePart::Count] = {nullptr, "ZumiBlinkOn", "UserMouthOn", "UserBlinkOn",
                                                 "MiscOn"};
// The order in which the writer puts the optional parts into the file, and
// the order in which the reader applies them.
const ScenePart::Id WriteOrder[] = {ScenePart::ZumiBlink, ScenePart::UserMouth, ScenePart::UserBlink,
                                    ScenePart::Misc};
const ScenePart::Id ApplyOrder[] = {ScenePart::ZumiMouth, ScenePart::UserMouth, ScenePart::ZumiBlink,
                                    ScenePart::UserBlink, ScenePart::Misc};
// The number suffixes in the order they are written: height, width, left, top.
const char NumberSuffixes[] = {'h', 'w', 'x', 'y'};

void appendValue(QString &text, QLatin1String key, const QString &value)
{
    text += key;
    text += value;
    text += QLatin1Char(';');
    text += LineEnd;
}

void appendFlag(QString &text, const char *flag)
{
    text += QLatin1String(flag);
    text += QLatin1Char(';');
    text += LineEnd;
}

// One part's picture entry ("ZM=") and its four numbers, height first
// ("ZMh=", "ZMw=", "ZMx=", "ZMy=").
void appendPart(QString &text, const char *prefix, const SceneRecord::Part &part)
{
    text += QLatin1String(prefix);
    text += QLatin1Char('=');
    text += part.name;
    text += QLatin1Char(';');
    text += LineEnd;
    const float numbers[] = {part.h, part.w, part.x, part.y};
    for (int i = 0; i < 4; ++i) {
        text += QLatin1String(prefix);
        text += QLatin1Char(NumberSuffixes[i]);
        text += QLatin1Char('=');
        text += SceneFile::numberText(numbers[i]);
        text += QLatin1Char(';');
        text += LineEnd;
    }
}

// Substitutes for empty animation boxes; two of them differ from the boxes'
// own default texts on purpose: the playing program expects them.
struct AnimationText
{
    const char *key;
    QString SceneRecord::*field;
    const char *substitute;
};
const AnimationText AnimationTexts[] = {{"MR=", &SceneRecord::MiscRndm, "990"},
                                        {"MF=", &SceneRecord::MiscFrames, "8"},
                                        {"MD=", &SceneRecord::MiscDelay, "5"},
                                        {"MS=", &SceneRecord::MiscSpeed, "100"}};

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// ---------------------------------------------------------------------------
// The keys the reader looks up, found in one pass.

enum Key {
    BackgroundKey = 0,
    FirstPartKey,                                  // "ZM=", "ZMh=", "ZMw=", "ZMx=", "ZMy=", then "ZB=" ...
    RndmKey = FirstPartKey + 5 * ScenePart::Count, // "MR="
    FramesKey,                                     // "MF="
    DelayKey,                                      // "MD="
    SpeedKey,                                      // "MS="
    KeyCount
};

int partKey(int part, int number) // number: 0 the picture, 1..4 height, width, left, top
{
    return FirstPartKey + 5 * part + number;
}

// The key made of two letters and "=", or -1.
int twoLetterKey(QChar a, QChar b)
{
    if (a == QLatin1Char('B') && b == QLatin1Char('G'))
        return BackgroundKey;
    for (int part = 0; part < ScenePart::Count; ++part) {
        if (a == QLatin1Char(PartPrefixes[part][0]) && b == QLatin1Char(PartPrefixes[part][1]))
            return partKey(part, 0);
    }
    if (a == QLatin1Char('M')) {
        const char letters[] = {'R', 'F', 'D', 'S'};
        for (int i = 0; i < 4; ++i) {
            if (b == QLatin1Char(letters[i]))
                return RndmKey + i;
        }
    }
    return -1;
}

// A part's number key: two letters, "h", "w", "x" or "y", and "=", or -1.
int threeLetterKey(QChar a, QChar b, QChar c)
{
    const int picture = twoLetterKey(a, b);
    if (picture < FirstPartKey || picture >= RndmKey)
        return -1;
    for (int i = 0; i < 4; ++i) {
        if (c == QLatin1Char(NumberSuffixes[i]))
            return picture + 1 + i;
    }
    return -1;
}

// Where each key's value starts (just after its "="), at its first
// occurrence; -1 where the key does not occur. Every key ends in "=", so each
// "=" of the text is looked at once, with the two or three letters before it.
std::array<qsizetype, KeyCount> findValueStarts(QStringView text)
{
    std::array<qsizetype, KeyCount> starts;
    starts.fill(-1);
    int missing = KeyCount;
    const QChar *d = text.data();
    const qsizetype n = text.size();
    for (qsizetype i = 2; i < n && missing > 0; ++i) {
        if (d[i] != QLatin1Char('='))
            continue;
        const int two = twoLetterKey(d[i - 2], d[i - 1]);
        if (two >= 0 && starts[size_t(two)] < 0) {
            starts[size_t(two)] = i + 1;
            --missing;
        }
        const int three = i >= 3 ? threeLetterKey(d[i - 3], d[i - 2], d[i - 1]) : -1;
        if (three >= 0 && starts[size_t(three)] < 0) {
            starts[size_t(three)] = i + 1;
            --missing;
        }
    }
    return starts;
}

// Where values end, asked for value starts in rising order: the next ";" at
// or after the start, else the end of the start's line. Each answer reuses
// the last search when it still applies, so all answers together read the
// text at most twice, whatever its shape.
class ValueEnds
{
public:
    explicit ValueEnds(QStringView text) : m_text(text) {}

    // The value's end (exclusive) and whether a ";" ends it.
    qsizetype end(qsizetype start, bool *bySemicolon)
    {
        if (m_semicolon != None && m_semicolon < start)
            m_semicolon = find(start, [](QChar c) { return c == QLatin1Char(';'); });
        if (m_semicolon != None) {
            *bySemicolon = true;
            return m_semicolon;
        }
        *bySemicolon = false;
        if (m_lineEnd != None && m_lineEnd < start)
            m_lineEnd = find(start, isLineBreak);
        return m_lineEnd == None ? m_text.size() : m_lineEnd;
    }

private:
    static constexpr qsizetype None = -1;
    static constexpr qsizetype NotYet = -2;

    template <class Predicate> qsizetype find(qsizetype from, Predicate match) const
    {
        const auto it = std::find_if(m_text.begin() + from, m_text.end(), match);
        return it == m_text.end() ? None : it - m_text.begin();
    }

    QStringView m_text;
    // The last search's result: its position, None (no more in the text: every
    // later start has none either), or NotYet (below every start).
    qsizetype m_semicolon = NotYet;
    qsizetype m_lineEnd = NotYet;
};

void applyPart(const SceneFile::PartEntry &entry, SceneRecord::Part &part)
{
    part.name = entry.name;
    part.w = entry.width;
    part.h = entry.height;
    part.x = entry.left;
    part.y = entry.top;
}

} // namespace

QString BuildSceneText(const SceneRecord &scene)
{
    qsizetype size = 512 + scene.Background.size() + scene.NudeImage.size() + scene.MiscRndm.size() +
                     scene.MiscFrames.size() + scene.MiscDelay.size() + scene.MiscSpeed.size();
    for (const SceneRecord::Part &part : scene.parts)
        size += part.name.size();
    QString text;
    text.reserve(size);

    appendValue(text, QLatin1String("BG="), scene.Background);
    appendPart(text, PartPrefixes[ScenePart::ZumiMouth], scene.part(ScenePart::ZumiMouth));
    for (ScenePart::Id id : WriteOrder) {
        if (!scene.part(id).on)
            continue;
        appendFlag(text, PartFlags[id]);
        appendPart(text, PartPrefixes[id], scene.part(id));
        if (id == ScenePart::Misc) {
            // An animation box that is exactly empty is written as its substitute.
            for (const AnimationText &t : AnimationTexts) {
                const QString &typed = scene.*t.field;
                appendValue(text, QLatin1String(t.key),
                            typed.isEmpty() ? QString::fromLatin1(t.substitute) : typed);
            }
        }
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
    bool bySemicolon = false;
    const qsizetype end = ValueEnds(text).end(start, &bySemicolon);
    entry.found = true;
    entry.valueStart = start + 1;
    entry.semicolon = bySemicolon ? end + 1 : 0;
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

float numberFromText(QStringView text)
{
    float value = 0.f;
    return readNumber(text, &value) ? value : 0.f;
}

bool readNumber(QStringView text, float *result)
{
    // Spaces, tabs and line ends around the number are ignored. A comma
    // stands for the decimal separator when there is no full stop: files
    // written where the comma is the decimal separator then read alike.
    // Anything else that is not a plain number (empty, words, group
    // separators, "nan", "inf") and any number beyond the range of a single
    // reads as 0, like an absent entry, so no later arithmetic sees an
    // infinite or undefined value.
    const QStringView number = text.trimmed();
    // No number is longer than this; a longer text would only be copied below.
    constexpr qsizetype Longest = 4096;
    if (number.size() > Longest)
        return false;
    QString decimal = number.toString();
    if (decimal.contains(QLatin1Char(',')) && !decimal.contains(QLatin1Char('.')))
        decimal.replace(QLatin1Char(','), QLatin1Char('.'));
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(decimal, &ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > double(FLT_MAX))
        return false;
    *result = float(value);
    return true;
}

NumberRoundTrip numberRoundTrip(QStringView text)
{
    return {text.toString(), numberText(numberFromText(text))};
}

SceneContent readScene(QStringView text)
{
    const std::array<qsizetype, KeyCount> starts = findValueStarts(text);

    // The values, taken in the order of their places in the text.
    std::array<int, KeyCount> order;
    for (int k = 0; k < KeyCount; ++k)
        order[size_t(k)] = k;
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return starts[size_t(a)] < starts[size_t(b)]; });
    std::array<QStringView, KeyCount> values;
    std::array<qsizetype, KeyCount> ends{};
    std::array<bool, KeyCount> bySemicolon{};
    ValueEnds valueEnds(text);
    for (int k : order) {
        const qsizetype start = starts[size_t(k)];
        if (start < 0)
            continue;
        ends[size_t(k)] = valueEnds.end(start, &bySemicolon[size_t(k)]);
        values[size_t(k)] = text.mid(start, ends[size_t(k)] - start);
    }
    const auto found = [&](int k) { return starts[size_t(k)] >= 0; };

    SceneContent content;
    if (found(BackgroundKey)) {
        content.background.found = true;
        content.background.valueStart = starts[BackgroundKey] + 1;
        content.background.semicolon = bySemicolon[BackgroundKey] ? ends[BackgroundKey] + 1 : 0;
        content.background.value = values[BackgroundKey].toString();
    }
    for (int part = 0; part < ScenePart::Count; ++part) {
        PartEntry &entry = content.parts[size_t(part)];
        entry.present = found(partKey(part, 0));
        if (!entry.present)
            continue;
        entry.name = values[size_t(partKey(part, 0))].toString();
        // An absent number is 0, as is one that is no number.
        entry.height = numberFromText(values[size_t(partKey(part, 1))]);
        entry.width = numberFromText(values[size_t(partKey(part, 2))]);
        entry.left = numberFromText(values[size_t(partKey(part, 3))]);
        entry.top = numberFromText(values[size_t(partKey(part, 4))]);
    }
    if (content.parts[ScenePart::Misc].present) {
        // An absent text stays empty; the writer substitutes it next time.
        content.miscRndm = values[RndmKey].toString();
        content.miscFrames = values[FramesKey].toString();
        content.miscDelay = values[DelayKey].toString();
        content.miscSpeed = values[SpeedKey].toString();
    }
    return content;
}

void applyScene(SceneRecord &scene, const SceneContent &content)
{
    SceneDefaults::setDefaultTexts(scene);
    for (ScenePart::Id id :
         {ScenePart::UserMouth, ScenePart::Misc, ScenePart::UserBlink, ScenePart::ZumiBlink})
        scene.part(id).on = false;

    if (content.background.found)
        scene.Background = content.background.value;
    for (ScenePart::Id id : ApplyOrder) {
        const PartEntry &entry = content.parts[size_t(id)];
        if (!entry.present)
            continue;
        if (id == ScenePart::Misc) {
            scene.MiscRndm = content.miscRndm;
            scene.MiscFrames = content.miscFrames;
            scene.MiscDelay = content.miscDelay;
            scene.MiscSpeed = content.miscSpeed;
        }
        applyPart(entry, scene.part(id));
        if (id != ScenePart::ZumiMouth)
            scene.part(id).on = true;
    }
}

Unstorable checkValue(const QString &value)
{
    // The keys a reader looks for, with "=": any of them inside a value is
    // found there by a reader that searches the whole text.
    static const QStringList Keys = [] {
        QStringList keys{QStringLiteral("BG="), QStringLiteral("NI="), QStringLiteral("MR="),
                         QStringLiteral("MF="), QStringLiteral("MD="), QStringLiteral("MS=")};
        for (const char *prefix : PartPrefixes) {
            keys << QLatin1String(prefix) + QLatin1Char('=');
            for (char suffix : NumberSuffixes)
                keys << QLatin1String(prefix) + QLatin1Char(suffix) + QLatin1Char('=');
        }
        return keys;
    }();
    Unstorable result;
    result.value = value;
    // The earliest problem in the value is the one named.
    qsizetype first = value.size();
    auto consider = [&](qsizetype at, const QString &piece) {
        if (at >= 0 && at < first) {
            first = at;
            result.piece = piece;
        }
    };
    consider(value.indexOf(QLatin1Char(';')), QStringLiteral(";"));
    consider(value.indexOf(QLatin1Char('\r')), QStringLiteral("CR"));
    consider(value.indexOf(QLatin1Char('\n')), QStringLiteral("LF"));
    if (value.contains(QLatin1Char('='))) {
        for (const QString &key : Keys)
            consider(value.indexOf(key), key);
    }
    if (!result.found())
        result.value.clear();
    return result;
}

Unstorable firstUnstorable(const SceneRecord &scene)
{
    QList<const QString *> written{&scene.Background};
    for (int id = 0; id < ScenePart::Count; ++id) {
        if (scene.inScene(id))
            written << &scene.part(id).name;
    }
    if (scene.part(ScenePart::Misc).on) {
        for (const AnimationText &t : AnimationTexts)
            written << &(scene.*t.field);
    }
    if (scene.NudeImageOn)
        written << &scene.NudeImage;
    for (const QString *value : written) {
        Unstorable check = checkValue(*value);
        if (check.found())
            return check;
    }
    return {};
}

QString picturePath(const QString &pictureFolder, const QString &name)
{
    const QString path = pictureFolder + name;
    if (name.contains(QLatin1Char('\\')) && !QFileInfo::exists(path))
        return pictureFolder + QString(name).replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

bool leavesPictureFolder(const QString &name)
{
    int depth = 0;
    for (const QStringView piece : QStringView(name).split(QLatin1Char('/'))) {
        for (const QStringView step : piece.split(QLatin1Char('\\'))) {
            if (step == QLatin1String(".."))
                --depth;
            else if (!step.isEmpty() && step != QLatin1String("."))
                ++depth;
            if (depth < 0)
                return true;
        }
    }
    return false;
}

} // namespace SceneFile
