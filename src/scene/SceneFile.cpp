#include "SceneFile.h"

// Implemented with the scene core.
QString BuildSceneText(const SceneRecord &)
{
    return QString();
}

bool FindSceneEntry(const QString &, const QString &, QString *)
{
    return false;
}

namespace SceneFile {
EntryPosition findEntry(const QString &, const QString &)
{
    return {};
}
QString numberText(float)
{
    return QString();
}
float numberFromText(const QString &)
{
    return 0;
}
} // namespace SceneFile
