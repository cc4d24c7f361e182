// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocationPictures.h"

#include "ArtWriter.h"
#include "Paint.h"

#include <QDir>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

void LocationPictures::writeAll(ArtWriter &writer, const QString &previewDir)
{
    const QSize size(width, height);
    const QString names[] = {QStringLiteral("Garden"), QStringLiteral("Library"), QStringLiteral("Beach"),
                             QStringLiteral("Night City"), QStringLiteral("Mountains")};
    const QImage pictures[] = {garden(), library(), beach(), nightCity(), mountains()};
    for (int i = 0; i < 5; ++i)
        writer.write(QStringLiteral("assets/Locations/%1.jpg").arg(names[i]), pictures[i], size);
    if (previewDir.isEmpty())
        return;

    QImage sheet = Paint::canvas(2 * width + 12, 3 * height + 16, QColor(60, 60, 60));
    QPainter p(&sheet);
    for (int i = 0; i < 5; ++i) {
        const QImage decoded(
            QDir(writer.root()).filePath(QStringLiteral("assets/Locations/%1.jpg").arg(names[i])));
        p.drawImage(4 + (i % 2) * (width + 4), 4 + (i / 2) * (height + 4), decoded);
    }
    p.end();
    sheet.save(QDir(previewDir).filePath(QStringLiteral("locations.png")));
}

QImage LocationPictures::garden()
{
    QImage image = Paint::gradientCanvas(QSize(width, height), QPointF(0, 0), QPointF(0, 130),
                                         QColor(130, 200, 250), QColor(232, 246, 255));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Paint::cloud(p, QRectF(170, 18, 90, 38), QColor(228, 238, 252));
    Paint::cloud(p, QRectF(30, 40, 60, 26), QColor(228, 238, 252));

    // Hedge behind the fence.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        const qreal x = -10 + i * 30;
        QRadialGradient bush(QPointF(x + 6, 108), 30);
        bush.setColorAt(0.0, QColor(104, 170, 92));
        bush.setColorAt(1.0, QColor(52, 118, 60));
        p.setBrush(bush);
        p.drawEllipse(QPointF(x + 15, 122 - (i % 3) * 3), 24, 22);
    }
    p.fillRect(QRectF(0, 128, width, 30), QColor(62, 128, 66));

    // Lawn.
    QLinearGradient lawn(QPointF(0, 150), QPointF(0, 240));
    lawn.setColorAt(0.0, QColor(140, 206, 110));
    lawn.setColorAt(1.0, QColor(86, 164, 76));
    p.fillRect(QRectF(0, 150, width, 90), lawn);

    // Picket fence with a gate gap where the path meets it.
    p.setPen(QPen(QColor(170, 160, 150), 1));
    p.setBrush(QColor(250, 248, 242));
    p.drawRect(QRectF(0, 140, 140, 5));
    p.drawRect(QRectF(180, 140, 140, 5));
    for (qreal x = 4; x < width; x += 14) {
        if (x > 138 && x < 176)
            continue;
        QPainterPath picket;
        picket.moveTo(x, 164);
        picket.lineTo(x, 132);
        picket.lineTo(x + 4, 127);
        picket.lineTo(x + 8, 132);
        picket.lineTo(x + 8, 164);
        picket.closeSubpath();
        p.drawPath(picket);
    }

    // The path with stepping stones.
    QPainterPath path;
    path.moveTo(146, 160);
    path.cubicTo(140, 190, 110, 205, 104, 240);
    path.lineTo(216, 240);
    path.cubicTo(200, 205, 176, 190, 172, 160);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 208, 170));
    p.drawPath(path);
    p.setBrush(QColor(196, 180, 150));
    const QPointF stones[] = {{158, 170}, {152, 186}, {150, 204}, {156, 224}};
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(stones[i], 7 + i * 3, 3 + i * 1.5);

    // Flower beds on both sides.
    QRandomGenerator rng(1101);
    const QColor petals[] = {QColor(255, 120, 160), QColor(255, 210, 80), QColor(200, 150, 255), Qt::white,
                             QColor(255, 150, 90)};
    for (int i = 0; i < 70; ++i) {
        const bool left = i % 2 == 0;
        const qreal y = 172 + rng.bounded(64.0);
        const qreal spread = (y - 160) * 0.9;
        const qreal x =
            left ? rng.bounded(qMax(20.0, 130 - spread)) : 190 + spread * 0.6 + rng.bounded(130.0);
        const qreal r = 3 + (y - 170) / 14;
        p.setPen(QPen(QColor(60, 130, 60), 1.2));
        p.drawLine(QPointF(x, y), QPointF(x, y + r * 2));
        Paint::flower(p, QPointF(x, y), r, petals[rng.bounded(5)], QColor(255, 220, 80));
    }

    // A tree on the left.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 84, 56));
    p.drawRect(QRectF(30, 70, 12, 90));
    for (const QPointF c :
         {QPointF(24, 60), QPointF(50, 50), QPointF(36, 36), QPointF(60, 74), QPointF(12, 80)}) {
        QRadialGradient crown(c + QPointF(-6, -8), 34);
        crown.setColorAt(0.0, QColor(130, 196, 110));
        crown.setColorAt(1.0, QColor(58, 132, 64));
        p.setBrush(crown);
        p.drawEllipse(c, 26, 24);
    }
    return image;
}

