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

void ScenePreviewPicture::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    for (const QRect &area : event->region()) {
        painter.drawImage(area.topLeft(), *m_picture, area);
        m_counts.pixels += quint64(area.width()) * quint64(area.height());
    }
    ++m_counts.paints;
}
