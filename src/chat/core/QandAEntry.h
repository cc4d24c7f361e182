// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One entry of a question/answer text as the tester reads it: "#", the
// question, "&", the answer, "%". Positions and lengths count characters of
// the text; line is the 1-based line of the "#".
struct QandAEntry
{
    qsizetype position = 0; // of the "#"
    qsizetype length = 0;   // up to and with the "%", or to where the entry stops
    qsizetype line = 1;
    QString question; // as written, line ends and all
    QString answer;
    bool hasAmpersand = false;
    bool hasPercent = false;

    // Whether the entry can answer: it has an "&" and an answer.
    bool answers() const { return hasAmpersand && !answer.trimmed().isEmpty(); }

    bool operator==(const QandAEntry &o) const
    {
        return position == o.position && length == o.length && line == o.line && question == o.question &&
               answer == o.answer && hasAmpersand == o.hasAmpersand && hasPercent == o.hasPercent;
    }
};