QImage LocationPictures::library()
{
    QImage image = Paint::canvas(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient wall(QPointF(0, 0), QPointF(0, 190));
    wall.setColorAt(0.0, QColor(96, 64, 48));
    wall.setColorAt(1.0, QColor(136, 94, 66));
    p.fillRect(QRectF(0, 0, width, 190), wall);

    // Arched window with a light beam.
    QPainterPath window;
    window.moveTo(124, 150);
    window.lineTo(124, 62);
    window.arcTo(QRectF(124, 22, 72, 80), 180, -180);
    window.lineTo(196, 150);
    window.closeSubpath();
    QLinearGradient glass(QPointF(0, 22), QPointF(0, 150));
    glass.setColorAt(0.0, QColor(150, 200, 250));
    glass.setColorAt(1.0, QColor(240, 236, 210));
    p.setPen(QPen(QColor(70, 44, 30), 6));
    p.setBrush(glass);
    p.drawPath(window);
    p.setPen(QPen(QColor(70, 44, 30), 3));
    p.drawLine(QPointF(160, 24), QPointF(160, 150));
    p.drawLine(QPointF(124, 96), QPointF(196, 96));
    QPainterPath beam;
    beam.moveTo(126, 150);
    beam.lineTo(194, 150);
    beam.lineTo(250, 240);
    beam.lineTo(90, 240);
    beam.closeSubpath();
    QLinearGradient beamFill(QPointF(0, 150), QPointF(0, 240));
    beamFill.setColorAt(0.0, QColor(255, 240, 190, 90));
    beamFill.setColorAt(1.0, QColor(255, 240, 190, 0));

    // Floor and rug.
    QLinearGradient floor(QPointF(0, 190), QPointF(0, 240));
    floor.setColorAt(0.0, QColor(150, 100, 62));
    floor.setColorAt(1.0, QColor(110, 70, 42));
    p.fillRect(QRectF(0, 190, width, 50), floor);
    p.setPen(QPen(QColor(96, 60, 36), 1));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(0, 190 + i * 13), QPointF(width, 190 + i * 13));
    p.setPen(QPen(QColor(230, 190, 100), 2));
    p.setBrush(QColor(170, 50, 70));
    p.drawEllipse(QPointF(160, 220), 90, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(beamFill);
    p.drawPath(beam);

    // Shelves full of books on both sides.
    QRandomGenerator rng(2202);
    const QColor spines[] = {QColor(160, 40, 50),  QColor(40, 80, 140),  QColor(50, 120, 80),
                             QColor(200, 150, 60), QColor(110, 60, 130), QColor(200, 90, 50),
                             QColor(70, 70, 70)};
    for (const qreal left : {0.0, 214.0}) {
        const qreal right = left + 106;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(72, 46, 30));
        p.drawRect(QRectF(left, 0, 106, 196));
        for (int shelf = 0; shelf < 5; ++shelf) {
            const qreal bottom = 36 + shelf * 38;
            qreal x = left + 6;
            while (x < right - 10) {
                const qreal w = 5 + rng.bounded(6);
                const qreal h = 22 + rng.bounded(10);
                const QColor c = spines[rng.bounded(7)];
                p.setBrush(c);
                p.setPen(QPen(c.darker(150), 0.8));
                p.drawRect(QRectF(x, bottom - h, w, h));
                p.setPen(QPen(QColor(230, 200, 120), 0.8));
                p.drawLine(QPointF(x + 1, bottom - h + 4), QPointF(x + w - 1, bottom - h + 4));
                x += w + 0.5;
            }
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(124, 84, 52));
            p.drawRect(QRectF(left, bottom, 106, 5));
        }
    }

    // A reading table with a glowing lamp.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 56, 34));
    p.drawRect(QRectF(132, 176, 6, 30));
    p.drawRect(QRectF(182, 176, 6, 30));
    p.setBrush(QColor(120, 78, 46));
    p.drawRoundedRect(QRectF(124, 170, 72, 9), 2, 2);
    QRadialGradient glow(QPointF(176, 150), 40);
    glow.setColorAt(0.0, QColor(255, 230, 150, 170));
    glow.setColorAt(1.0, QColor(255, 230, 150, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(176, 150), 40, 40);
    p.setBrush(QColor(60, 60, 50));
    p.drawRect(QRectF(174, 150, 3, 20));
    p.setBrush(QColor(60, 110, 80));
    QPainterPath shade;
    shade.moveTo(164, 152);
    shade.lineTo(170, 138);
    shade.lineTo(182, 138);
    shade.lineTo(188, 152);
    shade.closeSubpath();
    p.drawPath(shade);
    p.setBrush(QColor(200, 60, 70));
    p.drawRect(QRectF(136, 164, 22, 6));
    p.setBrush(QColor(60, 100, 170));
    p.drawRect(QRectF(139, 159, 18, 5));
    return image;
}

