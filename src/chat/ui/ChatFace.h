// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScenePreview.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class Platform;

// The companion's face beside the Test Chat's replies (`picFace`): a scene
// drawn by the composer's preview, blinking as the preview does, its mouth
// talking by the text of each reply (TalkSchedule). The scene is shown scaled
// to the widget, keeping its shape.
class ChatFace : public QWidget
{
    Q_OBJECT
public:
    explicit ChatFace(QWidget *parent = nullptr);

    // The scene in the scene file's text (empty: the composer's start-up
    // scene), its pictures from the folder's "Images". Returns an empty
    // string, or why the scene cannot be shown (nothing changes then).
    QString setScene(const QString &sceneText, const QString &programFolder);
    // The mouth talks by text from now on.
    void say(const QString &text);

    const ScenePreview &preview() const { return m_preview; }
    QSize sizeHint() const override { return {350, 250}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void advance();
    void schedule();

    ScenePreview m_preview;
    QElapsedTimer m_clock;
    QTimer m_timer;
};
