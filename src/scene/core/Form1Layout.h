// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SceneRecord.h"
#include "WindowLayout.h"

#include <QSize>

// The scene composer's window: every control with its kind, object name,
// caption, place (pixels of the client area), tab place, what it does, and
// the name and description a screen reader announces (none: the caption).
// Form1 is built from this table in one loop; its tests check the window
// against it; the art generator sizes the canvas pictures from it.
namespace Form1Layout {

using WindowLayout::Kind;

constexpr QSize ClientSize(700, 589);

enum class Role {
    Canvas,
    Caption,    // a row caption or a text box's label
    Heading,    // the bold "Misc:"
    PartSwitch, // arg: the part
    PartLoad,   // arg: the part
    PartOption, // arg: the part
    BackgroundLoad,
    NudeSwitch,        // "Nude BG"
    AlternativeSwitch, // the captionless box that swaps the alternative background in
    AlternativeLoad,
    ShownName, // the selected part's picture name
    Nudge,     // arg: a Direction
    ShowHide,
    UseOutline,
    Help,
    NewScene,
    LoadScene,
    SaveScene,
    AnimationText, // arg: SceneEditor::AnimationText (Frames, Speed, Rndm, Delay)
};

enum Direction { Up = 0, Down, Left, Right };

struct Control
{
    Kind kind;
    const char *name;
    const char *caption;
    QRect place;
    int tab;
    Role role;
    int arg;
    const char *accessibleName; // nullptr: the caption
    const char *description;    // nullptr: none
};

// clang-format off
inline constexpr Control Controls[] = {
    {Kind::Canvas, "picCanvas", "", {0, 0, 700, 500}, 2, Role::Canvas, 0,
     QT_TRANSLATE_NOOP("Form1Layout", "Scene canvas, 700 by 500"),
     QT_TRANSLATE_NOOP("Form1Layout", "The background with the selected part. Drag the part, or move it "
                                      "with the arrow keys (Shift: 10 pixels).")},

    // Left block: part switches and LOAD buttons.
    {Kind::CheckBox, "Check5", QT_TRANSLATE_NOOP("Form1Layout", "Zumi Blink"),
     {4, 502, 65, 17}, 39, Role::PartSwitch, ScenePart::ZumiBlink,
     nullptr,
     QT_TRANSLATE_NOOP("Form1Layout", "Puts the Zumi blink part into the scene")},
    {Kind::CheckBox, "Check2", QT_TRANSLATE_NOOP("Form1Layout", "User Mouth"),
     {72, 502, 81, 17}, 29, Role::PartSwitch, ScenePart::UserMouth,
     nullptr,
     QT_TRANSLATE_NOOP("Form1Layout", "Puts the user mouth part into the scene")},
    {Kind::CheckBox, "Check4", QT_TRANSLATE_NOOP("Form1Layout", "User Blink"),
     {152, 502, 73, 17}, 38, Role::PartSwitch,
     ScenePart::UserBlink, nullptr,
     QT_TRANSLATE_NOOP("Form1Layout", "Puts the user blink part into the scene")},
    {Kind::CheckBox, "Check3", QT_TRANSLATE_NOOP("Form1Layout", "Misc. Part"),
     {224, 502, 73, 17}, 33, Role::PartSwitch, ScenePart::Misc,
     nullptr,
     QT_TRANSLATE_NOOP("Form1Layout", "Puts the miscellaneous part and its animation numbers into the scene")},
    {Kind::Label, "Label1", QT_TRANSLATE_NOOP("Form1Layout", "Background"),
     {8, 520, 65, 17}, 5, Role::Caption, 0, nullptr, nullptr},
    {Kind::Button, "Command2", QT_TRANSLATE_NOOP("Form1Layout", "LOAD"),
     {72, 520, 65, 13}, 7, Role::BackgroundLoad, 0,
     QT_TRANSLATE_NOOP("Form1Layout", "Load Background picture"),
     nullptr},
    {Kind::CheckBox, "Check6", QT_TRANSLATE_NOOP("Form1Layout", "Nude BG"),
     {152, 519, 72, 17}, 40, Role::NudeSwitch, 0, nullptr,
     QT_TRANSLATE_NOOP("Form1Layout", "The scene has an alternative background")},
    {Kind::CheckBox, "Check7", "", {224, 520, 17, 13}, 42, Role::AlternativeSwitch, 0,
     QT_TRANSLATE_NOOP("Form1Layout", "Show the Nude BG picture"),
     QT_TRANSLATE_NOOP("Form1Layout", "Shows the alternative background instead of the background")},
    {Kind::Button, "Command14", QT_TRANSLATE_NOOP("Form1Layout", "LOAD"),
     {240, 520, 49, 13}, 41, Role::AlternativeLoad, 0,
     QT_TRANSLATE_NOOP("Form1Layout", "Load Nude BG picture"),
     nullptr},
    {Kind::Label, "Label2", QT_TRANSLATE_NOOP("Form1Layout", "Zumi Mouth"),
     {8, 536, 57, 17}, 6, Role::Caption, 0, nullptr, nullptr},
    {Kind::Button, "Command1", QT_TRANSLATE_NOOP("Form1Layout", "LOAD"),
     {72, 536, 65, 13}, 4, Role::PartLoad, ScenePart::ZumiMouth,
     QT_TRANSLATE_NOOP("Form1Layout", "Load Zumi Mouth picture"), nullptr},
    {Kind::Label, "Label4", QT_TRANSLATE_NOOP("Form1Layout", "User Mouth"),
     {144, 536, 57, 17}, 10, Role::Caption, 0, nullptr, nullptr},
    {Kind::Button, "Command4", QT_TRANSLATE_NOOP("Form1Layout", "LOAD"),
     {208, 536, 65, 13}, 11, Role::PartLoad, ScenePart::UserMouth,
     QT_TRANSLATE_NOOP("Form1Layout", "Load User Mouth picture"), nullptr},
    {Kind::Label, "Label3", QT_TRANSLATE_NOOP("Form1Layout", "Zumi Blink"),
     {8, 552, 73, 17}, 8, Role::Caption, 0, nullptr, nullptr},
    {Kind::Button, "Command3", QT_TRANSLATE_NOOP("Form1Layout", "LOAD"),
     {72, 552, 65, 13}, 9, Role::PartLoad, ScenePart::ZumiBlink,
     QT_TRANSLATE_NOOP("Form1Layout", "Load Zumi Blink picture"), nullptr},
    {Kind::Label, "Label5", QT_TRANSLATE_NOOP("Form1Layout", "User Blink"),
     {144, 552, 57, 17}, 12, Role::Caption, 0, nullptr, nullptr},
    {Kind::Button, "Command5", QT_TRANSLATE_NOOP("Form1Layout", "LOAD"),
     {208, 552, 65, 13}, 13, Role::PartLoad, ScenePart::UserBlink,
     QT_TRANSLATE_NOOP("Form1Layout", "Load User Blink picture"), nullptr},
    {Kind::Label, "Label7", QT_TRANSLATE_NOOP("Form1Layout", "Misc. Part"),
     {8, 568, 57, 17}, 32, Role::Caption, 0, nullptr, nullptr},
    {Kind::Button, "Command13", QT_TRANSLATE_NOOP("Form1Layout", "LOAD"),
     {72, 568, 65, 13}, 31, Role::PartLoad, ScenePart::Misc,
     QT_TRANSLATE_NOOP("Form1Layout", "Load Misc. Part picture"), nullptr},
    {Kind::TextBox, "Text3", "", {184, 568, 105, 19}, 37, Role::ShownName, 0,
     QT_TRANSLATE_NOOP("Form1Layout", "Picture of the selected part"),
     QT_TRANSLATE_NOOP("Form1Layout", "The picture name of the selected part; typing here changes nothing")},

    // Middle block: part selection and nudging.
    {Kind::OptionButton, "Option1", QT_TRANSLATE_NOOP("Form1Layout", "Zumi Mouth"),
     {296, 504, 89, 17}, 14, Role::PartOption,
     ScenePart::ZumiMouth,
     nullptr, QT_TRANSLATE_NOOP("Form1Layout", "Selects the part to place")},
    {Kind::OptionButton, "Option2", QT_TRANSLATE_NOOP("Form1Layout", "Zumi Blink"),
     {296, 520, 73, 17}, 15, Role::PartOption,
     ScenePart::ZumiBlink,
     nullptr, QT_TRANSLATE_NOOP("Form1Layout", "Selects the part to place")},
    {Kind::OptionButton, "Option3", QT_TRANSLATE_NOOP("Form1Layout", "User Mouth"),
     {296, 536, 89, 17}, 16, Role::PartOption,
     ScenePart::UserMouth,
     nullptr, QT_TRANSLATE_NOOP("Form1Layout", "Selects the part to place")},
    {Kind::OptionButton, "Option4", QT_TRANSLATE_NOOP("Form1Layout", "User Blink"),
     {296, 555, 73, 13}, 17, Role::PartOption,
     ScenePart::UserBlink,
     nullptr, QT_TRANSLATE_NOOP("Form1Layout", "Selects the part to place")},
    {Kind::OptionButton, "Option5", QT_TRANSLATE_NOOP("Form1Layout", "Miscellaneous Part"),
     {296, 571, 113, 17}, 30, Role::PartOption,
     ScenePart::Misc,
     nullptr, QT_TRANSLATE_NOOP("Form1Layout", "Selects the part to place")},
    {Kind::Button, "Command6", QT_TRANSLATE_NOOP("Form1Layout", "Up"), {416, 512, 25, 17}, 21, Role::Nudge, Up,
     QT_TRANSLATE_NOOP("Form1Layout", "Nudge up"), nullptr},
    {Kind::Button, "Command8", QT_TRANSLATE_NOOP("Form1Layout", "Lft"),
     {392, 528, 25, 17}, 23, Role::Nudge, Left, QT_TRANSLATE_NOOP("Form1Layout", "Nudge left"), nullptr},
    {Kind::Button, "Command9", QT_TRANSLATE_NOOP("Form1Layout", "Rt"),
     {440, 528, 25, 17}, 24, Role::Nudge, Right, QT_TRANSLATE_NOOP("Form1Layout", "Nudge right"), nullptr},
    {Kind::Button, "Command7", QT_TRANSLATE_NOOP("Form1Layout", "Dw"),
     {416, 544, 25, 17}, 22, Role::Nudge, Down, QT_TRANSLATE_NOOP("Form1Layout", "Nudge down"), nullptr},

    // Right block: display options, help, scene files and animation numbers.
    {Kind::CheckBox, "Check1", QT_TRANSLATE_NOOP("Form1Layout", "Show/Hide Image"),
     {488, 504, 113, 17}, 25, Role::ShowHide, 0, nullptr,
     QT_TRANSLATE_NOOP("Form1Layout", "Draws the selected part over the background")},
    {Kind::CheckBox, "chkUseOutline", QT_TRANSLATE_NOOP("Form1Layout", "Use Outline"),
     {488, 520, 97, 17}, 3, Role::UseOutline, 0, nullptr,
     QT_TRANSLATE_NOOP("Form1Layout", "Drags with an outline instead of the picture")},
    {Kind::Button, "Command12", QT_TRANSLATE_NOOP("Form1Layout", "HELP"),
     {504, 544, 73, 17}, 28, Role::Help, 0, QT_TRANSLATE_NOOP("Form1Layout", "Help"), nullptr},
    {Kind::Button, "Command15", QT_TRANSLATE_NOOP("Form1Layout", "New Scene..."),
     {616, 504, 81, 17}, 50, Role::NewScene, 0, QT_TRANSLATE_NOOP("Form1Layout", "New Scene"),
     nullptr},
    {Kind::Button, "Command11", QT_TRANSLATE_NOOP("Form1Layout", "Load Scene..."),
     {616, 520, 81, 17}, 27, Role::LoadScene, 0, nullptr,
     nullptr},
    {Kind::Button, "Command10", QT_TRANSLATE_NOOP("Form1Layout", "Save Scene..."),
     {616, 536, 81, 17}, 26, Role::SaveScene, 0, nullptr,
     nullptr},
    {Kind::Label, "Label8", QT_TRANSLATE_NOOP("Form1Layout", "Misc:"),
     {416, 572, 89, 17}, 35, Role::Heading, 0, nullptr, nullptr},
    {Kind::Label, "Label6", QT_TRANSLATE_NOOP("Form1Layout", "Frames"),
     {450, 572, 36, 17}, 46, Role::Caption, 0, nullptr, nullptr},
    {Kind::TextBox, "Text2", "8", {488, 570, 17, 19}, 43, Role::AnimationText, 0,
     QT_TRANSLATE_NOOP("Form1Layout", "Frames"),
     QT_TRANSLATE_NOOP("Form1Layout", "Frames of the miscellaneous part's animation")},
    {Kind::Label, "Label9", QT_TRANSLATE_NOOP("Form1Layout", "Speed"),
     {510, 572, 36, 17}, 47, Role::Caption, 0, nullptr, nullptr},
    {Kind::TextBox, "Text5", "100", {544, 568, 25, 19}, 45, Role::AnimationText, 1,
     QT_TRANSLATE_NOOP("Form1Layout", "Speed"),
     QT_TRANSLATE_NOOP("Form1Layout", "Speed of the miscellaneous part's animation")},
    {Kind::Label, "Label10", QT_TRANSLATE_NOOP("Form1Layout", "Rndm"),
     {576, 572, 33, 17}, 48, Role::Caption, 0, nullptr, nullptr},
    {Kind::TextBox, "Text1", "100", {608, 568, 25, 19}, 34, Role::AnimationText, 2,
     QT_TRANSLATE_NOOP("Form1Layout", "Rndm"),
     QT_TRANSLATE_NOOP("Form1Layout", "Randomness of the miscellaneous part's animation")},
    {Kind::Label, "Label11", QT_TRANSLATE_NOOP("Form1Layout", "Delay"),
     {640, 572, 28, 17}, 49, Role::Caption, 0, nullptr, nullptr},
    {Kind::TextBox, "Text4", "3", {672, 568, 17, 19}, 44, Role::AnimationText, 3,
     QT_TRANSLATE_NOOP("Form1Layout", "Delay"),
     QT_TRANSLATE_NOOP("Form1Layout", "Delay of the miscellaneous part's animation")},
};
// clang-format on

constexpr const Control &control(const char *name)
{
    return WindowLayout::find(Controls, name);
}

// The canvas takes the window's top-left corner; the art is drawn for its size.
constexpr QRect CanvasPlace = control("picCanvas").place;

} // namespace Form1Layout
