// SPDX-License-Identifier: GPL-3.0-or-later
#include "PartStrip.h"

#include <QCoreApplication>
#include <QPainter>

namespace PartStrip {

Result build(const QList<QImage> &frames, const QStringList &names)
{
    Result result;
    if (frames.size() < 2) {
        result.error = QCoreApplication::translate("PartStrip", "A strip needs two frames or more.");
        return result;
    }
    if (frames.size() > MaxFrames) {
        result.error = QCoreApplication::translate("PartStrip", "A strip takes at most %1 frames, not %2.")
                           .arg(MaxFrames)
                           .arg(frames.size());
        return result;
    }
    const QSize size = frames.first().size();
    if (size.isEmpty()) {
        result.error =
            QCoreApplication::translate("PartStrip", "\"%1\" holds no picture.").arg(names.value(0));
        return result;
    }
    for (qsizetype i = 1; i < frames.size(); ++i) {
        if (frames.at(i).size() != size) {
            result.error =
                QCoreApplication::translate(
                    "PartStrip", "\"%1\" is %2 x %3 pixels, \"%4\" %5 x %6: every frame of a strip "
                                 "must be the same size.")
                    .arg(names.value(i))
                    .arg(frames.at(i).width())
                    .arg(frames.at(i).height())
                    .arg(names.value(0))
                    .arg(size.width())
                    .arg(size.height());
            return result;
        }
    }
    if (qint64(size.width()) * frames.size() > MaxWidth) {
        result.error = QCoreApplication::translate(
                           "PartStrip", "%1 frames %2 pixels wide make a strip wider than %3 pixels.")
                           .arg(frames.size())
                           .arg(size.width())
                           .arg(MaxWidth);
        return result;
    }
    QImage strip(size.width() * int(frames.size()), size.height(), QImage::Format_RGB32);
    QPainter painter(&strip);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (qsizetype i = 0; i < frames.size(); ++i)
        painter.drawImage(int(i) * size.width(), 0, frames.at(i).convertToFormat(QImage::Format_RGB32));
    painter.end();
    result.strip = strip;
    return result;
}

} // namespace PartStrip
