#include "TalkSchedule.h"

#include <algorithm>

namespace {

enum Pause { NoPause = 0, ShortPause, LongPause };

Pause pauseAt(QChar c)
{
    switch (c.unicode()) {
    case ',':
    case ';':
    case ':':
    case '\n':
        return ShortPause;
    case '.':
    case '!':
    case '?':
    case 0x2026: // the ellipsis as one character
        return LongPause;
    default:
        return NoPause;
    }
}

bool isApostrophe(QChar c)
{
    return c == QLatin1Char('\'') || c == QChar(0x2019);
}

// The letter without its accent, in lower case ("É" is "e").
QChar baseLetter(QChar c)
{
    const QString decomposed = c.decomposition();
    return (decomposed.isEmpty() ? c : decomposed.at(0)).toLower();
}

bool isPlainVowel(QChar c)
{
    switch (c.unicode()) {
    case 'a':
    case 'e':
    case 'i':
    case 'o':
    case 'u':
    case 0x00e6: // ae
    case 0x00f8: // o with stroke
    case 0x0153: // oe
        return true;
    default:
        return false;
    }
}

// The syllables of one word: letters, digits and inner apostrophes.
int syllablesIn(const QString &word)
{
    int digits = 0;
    bool hasLetter = false;
    QString letters; // lower case, accents off, apostrophes kept (they end nothing)
    for (QChar c : word) {
        if (c.isDigit()) {
            ++digits;
        } else if (c.isLetter()) {
            hasLetter = true;
            letters += baseLetter(c);
        } else {
            letters += c;
        }
    }
    auto vowelAt = [&letters](qsizetype i) {
        const QChar c = letters.at(i);
        if (isPlainVowel(c))
            return true;
        if (c != QLatin1Char('y') || i == 0)
            return false;
        return i + 1 >= letters.size() || !isPlainVowel(letters.at(i + 1));
    };
    int groups = 0;
    bool inGroup = false;
    qsizetype lastGroupStart = -1;
    for (qsizetype i = 0; i < letters.size(); ++i) {
        const bool vowel = letters.at(i).isLetter() && vowelAt(i);
        if (vowel && !inGroup) {
            ++groups;
            lastGroupStart = i;
        }
        inGroup = vowel;
    }
    // A final "e" alone after a consonant is silent, unless it is the only
    // vowel ("the") or ends a consonant + "le" ("table").
    const qsizetype n = letters.size();
    // ("café" keeps its accented one.)
    if (groups > 1 && n >= 2 && lastGroupStart == n - 1 && word.back().toLower() == QLatin1Char('e')) {
        const bool consonantLe = n >= 3 && letters.at(n - 2) == QLatin1Char('l') &&
                                 letters.at(n - 3).isLetter() && !vowelAt(n - 3);
        if (!consonantLe)
            --groups;
    }
    if (hasLetter && groups == 0 && digits == 0)
        groups = 1;
    return groups + digits;
}

bool isWordCharacter(const QString &text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isLetterOrNumber())
        return true;
    // An apostrophe belongs to the word it stands inside ("don't").
    return isApostrophe(c) && i > 0 && i + 1 < text.size() && text.at(i - 1).isLetter() &&
           text.at(i + 1).isLetter();
}

} // namespace

TalkSchedule::TalkSchedule(const QString &text, int syllableMs) : m_syllableMs(std::max(syllableMs, 2))
{
    const qint64 open = m_syllableMs / 2;
    qint64 t = 0;
    Pause pending = NoPause;
    qsizetype i = 0;
    while (i < text.size()) {
        if (!isWordCharacter(text, i)) {
            // A mark between two word characters ("3.5") is part of the word.
            const bool inWord = text.at(i) != QLatin1Char('\n') && i > 0 &&
                                text.at(i - 1).isLetterOrNumber() && i + 1 < text.size() &&
                                text.at(i + 1).isLetterOrNumber();
            if (!inWord)
                pending = std::max(pending, pauseAt(text.at(i)));
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && isWordCharacter(text, end))
            ++end;
        const int count = syllablesIn(text.mid(i, end - i));
        i = end;
        if (count == 0)
            continue;
        if (!m_changes.empty() && pending != NoPause)
            t += qint64(pending == LongPause ? LongPauseSyllables : ShortPauseSyllables) * m_syllableMs;
        pending = NoPause;
        for (int k = 0; k < count; ++k) {
            m_changes.push_back(t);
            m_changes.push_back(t + open);
            t += m_syllableMs;
        }
    }
    m_duration = t;
}

bool TalkSchedule::mouthDrawnAt(qint64 t) const
{
    // The number of changes up to t is odd while the mouth is open.
    const auto passed = std::upper_bound(m_changes.begin(), m_changes.end(), t) - m_changes.begin();
    return passed % 2 == 1;
}

qint64 TalkSchedule::nextChangeAfter(qint64 t) const
{
    const auto next = std::upper_bound(m_changes.begin(), m_changes.end(), t);
    return next == m_changes.end() ? -1 : *next;
}
