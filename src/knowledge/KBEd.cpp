#include "KBEd.h"

#include "Platform.h"

KBEd::KBEd(Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("KBEd"));
    setWindowTitle(QStringLiteral("Knowledge Base Editor"));
    setFixedSize(537, 449);
}

KBEd::~KBEd() = default;
