// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <future>
#include <thread>

// The toolkit's list of the installed fonts made on a worker thread while the
// first window is built: the list is shared by all threads and made once, by
// the first thread that asks (the others wait for it), and the window asks
// before its first text. It is made after the system's font configuration is
// read (FontSetupAhead), so the two are not read side by side.
class FontListAhead
{
public:
    // Needs the application object, and lives no longer than it.
    explicit FontListAhead(std::shared_future<void> fontsConfigured);
    ~FontListAhead();
    FontListAhead(const FontListAhead &) = delete;
    FontListAhead &operator=(const FontListAhead &) = delete;

private:
    std::thread m_worker;
};
