// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>

class QPainter;

// The companion character: a round lavender creature with tall rounded ears,
// a curly antenna ending in a star, big dark eyes and a cream muzzle.
// Drawn in its own coordinates (head centre at the origin, head about 280 px
// wide at scale 1), so the scene, the portraits and the icon share one design.
class Zumi
{
public:
    struct Look
    {
        bool eyesClosed = false;
        bool mouthOpen = false;
        bool waving = false; // the left paw raised in greeting
        bool body = true;    // false: head only (icons)
    };

    static void draw(QPainter &p, QPointF headCentre, qreal scale, const Look &look);

private:
    static void drawBody(QPainter &p, const Look &look);
    static void drawEars(QPainter &p);
    static void drawAntenna(QPainter &p);
    static void drawHead(QPainter &p);
    static void drawEyes(QPainter &p, bool closed);
    static void drawMouth(QPainter &p, bool open);
};
