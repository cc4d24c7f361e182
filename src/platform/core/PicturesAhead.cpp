// SPDX-License-Identifier: GPL-3.0-or-later
#include "PicturesAhead.h"

#include <system_error>
#include <utility>

PicturesAhead::PicturesAhead(const QStringList &paths)
{
    try {
        m_worker = std::async(std::launch::async, [paths] {
            std::vector<Decoded> decoded;
            for (const QString &path : paths) {
                // Stamped before it is read, so a change while it is read
                // also makes it stale.
                const FileStamp stamp = FileStamp::of(path);
                decoded.push_back({path, stamp, PictureLoader::load(path)});
            }
            return decoded;
        });
    } catch (const std::system_error &) {
        // No thread to spare: every picture is decoded when it is asked for.
    }
}

PicturesAhead::~PicturesAhead()
{
    join();
}

void PicturesAhead::join()
{
    if (m_worker.valid())
        m_decoded = m_worker.get();
}

std::optional<PictureResult> PicturesAhead::take(const QString &path)
{
    join();
    for (Decoded &decoded : m_decoded) {
        if (decoded.taken || decoded.path != path)
            continue;
        decoded.taken = true;
        if (decoded.stamp.changedOnDisk(path))
            return std::nullopt;
        return std::exchange(decoded.result, PictureResult());
    }
    return std::nullopt;
}
