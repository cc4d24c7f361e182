// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorArt.h"

#include "ArtWriter.h"
#include "KBEdLayout.h"
#include "LocsLayout.h"
#include "MemoryEdLayout.h"
#include "Paint.h"
#include "Zumi.h"

#include <QDir>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>

void EditorArt::writeAll(ArtWriter &writer, const QString &previewDir)
{
    const QImage memoryEd = personality();
    const QImage kbEd = knowledge();
    const QImage locs = locations();
    writer.write(QStringLiteral("src/personality/ui/art/memoryed_background.png"), memoryEd,
                 MemoryEdLayout::ClientSize);
    writer.write(QStringLiteral("src/knowledge/ui/art/kbed_background.png"), kbEd, KBEdLayout::ClientSize);
    writer.write(QStringLiteral("src/locations/ui/art/locs_background.png"), locs, LocsLayout::ClientSize);
    if (previewDir.isEmpty())
        return;

    // Stand-ins for the controls, from the same tables the windows build from.
    const QDir dir(previewDir);
    const QColor pink(255, 192, 255);
    const QColor pale(255, 227, 249);
    const QColor button(225, 225, 225);
    writePreview(dir.filePath(QStringLiteral("memoryed.png")), memoryEd,
                 standIns(MemoryEdLayout::Controls, {pink, pale, pale}, {{"List1", QStringLiteral("Zumi")}}));
    writePreview(dir.filePath(QStringLiteral("kbed.png")), kbEd,
                 standIns(KBEdLayout::Controls, {button, button, Qt::white},
                          {{"Label1", QStringLiteral("Reading")}, {"Label2", QStringLiteral("42%")}}));
    writePreview(dir.filePath(QStringLiteral("locs.png")), locs,
                 standIns(LocsLayout::Controls, {button, QColor(0, 0, 0, 0), Qt::white}, {}));
}

template <std::size_t N>
QList<EditorArt::Control> EditorArt::standIns(const WindowLayout::Control (&table)[N],
                                              const StandInColours &colours,
                                              const QList<QPair<const char *, QString>> &texts)
{
    QList<Control> controls;
    for (const WindowLayout::Control &c : table) {
        QString text = QString::fromLatin1(c.caption);
        for (const auto &t : texts) {
            if (WindowLayout::sameName(t.first, c.name))
                text = t.second;
        }
        QColor fill = colours.box;
        switch (c.kind) {
        case WindowLayout::Kind::Button:
            fill = colours.button;
            break;
        case WindowLayout::Kind::Label:
            fill = colours.label;
            break;
        case WindowLayout::Kind::OptionButton:
        case WindowLayout::Kind::CheckBox:
            fill = Qt::white;
            text.clear(); // only the mark shows
            break;
        case WindowLayout::Kind::PictureFrame:
            fill = QColor(150, 180, 200);
            break;
        default:
            break;
        }
        controls << Control{c.place, fill, text};
    }
    return controls;
}

void EditorArt::writePreview(const QString &path, QImage window, const QList<Control> &controls)
{
    QPainter p(&window);
    p.setFont(Paint::sans(10));
    for (const Control &c : controls) {
        p.setPen(c.fill.alpha() ? QPen(QColor(120, 120, 120)) : QPen(Qt::NoPen));
        p.setBrush(c.fill);
        p.drawRect(QRectF(c.rect).adjusted(0.5, 0.5, -0.5, -0.5));
        p.setPen(Qt::black);
        p.drawText(c.rect,
                   (c.fill.alpha() ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter) | Qt::TextWordWrap,
                   c.text);
    }
    p.end();
    window.save(path);
}

void EditorArt::frame(QPainter &p, const QRectF &control, qreal margin, const QColor &fill,
                      const QColor &border)
{
    Paint::panel(p, control.adjusted(-margin, -margin, margin, margin), margin + 3, fill, border, 1.5, 3);
}

