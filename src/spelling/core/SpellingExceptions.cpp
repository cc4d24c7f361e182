// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpellingExceptions.h"

#include "SpellingWords.h"

SpellingExceptions SpellingExceptions::of(std::initializer_list<QStringView> texts)
{
    SpellingExceptions exceptions;
    for (QStringView text : texts) {
        for (const SpellingWords::Span &span : SpellingWords::words(text))
            exceptions.m_words.insert(
                SpellingWords::forDictionary(text.mid(span.start, span.length)).toCaseFolded());
    }
    return exceptions;
}

bool SpellingExceptions::contains(QStringView word) const
{
    if (m_words.isEmpty())
        return false;
    const QString folded = SpellingWords::forDictionary(word).toCaseFolded();
    if (m_words.contains(folded))
        return true;
    return folded.endsWith(QLatin1String("'s")) && m_words.contains(folded.chopped(2));
}
