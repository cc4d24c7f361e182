// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Finding a text in a text, for the text areas' Find: a plain scan over the
// text as it stands, so that it is as fast on the memory texts of tens of
// megabytes as on a line.
namespace TextSearch {

enum class Direction { Forward, Backward };

struct Match
{
    qsizetype position = -1; // where the found text starts, or -1
    bool wrapped = false;    // found only by going round past the end (or the start)
    bool found() const { return position >= 0; }
};

// Forward: the first place at or after `from` where `needle` starts.
// Backward: the last place before `from` where it starts.
// With `wrap`, a search that finds nothing goes on from the other end of the
// text. An empty needle is found nowhere.
Match find(QStringView text, QStringView needle, qsizetype from, Direction direction, Qt::CaseSensitivity cs,
           bool wrap);

} // namespace TextSearch
