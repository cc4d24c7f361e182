#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <vector>

// The words the tester has met, each with a number of its own, so that the
// indexes count and look up numbers instead of strings. Words are kept
// case-folded, and a stop word is known by its number.
class ChatTerms
{
public:
    // The number of the case-folded word, given one if it has none yet.
    int add(const QString &folded);
    // The number of the case-folded word, or -1 when it was never added.
    int find(const QString &folded) const { return m_ids.value(folded, -1); }
    bool isStopWord(int term) const { return m_stop[size_t(term)]; }
    int count() const { return int(m_stop.size()); }

private:
    QHash<QString, int> m_ids;
    std::vector<bool> m_stop;
};
