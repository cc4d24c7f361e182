// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowLayout.h"

#include <QSize>

// The Knowledge Base Editor's layout; the background picture frames the text
// area and the entry line and sets the buttons on a panel.
namespace KBEdLayout {

using WindowLayout::Kind;

constexpr QSize ClientSize(537, 449);

inline constexpr WindowLayout::Control Controls[] = {
    {Kind::TextBox, "Text2", "", {11, 393, 397, 22}, 0, "entry line: a fact typed here is appended on Enter"},
    {Kind::TextArea, "RichTextBox1", "", {15, 20, 396, 356}, 1, "the knowledge base being edited"},
    {Kind::Button, "Command4", "New KBase...", {432, 24, 81, 18}, 2, "empties the text area"},
    {Kind::Button, "Command1", "Load KBase...", {432, 42, 81, 18}, 3, "loads a .kba file"},
    {Kind::Button, "Command2", "Save KBase...", {432, 60, 81, 19}, 4, "saves a .kba file"},
    {Kind::Button, "Command3", "Read From Text File", {432, 79, 81, 29}, 5, "text import"},
    {Kind::Button, "Command5", "STOP", {438, 159, 81, 18}, 6, "ends a running text import"},
    {Kind::Label, "Label1", "", {427, 125, 73, 25}, -1, "status text during the text import"},
    {Kind::Label, "Label2", "", {498, 125, 33, 25}, -1, "percentage during the text import"},
};

} // namespace KBEdLayout
