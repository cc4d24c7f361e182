// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pointer use on the composer's canvas, for the benchmarks that drag parts.

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <cmath>

// A press, move or release of the left button at position on the canvas.
inline void sendMouse(QWidget *canvas, QEvent::Type type, QPointF position)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, position, canvas->mapToGlobal(position), button, held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

// The i-th point of a long path that wanders over the whole canvas.
inline QPointF wanderingPoint(int i)
{
    return QPointF(350 + 300 * std::sin(i / 37.0), 250 + 220 * std::cos(i / 23.0));
}
