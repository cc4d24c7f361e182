#pragma once

#include <QWidget>

class Platform;

// The Locations window.
class Locs : public QWidget
{
    Q_OBJECT
public:
    explicit Locs(Platform &platform, QWidget *parent = nullptr);
    ~Locs() override;

private:
    Platform &m_platform;
};
