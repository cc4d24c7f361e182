#pragma once

#include <QPointF>
#include <QRectF>

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

    // Where the features lie relative to the badge centre, at radius 78.
    static QRectF eyesBounds();
    static QRectF mouthBounds();

private:
    static void drawPerson(QPainter &p, const Look &look);
};
