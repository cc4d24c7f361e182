// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// The five parts of a scene in their fixed order, the order of the option
// buttons; every array of part values is indexed by it.
namespace ScenePart {
enum Id : int { ZumiMouth = 0, ZumiBlink, UserMouth, UserBlink, Misc };
constexpr int Count = 5;
} // namespace ScenePart

// The one scene the composer edits: picture names (bare file names in the
// Images folder), the geometry of the five parts in canvas pixels, the on/off
// switches and the miscellaneous part's four animation texts.
struct SceneRecord
{
    // One part: its picture name, its size and place on the canvas (singles,
    // in canvas pixels), and its switch. The Zumi mouth has no switch: it is
    // always in the scene, and its `on` stays false (see inScene).
    struct Part
    {
        QString name;
        float w = 0, h = 0, x = 0, y = 0;
        bool on = false;

        bool operator==(const Part &o) const
        {
            return name == o.name && w == o.w && h == o.h && x == o.x && y == o.y && on == o.on;
        }
        bool operator!=(const Part &o) const { return !(*this == o); }
    };

    QString Background = QStringLiteral("bg.jpg");
    std::array<Part, ScenePart::Count> parts = {
        Part{QStringLiteral("zumimouth.jpg")}, Part{QStringLiteral("zumiblink.jpg")},
        Part{QStringLiteral("usermouth.jpg")}, Part{QStringLiteral("userblink.jpg")},
        Part{QStringLiteral("miscpart.jpg")}};
    QString NudeImage;
    bool NudeImageOn = false;

    QString MiscFrames = QStringLiteral("8");
    QString MiscSpeed = QStringLiteral("100");
    QString MiscRndm = QStringLiteral("100");
    QString MiscDelay = QStringLiteral("3");

    Part &part(int id) { return parts[size_t(id)]; }
    const Part &part(int id) const { return parts[size_t(id)]; }
    // Whether the part is written into the scene file.
    bool inScene(int id) const { return id == ScenePart::ZumiMouth || part(id).on; }

    bool operator==(const SceneRecord &o) const;
    bool operator!=(const SceneRecord &o) const { return !(*this == o); }
};
