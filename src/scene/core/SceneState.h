#pragma once

#include "ScenePictures.h"
#include "SceneRecord.h"

#include <QString>

// What an undo step of the composer restores: the scene with its pictures and
// the state of the controls that show it.
struct SceneState
{
    SceneRecord record;
    ScenePictures pictures;
    int selected = -1;               // the selected part, -1 before start-up
    bool showPart = false;           // "Show/Hide Image"
    bool alternativeShown = false;   // the captionless box: alternative background swapped in
    bool alternativeEnabled = false; // that box and the alternative background's LOAD enabled
    QString shownName;               // what the selected part's name box shows

    bool operator==(const SceneState &o) const;
    bool operator!=(const SceneState &o) const { return !(*this == o); }
};
