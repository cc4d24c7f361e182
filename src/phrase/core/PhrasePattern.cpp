// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhrasePattern.h"

namespace PhrasePattern {
namespace {

// True when c is one of the characters the set (the text between the
// brackets) names, honouring a leading "!".
bool inSet(QChar c, QStringView set)
{
    bool negate = false;
    if (!set.isEmpty() && set.front() == QLatin1Char('!')) {
        negate = true;
        set = set.mid(1);
    }
    const QChar fc = c.toCaseFolded();
    bool found = false;
    for (qsizetype i = 0; i < set.size() && !found; ++i) {
        if (i + 2 < set.size() && set[i + 1] == QLatin1Char('-')) {
            found = fc >= set[i].toCaseFolded() && fc <= set[i + 2].toCaseFolded();
            i += 2;
        } else {
            found = fc == set[i].toCaseFolded();
        }
    }
    return found != negate;
}

} // namespace

bool match(QStringView text, QStringView pattern)
{
    qsizetype t = 0;
    for (qsizetype p = 0; p < pattern.size(); ++p) {
        const QChar pc = pattern[p];
        if (pc == QLatin1Char('*') && p + 1 == pattern.size())
            return true;
        if (t == text.size())
            return false;
        if (pc == QLatin1Char('[')) {
            const qsizetype close = pattern.indexOf(QLatin1Char(']'), p + 1);
            if (close > p) {
                if (!inSet(text[t++], pattern.mid(p + 1, close - p - 1)))
                    return false;
                p = close;
                continue;
            }
        }
        if (text[t++].toCaseFolded() != pc.toCaseFolded())
            return false;
    }
    return t == text.size();
}

} // namespace PhrasePattern
