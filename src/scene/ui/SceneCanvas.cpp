// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneCanvas.h"

#include "CanvasPicture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

SceneCanvas::SceneCanvas(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picCanvas"));
    setFixedSize(CanvasPicture::Width, CanvasPicture::Height);
    // The picture covers the widget completely: no background erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves only while a button is held. Qt grabs the mouse for the widget that
    // took the press, so moves and the release keep coming while the pointer
    // is outside the canvas, with coordinates beyond its edges.
    setMouseTracking(false);
    // A stop of the window's keyboard focus order like any other control, and
    // focused by a click; there the arrow keys place the selected part.
    setFocusPolicy(Qt::StrongFocus);
}

void SceneCanvas::setPicture(const QImage *picture)
{
    m_picture = picture;
    update();
}

const QImage &SceneCanvas::image() const
{
    if (m_picture)
        return *m_picture;
    if (m_empty.isNull())
        m_empty = CanvasPicture().image();
    return m_empty;
}

void SceneCanvas::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), image(), area);
}

void SceneCanvas::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), event->modifiers(), event->position());
}

void SceneCanvas::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->buttons(), event->modifiers(), event->position());
}

void SceneCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased(event->button(), event->modifiers(), event->position());
}

void SceneCanvas::keyPressEvent(QKeyEvent *event)
{
    // Plain arrows or Shift with an arrow (the keypad's too); any other
    // modifier leaves the key to the window.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int step = modifiers == Qt::ShiftModifier ? 10 : 1;
    int dx = 0;
    int dy = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -step;
        break;
    case Qt::Key_Right:
        dx = step;
        break;
    case Qt::Key_Up:
        dy = -step;
        break;
    case Qt::Key_Down:
        dy = step;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    emit arrowPressed(dx, dy, event->isAutoRepeat());
}
