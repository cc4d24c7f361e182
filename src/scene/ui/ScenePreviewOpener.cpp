// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScenePreviewOpener.h"

#include "SceneCanvas.h"
#include "ScenePreviewWindow.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <iterator>

ScenePreviewOpener::ScenePreviewOpener(QWidget &composer, SceneCanvas &canvas, SceneEditor &editor,
                                       Platform &platform)
    : QObject(&composer), m_composer(composer), m_canvas(canvas), m_editor(editor), m_platform(platform)
{
    connect(new QShortcut(QKeySequence(Qt::Key_F5), &composer), &QShortcut::activated, this,
            &ScenePreviewOpener::open);

    m_menu = new QMenu(&canvas);
    m_menu->setObjectName(QStringLiteral("mnuCanvas"));
    connect(m_menu->addAction(tr("Preview...")), &QAction::triggered, this, &ScenePreviewOpener::open);

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
        // Beside the composer, so neither hides the other: right of it, else
        // left of it, else below; where none fits, as far right as the screen
        // lets it. The place is always given: left to itself, a window manager
        // puts a new window at the screen's corner, over the canvas.
        // The window sized itself for its picture one to one. Not yet shown,
        // it has no frame: the composer's tells how large the frame will be.
        QRect composer = m_composer.frameGeometry();
        const QSize size = m_window->size() + (composer.size() - m_composer.size());
        constexpr int Gap = 8;
        const QRect candidates[] = {
            QRect(composer.topRight() + QPoint(Gap, 0), size),
            QRect(composer.topLeft() - QPoint(Gap + size.width(), 0), size),
            QRect(composer.bottomLeft() + QPoint(0, Gap), size),
        };
        QRect place = candidates[0];
        if (const QScreen *screen = m_composer.screen()) {
            const QRect room = screen->availableGeometry();
            const auto fits = std::find_if(std::begin(candidates), std::end(candidates),
                                           [&room](const QRect &r) { return room.contains(r); });
            if (fits != std::end(candidates)) {
                place = *fits;
            } else if (composer.width() + Gap + size.width() <= room.width()) {
                // Side by side fits the screen once the composer makes room
                // (a window manager centres it): it slides left just enough.
                const int left =
                    std::max(room.left(), room.right() + 1 - size.width() - Gap - composer.width());
                m_composer.move(m_composer.pos() + QPoint(left - composer.left(), 0));
                composer.moveLeft(left);
                place = QRect(composer.topRight() + QPoint(Gap + 1, 0), size);
                place.moveTop(std::clamp(place.top(), room.top(),
                                         std::max(room.top(), room.bottom() + 1 - size.height())));
            } else {
                place.moveRight(std::min(place.right(), room.right()));
                place.moveLeft(std::max(place.left(), room.left()));
                place.moveTop(
                    std::clamp(place.top(), room.top(), std::max(room.top(), room.bottom() - size.height())));
            }
        }
        m_window->move(place.topLeft());
        m_window->show();
    }
    m_window->raise();
    m_window->activateWindow();
}
