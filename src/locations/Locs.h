#pragma once

#include "LocationSettings.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <memory>

class FileDialog;
class Platform;
class QLabel;
class QLineEdit;

// The Locations window: the five locations of "Options.Cfg", each a picture
// from the "Locations" folder of the program folder and a short text. Opening
// the window reads the file; "Save Settings" writes it back.
class Locs : public QWidget
{
    Q_OBJECT
public:
    explicit Locs(Platform &platform, QWidget *parent = nullptr);
    ~Locs() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void loadSettings();
    void openPicture(int n);
    void saveSettings();
    QString unstorableValueMessage() const;

    Platform &m_platform;
    std::unique_ptr<FileDialog> cdl;
    // LocationFile, LocationText and OptOther, with the other settings after the entries.
    LocationSettings m_settings;
    // Set when an existing "Options.Cfg" could not be read at opening: saving
    // would then replace the settings it holds, so it is refused.
    QString m_readError;
    std::array<QLabel *, LocationSettings::Count> m_images{};
    std::array<QLineEdit *, LocationSettings::Count> m_texts{};
    QPixmap m_background;
};
