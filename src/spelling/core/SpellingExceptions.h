// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <QStringView>

// The words one text is not checked for, whatever the dictionary says: the
// personality's own name and the words of its "MatchWords" section. Letter
// case does not matter, nor a possessive "'s".
class SpellingExceptions
{
public:
    SpellingExceptions() = default;

    // Every word of each text is an exception.
    static SpellingExceptions of(std::initializer_list<QStringView> texts);

    bool contains(QStringView word) const;
    bool isEmpty() const { return m_words.isEmpty(); }
    bool operator==(const SpellingExceptions &o) const { return m_words == o.m_words; }
    bool operator!=(const SpellingExceptions &o) const { return !(*this == o); }

private:
    QSet<QString> m_words; // case-folded
};
