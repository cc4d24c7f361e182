// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// When a document's changes are written to its recovery file: a while after
// the last change (idle), and at the latest some time after the first change
// not yet written (most), so that a user who never pauses still loses no more
// than that. Times are milliseconds on any steady clock the caller chooses,
// which lets a test drive it with a clock of its own.
class AutosaveSchedule
{
public:
    static constexpr qint64 DefaultIdleMs = 2000;
    static constexpr qint64 DefaultMostMs = 10000;

    explicit AutosaveSchedule(qint64 idleMs = DefaultIdleMs, qint64 mostMs = DefaultMostMs);

    // A change at time now.
    void changed(qint64 now);
    // The changes so far were written (or need no writing any more).
    void written();

    bool pending() const { return m_pending; }
    // When the changes are due to be written; meaningless when not pending.
    qint64 dueAt() const;
    bool due(qint64 now) const { return m_pending && now >= dueAt(); }

    qint64 idleMs() const { return m_idleMs; }
    qint64 mostMs() const { return m_mostMs; }

private:
    qint64 m_idleMs;
    qint64 m_mostMs;
    bool m_pending = false;
    qint64 m_first = 0;
    qint64 m_last = 0;
};
