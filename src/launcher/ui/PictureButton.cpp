// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureButton.h"

#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>

#include <utility>

namespace {

// Read as the format its name says: a reader left to find the format first
// asks every image plugin, loading each of them and their libraries, before
// it takes its own PNG reader.
QPixmap labelPicture(const QString &path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull())
        return QPixmap(path);
    return QPixmap::fromImage(std::move(image));
}

} // namespace

PictureButton::PictureButton(const QString &picture, QWidget *parent)
    : QAbstractButton(parent), m_picture(labelPicture(picture))
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