QImage LocationPictures::beach()
{
    QImage image = Paint::gradientCanvas(QSize(width, height), QPointF(0, 0), QPointF(0, 124),
                                         QColor(110, 196, 250), QColor(254, 232, 200));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QPointF sun(236, 92);
    QRadialGradient glow(sun, 60);
    glow.setColorAt(0.0, QColor(255, 240, 180, 220));
    glow.setColorAt(1.0, QColor(255, 240, 180, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sun, 60, 60);
    p.setBrush(QColor(255, 214, 100));
    p.drawEllipse(sun, 20, 20);
    Paint::cloud(p, QRectF(60, 24, 80, 30), QColor(236, 240, 252));

    // Sea with wave lines and the sun's glitter.
    QLinearGradient sea(QPointF(0, 122), QPointF(0, 180));
    sea.setColorAt(0.0, QColor(40, 110, 180));
    sea.setColorAt(1.0, QColor(60, 190, 200));
    p.fillRect(QRectF(0, 122, width, 70), sea);
    p.setPen(QPen(QColor(255, 240, 190, 200), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(236 - 14 + i * 2 - i * i, 128 + i * 6),
                   QPointF(236 + 14 - i * 2 + i * i, 128 + i * 6));
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.5, Qt::SolidLine, Qt::RoundCap));
    QRandomGenerator rng(3303);
    for (int i = 0; i < 14; ++i) {
        const qreal x = rng.bounded(300.0);
        const qreal y = 134 + rng.bounded(40.0);
        p.drawArc(QRectF(x, y, 16, 6), 20 * 16, 140 * 16);
    }

    // Sand with a line of foam.
    QPainterPath sand;
    sand.moveTo(0, 176);
    sand.cubicTo(80, 168, 170, 190, 320, 172);
    sand.lineTo(320, 240);
    sand.lineTo(0, 240);
    sand.closeSubpath();
    p.setPen(QPen(QColor(255, 255, 255, 230), 4));
    QLinearGradient sandFill(QPointF(0, 170), QPointF(0, 240));
    sandFill.setColorAt(0.0, QColor(246, 226, 180));
    sandFill.setColorAt(1.0, QColor(226, 196, 140));
    p.setBrush(sandFill);
    p.drawPath(sand);

    // Palm tree.
    QPainterPath trunk;
    trunk.moveTo(40, 236);
    trunk.cubicTo(46, 170, 56, 120, 84, 74);
    trunk.lineTo(92, 78);
    trunk.cubicTo(68, 124, 60, 172, 56, 236);
    trunk.closeSubpath();
    p.setPen(QPen(QColor(110, 80, 50), 1));
    p.setBrush(QColor(150, 110, 70));
    p.drawPath(trunk);
    const QPointF crown(88, 74);
    for (int i = 0; i < 7; ++i) {
        const qreal a = qDegreesToRadians(-170.0 + i * 40.0 + (i > 3 ? 10 : 0));
        const QPointF end = crown + QPointF(qCos(a) * 58, qSin(a) * 30 + 26);
        const QPointF ctrl = crown + QPointF(qCos(a) * 30, qSin(a) * 30 - 10);
        QPainterPath leaf;
        leaf.moveTo(crown);
        leaf.quadTo(ctrl + QPointF(0, -6), end);
        leaf.quadTo(ctrl + QPointF(0, 8), crown);
        p.setPen(QPen(QColor(40, 110, 50), 1));
        p.setBrush(i % 2 ? QColor(70, 160, 70) : QColor(54, 140, 60));
        p.drawPath(leaf);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 70, 40));
    p.drawEllipse(crown + QPointF(-4, 6), 5, 5);
    p.drawEllipse(crown + QPointF(5, 7), 5, 5);

    // A starfish and shells.
    p.setPen(QPen(QColor(200, 90, 50), 1.2));
    p.setBrush(QColor(250, 140, 80));
    p.drawPath(Paint::star(QPointF(214, 214), 14, 6, 5, -70));
    p.setPen(QPen(QColor(200, 160, 150), 1));
    p.setBrush(QColor(255, 220, 214));
    p.drawPie(QRectF(150, 214, 18, 16), 0, 180 * 16);
    p.drawPie(QRectF(262, 200, 14, 12), 0, 180 * 16);
    return image;
}

