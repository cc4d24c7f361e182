// SPDX-License-Identifier: GPL-3.0-or-later
#include "LauncherArt.h"

#include "ArtWriter.h"
#include "Paint.h"
#include "SuiteMainLayout.h"
#include "Zumi.h"

#include <QDir>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace {

const QColor slot(23, 10, 58);
const QColor panelFill(44, 24, 98);
const QColor lilac(184, 156, 255);

// The buttons' places in the window, where the background paints their slots.
const auto &buttons = SuiteMainLayout::Controls;

} // namespace

void LauncherArt::writeAll(ArtWriter &writer, const QString &previewDir)
{
    const QImage back = background();
    const QImage labels[] = {
        label(QSize(200, 38), QRect(1, 0, 199, 37), Glyph::Frame, QStringLiteral("Scene Composer")),
        label(QSize(199, 36), QRect(0, 0, 199, 35), Glyph::Book, QStringLiteral("Knowledge Base")),
        label(QSize(200, 35), QRect(1, 0, 198, 35), Glyph::Heart, QStringLiteral("Personality")),
        label(QSize(200, 35), QRect(1, 0, 199, 35), Glyph::Pin, QStringLiteral("Locations"))};
    // Uncompressed: decoding a PNG took longer than the rest of the launcher's
    // start-up.
    writer.write(QStringLiteral("src/launcher/ui/art/suitemain_background.bmp"), back, QSize(500, 365));
    const QSize sizes[] = {{200, 38}, {199, 36}, {200, 35}, {200, 35}};
    for (int i = 0; i < 4; ++i)
        writer.write(QStringLiteral("src/launcher/ui/art/picture%1_label.png").arg(i + 1), labels[i],
                     sizes[i]);

    if (previewDir.isEmpty())
        return;
    QImage window = back.copy(QRect(QPoint(0, 0), SuiteMainLayout::ClientSize));
    QPainter p(&window);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.setClipRect(buttons[i].place);
        p.drawImage(buttons[i].place.topLeft(), labels[i]);
        p.restore();
    }
    p.end();
    window.save(QDir(previewDir).filePath(QStringLiteral("launcher.png")));
}

QImage LauncherArt::background()
{
    QImage image = Paint::canvas(500, 365);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QRadialGradient sky(QPointF(380, 150), 420);
    sky.setColorAt(0.0, QColor(112, 72, 196));
    sky.setColorAt(0.55, QColor(62, 34, 140));
    sky.setColorAt(1.0, QColor(30, 14, 74));
    p.fillRect(image.rect(), sky);

    // Scattered twinkles, denser to the right around the portrait.
    QRandomGenerator rng(4242);
    for (int i = 0; i < 60; ++i) {
        const QPointF at(rng.bounded(500.0), rng.bounded(365.0));
        if (at.x() < 215 && at.y() < 200)
            continue;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 60 + rng.bounded(120)));
        const qreal r = 0.6 + rng.bounded(1.3);
        p.drawEllipse(at, r, r);
    }
    Paint::sparkle(p, QPointF(262, 44), 9, QColor(255, 220, 120));
    Paint::sparkle(p, QPointF(476, 36), 7, QColor(255, 170, 220));
    Paint::sparkle(p, QPointF(468, 286), 8, QColor(190, 170, 255));
    Paint::sparkle(p, QPointF(232, 332), 6, QColor(255, 220, 120));

    // A soft halo and a cushion under the portrait.
    QRadialGradient halo(QPointF(385, 170), 160);
    halo.setColorAt(0.0, QColor(220, 200, 255, 150));
    halo.setColorAt(0.6, QColor(200, 170, 255, 50));
    halo.setColorAt(1.0, QColor(200, 170, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(385, 170), 160, 160);
    QRadialGradient cushion(QPointF(385, 350), 120);
    cushion.setColorAt(0.0, QColor(255, 170, 225, 200));
    cushion.setColorAt(1.0, QColor(255, 170, 225, 0));
    p.setBrush(cushion);
    p.drawEllipse(QPointF(385, 350), 125, 22);

    Zumi::Look look;
    Zumi::draw(p, QPointF(385, 168), 0.64, look);

    // The menu card with a dark slot at each button's place.
    Paint::panel(p, QRectF(-14, 20, 224, 176), 14, panelFill, lilac, 1.5, 4);
    for (const WindowLayout::Control &b : buttons)
        Paint::panel(p, QRectF(b.place).adjusted(-1.5, -1.5, 1.5, 1.5), 6, slot, QColor(130, 100, 220), 1.0);

    // The product's name.
    const QFont title = Paint::sans(40, true);
    const QPainterPath name = Paint::textPath(title, QStringLiteral("Mindloom"), QPointF(16, 252));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 6, 50, 120));
    p.drawPath(name.translated(2, 3));
    QLinearGradient nameFill(QPointF(0, 220), QPointF(0, 254));
    nameFill.setColorAt(0.0, Qt::white);
    nameFill.setColorAt(1.0, QColor(214, 196, 255));
    p.setPen(QPen(QColor(60, 30, 130), 1.2));
    p.setBrush(nameFill);
    p.drawPath(name);

    const qreal after = 16 + Paint::textWidth(title, QStringLiteral("Mindloom")) + 6;
    const QRectF badge(after, 220, 38, 24);
    Paint::panel(p, badge, 8, QColor(255, 110, 190), Qt::white, 1.5, 2);
    Paint::shadowedText(p, badge, Qt::AlignCenter, Paint::sans(16, true), QStringLiteral("2G"), Qt::white,
                        QColor(150, 30, 100));

    Paint::shadowedText(p, QRectF(18, 262, 260, 22), Qt::AlignLeft | Qt::AlignVCenter, Paint::sans(15, true),
                        QStringLiteral("Personality Suite"), lilac, QColor(20, 6, 50));
    Paint::shadowedText(p, QRectF(18, 286, 260, 18), Qt::AlignLeft | Qt::AlignVCenter,
                        Paint::font(QStringLiteral("DejaVu Sans"), 12, false, true),
                        QStringLiteral("for Zumi, your chat companion"), QColor(230, 220, 255),
                        QColor(20, 6, 50));

    // A row of small hearts as a finishing line.
    for (int i = 0; i < 5; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 140, 200, 220 - i * 35));
        p.drawPath(Paint::heart(QPointF(24 + i * 18, 326), 10));
    }
    return image;
}

