// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <future>
#include <thread>

// The system's font configuration read on a worker thread, while the window's
// toolkit connects to the display: reading it is a large part of a start-up
// whose first window draws text. The font library is safe to call from two
// threads, but two first calls would both read everything, so the window's
// thread waits here before its first font.
class FontSetupAhead
{
public:
    FontSetupAhead();
    ~FontSetupAhead();
    FontSetupAhead(const FontSetupAhead &) = delete;
    FontSetupAhead &operator=(const FontSetupAhead &) = delete;

    // Returns once the configuration is read (at once when it was).
    void wait();
    // Ready once the configuration is read; for other threads to wait on.
    std::shared_future<void> configured() const { return m_configured; }

private:
    std::thread m_worker;
    std::shared_future<void> m_configured;
};
