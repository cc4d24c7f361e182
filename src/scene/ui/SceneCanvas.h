// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

// The composer's drawing surface (`picCanvas`): shows the canvas picture the
// scene editor draws, 700 x 500, and passes the mouse and the arrow keys on
// as signals. Mouse positions are in canvas pixels; moves and the release
// keep arriving while the pointer is outside the canvas during a drag.
class SceneCanvas : public QWidget
{
    Q_OBJECT
public:
    explicit SceneCanvas(QWidget *parent = nullptr);

    // The picture shown; it must live as long as the canvas. Call update()
    // when it changed.
    void setPicture(const QImage *picture);
    const QImage &image() const;

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF position);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF position);
    // An arrow key: (dx, dy) one pixel, ten with Shift; repeat for a key held down.
    void arrowPressed(int dx, int dy, bool repeat);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    const QImage *m_picture = nullptr;
    // The plain canvas, shown until a picture is set; the window sets one
    // before it is first drawn, so it is made only when asked for.
    mutable QImage m_empty;
};
