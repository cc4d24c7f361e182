// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScenePictureSource.h"

#include "ProgramFolder.h"
#include "SceneDefaults.h"
#include "SceneFile.h"

#include <QCoreApplication>
#include <utility>

ScenePictureSource::ScenePictureSource(Environment environment) : m_env(std::move(environment))
{
    if (!m_env.programFolder)
        m_env.programFolder = &ProgramFolder::current;
    if (!m_env.loadPicture)
        m_env.loadPicture = &PictureLoader::load;
}

QString ScenePictureSource::pictureFolder() const
{
    return ProgramFolder::subfolder(m_env.programFolder(), QStringLiteral("Images"));
}

PictureResult ScenePictureSource::load(const QString &name) const
{
    if (name.size() > ProgramFolder::LongestPath) {
        PictureResult result;
        result.error =
            QCoreApplication::translate("ScenePictureSource",
                                        "No picture can have the name \"%1...\": it is %L2 characters long.")
                .arg(name.left(60))
                .arg(name.size());
        return result;
    }
    return m_env.loadPicture(SceneFile::picturePath(pictureFolder(), name));
}

namespace {

// The default pictures' names: the background's, then each part's by its id.
QStringList defaultNames()
{
    QStringList names{SceneDefaults::background()};
    for (int id = 0; id < ScenePart::Count; ++id)
        names << SceneDefaults::partPicture(ScenePart::Id(id));
    return names;
}

} // namespace

ScenePictures ScenePictureSource::loadDefaults(QStringList *failures) const
{
    auto loadOne = [&](const QString &name) {
        const PictureResult loaded = load(name);
        if (!loaded.ok())
            *failures << loaded.error;
        return loaded.picture;
    };
    const QStringList names = defaultNames();
    ScenePictures pictures;
    pictures.background = loadOne(names.first());
    for (int id = 0; id < ScenePart::Count; ++id)
        pictures.parts[size_t(id)] = loadOne(names.at(id + 1));
    return pictures;
}

QStringList ScenePictureSource::defaultPaths() const
{
    const QString folder = pictureFolder();
    QStringList paths;
    for (const QString &name : defaultNames())
        paths << SceneFile::picturePath(folder, name);
    return paths;
}
