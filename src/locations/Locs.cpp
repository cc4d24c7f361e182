#include "Locs.h"

#include "Platform.h"

Locs::Locs(Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("Locs"));
    setWindowTitle(QStringLiteral("Locations"));
    setFixedSize(490, 341);
}

Locs::~Locs() = default;
