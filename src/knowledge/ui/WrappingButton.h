// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// A push button whose caption wraps onto several lines when it is wider than
// the button, as the small command buttons of the editors need.
class WrappingButton : public QPushButton
{
    Q_OBJECT
public:
    explicit WrappingButton(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