QImage EditorArt::personality()
{
    QImage image = Paint::gradientCanvas(MemoryEdLayout::ClientSize, QPointF(0, 0), QPointF(0, 469),
                                         QColor(255, 240, 251), QColor(238, 218, 255));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const struct
    {
        qreal x, y, r;
    } glows[] = {{360, 20, 70}, {40, 470, 90}, {540, 300, 80}};
    for (const auto &g : glows) {
        QRadialGradient soft(QPointF(g.x, g.y), g.r);
        soft.setColorAt(0.0, QColor(255, 190, 235, 110));
        soft.setColorAt(1.0, QColor(255, 190, 235, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(soft);
        p.drawEllipse(QPointF(g.x, g.y), g.r, g.r);
    }

    const QColor violet(112, 52, 170);
    const QColor border(204, 132, 222);
    const QColor boxFill(255, 227, 249);

    // Title.
    const QFont titleFont = Paint::serif(25, true, true);
    const QString title = QStringLiteral("Personality Editor");
    Paint::shadowedText(p, QRectF(15, 4, 330, 36), Qt::AlignLeft | Qt::AlignVCenter, titleFont, title, violet,
                        QColor(255, 170, 225), QPointF(1.5, 1.5));
    const qreal after = 15 + Paint::textWidth(titleFont, title) + 12;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 120, 190));
    p.drawPath(Paint::heart(QPointF(after, 16), 12));
    p.setBrush(QColor(200, 140, 255));
    p.drawPath(Paint::heart(QPointF(after + 15, 27), 9));

    const auto place = [](const char *name) {
        return QRectF(WindowLayout::find(MemoryEdLayout::Controls, name).place);
    };
    const QRectF text = place("RichTextBox1");
    const QRectF general = place("Option1");
    const QRectF questions = place("Option2");
    const QRectF list = place("List1");
    const QRectF secondPerson = place("Check1");

    // The view choice: two marks whose captions are painted beside them.
    Paint::panel(p, QRectF(text.left() - 4, general.top() - 6, text.width() + 7, 26), 8,
                 QColor(255, 255, 255, 150), border, 1.2);
    const QFont caption = Paint::sans(12, true);
    Paint::shadowedText(p, QRectF(general.right() + 5, general.top() - 2, 130, 17),
                        Qt::AlignLeft | Qt::AlignVCenter, caption, QStringLiteral("General"), violet,
                        QColor(255, 255, 255), QPointF(0, 1));
    Paint::shadowedText(p, QRectF(questions.right() + 4, questions.top() - 2, 170, 17),
                        Qt::AlignLeft | Qt::AlignVCenter, caption, QStringLiteral("Question/Answer"), violet,
                        QColor(255, 255, 255), QPointF(0, 1));

    // Frames around the text box, the entry line with its indicator, the
    // list and the buttons.
    frame(p, text, 6, boxFill, border);
    Paint::shadowedText(p, QRectF(text.left() + 1, text.bottom() + 6, text.width() - 5, 14),
                        Qt::AlignLeft | Qt::AlignVCenter,
                        Paint::font(QStringLiteral("DejaVu Sans"), 10, false, true),
                        QStringLiteral("Type a line below and press Enter"), QColor(140, 90, 170),
                        QColor(255, 255, 255), QPointF(0, 1));
    frame(p, place("Text2").united(place("Label3")).adjusted(0, 0, 1, 1), 5, boxFill, border);
    frame(p, list, 5, boxFill, border);
    const QRectF buttons =
        place("Command1").united(place("Command5")).united(place("Command3")).united(place("Command4"));
    Paint::panel(p, buttons.adjusted(-5, -4, 13, 5), 8, QColor(255, 255, 255, 140), border, 1.2);

    p.save();
    p.translate(list.left() - 12, list.bottom());
    p.rotate(-90);
    Paint::shadowedText(p, QRectF(0, -9, list.height(), 18), Qt::AlignCenter, Paint::sans(11, true),
                        QStringLiteral("Personalities"), QColor(150, 80, 190), QColor(255, 255, 255),
                        QPointF(0, 1));
    p.restore();

    // The second-person switch, its caption beside its mark.
    Paint::panel(p, QRectF(secondPerson.left() - 8, secondPerson.top() - 5, 232, 23), 8,
                 QColor(255, 255, 255, 150), border, 1.2);
    Paint::shadowedText(p, QRectF(secondPerson.right() + 5, secondPerson.top() - 2, 205, 17),
                        Qt::AlignLeft | Qt::AlignVCenter, caption,
                        QStringLiteral("Use 2nd  Person (You,Your)"), violet, QColor(255, 255, 255),
                        QPointF(0, 1));

    // Zumi's portrait in the free corner.
    const QPointF centre(484, 360);
    const qreal radius = 72;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 40, 150, 40));
    p.drawEllipse(centre + QPointF(2, 3), radius + 1, radius + 1);
    QLinearGradient ring(centre - QPointF(0, radius), centre + QPointF(0, radius));
    ring.setColorAt(0.0, QColor(255, 160, 220));
    ring.setColorAt(1.0, QColor(150, 90, 220));
    p.setBrush(ring);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius - 5, radius - 5);
    p.save();
    QPainterPath inside;
    inside.addEllipse(centre, radius - 8, radius - 8);
    p.setClipPath(inside);
    QRadialGradient behind(centre, radius);
    behind.setColorAt(0.0, QColor(255, 236, 250));
    behind.setColorAt(1.0, QColor(246, 200, 240));
    p.setBrush(behind);
    p.drawEllipse(centre, radius, radius);
    Zumi::draw(p, centre + QPointF(0, 14), 0.4, Zumi::Look());
    p.restore();
    const QRectF plate(centre.x() - 30, centre.y() + radius - 6, 60, 20);
    Paint::panel(p, plate, 9, QColor(150, 80, 210), Qt::white, 1.5, 2);
    Paint::shadowedText(p, plate, Qt::AlignCenter, Paint::sans(12, true), QStringLiteral("Zumi"), Qt::white,
                        QColor(80, 30, 120));
    Paint::sparkle(p, QPointF(412, 296), 7, QColor(255, 150, 220));
    Paint::sparkle(p, QPointF(552, 420), 6, QColor(190, 150, 255));
    return image;
}

