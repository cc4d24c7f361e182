// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QAbstractButton;

// A click target over a caption that the window's background picture paints
// beside a control only as large as its mark: a click on the caption clicks
// the control, as a click on a control's own caption does. It paints nothing,
// takes no focus and lies beneath the controls.
class CaptionTarget : public QWidget
{
    Q_OBJECT
public:
    CaptionTarget(QAbstractButton *control, const QRect &caption, QWidget *parent);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QAbstractButton *m_control;
};
