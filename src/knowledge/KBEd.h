#pragma once

#include <QWidget>

class Platform;

// The Knowledge Base Editor.
class KBEd : public QWidget
{
    Q_OBJECT
public:
    explicit KBEd(Platform &platform, QWidget *parent = nullptr);
    ~KBEd() override;

private:
    Platform &m_platform;
};
