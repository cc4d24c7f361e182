// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringView>

namespace FileCheck {

// The lines of a text, ended by CR LF, a lone CR or a lone LF. The text must
// outlive the Lines: a table of every line's start would take four times the
// text's own memory for a file of empty lines, so only the count at every
// few characters is kept, and the text itself counts the rest.
class Lines
{
public:
    explicit Lines(QStringView text);
    // The 1-based line that holds the character at position.
    qsizetype lineOf(qsizetype position) const;

private:
    static constexpr qsizetype Stride = 32;
    bool endsLine(qsizetype i) const;

    QStringView m_text;
    QList<qsizetype> m_endsBefore; // the line ends in front of every Stride-th character
};

} // namespace FileCheck
