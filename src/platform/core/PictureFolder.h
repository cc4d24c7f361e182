// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The folders the programs keep pictures in ("Images", "Locations"): files and
// settings name a picture by its bare file name, so a picture chosen elsewhere
// is only found again once it lies in the folder.
namespace PictureFolder {

// Whether path names a file directly inside folder (links resolved), so that
// its bare name finds it there.
bool holds(const QString &folder, const QString &path);

struct CopyResult
{
    QString name;  // the bare name the picture has in the folder
    QString error; // empty on success; names the file and the reason otherwise
    bool ok() const { return error.isEmpty(); }
};

// Copies source into folder (made when missing) under its own name. A file of
// that name already there with the same bytes is used as it is; one with other
// bytes is kept, and the copy takes the first free name "stem (2).ext",
// "stem (3).ext" ... so nothing is replaced.
CopyResult copyInto(const QString &source, const QString &folder);

} // namespace PictureFolder
