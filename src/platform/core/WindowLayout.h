// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <cstddef>

// A window's prescribed layout as one table: what each control is, its object
// name, caption, place in the client area (pixels), place in the keyboard
// focus order (-1: none) and what it is for. The window builds from it, its
// test checks the window against it, and the art generator paints around the
// same places, so the three cannot drift apart.
namespace WindowLayout {

enum class Kind {
    Button,
    CheckBox,
    OptionButton,
    Label,
    TextBox,
    TextArea,
    List,
    PictureFrame,
    PictureButton,
    Canvas
};

struct Control
{
    Kind kind;
    const char *name;
    const char *caption;
    QRect place;
    int tab;
    const char *role;
};

constexpr bool sameName(const char *a, const char *b)
{
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

// The row of the control called name. The table must hold it: at compile
// time a missing name does not compile, at run time it is the first row.
template <class Row, std::size_t N> constexpr const Row &find(const Row (&table)[N], const char *name)
{
    for (const Row &row : table) {
        if (sameName(row.name, name))
            return row;
    }
    return table[0];
}

template <class Row, std::size_t N> constexpr bool holds(const Row (&table)[N], const char *name)
{
    for (const Row &row : table) {
        if (sameName(row.name, name))
            return true;
    }
    return false;
}

} // namespace WindowLayout
