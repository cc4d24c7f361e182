// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// The words the tester has met, each with a number of its own, so that the
// indexes count and look up numbers instead of strings. Words are kept
// case-folded, and a stop word is known by its number. An open-addressing
// table over one buffer of characters: a large knowledge base has millions
// of words to look up and no string to make for any of them.
class ChatTerms
{
public:
    ChatTerms();

    // The number of the case-folded word, given one if it has none yet.
    int add(QStringView folded);
    // The same with the word's hashOf(), for a caller that looks up many
    // words at once: it tells prefetch() every hash first, so that the
    // table's memory is on its way for all of them while the first is looked
    // up (a large text meets many words the caches do not hold).
    int add(QStringView folded, quint32 hash);
    static quint32 hashOf(QStringView folded);
    void prefetch(quint32 hash) const
    {
#if defined(__GNUC__) || defined(__clang__)
        __builtin_prefetch(&m_slots[hash & (m_slots.size() - 1)]);
#else
        Q_UNUSED(hash);
#endif
    }
    // The number of the case-folded word, or -1 when it was never added.
    int find(QStringView folded) const;
    bool isStopWord(int term) const
    {
        return m_stop[size_t(term)];
    }
    int count() const
    {
        return int(m_stop.size());
    }

private:
    // A short word's characters are in its slot, a longer one's in
    // m_characters: a lookup of a known word reads one place in memory, not
    // the table and then the characters elsewhere.
    static constexpr int Inline = 8;
    struct Slot
    {
        quint32 hash = 0;
        qint32 term = -1;  // -1: empty
        quint32 start = 0; // in m_characters
        quint32 length = 0;
        char16_t characters[Inline] = {};
    };
    size_t slotOf(QStringView folded, quint32 hash) const;
    void grow();

    std::vector<Slot> m_slots; // a power of two long
    std::vector<char16_t> m_characters;
    std::vector<bool> m_stop;
};
