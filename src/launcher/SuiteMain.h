#pragma once

#include <QWidget>

class Platform;

// The launcher: the first window of Mindloom.
class SuiteMain : public QWidget
{
    Q_OBJECT
public:
    explicit SuiteMain(Platform &platform, QWidget *parent = nullptr);
    ~SuiteMain() override;

private:
    Platform &m_platform;
};
