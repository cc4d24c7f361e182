#include "ScenePart.h"

namespace {

struct Fields
{
    QString SceneRecord::*name;
    float SceneRecord::*x;
    float SceneRecord::*y;
    float SceneRecord::*w;
    float SceneRecord::*h;
};

// In the fixed part order.
const Fields partFields[SceneDefaults::PartCount] = {
    {&SceneRecord::ZumiMouth, &SceneRecord::ZMx, &SceneRecord::ZMy, &SceneRecord::ZMw, &SceneRecord::ZMh},
    {&SceneRecord::ZumiBlink, &SceneRecord::ZBx, &SceneRecord::ZBy, &SceneRecord::ZBw, &SceneRecord::ZBh},
    {&SceneRecord::UserMouth, &SceneRecord::UMx, &SceneRecord::UMy, &SceneRecord::UMw, &SceneRecord::UMh},
    {&SceneRecord::UserBlink, &SceneRecord::UBx, &SceneRecord::UBy, &SceneRecord::UBw, &SceneRecord::UBh},
    {&SceneRecord::MiscPart, &SceneRecord::MPx, &SceneRecord::MPy, &SceneRecord::MPw, &SceneRecord::MPh},
};

// One coordinate of a drag: n below 0 gives 0; beyond limit (when there is one)
// gives limit. The limit is a single, rounded before the comparison.
float clampDragged(float n, float canvasSize, float size, bool farLimit)
{
    if (n < 0)
        return 0;
    const float limit = canvasSize - size;
    if (farLimit && limit < n)
        return limit;
    return n;
}

// Each step checks only the edge it moves towards: left and up stop at 0, right
// and down at the fixed canvas size (no limit for the miscellaneous part).
// A sum equal to the limit is allowed.
float nudged(float position, float size, int step, float farLimit, bool hasFarLimit)
{
    const float moved = position + float(step);
    if (step < 0)
        return moved < 0 ? 0 : moved;
    const float farEdge = moved + size;
    if (hasFarLimit && farEdge > farLimit)
        return farLimit - size;
    return moved;
}

} // namespace

ScenePart::ScenePart(SceneRecord &scene, SceneDefaults::Part part) : m_scene(scene), m_part(part) {}

QString SceneRecord::*ScenePart::nameField(SceneDefaults::Part part)
{
    return partFields[part].name;
}

QString &ScenePart::name() const
{
    return m_scene.*partFields[m_part].name;
}

float &ScenePart::x() const
{
    return m_scene.*partFields[m_part].x;
}

float &ScenePart::y() const
{
    return m_scene.*partFields[m_part].y;
}

float &ScenePart::w() const
{
    return m_scene.*partFields[m_part].w;
}

float &ScenePart::h() const
{
    return m_scene.*partFields[m_part].h;
}

void ScenePart::dragTo(float n, float m, float canvasWidth, float canvasHeight) const
{
    const bool farLimits = m_part != SceneDefaults::MiscPart;
    x() = clampDragged(n, canvasWidth, w(), farLimits);
    y() = clampDragged(m, canvasHeight, h(), farLimits);
}

void ScenePart::nudge(int dx, int dy) const
{
    const bool farLimits = m_part != SceneDefaults::MiscPart;
    if (dx != 0)
        x() = nudged(x(), w(), dx, NudgeRightLimit, farLimits);
    if (dy != 0)
        y() = nudged(y(), h(), dy, NudgeBottomLimit, farLimits);
}
