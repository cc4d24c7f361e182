// SPDX-License-Identifier: GPL-3.0-or-later
#include "FontListAhead.h"

#include <QFontDatabase>
#include <QStringList>

#include <system_error>
#include <utility>

FontListAhead::FontListAhead(std::shared_future<void> fontsConfigured)
{
    try {
        m_worker = std::thread([configured = std::move(fontsConfigured)] {
            configured.wait();
            QFontDatabase::families();
        });
    } catch (const std::system_error &) {
        // No thread to spare: the window's first text makes the list.
    }
}

FontListAhead::~FontListAhead()
{
    if (m_worker.joinable())
        m_worker.join();
}
