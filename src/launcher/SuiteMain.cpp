#include "SuiteMain.h"

#include "Platform.h"

SuiteMain::SuiteMain(Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("SuiteMain"));
    setWindowTitle(QStringLiteral("Mindloom 2G"));
    setFixedSize(497, 365);
}

SuiteMain::~SuiteMain() = default;
