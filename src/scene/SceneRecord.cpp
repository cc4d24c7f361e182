#include "SceneRecord.h"

bool SceneRecord::operator==(const SceneRecord &o) const
{
    return Background == o.Background && ZumiMouth == o.ZumiMouth && ZumiBlink == o.ZumiBlink &&
           UserMouth == o.UserMouth && UserBlink == o.UserBlink && MiscPart == o.MiscPart &&
           NudeImage == o.NudeImage && ZMw == o.ZMw && ZMh == o.ZMh && ZMx == o.ZMx && ZMy == o.ZMy &&
           ZBw == o.ZBw && ZBh == o.ZBh && ZBx == o.ZBx && ZBy == o.ZBy && UMw == o.UMw && UMh == o.UMh &&
           UMx == o.UMx && UMy == o.UMy && UBw == o.UBw && UBh == o.UBh && UBx == o.UBx && UBy == o.UBy &&
           MPw == o.MPw && MPh == o.MPh && MPx == o.MPx && MPy == o.MPy && ZumiBlinkOn == o.ZumiBlinkOn &&
           UserMouthOn == o.UserMouthOn && UserBlinkOn == o.UserBlinkOn && MiscOn == o.MiscOn &&
           NudeImageOn == o.NudeImageOn && MiscFrames == o.MiscFrames && MiscSpeed == o.MiscSpeed &&
           MiscRndm == o.MiscRndm && MiscDelay == o.MiscDelay;
}
