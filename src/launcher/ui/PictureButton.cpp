// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureButton.h"

#include "Platform.h"

#include <QKeyEvent>
#include <QPainter>

#include <utility>

PictureButton::PictureButton(Platform &platform, const QString &picture, QWidget *parent)
    : QAbstractButton(parent), m_platform(platform), m_path(picture)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

const QPixmap &PictureButton::picture() const
{
    if (!m_loaded) {
        m_loaded = true;
        PictureResult loaded = m_platform.loadPicture(m_path);
        m_picture = loaded.ok() ? QPixmap::fromImage(std::move(loaded.picture.image)) : QPixmap(m_path);
    }
    return m_picture;
}

QSize PictureButton::sizeHint() const
{
    return picture().size();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture());
    if (isDown())
        painter.fillRect(rect(), QColor(0, 0, 0, 40));
    if (hasFocus()) {
        // The style's dotted focus frame is lost on the painted labels: a
        // golden ring with a dark edge shows on the white label and on the
        // violet background alike.
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF ring = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(60, 20, 90), 4));
        painter.drawRoundedRect(ring, 9, 9);
        painter.setPen(QPen(QColor(255, 200, 40), 2));
        painter.drawRoundedRect(ring, 9, 9);
    }
}

bool PictureButton::event(QEvent *event)
{
    // Enter and Return act as Space does: pressing pushes the button down and
    // releasing clicks it.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            QKeyEvent space(key->type(), Qt::Key_Space, key->modifiers(), QStringLiteral(" "),
                            key->isAutoRepeat());
            const bool handled = QAbstractButton::event(&space);
            event->setAccepted(space.isAccepted());
            return handled;
        }
    }
    return QAbstractButton::event(event);
}
