#pragma once

#include <QWidget>

class Platform;

// The Personality Editor.
class MemoryEd : public QWidget
{
    Q_OBJECT
public:
    explicit MemoryEd(Platform &platform, QWidget *parent = nullptr);
    ~MemoryEd() override;

private:
    Platform &m_platform;
};
