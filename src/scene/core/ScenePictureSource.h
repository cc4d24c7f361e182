// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Picture.h"
#include "ScenePictures.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <future>
#include <utility>

// Where the composer finds the pictures a scene names: the Images folder of
// the program folder, through a picture loader.
class ScenePictureSource
{
public:
    // The program folder (ending in a separator, computed afresh each time)
    // and the loader; either left empty means the real one.
    struct Environment
    {
        std::function<QString()> programFolder;
        std::function<PictureResult(const QString &path)> loadPicture;
    };

    explicit ScenePictureSource(Environment environment);

    QString pictureFolder() const;
    // The picture a scene names.
    PictureResult load(const QString &name) const;
    // The six default pictures; one that cannot be loaded stays empty and its
    // reason is added to failures.
    // Those started by loadDefaultsAhead() when it was called before.
    ScenePictures loadDefaults(QStringList *failures);
    // Starts loading the default pictures on a worker thread; the next
    // loadDefaults() takes them from it.
    void loadDefaultsAhead();

private:
    ScenePictures loadDefaultsNow(QStringList *failures) const;

    Environment m_env;
    std::future<std::pair<ScenePictures, QStringList>> m_defaultsAhead;
};
