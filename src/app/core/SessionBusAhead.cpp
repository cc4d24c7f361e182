// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionBusAhead.h"

#ifdef MINDLOOM_HAVE_DBUS
#include <QDBusConnection>
#endif

#include <system_error>

SessionBusAhead::SessionBusAhead()
{
#ifdef MINDLOOM_HAVE_DBUS
    try {
        m_worker = std::thread([] { QDBusConnection::sessionBus(); });
    } catch (const std::system_error &) {
        // No thread to spare: the toolkit connects when it needs the bus.
    }
#endif
}

SessionBusAhead::~SessionBusAhead()
{
    if (m_worker.joinable())
        m_worker.join();
}
