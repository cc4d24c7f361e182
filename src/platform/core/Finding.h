// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace FileCheck {

// What a check of a file finds at one place: whatever there would not load as
// meant, or would not come back unchanged from a load and a save.
struct Finding
{
    qsizetype line = 0; // 1-based; 0: the finding belongs to no one line
    QString message;
    bool operator==(const Finding &o) const { return line == o.line && message == o.message; }
};

} // namespace FileCheck
