// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntryLine.h"

#include <QKeyEvent>

#include <utility>

namespace {

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

EntryLine::EntryLine(QWidget *parent)
    : LineBox(parent)
{
}

void EntryLine::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(event))
        m_enterPressed = true;
    LineBox::keyPressEvent(event);
}

void EntryLine::keyReleaseEvent(QKeyEvent *event)
{
    LineBox::keyReleaseEvent(event);
    if (isEnter(event) && !event->isAutoRepeat() && std::exchange(m_enterPressed, false))
        emit entered();
}

void EntryLine::focusOutEvent(QFocusEvent *event)
{
    m_enterPressed = false;
    LineBox::focusOutEvent(event);
}
