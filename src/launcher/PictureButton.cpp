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

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    // Space is handled by QAbstractButton; Enter and Return press it too.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
