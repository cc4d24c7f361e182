// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecoverySession.h"

namespace {
RecoverySession *g_current = nullptr;
}

RecoverySession::RecoverySession(const QString &folder, const QString &program, qint64 idleMs, qint64 mostMs)
    : m_store(folder, program), m_idleMs(idleMs), m_mostMs(mostMs)
{
}

RecoverySession::~RecoverySession()
{
    if (g_current == this)
        g_current = nullptr;
    m_writer.flush();
}

RecoverySession *RecoverySession::current()
{
    return g_current;
}

void RecoverySession::makeCurrent()
{
    g_current = this;
}
