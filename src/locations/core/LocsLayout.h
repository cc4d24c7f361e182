// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowLayout.h"

#include <QSize>

// The Locations window's layout: one row of four controls per location, and
// the save button. The background picture paints a panel behind each row and
// a white mount behind each picture frame.
namespace LocsLayout {

using WindowLayout::Kind;

constexpr QSize ClientSize(490, 341);
constexpr int Rows = 5;

inline constexpr WindowLayout::Control Controls[] = {
    {Kind::Label, "Label1", "Location 1", {11, 26, 88, 22}, -1, "row title"},
    {Kind::PictureFrame, "Image1", "", {107, 6, 78, 61}, -1, "location 1's picture"},
    {Kind::TextBox, "Text1", "Text1", {193, 12, 62, 19}, 0, "location 1's text"},
    {Kind::Button, "Command1", "Open...", {193, 34, 63, 26}, 1, "chooses location 1's picture"},
    {Kind::Label, "Label2", "Location 2", {11, 92, 88, 22}, -1, "row title"},
    {Kind::PictureFrame, "Image2", "", {107, 73, 78, 61}, -1, "location 2's picture"},
    {Kind::TextBox, "Text2", "Text1", {193, 80, 62, 19}, 2, "location 2's text"},
    {Kind::Button, "Command2", "Open...", {193, 102, 63, 26}, 3, "chooses location 2's picture"},
    {Kind::Label, "Label3", "Location 3", {11, 159, 88, 22}, -1, "row title"},
    {Kind::PictureFrame, "Image3", "", {109, 138, 78, 61}, -1, "location 3's picture"},
    {Kind::TextBox, "Text3", "Text1", {194, 144, 62, 19}, 4, "location 3's text"},
    {Kind::Button, "Command3", "Open...", {194, 166, 62, 26}, 5, "chooses location 3's picture"},
    {Kind::Label, "Label4", "Location 4", {11, 226, 88, 22}, -1, "row title"},
    {Kind::PictureFrame, "Image4", "", {110, 203, 78, 61}, -1, "location 4's picture"},
    {Kind::TextBox, "Text4", "Text1", {195, 209, 62, 19}, 6, "location 4's text"},
    {Kind::Button, "Command4", "Open...", {195, 230, 62, 26}, 7, "chooses location 4's picture"},
    {Kind::Label, "Label5", "Location 5", {11, 292, 88, 22}, -1, "row title"},
    {Kind::PictureFrame, "Image5", "", {111, 267, 78, 61}, -1, "location 5's picture"},
    {Kind::TextBox, "Text5", "Text1", {195, 270, 62, 19}, 8, "location 5's text"},
    {Kind::Button, "Command5", "Open...", {195, 291, 62, 26}, 9, "chooses location 5's picture"},
    {Kind::Button, "Command6", "Save Settings", {408, 302, 78, 34}, 10, "writes Options.Cfg"},
};

// The controls of location row n (1 to 5), in the order label, picture frame,
// text box, button.
constexpr const WindowLayout::Control &rowControl(int n, int which)
{
    return Controls[(n - 1) * 4 + which];
}
enum RowControl { RowLabel = 0, RowImage, RowText, RowOpen };

} // namespace LocsLayout