QImage LocationPictures::nightCity()
{
    QImage image = Paint::gradientCanvas(QSize(width, height), QPointF(0, 0), QPointF(0, 190),
                                         QColor(10, 14, 46), QColor(52, 40, 110));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QRandomGenerator rng(4404);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        p.setBrush(QColor(255, 255, 240, 90 + rng.bounded(160)));
        const qreal r = 0.4 + rng.bounded(1.0);
        p.drawEllipse(QPointF(rng.bounded(320.0), rng.bounded(120.0)), r, r);
    }
    Paint::sparkle(p, QPointF(60, 30), 5, QColor(200, 210, 255));

    // Crescent moon.
    QPainterPath moon;
    moon.addEllipse(QPointF(256, 44), 20, 20);
    QPainterPath bite;
    bite.addEllipse(QPointF(266, 38), 18, 18);
    QRadialGradient moonGlow(QPointF(256, 44), 50);
    moonGlow.setColorAt(0.0, QColor(255, 250, 210, 90));
    moonGlow.setColorAt(1.0, QColor(255, 250, 210, 0));
    p.setBrush(moonGlow);
    p.drawEllipse(QPointF(256, 44), 50, 50);
    p.setBrush(QColor(255, 246, 200));
    p.drawPath(moon.subtracted(bite));

    // Two rows of buildings; the near one with lit windows.
    const auto skyline = [&](qreal baseY, qreal minH, qreal maxH, const QColor &colour, bool windows) {
        qreal x = -4;
        while (x < width) {
            const qreal w = 18 + rng.bounded(22);
            const qreal h = minH + rng.bounded(maxH - minH);
            const QRectF block(x, baseY - h, w, h + 40);
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawRect(block);
            if (rng.bounded(4) == 0)
                p.drawRect(QRectF(x + w / 2 - 1, baseY - h - 10, 2, 10));
            if (windows) {
                for (qreal wy = baseY - h + 5; wy < baseY - 6; wy += 8)
                    for (qreal wx = x + 4; wx < x + w - 5; wx += 6)
                        if (rng.bounded(3) > 0) {
                            p.setBrush(rng.bounded(5) == 0 ? QColor(255, 240, 170) : QColor(255, 200, 100));
                            p.drawRect(QRectF(wx, wy, 3, 4));
                        }
            }
            x += w + 2;
        }
    };
    skyline(200, 50, 120, QColor(40, 40, 84), false);
    skyline(206, 30, 90, QColor(20, 20, 44), true);

    // The river in front, with the lights' reflections.
    QLinearGradient water(QPointF(0, 206), QPointF(0, 240));
    water.setColorAt(0.0, QColor(30, 30, 70));
    water.setColorAt(1.0, QColor(12, 12, 36));
    p.fillRect(QRectF(0, 206, width, 34), water);
    for (int i = 0; i < 40; ++i) {
        const qreal x = rng.bounded(320.0);
        const qreal y = 209 + rng.bounded(28.0);
        p.setPen(QPen(QColor(255, 210, 120, 60 + rng.bounded(100)), 1.2));
        p.drawLine(QPointF(x, y), QPointF(x + 4 + rng.bounded(8), y));
    }
    p.setPen(QPen(QColor(255, 246, 200, 120), 1.5));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(250 + i, 212 + i * 5), QPointF(262 - i, 212 + i * 5));
    return image;
}

