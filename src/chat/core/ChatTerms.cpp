// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChatTerms.h"

#include "ChatRules.h"

#include <QHashFunctions>

#include <algorithm>

ChatTerms::ChatTerms() : m_slots(1024) {}

size_t ChatTerms::slotOf(QStringView folded, quint32 hash) const
{
    const size_t mask = m_slots.size() - 1;
    const char16_t *word = folded.utf16();
    const qsizetype length = folded.size();
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot &slot = m_slots[i];
        if (slot.term < 0)
            return i;
        if (slot.hash != hash || qsizetype(slot.length) != length)
            continue;
        const char16_t *known = length <= Inline ? slot.characters : m_characters.data() + slot.start;
        qsizetype c = 0;
        while (c < length && known[c] == word[c])
            ++c;
        if (c == length)
            return i;
    }
}

quint32 ChatTerms::hashOf(QStringView folded)
{
    return quint32(qHash(folded));
}

int ChatTerms::find(QStringView folded) const
{
    return m_slots[slotOf(folded, hashOf(folded))].term;
}

int ChatTerms::add(QStringView folded)
{
    return add(folded, hashOf(folded));
}

int ChatTerms::add(QStringView folded, quint32 hash)
{
    size_t at = slotOf(folded, hash);
    if (m_slots[at].term >= 0)
        return m_slots[at].term;
    const int term = count();
    const auto start = quint32(m_characters.size());
    m_characters.insert(m_characters.end(), folded.utf16(), folded.utf16() + folded.size());
    m_stop.push_back(ChatRules::isStopWord(folded));
    Slot &slot = m_slots[at];
    slot = Slot{hash, term, start, quint32(folded.size()), {}};
    if (folded.size() <= Inline)
        std::copy(folded.utf16(), folded.utf16() + folded.size(), slot.characters);
    // At most half full, so that a miss ends soon.
    if (size_t(count()) * 2 > m_slots.size())
        grow();
    return term;
}

void ChatTerms::grow()
{
    std::vector<Slot> old(m_slots.size() * 2);
    old.swap(m_slots);
    const size_t mask = m_slots.size() - 1;
    for (const Slot &slot : old) {
        if (slot.term < 0)
            continue;
        size_t i = slot.hash & mask;
        while (m_slots[i].term >= 0)
            i = (i + 1) & mask;
        m_slots[i] = slot;
    }
}
