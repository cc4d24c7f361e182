// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowLayout.h"

#include <QSize>

// The launcher's layout: its picture buttons sit in slots that the background
// picture paints at the same places.
namespace SuiteMainLayout {

using WindowLayout::Kind;

constexpr QSize ClientSize(497, 365);

inline constexpr WindowLayout::Control Controls[] = {
    {Kind::PictureButton, "Picture1", "", {-1, 30, 200, 37}, 0, "starts the scene composer"},
    {Kind::PictureButton, "Picture2", "", {0, 71, 199, 35}, 1, "shows the Knowledge Base Editor"},
    {Kind::PictureButton, "Picture3", "", {-1, 111, 199, 35}, 2, "shows the Personality Editor"},
    {Kind::PictureButton, "Picture4", "", {-1, 151, 200, 35}, 3, "shows the Locations window"},
};

} // namespace SuiteMainLayout
