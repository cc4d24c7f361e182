// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Picture.h"
#include "ScenePictures.h"

#include <QString>
#include <QStringList>

#include <functional>

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
    ScenePictures loadDefaults(QStringList *failures) const;
    // The files loadDefaults() loads, in its order.
    QStringList defaultPaths() const;

private:
    Environment m_env;
};
