#include "PictureButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

PictureButton::PictureButton(const QString &picture, QWidget *parent)
    : QAbstractButton(parent), m_picture(picture)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize PictureButton::sizeHint() const
{
    return m_picture.size();
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
    if (isDown())
        painter.fillRect(rect(), QColor(0, 0, 0, 40));
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
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
