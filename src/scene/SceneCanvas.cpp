#include "SceneCanvas.h"

#include <QMouseEvent>
#include <QPainter>

// Implemented with the composer window.
QColor SceneCanvas::plainColour()
{
    return QColor(192, 192, 255);
}

SceneCanvas::SceneCanvas(QWidget *parent)
    : QWidget(parent)
    , m_image(CanvasWidth, CanvasHeight, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("picCanvas"));
    m_image.fill(plainColour());
}

void SceneCanvas::setBasePicture(const QImage &) {}
void SceneCanvas::copyPicture(const QImage &, float, float, float, float) {}
void SceneCanvas::invertOutline(float, float, float, float) {}

void SceneCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
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
