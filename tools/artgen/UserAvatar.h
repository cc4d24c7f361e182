// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>

class QPainter;

// The user's stand-in in the default scene: a smiling person in a round
// portrait badge, so the user-mouth and user-blink parts have a face to sit on.
class UserAvatar
{
public:
    struct Look
    {
        bool eyesClosed = false;
        bool mouthOpen = false;
    };

    // The badge centred on `centre` with the given outer radius (78 at scale 1).
    static void drawBadge(QPainter &p, QPointF centre, qreal radius, const Look &look);

private:
    static void drawPerson(QPainter &p, const Look &look);
};
