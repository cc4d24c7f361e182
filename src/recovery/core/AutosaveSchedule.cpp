// SPDX-License-Identifier: GPL-3.0-or-later
#include "AutosaveSchedule.h"

#include <algorithm>

AutosaveSchedule::AutosaveSchedule(qint64 idleMs, qint64 mostMs)
    : m_idleMs(std::max<qint64>(0, idleMs)), m_mostMs(std::max(m_idleMs, mostMs))
{
}

void AutosaveSchedule::changed(qint64 now)
{
    if (!m_pending) {
        m_pending = true;
        m_first = now;
    }
    m_last = now;
}

void AutosaveSchedule::written()
{
    m_pending = false;
}

qint64 AutosaveSchedule::dueAt() const
{
    return std::min(m_last + m_idleMs, m_first + m_mostMs);
}
