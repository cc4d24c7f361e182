// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneDefaults.h"

#include <cmath>

namespace SceneDefaults {

QString background()
{
    return SceneRecord().Background;
}

QString partPicture(ScenePart::Id id)
{
    return SceneRecord().part(id).name;
}

float defaultSize(int himetric)
{
    // Slightly below the 26.458333 hundredths of a millimetre per pixel at
    // 96 dpi, rounded down in double precision: 3175 -> 120, 1693 -> 63.
    return float(std::floor(double(himetric) / 26.454545));
}

float loadedSize(int himetric)
{
    return float(std::floor(double(himetric) / 26.0));
}

void setDefaultGeometry(SceneRecord &scene, const std::array<HimetricSize, ScenePart::Count> &pictures)
{
    // Height before width, part by part, as the sizes were always derived.
    for (int id = 0; id < ScenePart::Count; ++id) {
        scene.part(id).h = defaultSize(pictures[size_t(id)].height);
        scene.part(id).w = defaultSize(pictures[size_t(id)].width);
    }
    for (int id = 0; id < ScenePart::Count; ++id) {
        // The miscellaneous part starts at the user blink's size, not its own.
        const SceneRecord::Part &size = scene.part(id == ScenePart::Misc ? ScenePart::UserBlink : id);
        scene.part(id).x = size.w;
        scene.part(id).y = size.h;
    }
}

void setDefaultTexts(SceneRecord &scene)
{
    const SceneRecord defaults;
    scene.MiscFrames = defaults.MiscFrames;
    scene.MiscSpeed = defaults.MiscSpeed;
    scene.MiscRndm = defaults.MiscRndm;
    scene.MiscDelay = defaults.MiscDelay;
}

} // namespace SceneDefaults
