#include "ChatTerms.h"

#include "ChatRules.h"

int ChatTerms::add(const QString &folded)
{
    const auto it = m_ids.constFind(folded);
    if (it != m_ids.constEnd())
        return *it;
    const int id = int(m_stop.size());
    m_ids.insert(folded, id);
    m_stop.push_back(ChatRules::isStopWord(folded));
    return id;
}
