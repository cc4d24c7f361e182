// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneArt.h"

#include "ArtWriter.h"
#include "Paint.h"
#include "UserAvatar.h"
#include "Zumi.h"

#include <QDir>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>
#include <cmath>
#include <cstdio>

namespace {

// The scene is drawn a little larger than the canvas so that crops reaching
// past its right or bottom edge still hold real picture.
const int worldWidth = 720;
const int worldHeight = 560;

const QPointF zumiHead(505, 225);
const QPointF badgeCentre(160, 250);
const qreal badgeRadius = 78;

// Top-left corners of the crops; multiples of 16 so that the JPEG blocks of a
// part line up with those of the background.
const QPoint zumiBlinkAt(304, 128);
const QPoint zumiMouthAt(304, 240);
const QPoint userBlinkAt(112, 128);
const QPoint userMouthAt(112, 240);

const QColor skyTop(118, 196, 248);
const QColor skyBottom(226, 245, 255);
const qreal skyEnd = 340;

} // namespace

int SceneArt::partSize(int pixels)
{
    // Hundredths of a millimetre at 96 dpi, rounded half away from zero, then
    // the composer's own division, rounded down.
    const qint64 himetric = (qint64(pixels) * 2540 + 48) / 96;
    return int(std::floor(double(himetric) / 26.454545));
}

int SceneArt::pictureSizeFor(int shown)
{
    for (int pixels = shown; pixels <= shown + 4; ++pixels)
        if (partSize(pixels) == shown)
            return pixels;
    return -1;
}

QImage SceneArt::background()
{
    return world(Looks()).copy(0, 0, canvasWidth, canvasHeight);
}

