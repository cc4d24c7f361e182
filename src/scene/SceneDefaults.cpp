#include "SceneDefaults.h"

// Implemented with the scene core.
namespace SceneDefaults {
float defaultSize(int)
{
    return 0;
}
float loadedSize(int)
{
    return 0;
}
void setDefaultGeometry(SceneRecord &, const std::array<HimetricSize, PartCount> &) {}
} // namespace SceneDefaults
