// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChatTerms.h"

#include "ChatRules.h"

#include <QHashFunctions>

#include <cstring>

ChatTerms::ChatTerms() : m_slots(1024), m_starts{0} {}

size_t ChatTerms::slotOf(QStringView folded, size_t hash) const
{
    const size_t mask = m_slots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot &slot = m_slots[i];
        if (slot.term < 0)
            return i;
        if (slot.hash != hash)
            continue;
        const qsizetype start = m_starts[size_t(slot.term)];
        const qsizetype length = m_starts[size_t(slot.term) + 1] - start;
        if (length == folded.size() &&
            std::memcmp(m_characters.data() + start, folded.utf16(), size_t(length) * sizeof(char16_t)) == 0)
            return i;
    }
}

int ChatTerms::find(QStringView folded) const
{
    return m_slots[slotOf(folded, qHash(folded))].term;
}

int ChatTerms::add(QStringView folded)
{
    const size_t hash = qHash(folded);
    size_t at = slotOf(folded, hash);
    if (m_slots[at].term >= 0)
        return m_slots[at].term;
    const int term = count();
    m_characters.insert(m_characters.end(), folded.utf16(), folded.utf16() + folded.size());
    m_starts.push_back(qsizetype(m_characters.size()));
    m_stop.push_back(ChatRules::isStopWord(folded));
    m_slots[at] = Slot{hash, term};
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
