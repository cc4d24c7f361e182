#include "SceneState.h"

bool SceneState::operator==(const SceneState &o) const
{
    return selected == o.selected && showPart == o.showPart && alternativeShown == o.alternativeShown &&
           alternativeEnabled == o.alternativeEnabled && shownName == o.shownName && record == o.record &&
           pictures == o.pictures;
}
