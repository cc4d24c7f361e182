// SPDX-License-Identifier: GPL-3.0-or-later
#include "PicturesAhead.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace {

// The first picture (a scene's background) takes about as long as the rest
// together: two workers finish about when it does.
constexpr int Workers = 2;

} // namespace

PicturesAhead::PicturesAhead(const QStringList &paths)
{
    m_decoded.reserve(size_t(paths.size()));
    for (const QString &path : paths)
        m_decoded.push_back({path, FileStamp(), PictureResult()});
    for (int n = 0; n < Workers && n < paths.size(); ++n) {
        try {
            m_workers.emplace_back([this] { work(); });
        } catch (const std::system_error &) {
            // No thread to spare: the window's thread decodes what is left
            // when it asks for it.
            break;
        }
    }
}

PicturesAhead::~PicturesAhead()
{
    {
        // Pictures nobody started are not wanted any more.
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (Decoded &decoded : m_decoded)
            decoded.started = true;
    }
    for (std::thread &worker : m_workers)
        worker.join();
}

bool PicturesAhead::expects(const QString &path) const
{
    for (const Decoded &decoded : m_decoded) {
        if (decoded.path == path)
            return true;
    }
    return false;
}

void PicturesAhead::decode(Decoded &decoded)
{
    // Stamped before it is read, so a change while it is read also makes it
    // stale.
    decoded.stamp = FileStamp::of(decoded.path);
    decoded.result = PictureLoader::load(decoded.path);
}

void PicturesAhead::decodeUnstarted(std::unique_lock<std::mutex> &lock)
{
    for (Decoded &decoded : m_decoded) {
        if (decoded.started)
            continue;
        decoded.started = true;
        lock.unlock();
        decode(decoded);
        lock.lock();
        decoded.done = true;
        m_finished.notify_all();
    }
}

void PicturesAhead::work()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    decodeUnstarted(lock);
}

std::optional<PictureResult> PicturesAhead::take(const QString &path)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    // The window's thread helps with what no worker has started, and the
    // first picture taken waits for all of them: each is then decoded as it
    // was when the window began to ask, and a later change makes it stale.
    decodeUnstarted(lock);
    m_finished.wait(lock, [this] {
        return std::all_of(m_decoded.cbegin(), m_decoded.cend(), [](const Decoded &d) { return d.done; });
    });
    for (Decoded &decoded : m_decoded) {
        if (decoded.taken || decoded.path != path)
            continue;
        decoded.taken = true;
        lock.unlock();
        if (decoded.stamp.changedOnDisk(path))
            return std::nullopt;
        return std::exchange(decoded.result, PictureResult());
    }
    return std::nullopt;
}
