// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the tests of the scene core and of the composer window both check.

#include "SceneRecord.h"

#include <QStringList>

#include <utility>

// The sizes LOAD stores for a picture of some pixels a side: reported in
// HIMETRIC at 96 dpi (himetricAt96Dpi), most come back a little larger.
inline const std::pair<int, float> LoadedSizes[] = {
    {50, 50.f}, {57, 58.f}, {100, 101.f}, {200, 203.f}, {640, 651.f}};

inline int himetricAt96Dpi(int pixels)
{
    return qRound(pixels * 2540 / 96.0);
}

// The pictures a scene names: the background, then the five parts in their
// order.
inline QStringList pictureNames(const SceneRecord &scene)
{
    QStringList names{scene.Background};
    for (int part = 0; part < ScenePart::Count; ++part)
        names << scene.parts[part].name;
    return names;
}

// pictureNames() of the start-up scene.
inline const QStringList StartUpPictureNames{QStringLiteral("bg.jpg"),        QStringLiteral("zumimouth.jpg"),
                                             QStringLiteral("zumiblink.jpg"), QStringLiteral("usermouth.jpg"),
                                             QStringLiteral("userblink.jpg"), QStringLiteral("miscpart.jpg")};
