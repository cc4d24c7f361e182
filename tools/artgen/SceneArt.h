// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Form1Layout.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>

class ArtWriter;
class QPainter;

// The default scene of the composer: the background with Zumi and the user's
// portrait badge, and the five part pictures cut from it.
//
// The composer sizes a part from its picture (P pixels give
// floor(round(P * 2540 / 96) / 26.454545) canvas pixels) and places it at its
// own size, the miscellaneous part at the user blink's size. So each part is
// the crop of the scene at (w, h) of size w x h, drawn with its feature
// changed, and lands exactly where it was cut from.
class SceneArt
{
public:
    // The composer's canvas, where its layout puts it.
    static constexpr int canvasWidth = Form1Layout::CanvasPlace.width();
    static constexpr int canvasHeight = Form1Layout::CanvasPlace.height();
    static const int miscFrames = 8;
    static const int miscFrameSize = 32;

    struct Part
    {
        QString fileName;
        QImage picture;
        QPoint position; // its default place on the canvas
        QRect shown;     // the canvas rectangle the composer fills from it
        QRect feature;   // where its picture differs from the background
    };

    // The composer's default size of a part from its picture size in pixels.
    static int partSize(int pixels);

    static QImage background();
    static QList<Part> parts(); // in option-button order

    // Writes bg.jpg and the five parts, after checking that each part covers
    // every changed pixel and that the miscellaneous strip sits on plain sky.
    // With a preview folder, also writes the composed default scene per part.
    static void writeAll(ArtWriter &writer, const QString &previewDir);

private:
    struct Looks
    {
        bool zumiEyesClosed = false;
        bool zumiMouthOpen = false;
        bool userEyesClosed = false;
        bool userMouthOpen = false;
    };

    static QImage world(const Looks &looks);
    static void drawLandscape(QPainter &p);
    static void fillBelow(QPainter &p, const QList<QPointF> &ridge, const QColor &top, const QColor &bottom);
    static void drawSpeechBubble(QPainter &p);
    static void drawForeground(QPainter &p);
    static QImage miscStrip(const QImage &world, QPoint at);
    static void drawButterfly(QPainter &p, QPointF centre, qreal open);
    static Part cut(const QString &fileName, const QImage &variant, const QImage &plain, QPoint at);
    static int pictureSizeFor(int shown);
    static QRect changedPixels(const QImage &a, const QImage &b);
    static bool plainRows(const QImage &image, const QRect &rect);
    struct EdgeStep
    {
        double mean = 0;
        int largest = 0;
    };
    static EdgeStep edgeStep(const QImage &scene, const QImage &background, const Part &part);
    static QImage compose(const QImage &background, const QImage &part, QPoint position);
};
