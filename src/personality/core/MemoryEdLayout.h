// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowLayout.h"

#include <QSize>

// The Personality Editor's layout. The option buttons and the check box are
// only as large as their marks; the background picture paints their labels
// beside them and frames around the text area, list and entry line.
namespace MemoryEdLayout {

using WindowLayout::Kind;

constexpr QSize ClientSize(563, 469);

inline constexpr WindowLayout::Control Controls[] = {
    {Kind::List, "List1", "", {410, 3, 135, 173}, 0, "the personalities in the program folder"},
    {Kind::Button, "Command1", "Load Personality", {396, 184, 167, 18}, 1, "load"},
    {Kind::OptionButton, "Option1", "", {20, 46, 14, 13}, 2, "selects the general view"},
    {Kind::OptionButton,
     "Option2",
     "Question/Answer",
     {181, 47, 16, 14},
     3,
     "selects the question/answer view"},
    {Kind::TextArea, "RichTextBox1", "", {15, 101, 365, 281}, 4, "the text of the selected view"},
    {Kind::TextBox, "Text2", "", {14, 408, 368, 23}, 5, "the entry line"},
    {Kind::CheckBox, "Check1", "Use 2nd  Person (You,Your)", {22, 446, 13, 13}, 6, "the person swap"},
    {Kind::Button, "Command5", "Save Personality", {396, 204, 167, 18}, 7, "save"},
    {Kind::Button, "Command3", "Save Personality As...", {396, 227, 171, 18}, 8, "plain memory export"},
    {Kind::Button, "Command4", "Save Q/A As...", {396, 246, 172, 18}, 9, "plain question/answer export"},
    {Kind::Label, "Label3", "?", {387, 407, 16, 24}, -1, "entry indicator of the question/answer view"},
};

} // namespace MemoryEdLayout
