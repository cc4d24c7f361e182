// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QStringList>

class QWidget;

// Driving and checking a window's keyboard use in widget tests.
namespace Keyboard {

// A caption as the user sees it: its mnemonic marks taken out ("&Save" shows
// "Save", "S&&L" shows "S&L").
QString visibleCaption(const QString &caption);

// The window's mnemonics (a button's "&" letter, a label's for its buddy)
// that more than one control carries, one line each with the controls they
// lead to: "Alt+O: Command1, Command2". Hidden controls count: they carry
// theirs once shown.
QStringList mnemonicClashes(const QWidget &window);

// Makes window the active window and presses and releases keys (one
// combination) in the widget that has its focus, as a user would; window-wide
// shortcuts and mnemonics then act. A button's mnemonic shows the button
// pressed for a moment before it clicks, so check its effect with QTRY_*.
// Fails the running test when the window cannot become active.
void press(QWidget &window, const QKeySequence &keys);

// The object names of the window's controls in the order Tab visits them,
// from the first after the window itself: the controls that take the focus
// by Tab, hidden and disabled ones included (they are visited once shown or
// enabled).
QStringList tabOrder(const QWidget &window);

} // namespace Keyboard
