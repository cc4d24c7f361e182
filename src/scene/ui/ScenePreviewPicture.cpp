// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScenePreviewPicture.h"

#include "CanvasPicture.h"

#include <QPaintEvent>
#include <QPainter>

ScenePreviewPicture::ScenePreviewPicture(const QImage *picture, QWidget *parent)
    : QWidget(parent), m_picture(picture)
{
    setObjectName(QStringLiteral("picPreview"));
    setFixedSize(CanvasPicture::Width, CanvasPicture::Height);
    // The frame covers the widget completely: no background erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScenePreviewPicture::setScale(double scale)
{
    if (scale <= 0 || scale == m_scale)
        return;
    m_scale = scale;
    setFixedSize(int(CanvasPicture::Width * scale), int(CanvasPicture::Height * scale));
    update();
}

void ScenePreviewPicture::showChanged(const QRegion &changed)
{
    if (m_scale == 1.0) {
        update(changed);
        return;
    }
    QRegion shown;
    for (const QRect &area : changed)
        shown +=
            QRectF(area.x() * m_scale, area.y() * m_scale, area.width() * m_scale, area.height() * m_scale)
                .toAlignedRect();
    update(shown);
}

void ScenePreviewPicture::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    for (const QRect &area : event->region()) {
        if (m_scale == 1.0) {
            painter.drawImage(area.topLeft(), *m_picture, area);
        } else {
            // The picture's pixels under the area, whole, drawn as blocks.
            const QRect source = QRectF(area.x() / m_scale, area.y() / m_scale, area.width() / m_scale,
                                        area.height() / m_scale)
                                     .toAlignedRect() &
                                 m_picture->rect();
            const QRectF target(source.x() * m_scale, source.y() * m_scale, source.width() * m_scale,
                                source.height() * m_scale);
            painter.setClipRect(area);
            painter.drawImage(target, *m_picture, QRectF(source));
        }
        m_counts.pixels += quint64(area.width()) * quint64(area.height());
    }
    ++m_counts.paints;
}
