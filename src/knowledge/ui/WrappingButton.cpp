// SPDX-License-Identifier: GPL-3.0-or-later
#include "WrappingButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

WrappingButton::WrappingButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown())
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, option.palette,
                         isEnabled(), caption, QPalette::ButtonText);
}
