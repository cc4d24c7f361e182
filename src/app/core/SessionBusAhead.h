// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

// The connection to the desktop's session bus made on a worker thread while
// the first window is built. The toolkit's screen-reader support connects to
// the bus, and waits for it, when a window first names a control; where no
// session bus is announced the bus library tries to start one, which takes
// longer than building the window. The toolkit shares one session bus
// connection per program, so its own request takes the one made here, or
// waits for it to be made.
class SessionBusAhead
{
public:
    // Needs the application object.
    SessionBusAhead();
    ~SessionBusAhead();
    SessionBusAhead(const SessionBusAhead &) = delete;
    SessionBusAhead &operator=(const SessionBusAhead &) = delete;

private:
    std::thread m_worker;
};
