// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QPixmap>

class Platform;

// A painted label used as a button: shows its picture unscaled from the
// top-left corner (clipped to the button), takes the keyboard focus and is
// pressed with the mouse, Space, Enter or Return. Like Space, Enter and Return
// click on their release, so that the release does not reach the window the
// click has just opened (whose entry line would take it as a typed Enter).
// The picture is loaded through the platform when it is first needed, so that
// one decoded ahead (Platform::expectPictures) is decoded while the window is
// being built and shown.
class PictureButton : public QAbstractButton
{
    Q_OBJECT
public:
    PictureButton(Platform &platform, const QString &picture, QWidget *parent);

    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    const QPixmap &picture() const;

    Platform &m_platform;
    QString m_path;
    mutable QPixmap m_picture;
    mutable bool m_loaded = false;
};
