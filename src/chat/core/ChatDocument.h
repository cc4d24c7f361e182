// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A text the tester draws statements or facts from: the memory (an empty
// name) or a knowledge base (its file name).
struct ChatDocument
{
    QString name;
    QString text;
    bool operator==(const ChatDocument &o) const { return name == o.name && text == o.text; }
};
