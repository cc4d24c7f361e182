// SPDX-License-Identifier: GPL-3.0-or-later
#include "Lines.h"

#include <algorithm>

namespace FileCheck {

Lines::Lines(QStringView text) : m_text(text)
{
    m_endsBefore.resize(text.size() / Stride + 1);
    // One pass through the characters, a block of Stride at a time: this is
    // the one walk of every check that no file shape can make shorter.
    const char16_t *const chars = text.utf16();
    const qsizetype size = text.size();
    qsizetype ends = 0;
    for (qsizetype block = 0; block * Stride < size; ++block) {
        m_endsBefore[block] = ends;
        const qsizetype end = std::min(size, (block + 1) * Stride);
        for (qsizetype i = block * Stride; i < end; ++i) {
            const char16_t c = chars[i];
            if (c > u'\r')
                continue;
            if (c == u'\n' || (c == u'\r' && (i + 1 >= size || chars[i + 1] != u'\n')))
                ++ends;
        }
    }
    if (size % Stride == 0)
        m_endsBefore.back() = ends;
}

bool Lines::endsLine(qsizetype i) const
{
    const QChar c = m_text[i];
    if (c == QLatin1Char('\n'))
        return true;
    return c == QLatin1Char('\r') && (i + 1 >= m_text.size() || m_text[i + 1] != QLatin1Char('\n'));
}

qsizetype Lines::lineOf(qsizetype position) const
{
    // A line starts after every line end, so the line of position is one
    // more than the line ends in front of it.
    if (position < 0)
        return 0;
    const qsizetype end = std::min(position, m_text.size());
    qsizetype line = 1 + m_endsBefore[end / Stride];
    for (qsizetype i = end - end % Stride; i < end; ++i) {
        if (endsLine(i))
            ++line;
    }
    return line;
}

} // namespace FileCheck
