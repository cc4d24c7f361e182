// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// --verify FILE.chat: runs every exchange of a chat test through the
// tester's engine, in order, against the personality and knowledge bases
// the file names (or the folder's defaults).
namespace ChatVerify {

struct Report
{
    int passed = 0;
    int failed = 0;
    // One line per failure, "FILE:LINE: expected "PATTERN", got "REPLY"
    // (from SOURCE)", then "N passed, M failed", then with coverage the
    // entries no exchange reached.
    QString output;
    QString error; // the chat file, the personality or a knowledge base cannot be read
    bool ok() const { return error.isEmpty(); }
};

Report run(const QString &chatFile, const QString &folder, bool coverage);

} // namespace ChatVerify
