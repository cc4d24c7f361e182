// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChatRules.h"

#include <algorithm>

namespace ChatRules {

const QStringList &stopWords()
{
    static const QStringList words = [] {
        QStringList list =
            QStringLiteral("a about above after again all also am an and any are as at be because been "
                           "before being but by can could did do does doing don't down for from had has "
                           "have having he her here hers herself him himself his how i i'm if in into is "
                           "it it's its itself just me more most my myself no nor not now of off on once "
                           "only or other our ours ourselves out over own same she should so some such "
                           "than that that's the their theirs them themselves then there these they this "
                           "those through to too under until up very was we were what what's when where "
                           "which while who whom why will with would you you're your yours yourself "
                           "yourselves")
                .split(QLatin1Char(' '));
        std::sort(list.begin(), list.end());
        return list;
    }();
    return words;
}

bool isStopWord(QStringView foldedWord)
{
    const QStringList &words = stopWords();
    const auto it = std::lower_bound(words.cbegin(), words.cend(), foldedWord,
                                     [](const QString &a, QStringView b) { return QStringView(a) < b; });
    return it != words.cend() && QStringView(*it) == foldedWord;
}

QString noAnswer()
{
    return QStringLiteral("(no answer)");
}

} // namespace ChatRules
