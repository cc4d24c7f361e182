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

namespace {

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// The same key event with Space as its key, which QAbstractButton handles.
QKeyEvent asSpace(const QKeyEvent *event)
{
    return QKeyEvent(event->type(), Qt::Key_Space, event->modifiers(), QStringLiteral(" "),
                     event->isAutoRepeat());
}

} // namespace

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(event)) {
        QKeyEvent space = asSpace(event);
        QAbstractButton::keyPressEvent(&space);
        event->setAccepted(space.isAccepted());
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void PictureButton::keyReleaseEvent(QKeyEvent *event)
{
    if (isEnter(event)) {
        QKeyEvent space = asSpace(event);
        QAbstractButton::keyReleaseEvent(&space);
        event->setAccepted(space.isAccepted());
        return;
    }
    QAbstractButton::keyReleaseEvent(event);
}
