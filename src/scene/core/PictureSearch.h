// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Finding the pictures a scene names that are missing from its "Images"
// folder: in another folder and all its subfolders, by file name, whatever
// the case of its letters, and copying what was found into "Images" under the
// name the scene uses, so the scene shows them.
namespace PictureSearch {

// The picture names (BG=, each part's entry, NI=) of the scene text whose
// files are not in imagesFolder (ending in a separator), each once, in the
// order of the file.
QStringList missingPictures(const QString &sceneText, const QString &imagesFolder);

struct Found
{
    QString name; // as the scene names it
    QString path; // the file found for it
    bool operator==(const Found &o) const { return name == o.name && path == o.path; }
};

struct Search
{
    std::vector<Found> found;
    QStringList missing; // names not found, in the order given
};

// Searches folder and its subfolders for a file of each name's own file name
// (after its last "\" or "/"), case-insensitively. Where several files match,
// the one nearest the folder wins, then the first in name order, so a search
// always gives the same answer.
Search search(const QString &folder, const QStringList &names);

// Copies each found file into imagesFolder under its name (a name with a
// folder, "faces\m.bmp", into that subfolder). A name that would lead out of
// imagesFolder ("..\x.bmp", an absolute path) is not copied. Returns an error
// for each file that could not be copied, naming it and the reason; a file
// already there is never replaced.
QStringList copyFound(const Search &search, const QString &imagesFolder);

} // namespace PictureSearch
