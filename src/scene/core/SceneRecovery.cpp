// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneRecovery.h"

namespace SceneRecovery {
namespace {

const char *const kPartKeys[ScenePart::Count] = {"zumi mouth", "zumi blink", "user mouth", "user blink",
                                                 "misc part"};

QString number(float value)
{
    // Nine significant digits bring every float back unchanged.
    return QString::number(double(value), 'g', 9);
}

float toNumber(const QString &text)
{
    return text.toFloat();
}

QString flag(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

} // namespace

void addRecord(QList<RecoveryRecord::Text> &texts, const QString &prefix, const SceneRecord &scene)
{
    const auto add = [&](const QString &key, const QString &value) { texts.append({prefix + key, value}); };
    add(QStringLiteral("background"), scene.Background);
    for (int id = 0; id < ScenePart::Count; ++id) {
        const SceneRecord::Part &part = scene.part(id);
        const QString key = QLatin1String(kPartKeys[id]) + QLatin1Char(' ');
        add(key + QStringLiteral("picture"), part.name);
        add(key + QStringLiteral("place"),
            QStringList{number(part.x), number(part.y), number(part.w), number(part.h)}.join(
                QLatin1Char(' ')));
        add(key + QStringLiteral("switch"), flag(part.on));
    }
    add(QStringLiteral("alternative background"), scene.NudeImage);
    add(QStringLiteral("alternative background switch"), flag(scene.NudeImageOn));
    add(QStringLiteral("frames"), scene.MiscFrames);
    add(QStringLiteral("speed"), scene.MiscSpeed);
    add(QStringLiteral("rndm"), scene.MiscRndm);
    add(QStringLiteral("delay"), scene.MiscDelay);
}

SceneRecord record(const RecoveryRecord &recovered, const QString &prefix)
{
    const auto get = [&](const QString &key) { return recovered.text(prefix + key); };
    SceneRecord scene;
    scene.Background = get(QStringLiteral("background"));
    for (int id = 0; id < ScenePart::Count; ++id) {
        SceneRecord::Part &part = scene.part(id);
        const QString key = QLatin1String(kPartKeys[id]) + QLatin1Char(' ');
        part.name = get(key + QStringLiteral("picture"));
        const QStringList place = get(key + QStringLiteral("place")).split(QLatin1Char(' '));
        if (place.size() == 4) {
            part.x = toNumber(place[0]);
            part.y = toNumber(place[1]);
            part.w = toNumber(place[2]);
            part.h = toNumber(place[3]);
        }
        part.on = id != ScenePart::ZumiMouth && get(key + QStringLiteral("switch")) == QLatin1String("on");
    }
    scene.NudeImage = get(QStringLiteral("alternative background"));
    scene.NudeImageOn = get(QStringLiteral("alternative background switch")) == QLatin1String("on");
    scene.MiscFrames = get(QStringLiteral("frames"));
    scene.MiscSpeed = get(QStringLiteral("speed"));
    scene.MiscRndm = get(QStringLiteral("rndm"));
    scene.MiscDelay = get(QStringLiteral("delay"));
    return scene;
}

} // namespace SceneRecovery
