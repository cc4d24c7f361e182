// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Picture.h"
#include "SceneRecord.h"

#include <array>

// The composer's picture holders: the picture the canvas shows behind the
// parts (the background, or the alternative one while it is swapped in), and
// one picture per part in part order. Pictures share their pixels when copied.
struct ScenePictures
{
    Picture background;
    std::array<Picture, ScenePart::Count> parts;

    bool operator==(const ScenePictures &o) const { return background == o.background && parts == o.parts; }
    bool operator!=(const ScenePictures &o) const { return !(*this == o); }
};
