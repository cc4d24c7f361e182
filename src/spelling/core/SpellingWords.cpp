// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpellingWords.h"

namespace SpellingWords {
namespace {

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('_');
}

bool isApostrophe(QChar c)
{
    return c == QLatin1Char('\'') || c == QChar(0x2019);
}

} // namespace

QList<Span> words(QStringView text)
{
    QList<Span> out;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (!isWordCharacter(text[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < n) {
            if (isWordCharacter(text[i]))
                ++i;
            else if (isApostrophe(text[i]) && i + 1 < n && text[i - 1].isLetter() && text[i + 1].isLetter())
                i += 2;
            else
                break;
        }
        out.append(Span{start, i - start});
    }
    return out;
}

bool leftUnchecked(QStringView word)
{
    bool lower = false;
    for (QChar c : word) {
        if (c.isDigit() || c == QLatin1Char('_'))
            return true;
        if (c.isLower())
            lower = true;
    }
    return !lower;
}

QString forDictionary(QStringView word)
{
    QString out = word.toString();
    out.replace(QChar(0x2019), QLatin1Char('\''));
    return out;
}

} // namespace SpellingWords