QImage EditorArt::knowledge()
{
    QImage image = Paint::gradientCanvas(KBEdLayout::ClientSize, QPointF(0, 0), QPointF(537, 449),
                                         QColor(238, 244, 255), QColor(208, 222, 248));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QColor ink(44, 70, 128);
    const QColor border(128, 156, 208);

    const auto place = [](const char *name) {
        return QRectF(WindowLayout::find(KBEdLayout::Controls, name).place);
    };
    const QRectF entry = place("Text2");
    frame(p, place("RichTextBox1"), 6, Qt::white, border);
    frame(p, entry, 5, Qt::white, border);
    Paint::shadowedText(p, QRectF(entry.left() + 3, entry.bottom() + 8, entry.width() - 3, 16),
                        Qt::AlignLeft | Qt::AlignVCenter,
                        Paint::font(QStringLiteral("DejaVu Sans"), 11, false, true),
                        QStringLiteral("Type a fact and press Enter to add it"), QColor(80, 106, 160),
                        Qt::white, QPointF(0, 1));
    // Panels behind the four buttons and behind the import's status labels.
    const QRectF buttons =
        place("Command4").united(place("Command1")).united(place("Command2")).united(place("Command3"));
    Paint::panel(p, buttons.adjusted(-6, -6, 6, 6), 8, QColor(255, 255, 255, 130), border, 1.2);
    Paint::panel(p, place("Label1").united(place("Label2")).adjusted(-3, -4, 3, 4), 8,
                 QColor(255, 255, 255, 90), QColor(160, 182, 222), 1.0);

    // The free corner: a title, a small constellation and a stack of books.
    const QFont title = Paint::serif(17, true);
    Paint::shadowedText(p, QRectF(420, 192, 117, 22), Qt::AlignCenter, title, QStringLiteral("Knowledge"),
                        ink, Qt::white, QPointF(1, 1));
    Paint::shadowedText(p, QRectF(420, 213, 117, 22), Qt::AlignCenter, title, QStringLiteral("Base"), ink,
                        Qt::white, QPointF(1, 1));
    p.setPen(QPen(QColor(150, 172, 214), 1.2));
    p.drawLine(QPointF(444, 242), QPointF(512, 242));

    const QPointF stars[] = {{444, 268}, {478, 258}, {510, 276}, {496, 306}, {458, 312}};
    const qreal sizes[] = {9, 6, 8, 5, 7};
    p.setPen(QPen(QColor(150, 172, 214), 1.0, Qt::DotLine));
    for (int i = 0; i < 5; ++i)
        p.drawLine(stars[i], stars[(i + 1) % 5]);
    p.setPen(QPen(QColor(200, 150, 40), 1.2));
    p.setBrush(QColor(255, 214, 90));
    for (int i = 0; i < 5; ++i)
        p.drawPath(Paint::star(stars[i], sizes[i], sizes[i] * 0.45));
    Paint::sparkle(p, QPointF(430, 300), 5, QColor(140, 180, 255));
    Paint::sparkle(p, QPointF(524, 246), 5, QColor(255, 200, 120));

    drawBooks(p, QPointF(478, 440));
    return image;
}

