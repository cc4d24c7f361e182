// SPDX-License-Identifier: GPL-3.0-or-later
#include "FontSetupAhead.h"

#ifdef MINDLOOM_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <system_error>
#include <utility>

FontSetupAhead::FontSetupAhead()
{
    std::promise<void> configured;
    m_configured = configured.get_future().share();
#ifdef MINDLOOM_HAVE_FONTCONFIG
    try {
        m_worker = std::thread([done = std::move(configured)]() mutable {
            FcInit();
            done.set_value();
        });
        return;
    } catch (const std::system_error &) {
        // No thread to spare: the toolkit reads the configuration itself.
    }
#endif
    configured.set_value();
}

FontSetupAhead::~FontSetupAhead()
{
    if (m_worker.joinable())
        m_worker.join();
}

void FontSetupAhead::wait()
{
    m_configured.wait();
}