QImage LauncherArt::label(QSize size, QRect visible, Glyph glyph, const QString &text)
{
    QImage image = Paint::canvas(size.width(), size.height(), slot);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF pill = QRectF(visible).adjusted(2.5, 2.5, -2.5, -2.5);
    const qreal radius = pill.height() / 2;
    QLinearGradient fill(pill.topLeft(), pill.bottomLeft());
    fill.setColorAt(0.0, QColor(250, 244, 255));
    fill.setColorAt(0.5, QColor(232, 220, 255));
    fill.setColorAt(1.0, QColor(206, 186, 255));
    Paint::panel(p, pill, radius, fill, QColor(150, 120, 240), 1.2);
    QPainterPath gloss;
    gloss.addRoundedRect(pill.adjusted(3, 1.5, -3, -pill.height() / 2), radius * 0.6, radius * 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawPath(gloss);

    const qreal iconRadius = radius - 3;
    const QPointF iconCentre(pill.left() + radius, pill.center().y());
    QRadialGradient iconFill(iconCentre + QPointF(-3, -4), iconRadius * 1.6);
    iconFill.setColorAt(0.0, QColor(170, 130, 255));
    iconFill.setColorAt(1.0, QColor(96, 56, 196));
    p.setBrush(iconFill);
    p.setPen(QPen(QColor(70, 40, 150), 1.0));
    p.drawEllipse(iconCentre, iconRadius, iconRadius);
    drawGlyph(p, iconCentre, iconRadius, glyph);

    const QRectF textBox(iconCentre.x() + iconRadius + 8, pill.top(),
                         pill.right() - iconCentre.x() - iconRadius - 10, pill.height());
    Paint::shadowedText(p, textBox, Qt::AlignLeft | Qt::AlignVCenter, Paint::sans(14, true), text,
                        QColor(58, 30, 128), QColor(255, 255, 255, 200), QPointF(0, 1));
    return image;
}

void LauncherArt::drawGlyph(QPainter &p, QPointF c, qreal r, Glyph glyph)
{
    p.save();
    p.translate(c);
    p.scale(r / 12.0, r / 12.0); // glyphs are drawn for a 12 px radius
    const QPen pen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (glyph) {
    case Glyph::Frame: {
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(-7.5, -6, 15, 12), 1.5, 1.5);
        QPainterPath hills;
        hills.moveTo(-6.5, 5);
        hills.lineTo(-2, -0.5);
        hills.lineTo(1.5, 3);
        hills.lineTo(3.5, 1);
        hills.lineTo(6.5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(hills);
        p.drawEllipse(QPointF(3.5, -2.5), 1.6, 1.6);
        break;
    }
    case Glyph::Book: {
        p.setPen(pen);
        p.setBrush(QColor(255, 255, 255, 60));
        QPainterPath book;
        book.moveTo(0, -4);
        book.quadTo(-4, -6.5, -8, -5);
        book.lineTo(-8, 5.5);
        book.quadTo(-4, 4, 0, 6);
        book.quadTo(4, 4, 8, 5.5);
        book.lineTo(8, -5);
        book.quadTo(4, -6.5, 0, -4);
        book.lineTo(0, 6);
        p.drawPath(book);
        break;
    }
    case Glyph::Heart:
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(Paint::heart(QPointF(0, 0.5), 15));
        break;
    case Glyph::Pin: {
        QPainterPath pin;
        pin.moveTo(0, 8);
        pin.cubicTo(-3, 3, -6.5, 0, -6.5, -3);
        pin.arcTo(QRectF(-6.5, -9.5, 13, 13), 180, -180);
        pin.cubicTo(6.5, 0, 3, 3, 0, 8);
        pin.addEllipse(QPointF(0, -3), 2.4, 2.4);
        pin.setFillRule(Qt::OddEvenFill);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(pin);
        break;
    }
    }
    p.restore();
}