QImage SceneArt::world(const Looks &looks)
{
    QImage image = Paint::canvas(worldWidth, worldHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawLandscape(p);

    UserAvatar::Look user;
    user.eyesClosed = looks.userEyesClosed;
    user.mouthOpen = looks.userMouthOpen;
    UserAvatar::drawBadge(p, badgeCentre, badgeRadius, user);
    const QRectF ribbon(badgeCentre.x() - 36, badgeCentre.y() + badgeRadius - 12, 72, 24);
    Paint::panel(p, ribbon, 12, QColor(112, 72, 200), QColor(255, 255, 255), 2.0, 3);
    Paint::shadowedText(p, ribbon, Qt::AlignCenter, Paint::sans(14, true), QStringLiteral("You"), Qt::white,
                        QColor(60, 30, 120));

    drawSpeechBubble(p);

    Zumi::Look zumi;
    zumi.eyesClosed = looks.zumiEyesClosed;
    zumi.mouthOpen = looks.zumiMouthOpen;
    zumi.waving = true;
    Zumi::draw(p, zumiHead, 1.0, zumi);

    drawForeground(p);
    return image;
}

void SceneArt::drawLandscape(QPainter &p)
{
    // The sky changes only from top to bottom, so any strip of it looks the
    // same wherever it is cut from (the miscellaneous part relies on that).
    QLinearGradient sky(QPointF(0, 0), QPointF(0, skyEnd));
    sky.setColorAt(0.0, skyTop);
    sky.setColorAt(1.0, skyBottom);
    p.fillRect(QRectF(0, 0, worldWidth, worldHeight), sky);

    const QPointF sun(664, 44);
    QRadialGradient glow(sun, 78);
    glow.setColorAt(0.0, QColor(255, 246, 190, 230));
    glow.setColorAt(0.45, QColor(255, 246, 190, 90));
    glow.setColorAt(1.0, QColor(255, 246, 190, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sun, 78, 78);
    p.setBrush(QColor(255, 226, 110));
    p.drawEllipse(sun, 27, 27);

    Paint::cloud(p, QRectF(16, 30, 112, 54), QColor(226, 238, 252));
    Paint::cloud(p, QRectF(204, 58, 118, 48), QColor(226, 238, 252));
    Paint::cloud(p, QRectF(604, 128, 96, 42), QColor(226, 238, 252));

    // Far hills with round trees, then the meadow.
    fillBelow(p, {{0, 330}, {120, 280}, {240, 300}, {330, 318}, {430, 338}, {560, 282}, {worldWidth, 300}},
              QColor(160, 214, 170), QColor(128, 194, 140));

    const struct
    {
        qreal x, y, r;
    } trees[] = {{28, 300, 16}, {52, 306, 12}, {610, 296, 15}, {688, 292, 18}, {300, 316, 11}};
    for (const auto &t : trees) {
        p.setBrush(QColor(110, 84, 60));
        p.drawRect(QRectF(t.x - 2, t.y, 4, t.r * 1.1));
        QRadialGradient crown(QPointF(t.x - t.r * 0.3, t.y - t.r * 0.3), t.r * 1.4);
        crown.setColorAt(0.0, QColor(132, 196, 118));
        crown.setColorAt(1.0, QColor(72, 146, 84));
        p.setBrush(crown);
        p.drawEllipse(QPointF(t.x, t.y - t.r * 0.2), t.r, t.r);
    }

    fillBelow(p, {{0, 356}, {160, 330}, {300, 372}, {440, 356}, {560, 342}, {640, 350}, {worldWidth, 340}},
              QColor(150, 212, 118), QColor(88, 164, 80));

    QRandomGenerator rng(20240611);
    const QColor petals[] = {QColor(255, 150, 200), QColor(255, 255, 255), QColor(255, 214, 90),
                             QColor(190, 160, 255)};
    for (int i = 0; i < 46; ++i) {
        const qreal x = rng.bounded(worldWidth);
        const qreal y = 372 + rng.bounded(150);
        const qreal r = 3.0 + (y - 372) / 40.0;
        Paint::flower(p, QPointF(x, y), r, petals[i % 4], QColor(255, 200, 60));
    }
}

void SceneArt::fillBelow(QPainter &p, const QList<QPointF> &ridge, const QColor &top, const QColor &bottom)
{
    // The ridge is a start point and two cubic segments; the band reaches
    // down to the bottom of the world, shaded from the ridge's highest point.
    QPainterPath band;
    band.moveTo(ridge.at(0));
    band.cubicTo(ridge.at(1), ridge.at(2), ridge.at(3));
    band.cubicTo(ridge.at(4), ridge.at(5), ridge.at(6));
    band.lineTo(worldWidth, worldHeight);
    band.lineTo(0, worldHeight);
    band.closeSubpath();
    const qreal highest = band.boundingRect().top();
    QLinearGradient fill(QPointF(0, highest), QPointF(0, highest + 100));
    fill.setColorAt(0.0, top);
    fill.setColorAt(1.0, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(band);
}

void SceneArt::drawSpeechBubble(QPainter &p)
{
    const QRectF bubble(262, 176, 84, 44);
    QPainterPath shape;
    shape.addRoundedRect(bubble, 20, 20);
    QPainterPath tail;
    tail.moveTo(326, 212);
    tail.quadTo(348, 236, 366, 240);
    tail.quadTo(350, 222, 340, 206);
    tail.closeSubpath();
    shape = shape.united(tail);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 90, 40));
    p.drawPath(shape.translated(2, 3));
    p.setPen(QPen(QColor(112, 72, 200), 2.5));
    p.setBrush(Qt::white);
    p.drawPath(shape);
    Paint::shadowedText(p, bubble, Qt::AlignCenter, Paint::sans(22, true), QStringLiteral("Hi!"),
                        QColor(112, 60, 200), QColor(255, 180, 220), QPointF(1.5, 1.5));
}

void SceneArt::drawForeground(QPainter &p)
{
    // Grass blades in front of the feet and along the bottom edge.
    QRandomGenerator rng(77);
    p.setPen(Qt::NoPen);
    for (int x = -6; x < worldWidth; x += 9) {
        const qreal base = 506 + rng.bounded(10);
        const qreal h = 14 + rng.bounded(16);
        const qreal lean = rng.bounded(12) - 6;
        QPainterPath blade;
        blade.moveTo(x, base + 20);
        blade.quadTo(x + 2, base - h * 0.5, x + 4 + lean, base - h);
        blade.quadTo(x + 6, base - h * 0.4, x + 9, base + 20);
        blade.closeSubpath();
        p.setBrush(Paint::mix(QColor(70, 150, 70), QColor(120, 196, 96), rng.bounded(1.0)));
        p.drawPath(blade);
    }
}

QImage SceneArt::miscStrip(const QImage &world, QPoint at)
{
    QImage strip = Paint::canvas(miscFrames * miscFrameSize, miscFrameSize);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    // Every frame carries the sky exactly as it is behind the strip.
    for (int y = 0; y < miscFrameSize; ++y)
        p.fillRect(QRect(0, y, strip.width(), 1), QColor(world.pixel(at.x(), at.y() + y)));
    for (int i = 0; i < miscFrames; ++i) {
        const qreal t = 2 * M_PI * i / miscFrames;
        const qreal open = 0.55 + 0.45 * std::cos(t);
        const QPointF centre(i * miscFrameSize + miscFrameSize / 2.0,
                             miscFrameSize / 2.0 - 1.5 * std::sin(t));
        drawButterfly(p, centre, open);
    }
    return strip;
}

void SceneArt::drawButterfly(QPainter &p, QPointF centre, qreal open)
{
    p.save();
    p.translate(centre);
    for (int side : {-1, 1}) {
        p.save();
        p.scale(side * std::max(open, 0.2), 1.0);
        QPainterPath upper;
        upper.moveTo(0, -1);
        upper.cubicTo(4, -13, 14, -13, 13, -5);
        upper.cubicTo(12, 0, 6, 1, 0, 1);
        QPainterPath lower;
        lower.moveTo(0, 1);
        lower.cubicTo(9, 1, 11, 8, 7, 10);
        lower.cubicTo(3, 11, 1, 6, 0, 2);
        QLinearGradient wing(QPointF(0, -12), QPointF(12, 8));
        wing.setColorAt(0.0, QColor(255, 120, 200));
        wing.setColorAt(1.0, QColor(160, 100, 255));
        p.setPen(QPen(QColor(90, 40, 130), 0.9));
        p.setBrush(wing);
        p.drawPath(upper);
        p.setBrush(QColor(255, 180, 225));
        p.drawPath(lower);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 210));
        p.drawEllipse(QPointF(8.5, -6), 2.0, 2.0);
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 40, 90));
    p.drawRoundedRect(QRectF(-1.4, -8, 2.8, 17), 1.4, 1.4);
    p.setPen(QPen(QColor(70, 40, 90), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath antennae;
    antennae.moveTo(-0.5, -7.5);
    antennae.quadTo(-2, -12, -4.5, -13);
    antennae.moveTo(0.5, -7.5);
    antennae.quadTo(2, -12, 4.5, -13);
    p.drawPath(antennae);
    p.restore();
}

SceneArt::Part SceneArt::cut(const QString &fileName, const QImage &variant, const QImage &plain, QPoint at)
{
    Part part;
    part.fileName = fileName;
    const int width = pictureSizeFor(at.x());
    const int height = pictureSizeFor(at.y());
    part.picture = variant.copy(at.x(), at.y(), width, height);
    part.position = QPoint(partSize(width), partSize(height));
    part.shown = QRect(part.position, QSize(partSize(width), partSize(height)));
    part.feature = changedPixels(variant, plain);
    return part;
}

QList<SceneArt::Part> SceneArt::parts()
{
    const QImage plain = world(Looks());
    Looks zumiMouth;
    zumiMouth.zumiMouthOpen = true;
    Looks zumiBlink;
    zumiBlink.zumiEyesClosed = true;
    Looks userMouth;
    userMouth.userMouthOpen = true;
    Looks userBlink;
    userBlink.userEyesClosed = true;

    QList<Part> list;
    list << cut(QStringLiteral("zumimouth.jpg"), world(zumiMouth), plain, zumiMouthAt)
         << cut(QStringLiteral("zumiblink.jpg"), world(zumiBlink), plain, zumiBlinkAt)
         << cut(QStringLiteral("usermouth.jpg"), world(userMouth), plain, userMouthAt)
         << cut(QStringLiteral("userblink.jpg"), world(userBlink), plain, userBlinkAt);

    // The miscellaneous part sits at the user blink's size.
    Part misc;
    misc.fileName = QStringLiteral("miscpart.jpg");
    misc.position = QPoint(list.at(3).shown.width(), list.at(3).shown.height());
    misc.picture = miscStrip(plain, misc.position);
    misc.shown = QRect(misc.position, QSize(partSize(misc.picture.width()), partSize(misc.picture.height())));
    misc.feature = changedPixels(misc.picture, plain.copy(QRect(misc.position, misc.picture.size())))
                       .translated(misc.position);
    list << misc;
    return list;
}

QRect SceneArt::changedPixels(const QImage &a, const QImage &b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb *ra = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const QRgb *rb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            if (ra[x] != rb[x])
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

bool SceneArt::plainRows(const QImage &image, const QRect &rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (image.pixel(x, y) != image.pixel(rect.left(), y))
                return false;
    return true;
}

QImage SceneArt::compose(const QImage &background, const QImage &part, QPoint position)
{
    // As the composer draws its canvas: light blue, the background unscaled,
    // then w x h pixels of the part's top-left corner copied one to one.
    QImage canvas = Paint::canvas(canvasWidth, canvasHeight, QColor(192, 192, 255));
    QPainter p(&canvas);
    p.drawImage(0, 0, background);
    const QSize size(partSize(part.width()), partSize(part.height()));
    p.drawImage(QRect(position, size), part, QRect(QPoint(0, 0), size));
    return canvas;
}

void SceneArt::writeAll(ArtWriter &writer, const QString &previewDir)
{
    const QImage bg = background();
    writer.write(QStringLiteral("assets/Images/bg.jpg"), bg, QSize(canvasWidth, canvasHeight));

    const QList<Part> list = parts();
    for (const Part &part : list) {
        if (!part.shown.contains(part.feature))
            writer.fail(QStringLiteral("%1: its changes (%2,%3 %4x%5) reach outside its place on the canvas")
                            .arg(part.fileName)
                            .arg(part.feature.x())
                            .arg(part.feature.y())
                            .arg(part.feature.width())
                            .arg(part.feature.height()));
        writer.write(QStringLiteral("assets/Images/") + part.fileName, part.picture, part.picture.size());
        std::printf("  %-14s picture %3d x %3d, shown %3d x %3d at (%d, %d)\n", qPrintable(part.fileName),
                    part.picture.width(), part.picture.height(), part.shown.width(), part.shown.height(),
                    part.position.x(), part.position.y());
    }
    const QRect strip(list.last().position, QSize(miscFrames * miscFrameSize, miscFrameSize));
    if (!plainRows(bg, strip))
        writer.fail(QStringLiteral("miscpart.jpg: the sky behind the strip is not plain"));

    if (previewDir.isEmpty())
        return;
    // The default scene as the composer shows it, from the written JPEGs, and
    // how far the pixels around each part's edge moved against the background.
    QDir dir(previewDir);
    dir.mkpath(QStringLiteral("."));
    const QImage decodedBg(QDir(writer.root()).filePath(QStringLiteral("assets/Images/bg.jpg")));
    for (const Part &part : list) {
        const QImage decoded(QDir(writer.root()).filePath(QStringLiteral("assets/Images/") + part.fileName));
        const QImage scene = compose(decodedBg, decoded, part.position);
        const QString stem = part.fileName.section(QLatin1Char('.'), 0, 0);
        scene.save(dir.filePath(QStringLiteral("scene_") + stem + QStringLiteral(".png")));
        const QRect around = part.shown.adjusted(-24, -24, 24, 24).intersected(scene.rect());
        scene.copy(around)
            .scaled(around.size() * 2)
            .save(dir.filePath(QStringLiteral("zoom_") + stem + QStringLiteral(".png")));
        const EdgeStep step = edgeStep(scene, decodedBg, part);
        std::printf("  preview %-14s step at its edge against the background: mean %.2f, largest %d\n",
                    qPrintable(part.fileName), step.mean, step.largest);
    }

    // The composer's window with its default scene on the canvas and
    // stand-ins for its controls, from the table the window builds from.
    QImage window(Form1Layout::ClientSize, QImage::Format_RGB32);
    window.fill(QColor(0, 0, 192));
    QPainter p(&window);
    p.drawImage(
        Form1Layout::CanvasPlace.topLeft(),
        compose(
            decodedBg,
            QImage(QDir(writer.root()).filePath(QStringLiteral("assets/Images/") + list.first().fileName)),
            list.first().position));
    p.setFont(Paint::sans(7));
    for (const Form1Layout::Control &c : Form1Layout::Controls) {
        if (c.kind == Form1Layout::Kind::Canvas)
            continue;
        const bool boxed = c.kind == Form1Layout::Kind::Button || c.kind == Form1Layout::Kind::TextBox;
        p.setPen(boxed ? QColor(64, 64, 128) : QColor(120, 120, 220));
        p.setBrush(c.kind == Form1Layout::Kind::Button    ? QColor(192, 192, 255)
                   : c.kind == Form1Layout::Kind::TextBox ? QColor(Qt::white)
                                                          : QColor(0, 0, 160));
        p.drawRect(QRectF(c.place).adjusted(0.5, 0.5, -0.5, -0.5));
        p.setPen(boxed ? Qt::black : Qt::white);
        p.drawText(c.place, Qt::AlignCenter, QString::fromLatin1(c.caption));
    }
    p.end();
    window.save(dir.filePath(QStringLiteral("form1.png")));
}

SceneArt::EdgeStep SceneArt::edgeStep(const QImage &scene, const QImage &background, const Part &part)
{
    // Compares the outermost pixels of the part's place, away from its
    // feature: there the part should repeat the background.
    EdgeStep step;
    qint64 sum = 0;
    int count = 0;
    const QRect edge = part.shown.intersected(QRect(0, 0, canvasWidth, canvasHeight));
    for (int y = edge.top(); y <= edge.bottom(); ++y)
        for (int x = edge.left(); x <= edge.right(); ++x) {
            const bool border =
                x == edge.left() || x == edge.right() || y == edge.top() || y == edge.bottom();
            if (!border || part.feature.contains(x, y))
                continue;
            const QRgb a = scene.pixel(x, y);
            const QRgb b = background.pixel(x, y);
            const int diff = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                       std::abs(qBlue(a) - qBlue(b))});
            step.largest = std::max(step.largest, diff);
            sum += diff;
            ++count;
        }
    step.mean = count ? double(sum) / count : 0.0;
    return step;
}
