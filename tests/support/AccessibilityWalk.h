// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringList>

class QWidget;

// What a screen reader meets in a window: its interactive controls and the
// names it reads out for them.
namespace AccessibilityWalk {

// The window's interactive controls, in the order of its widget tree: buttons,
// check boxes and option buttons, line edits, text areas, lists and other
// item views, spin boxes, sliders, combo boxes, and any other widget that
// takes the keyboard focus (a canvas, a picture button). Hidden and disabled
// controls count: they are met once shown or enabled. The inner parts of a
// control (a text area's scroll bars, a spin box's line edit) and other
// windows (dialogs owned by the window) are not walked.
QList<QWidget *> interactiveControls(const QWidget &window);

// The name a screen reader announces for a widget: its accessible interface's
// name (the accessible name, else a caption or a buddy label's text).
QString accessibleName(QWidget *widget);

// One line for each interactive control whose accessible name is empty, as
// `Class "objectName"` (or `Class at x,y` when it has no object name). A
// window test checks that this list is empty:
//     QCOMPARE(AccessibilityWalk::unnamedControls(window), QStringList());
QStringList unnamedControls(const QWidget &window);

} // namespace AccessibilityWalk
