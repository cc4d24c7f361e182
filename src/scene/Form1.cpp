#include "Form1.h"

#include "Platform.h"

Form1::Form1(Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
{
    setWindowTitle(QStringLiteral("Frameloft"));
    setFixedSize(700, 589);
}

Form1::~Form1() = default;
