// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SceneRecord.h"

#include <QString>

#include <array>

// The default scene: its six pictures, part sizes derived from picture sizes
// (in hundredths of a millimetre) and the default positions.
namespace SceneDefaults {

// The default pictures in the Images folder.
QString background();                  // "bg.jpg"
QString partPicture(ScenePart::Id id); // "zumimouth.jpg", "zumiblink.jpg", ...

// Start-up and New Scene: floor(himetric / 26.454545).
float defaultSize(int himetric);

// The LOAD buttons: floor(himetric / 26).
float loadedSize(int himetric);

struct HimetricSize
{
    int width = 0;
    int height = 0;
};

// Sets the ten default sizes from the pictures' sizes (in part order), then the
// ten default positions: each of the first four parts at its own width and
// height, the miscellaneous part at the user blink's width and height.
void setDefaultGeometry(SceneRecord &scene, const std::array<HimetricSize, ScenePart::Count> &pictures);

// The four animation texts back to their default texts: Frames "8",
// Speed "100", Rndm "100", Delay "3".
void setDefaultTexts(SceneRecord &scene);

} // namespace SceneDefaults
