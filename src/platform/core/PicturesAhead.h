// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileStamp.h"
#include "Picture.h"

#include <QString>
#include <QStringList>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Pictures a window will ask for soon, decoded on worker threads of their own
// while the window's thread builds the window. The workers touch nothing but
// the files and their own results. The window's thread takes each result
// once; the first take decodes what no worker has started yet itself and
// waits for the rest. A file that changed since it was decoded is not taken,
// so the caller decodes it anew.
class PicturesAhead
{
public:
    explicit PicturesAhead(const QStringList &paths);
    ~PicturesAhead();
    PicturesAhead(const PicturesAhead &) = delete;
    PicturesAhead &operator=(const PicturesAhead &) = delete;

    // Whether path is one of those to be decoded ahead.
    bool expects(const QString &path) const;

    // What PictureLoader::load(path) gives, when path was one of those
    // decoded ahead and was not taken before; nothing otherwise.
    std::optional<PictureResult> take(const QString &path);

private:
    struct Decoded
    {
        QString path;
        FileStamp stamp;
        PictureResult result;
        bool started = false;
        bool done = false;
        bool taken = false;
    };

    void work();
    // Decodes, one by one, each picture nobody has started; holds the lock
    // between pictures, not while one is decoded.
    void decodeUnstarted(std::unique_lock<std::mutex> &lock);
    static void decode(Decoded &decoded);

    // Guards the flags of m_decoded; a picture's stamp and result belong to
    // whoever started it until it is done.
    std::mutex m_mutex;
    std::condition_variable m_finished;
    std::vector<Decoded> m_decoded;
    std::vector<std::thread> m_workers;
};
