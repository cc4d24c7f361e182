// SPDX-License-Identifier: GPL-3.0-or-later
#include "FontSetupAhead.h"

#ifdef MINDLOOM_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <system_error>

FontSetupAhead::FontSetupAhead()
{
#ifdef MINDLOOM_HAVE_FONTCONFIG
    try {
        m_worker = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // No thread to spare: the toolkit reads the configuration itself.
    }
#endif
}

FontSetupAhead::~FontSetupAhead()
{
    wait();
}

void FontSetupAhead::wait()
{
    if (m_worker.joinable())
        m_worker.join();
}
