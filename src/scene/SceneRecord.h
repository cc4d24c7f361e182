#pragma once

#include <QString>

// The one scene the composer edits: picture names (bare file names in the
// Images folder), the geometry of the five parts in canvas pixels, the on/off
// flags and the miscellaneous part's four animation texts.
struct SceneRecord
{
    QString Background = QStringLiteral("bg.jpg");
    QString ZumiMouth = QStringLiteral("zumimouth.jpg");
    QString ZumiBlink = QStringLiteral("zumiblink.jpg");
    QString UserMouth = QStringLiteral("usermouth.jpg");
    QString UserBlink = QStringLiteral("userblink.jpg");
    QString MiscPart = QStringLiteral("miscpart.jpg");
    QString NudeImage;

    float ZMw = 0, ZMh = 0, ZMx = 0, ZMy = 0;
    float ZBw = 0, ZBh = 0, ZBx = 0, ZBy = 0;
    float UMw = 0, UMh = 0, UMx = 0, UMy = 0;
    float UBw = 0, UBh = 0, UBx = 0, UBy = 0;
    float MPw = 0, MPh = 0, MPx = 0, MPy = 0;

    bool ZumiBlinkOn = false;
    bool UserMouthOn = false;
    bool UserBlinkOn = false;
    bool MiscOn = false;
    bool NudeImageOn = false;

    QString MiscFrames = QStringLiteral("8");
    QString MiscSpeed = QStringLiteral("100");
    QString MiscRndm = QStringLiteral("100");
    QString MiscDelay = QStringLiteral("3");

    bool operator==(const SceneRecord &o) const;
    bool operator!=(const SceneRecord &o) const { return !(*this == o); }
};
