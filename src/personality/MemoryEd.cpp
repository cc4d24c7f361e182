#include "MemoryEd.h"

#include "Platform.h"

MemoryEd::MemoryEd(Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("MemoryEd"));
    setWindowTitle(QStringLiteral("Personality Editor"));
    setFixedSize(563, 469);
}

MemoryEd::~MemoryEd() = default;
