// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AutosaveSchedule.h"
#include "RecoveryStore.h"
#include "RecoveryWriter.h"

#include <QString>

// The safety net of one running program: its recovery folder, the thread that
// writes there and the autosave intervals. main() makes one and makes it
// current; the editors' documents find it through current(), and without one
// (a window in a test of its own) they keep no recovery files.
class RecoverySession
{
public:
    RecoverySession(const QString &folder, const QString &program,
                    qint64 idleMs = AutosaveSchedule::DefaultIdleMs,
                    qint64 mostMs = AutosaveSchedule::DefaultMostMs);
    // Finishes every write handed over; stops being current.
    ~RecoverySession();

    static RecoverySession *current();
    static QString defaultFolder() { return RecoveryStore::defaultFolder(); }
    void makeCurrent();

    RecoveryStore &store() { return m_store; }
    RecoveryWriter &writer() { return m_writer; }
    qint64 idleMs() const { return m_idleMs; }
    qint64 mostMs() const { return m_mostMs; }

private:
    RecoveryStore m_store;
    RecoveryWriter m_writer;
    qint64 m_idleMs;
    qint64 m_mostMs;
};
