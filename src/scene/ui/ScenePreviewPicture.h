// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

// The preview's picture (`picPreview`): shows the preview's frame, 700 x 500,
// one to one. It paints only the region it is asked to, so a changing mouth
// or strip frame costs the pixels of that part alone.
class ScenePreviewPicture : public QWidget
{
    Q_OBJECT
public:
    // picture must live as long as the widget.
    ScenePreviewPicture(const QImage *picture, QWidget *parent = nullptr);

    // How many paint events arrived, and how many pixels they painted.
    struct PaintCounts
    {
        quint64 paints = 0;
        quint64 pixels = 0;
    };
    const PaintCounts &paintCounts() const { return m_counts; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QImage *m_picture;
    PaintCounts m_counts;
};
