#pragma once

#include <QWidget>

class Platform;

// The scene composer's window.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

private:
    Platform &m_platform;
};
