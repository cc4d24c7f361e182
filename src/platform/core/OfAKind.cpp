// SPDX-License-Identifier: GPL-3.0-or-later
#include "OfAKind.h"

#include <QCoreApplication>

namespace FileCheck {

bool OfAKind::take(qsizetype line)
{
    ++m_taken;
    if (m_taken <= MostOfAKind) {
        m_lastListed = line;
        return true;
    }
    if (m_taken == MostOfAKind + 1)
        m_firstLeftOut = line;
    return false;
}

void OfAKind::finish(QList<Finding> &findings) const
{
    if (m_taken <= MostOfAKind)
        return;
    findings << Finding{
        m_firstLeftOut,
        QCoreApplication::translate("FileCheck", "%L1 more lines from this one on have the finding of line "
                                                 "%2, which is not listed again")
            .arg(m_taken - MostOfAKind)
            .arg(m_lastListed)};
}

} // namespace FileCheck