QImage LocationPictures::mountains()
{
    QImage image = Paint::gradientCanvas(QSize(width, height), QPointF(0, 0), QPointF(0, 150),
                                         QColor(120, 176, 236), QColor(255, 226, 200));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Paint::cloud(p, QRectF(200, 20, 84, 28), QColor(244, 238, 246));

    // A range through its peak points, with snow on the high ones.
    const auto range = [&](const QList<QPointF> &peaks, qreal baseY, const QColor &top, const QColor &bottom,
                           qreal snowAbove) {
        QPainterPath ridge;
        ridge.moveTo(0, baseY);
        for (const QPointF &pt : peaks)
            ridge.lineTo(pt);
        ridge.lineTo(width, baseY);
        ridge.lineTo(width, height);
        ridge.lineTo(0, height);
        ridge.closeSubpath();
        QLinearGradient fill(QPointF(0, 40), QPointF(0, baseY));
        fill.setColorAt(0.0, top);
        fill.setColorAt(1.0, bottom);
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawPath(ridge);
        for (int i = 1; i + 1 < peaks.size(); ++i) {
            const QPointF pk = peaks.at(i);
            if (pk.y() > snowAbove)
                continue;
            const QPointF l = peaks.at(i - 1);
            const QPointF r = peaks.at(i + 1);
            const qreal t = 0.28;
            const QPointF a = pk + (l - pk) * t;
            const QPointF b = pk + (r - pk) * t;
            QPainterPath cap;
            cap.moveTo(pk);
            cap.lineTo(a);
            cap.lineTo(a + (b - a) * 0.3 + QPointF(0, -4));
            cap.lineTo(a + (b - a) * 0.55 + QPointF(0, 3));
            cap.lineTo(a + (b - a) * 0.8 + QPointF(0, -3));
            cap.lineTo(b);
            cap.closeSubpath();
            p.setBrush(QColor(250, 250, 255));
            p.drawPath(cap);
        }
    };
    range({{0, 120}, {40, 88}, {90, 50}, {130, 92}, {170, 66}, {220, 36}, {268, 84}, {300, 70}, {320, 96}},
          170, QColor(150, 150, 200), QColor(190, 180, 220), 80);
    range({{0, 150}, {50, 110}, {96, 140}, {150, 96}, {200, 140}, {250, 118}, {290, 136}, {320, 120}}, 190,
          QColor(80, 110, 150), QColor(110, 150, 160), 100);

    // The lake, mirroring the sky, and a few birds.
    QLinearGradient lake(QPointF(0, 186), QPointF(0, 240));
    lake.setColorAt(0.0, QColor(150, 190, 230));
    lake.setColorAt(1.0, QColor(70, 120, 170));
    p.fillRect(QRectF(0, 186, width, 54), lake);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.2));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(60 + i * 37, 196 + (i % 3) * 12), QPointF(84 + i * 37, 196 + (i % 3) * 12));
    p.setPen(QPen(QColor(60, 60, 80), 1.5, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF b : {QPointF(120, 40), QPointF(136, 50), QPointF(108, 54)}) {
        QPainterPath bird;
        bird.moveTo(b + QPointF(-6, 0));
        bird.quadTo(b + QPointF(-3, -4), b);
        bird.quadTo(b + QPointF(3, -4), b + QPointF(6, 0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(bird);
    }

    // Pines on the shores.
    const auto pine = [&](qreal x, qreal baseY, qreal h) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(80, 56, 40));
        p.drawRect(QRectF(x - 1.5, baseY - h * 0.2, 3, h * 0.2));
        p.setBrush(QColor(34, 84, 60));
        for (int tier = 0; tier < 3; ++tier) {
            const qreal top = baseY - h + tier * h * 0.22;
            const qreal half = h * (0.18 + tier * 0.08);
            QPainterPath t;
            t.moveTo(x, top);
            t.lineTo(x - half, top + h * 0.4);
            t.lineTo(x + half, top + h * 0.4);
            t.closeSubpath();
            p.drawPath(t);
        }
    };
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 110, 70));
    p.drawEllipse(QPointF(30, 232), 70, 30);
    p.drawEllipse(QPointF(300, 236), 60, 26);
    const qreal pines[][3] = {{12, 222, 46},  {34, 226, 56},  {56, 228, 40},
                              {278, 230, 44}, {300, 226, 56}, {312, 232, 36}};
    for (const auto &t : pines)
        pine(t[0], t[1], t[2]);
    return image;
}
