// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where a reply of the Test Chat comes from, so the writer can find it: a
// question/answer entry, a paragraph of the memory, or a fact of a knowledge
// base. Positions count characters of that text as the editor shows it.
struct ChatSource
{
    enum class Kind { Nothing, QandA, Memory, Knowledge };
    Kind kind = Kind::Nothing;
    QString document; // the knowledge base's file name
    int index = 0;    // 1-based: the entry among the entries, the fact among the facts
    qsizetype line = 0;
    qsizetype position = 0;
    qsizetype length = 0;
    QString question; // an entry's question, as written

    // "Q/A line 4 — What is your name?", "Astronomy.kba, fact 12 (line 45)",
    // "memory, line 9"; empty for nothing.
    QString describe() const;

    bool operator==(const ChatSource &o) const
    {
        return kind == o.kind && document == o.document && index == o.index && line == o.line &&
               position == o.position && length == o.length && question == o.question;
    }
};
