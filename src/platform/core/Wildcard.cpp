// SPDX-License-Identifier: GPL-3.0-or-later
#include "Wildcard.h"

#include <vector>

namespace Wildcard {
namespace {

QChar fold(QChar c, Qt::CaseSensitivity cs)
{
    return cs == Qt::CaseInsensitive ? c.toCaseFolded() : c;
}

// Matches one pattern element at pattern[p] against character c. Sets `next`
// to the index after the element. Returns false when c is not matched.
bool matchOne(QStringView pattern, qsizetype p, QChar c, Qt::CaseSensitivity cs, qsizetype &next)
{
    const QChar pc = pattern[p];
    if (pc == QLatin1Char('?')) {
        next = p + 1;
        return true;
    }
    if (pc == QLatin1Char('#')) {
        next = p + 1;
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    }
    if (pc == QLatin1Char('[')) {
        const qsizetype close = pattern.indexOf(QLatin1Char(']'), p + 1);
        if (close >= 0) {
            qsizetype i = p + 1;
            bool negate = false;
            if (i < close && pattern[i] == QLatin1Char('!')) {
                negate = true;
                ++i;
            }
            const QChar fc = fold(c, cs);
            bool inSet = false;
            for (; i < close; ++i) {
                if (i + 2 < close && pattern[i + 1] == QLatin1Char('-')) {
                    const QChar lo = fold(pattern[i], cs);
                    const QChar hi = fold(pattern[i + 2], cs);
                    if (fc >= lo && fc <= hi)
                        inSet = true;
                    i += 2;
                } else if (fold(pattern[i], cs) == fc) {
                    inSet = true;
                }
            }
            next = close + 1;
            return inSet != negate;
        }
    }
    next = p + 1;
    return fold(pc, cs) == fold(c, cs);
}

} // namespace

bool match(QStringView text, QStringView pattern, Qt::CaseSensitivity cs)
{
    // Iterative matcher with single-star backtracking: linear in practice,
    // O(text * pattern) at worst, never recursive.
    qsizetype t = 0, p = 0;
    qsizetype starP = -1, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starP = ++p;
            starT = t;
            continue;
        }
        qsizetype next = 0;
        if (p < pattern.size() && matchOne(pattern, p, text[t], cs, next)) {
            p = next;
            ++t;
            continue;
        }
        if (starP < 0)
            return false;
        p = starP;
        t = ++starT;
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

} // namespace Wildcard
