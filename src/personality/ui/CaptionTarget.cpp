// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaptionTarget.h"

#include <QAbstractButton>
#include <QMouseEvent>

CaptionTarget::CaptionTarget(QAbstractButton *control, const QRect &caption, QWidget *parent)
    : QWidget(parent), m_control(control)
{
    setGeometry(caption);
    setFocusPolicy(Qt::NoFocus);
    lower();
}

void CaptionTarget::mousePressEvent(QMouseEvent *event)
{
    // Taken, so that the release comes here too.
    event->setAccepted(event->button() == Qt::LeftButton);
}

void CaptionTarget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    if (m_control->focusPolicy() & Qt::ClickFocus)
        m_control->setFocus(Qt::MouseFocusReason);
    m_control->click();
}
