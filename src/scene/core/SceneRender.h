#pragma once

#include "Picture.h"
#include "ScenePictures.h"
#include "SceneRecord.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

// A scene file drawn as the companion shows it, without a window: the
// background, then every part the file switches on (the Zumi mouth always),
// in part order, each at its place and size, clipped to the 700 x 500 canvas
// (composeScene). The scene is the one Frameloft holds after start-up and Load
// Scene of the file, so an entry the file lacks keeps its default: the
// background "bg.jpg", the Zumi mouth's default picture at its default place.
namespace SceneRender {

struct Result
{
    QImage image;       // null unless every picture was read
    QStringList errors; // the scene file or each picture that could not be read, named
    bool ok() const { return errors.isEmpty(); }
};

using LoadPicture = std::function<PictureResult(const QString &path)>;

// The scene the text describes as start-up and Load Scene leave it, with its
// pictures from programFolder's "Images" (programFolder ends in a
// separator): what render() draws, and what a window animates.
struct Loaded
{
    SceneRecord scene;
    ScenePictures pictures;
    QStringList errors; // the pictures that could not be read, named
    bool ok() const { return errors.isEmpty(); }
};
Loaded load(const QString &text, const QString &programFolder,
            const LoadPicture &loadPicture = PictureLoader::load);

// The scene in text, its pictures from programFolder's "Images" (programFolder
// ends in a separator).
Result render(const QString &text, const QString &programFolder,
              const LoadPicture &loadPicture = PictureLoader::load);

// The same for the scene file at path.
Result renderFile(const QString &path, const QString &programFolder);

// Writes the picture as a PNG file as every save of the kit writes its file
// (TextFile::writeBytes): a failed write leaves no new file and the old one
// whole. Returns an empty string, or a message naming the file and the reason.
QString writePng(const QImage &image, const QString &path);

} // namespace SceneRender