void EditorArt::drawBooks(QPainter &p, QPointF base)
{
    // Three closed books, then an open one on top.
    const struct
    {
        qreal width, shift, tilt;
        QColor colour;
    } books[] = {{92, -2, 0, QColor(84, 120, 200)},
                 {84, 4, -2.5, QColor(220, 110, 130)},
                 {88, -3, 1.5, QColor(96, 170, 140)},
                 {78, 2, -1.5, QColor(236, 176, 80)}};
    qreal y = base.y();
    for (const auto &b : books) {
        p.save();
        p.translate(base.x() + b.shift, y - 10);
        p.rotate(b.tilt);
        const QRectF cover(-b.width / 2, -10, b.width, 20);
        p.setPen(QPen(b.colour.darker(150), 1.2));
        p.setBrush(b.colour);
        p.drawRoundedRect(cover, 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(252, 248, 236));
        p.drawRect(QRectF(cover.right() - 7, -7, 5, 14));
        p.setBrush(b.colour.lighter(135));
        p.drawRect(QRectF(cover.left() + 12, -10, 5, 20));
        p.drawRect(QRectF(cover.left() + 21, -10, 2, 20));
        p.restore();
        y -= 21;
    }
    // The open book.
    const QPointF top(base.x(), y - 4);
    QPainterPath pages;
    pages.moveTo(top);
    pages.cubicTo(top + QPointF(-14, -10), top + QPointF(-32, -8), top + QPointF(-42, -2));
    pages.lineTo(top + QPointF(-42, 8));
    pages.cubicTo(top + QPointF(-30, 2), top + QPointF(-14, 2), top + QPointF(0, 10));
    pages.cubicTo(top + QPointF(14, 2), top + QPointF(30, 2), top + QPointF(42, 8));
    pages.lineTo(top + QPointF(42, -2));
    pages.cubicTo(top + QPointF(32, -8), top + QPointF(14, -10), top);
    pages.closeSubpath();
    p.setPen(QPen(QColor(120, 110, 90), 1.2));
    p.setBrush(QColor(255, 252, 240));
    p.drawPath(pages);
    p.drawLine(top, top + QPointF(0, 10));
    p.setPen(QPen(QColor(170, 180, 200), 1.0));
    for (int i = 0; i < 3; ++i) {
        const qreal dy = i * 3.0;
        p.drawLine(top + QPointF(-34, -1 + dy), top + QPointF(-8, -3 + dy));
        p.drawLine(top + QPointF(8, -3 + dy), top + QPointF(34, -1 + dy));
    }
}

