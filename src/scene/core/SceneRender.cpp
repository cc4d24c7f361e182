// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneRender.h"

#include "ProgramFolder.h"
#include "SceneComposition.h"
#include "SceneDefaults.h"
#include "SceneFile.h"
#include "ScenePictures.h"
#include "TextFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>

namespace SceneRender {

Loaded load(const QString &text, const QString &programFolder, const LoadPicture &loadPicture)
{
    Loaded result;
    const SceneFile::SceneContent content = SceneFile::readScene(text);

    // Start-up's names, then the file's entries over them.
    result.scene.Background = SceneDefaults::background();
    for (int id = 0; id < ScenePart::Count; ++id)
        result.scene.part(id).name = SceneDefaults::partPicture(ScenePart::Id(id));
    SceneFile::applyScene(result.scene, content);

    const QString folder = ProgramFolder::subfolder(programFolder, QStringLiteral("Images"));
    const auto loadOne = [&](const QString &name) {
        PictureResult loaded = loadPicture(SceneFile::picturePath(folder, name));
        if (!loaded.ok())
            result.errors << loaded.error;
        return loaded.picture;
    };
    ScenePictures &pictures = result.pictures;
    SceneRecord &scene = result.scene;
    pictures.background = loadOne(scene.Background);
    for (int id = 0; id < ScenePart::Count; ++id) {
        if (scene.inScene(id))
            pictures.parts[size_t(id)] = loadOne(scene.part(id).name);
    }
    if (!result.ok())
        return result;

    if (!content.parts[ScenePart::ZumiMouth].present) {
        // Start-up places the Zumi mouth by its picture's size.
        SceneRecord defaults;
        std::array<SceneDefaults::HimetricSize, ScenePart::Count> sizes{};
        const Picture &mouth = pictures.parts[ScenePart::ZumiMouth];
        sizes[ScenePart::ZumiMouth] = {mouth.Width, mouth.Height};
        SceneDefaults::setDefaultGeometry(defaults, sizes);
        const SceneRecord::Part &place = defaults.part(ScenePart::ZumiMouth);
        SceneRecord::Part &part = scene.part(ScenePart::ZumiMouth);
        part.w = place.w;
        part.h = place.h;
        part.x = place.x;
        part.y = place.y;
    }
    return result;
}

Result render(const QString &text, const QString &programFolder, const LoadPicture &loadPicture)
{
    Result result;
    const Loaded loaded = load(text, programFolder, loadPicture);
    result.errors = loaded.errors;
    if (result.ok())
        result.image = composeScene(loaded.scene, loaded.pictures);
    return result;
}

Result renderFile(const QString &path, const QString &programFolder)
{
    const TextFile::ReadResult read = TextFile::read(path);
    if (!read.ok()) {
        Result result;
        result.errors << read.error;
        return result;
    }
    return render(read.text, programFolder);
}

QString writePng(const QImage &image, const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return QCoreApplication::translate("SceneRender",
                                           "Cannot write \"%1\": the picture could not be encoded")
            .arg(QDir::toNativeSeparators(path));
    return TextFile::writeBytes(path, bytes);
}

} // namespace SceneRender
