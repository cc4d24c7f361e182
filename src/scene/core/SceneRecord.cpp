// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneRecord.h"

bool SceneRecord::operator==(const SceneRecord &o) const
{
    return Background == o.Background && parts == o.parts && NudeImage == o.NudeImage &&
           NudeImageOn == o.NudeImageOn && MiscFrames == o.MiscFrames && MiscSpeed == o.MiscSpeed &&
           MiscRndm == o.MiscRndm && MiscDelay == o.MiscDelay;
}
