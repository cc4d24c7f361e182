#include "SceneDefaults.h"

#include <cmath>

namespace SceneDefaults {

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

void setDefaultGeometry(SceneRecord &scene, const std::array<HimetricSize, PartCount> &pictures)
{
    auto size = [&](Part part, float &width, float &height) {
        height = defaultSize(pictures[part].height);
        width = defaultSize(pictures[part].width);
    };
    size(ZumiMouthPart, scene.ZMw, scene.ZMh);
    size(ZumiBlinkPart, scene.ZBw, scene.ZBh);
    size(UserMouthPart, scene.UMw, scene.UMh);
    size(UserBlinkPart, scene.UBw, scene.UBh);
    size(MiscPart, scene.MPw, scene.MPh);

    scene.ZMx = scene.ZMw;
    scene.ZMy = scene.ZMh;
    scene.ZBx = scene.ZBw;
    scene.ZBy = scene.ZBh;
    scene.UMx = scene.UMw;
    scene.UMy = scene.UMh;
    scene.UBx = scene.UBw;
    scene.UBy = scene.UBh;
    // The miscellaneous part starts at the user blink's size, not its own.
    scene.MPx = scene.UBw;
    scene.MPy = scene.UBh;
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
