// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileStamp.h"
#include "Picture.h"

#include <QString>
#include <QStringList>

#include <future>
#include <optional>
#include <vector>

// Pictures a window will ask for soon, decoded on a worker thread of their
// own while the window's thread builds the window. The worker touches nothing
// but the files and its own results; the window's thread takes each result
// once, waiting for the worker when it is not done yet. A file that changed
// since it was decoded is not taken, so the caller decodes it anew.
class PicturesAhead
{
public:
    explicit PicturesAhead(const QStringList &paths);
    ~PicturesAhead();
    PicturesAhead(const PicturesAhead &) = delete;
    PicturesAhead &operator=(const PicturesAhead &) = delete;

    // What PictureLoader::load(path) gives, when path was one of those
    // decoded ahead and was not taken before; nothing otherwise.
    std::optional<PictureResult> take(const QString &path);

private:
    struct Decoded
    {
        QString path;
        FileStamp stamp;
        PictureResult result;
        bool taken = false;
    };

    void join();

    std::future<std::vector<Decoded>> m_worker;
    std::vector<Decoded> m_decoded;
};
