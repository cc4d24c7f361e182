// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

// The preview's picture (`picPreview`): shows the preview's frame, 700 x 500,
// one to one or zoomed, each pixel a sharp block (nearest neighbour) so the
// artist sees the very pixels the companion will. It paints only the region
// it is asked to, so a changing mouth or strip frame costs the pixels of that
// part alone.
class ScenePreviewPicture : public QWidget
{
    Q_OBJECT
public:
    // picture must live as long as the widget.
    ScenePreviewPicture(const QImage *picture, QWidget *parent = nullptr);

    // Screen pixels per picture pixel; the widget takes the zoomed size.
    void setScale(double scale);
    double scale() const { return m_scale; }
    // Paints again what changed; changed is in the picture's pixels.
    void showChanged(const QRegion &changed);

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
    double m_scale = 1.0;
    PaintCounts m_counts;
};
