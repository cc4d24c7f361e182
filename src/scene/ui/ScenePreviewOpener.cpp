// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScenePreviewOpener.h"

#include "SceneCanvas.h"
#include "ScenePreviewWindow.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>
#include <QShortcut>

ScenePreviewOpener::ScenePreviewOpener(QWidget &composer, SceneCanvas &canvas, SceneEditor &editor,
                                       Platform &platform)
    : QObject(&composer), m_composer(composer), m_canvas(canvas), m_editor(editor), m_platform(platform)
{
    connect(new QShortcut(QKeySequence(Qt::Key_F5), &composer), &QShortcut::activated, this,
            &ScenePreviewOpener::open);

    m_menu = new QMenu(&canvas);
    m_menu->setObjectName(QStringLiteral("mnuCanvas"));
    connect(m_menu->addAction(QStringLiteral("Preview...")), &QAction::triggered, this,
            &ScenePreviewOpener::open);

    // The canvas's own handlers run first: the editor's drag is over before
    // the menu opens. A pointer that strays less than a drag distance is a click.
    auto strayed = [](QPointF from, QPointF to) {
        return (to - from).manhattanLength() >= QApplication::startDragDistance();
    };
    connect(&canvas, &SceneCanvas::mousePressed, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPointF position) {
                m_rightPressed = button == Qt::RightButton;
                m_pressedAt = position;
            });
    connect(&canvas, &SceneCanvas::mouseMoved, this,
            [this, strayed](Qt::MouseButtons, Qt::KeyboardModifiers, QPointF position) {
                if (strayed(m_pressedAt, position))
                    m_rightPressed = false;
            });
    connect(&canvas, &SceneCanvas::mouseReleased, this,
            [this, strayed](Qt::MouseButton button, Qt::KeyboardModifiers, QPointF position) {
                if (button == Qt::RightButton && m_rightPressed && !strayed(m_pressedAt, position))
                    showMenu(m_canvas.mapToGlobal(position.toPoint()));
                m_rightPressed = false;
            });
    canvas.installEventFilter(this);
}

bool ScenePreviewOpener::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_canvas || event->type() != QEvent::ContextMenu)
        return QObject::eventFilter(watched, event);
    // The mouse's menu waits for the release (see above); the keyboard's opens now.
    auto *request = static_cast<QContextMenuEvent *>(event);
    if (request->reason() != QContextMenuEvent::Mouse)
        showMenu(m_canvas.mapToGlobal(m_canvas.rect().center()));
    return true;
}

void ScenePreviewOpener::showMenu(const QPoint &globalPosition)
{
    m_menu->popup(globalPosition);
}

ScenePreviewWindow *ScenePreviewOpener::window() const
{
    return m_window;
}

void ScenePreviewOpener::open()
{
    if (!m_window) {
        m_window = new ScenePreviewWindow(m_editor, m_platform, &m_composer);
        // Beside the composer where the screen has room, so neither hides the other.
        m_window->adjustSize();
        const QRect beside(m_composer.frameGeometry().topRight() + QPoint(8, 0), m_window->frameSize());
        if (const QScreen *screen = m_composer.screen();
            screen && screen->availableGeometry().contains(beside))
            m_window->move(beside.topLeft());
        m_window->show();
    }
    m_window->raise();
    m_window->activateWindow();
}