QImage EditorArt::locations()
{
    QImage image = Paint::gradientCanvas(LocsLayout::ClientSize, QPointF(0, 0), QPointF(490, 341),
                                         QColor(236, 250, 244), QColor(204, 236, 226));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QColor teal(30, 110, 98);
    const QColor border(120, 190, 172);

    // One band per location row, as wide as the widest row, with a mat behind
    // each picture frame.
    qreal rowsRight = 0;
    for (const WindowLayout::Control &c : LocsLayout::Controls) {
        if (!WindowLayout::sameName(c.name, "Command6"))
            rowsRight = std::max(rowsRight, QRectF(c.place).right());
    }
    for (int n = 1; n <= LocsLayout::Rows; ++n) {
        const QRectF image(LocsLayout::rowControl(n, LocsLayout::RowImage).place);
        const qreal top = image.top() - 3;
        const qreal bottom = n < LocsLayout::Rows
                                 ? LocsLayout::rowControl(n + 1, LocsLayout::RowImage).place.top() - 4
                                 : LocsLayout::ClientSize.height() - 10;
        const QColor fill = n % 2 == 1 ? QColor(255, 255, 255, 150) : QColor(170, 226, 210, 110);
        Paint::panel(p, QRectF(4, top, rowsRight + 5 - 4, bottom - top), 8, fill, border, 1.0);
        Paint::panel(p, image.adjusted(-3, -2, 3, 2), 3, Qt::white, QColor(150, 170, 160), 1.0, 2);
    }

    // The free right part: title, compass and a travelled path with pins.
    Paint::shadowedText(p, QRectF(268, 8, 214, 36), Qt::AlignCenter, Paint::serif(27, true),
                        QStringLiteral("Locations"), teal, Qt::white, QPointF(1.5, 1.5));
    Paint::shadowedText(p, QRectF(268, 42, 214, 18), Qt::AlignCenter,
                        Paint::font(QStringLiteral("DejaVu Sans"), 12, false, true),
                        QStringLiteral("five places for Zumi"), QColor(60, 130, 118), Qt::white,
                        QPointF(0, 1));

    QPainterPath route;
    route.moveTo(288, 268);
    route.cubicTo(300, 200, 250, 170, 300, 120);
    route.cubicTo(340, 80, 420, 90, 468, 70);
    p.setPen(QPen(QColor(220, 120, 90), 2.2, Qt::DashLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(route);

    drawCompass(p, QPointF(385, 172), 66);
    drawPin(p, QPointF(288, 268), 22, QColor(232, 96, 120));
    drawPin(p, QPointF(468, 70), 20, QColor(90, 150, 230));
    drawPin(p, QPointF(300, 122), 16, QColor(246, 176, 60));

    Paint::shadowedText(p, QRectF(270, 300, 132, 36), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                        Paint::font(QStringLiteral("DejaVu Sans"), 10, false, true),
                        QStringLiteral("Pictures are looked up in the Locations folder."),
                        QColor(60, 110, 100), Qt::white, QPointF(0, 1));
    Paint::panel(p, QRectF(WindowLayout::find(LocsLayout::Controls, "Command6").place).adjusted(-4, -4, 8, 4),
                 8, QColor(255, 255, 255, 150), border, 1.2);
    return image;
}

void EditorArt::drawCompass(QPainter &p, QPointF c, qreal r)
{
    p.save();
    QRadialGradient face(c + QPointF(-r * 0.3, -r * 0.3), r * 1.4);
    face.setColorAt(0.0, QColor(255, 253, 244));
    face.setColorAt(1.0, QColor(236, 226, 196));
    p.setPen(QPen(QColor(150, 120, 70), 3));
    p.setBrush(face);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(190, 165, 110), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r - 8, r - 8);
    for (int i = 0; i < 32; ++i) {
        const qreal a = qDegreesToRadians(i * 11.25);
        const qreal inner = i % 4 == 0 ? r - 16 : r - 12;
        p.drawLine(c + QPointF(qCos(a), qSin(a)) * inner, c + QPointF(qCos(a), qSin(a)) * (r - 8));
    }

    // Eight points: the four long ones in two tones.
    for (int i = 0; i < 8; ++i) {
        const qreal len = i % 2 == 0 ? r - 14 : (r - 14) * 0.55;
        const qreal half = i % 2 == 0 ? 9 : 6;
        const qreal a = qDegreesToRadians(-90.0 + i * 45.0);
        const QPointF dir(qCos(a), qSin(a));
        const QPointF side(-dir.y(), dir.x());
        const QPointF tip = c + dir * len;
        QPainterPath left;
        left.moveTo(c);
        left.lineTo(c + side * half + dir * half);
        left.lineTo(tip);
        left.closeSubpath();
        QPainterPath right;
        right.moveTo(c);
        right.lineTo(c - side * half + dir * half);
        right.lineTo(tip);
        right.closeSubpath();
        const bool north = i == 0;
        p.setPen(QPen(QColor(60, 70, 70), 0.8));
        p.setBrush(north ? QColor(232, 96, 96) : (i % 2 == 0 ? QColor(40, 120, 108) : QColor(150, 190, 180)));
        p.drawPath(left);
        p.setBrush(north ? QColor(180, 60, 60) : (i % 2 == 0 ? QColor(24, 84, 76) : QColor(110, 150, 140)));
        p.drawPath(right);
    }
    p.setPen(QPen(QColor(150, 120, 70), 1.5));
    p.setBrush(QColor(255, 214, 90));
    p.drawEllipse(c, 5, 5);

    const QFont letters = Paint::serif(13, true);
    const QColor ink(90, 70, 40);
    const qreal d = r + 11;
    Paint::shadowedText(p, QRectF(c.x() - 10, c.y() - d - 9, 20, 18), Qt::AlignCenter, letters,
                        QStringLiteral("N"), QColor(200, 60, 60), Qt::white);
    Paint::shadowedText(p, QRectF(c.x() - 10, c.y() + d - 9, 20, 18), Qt::AlignCenter, letters,
                        QStringLiteral("S"), ink, Qt::white);
    Paint::shadowedText(p, QRectF(c.x() + d - 10, c.y() - 9, 20, 18), Qt::AlignCenter, letters,
                        QStringLiteral("E"), ink, Qt::white);
    Paint::shadowedText(p, QRectF(c.x() - d - 10, c.y() - 9, 20, 18), Qt::AlignCenter, letters,
                        QStringLiteral("W"), ink, Qt::white);
    p.restore();
}

void EditorArt::drawPin(QPainter &p, QPointF tip, qreal size, const QColor &colour)
{
    p.save();
    const qreal r = size * 0.34;
    const QPointF head(tip.x(), tip.y() - size + r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(tip + QPointF(2, 0), r * 0.7, r * 0.25);
    QPainterPath pin;
    pin.moveTo(tip);
    pin.cubicTo(tip + QPointF(-r * 0.4, -size * 0.35), head + QPointF(-r, r * 0.5), head + QPointF(-r, 0));
    pin.arcTo(QRectF(head.x() - r, head.y() - r, 2 * r, 2 * r), 180, -180);
    pin.cubicTo(head + QPointF(r, r * 0.5), tip + QPointF(r * 0.4, -size * 0.35), tip);
    QRadialGradient fill(head + QPointF(-r * 0.4, -r * 0.4), r * 1.8);
    fill.setColorAt(0.0, colour.lighter(140));
    fill.setColorAt(1.0, colour.darker(115));
    p.setPen(QPen(colour.darker(160), 1.0));
    p.setBrush(fill);
    p.drawPath(pin);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(head, r * 0.4, r * 0.4);
    p.restore();
}
