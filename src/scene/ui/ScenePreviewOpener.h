// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>

class Platform;
class QMenu;
class QWidget;
class SceneCanvas;
class SceneEditor;
class ScenePreviewWindow;

// Opens the scene preview from the composer: F5 anywhere in the composer's
// window, or "Preview..." in the canvas's context menu. There is one preview
// at a time; asking again brings it to the front.
//
// Every mouse button drags the selected part on the canvas, so the menu opens
// when the right button is released near where it went down; a right-button
// drag stays a drag. The keyboard's menu key opens it too.
class ScenePreviewOpener : public QObject
{
    Q_OBJECT
public:
    ScenePreviewOpener(QWidget &composer, SceneCanvas &canvas, SceneEditor &editor, Platform &platform);

    // Opens the preview, or raises the open one.
    void open();
    // The open preview, if any.
    ScenePreviewWindow *window() const;
    // The canvas's context menu, for other commands to join.
    QMenu &menu() const { return *m_menu; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showMenu(const QPoint &globalPosition);

    QWidget &m_composer;
    SceneCanvas &m_canvas;
    SceneEditor &m_editor;
    Platform &m_platform;
    QMenu *m_menu = nullptr;
    QPointer<ScenePreviewWindow> m_window;
    bool m_rightPressed = false; // the right button went down, and the pointer stayed near
    QPointF m_pressedAt;
};
