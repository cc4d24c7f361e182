// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureSearch.h"

#include "SceneFile.h"
#include "TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <map>

namespace PictureSearch {
namespace {

QString bareName(const QString &name)
{
    const qsizetype cut = std::max(name.lastIndexOf(QLatin1Char('\\')), name.lastIndexOf(QLatin1Char('/')));
    return name.mid(cut + 1);
}

// The file in imagesFolder a name is copied to, or an empty string when the
// name would lead out of it.
QString targetFor(const QString &imagesFolder, const QString &name)
{
    QString relative = name;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (relative.isEmpty() || QDir::isAbsolutePath(relative) || relative.contains(QLatin1Char(':')))
        return QString();
    const QStringList pieces = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (pieces.isEmpty() || pieces.contains(QStringLiteral("..")))
        return QString();
    return QDir(imagesFolder).filePath(pieces.join(QLatin1Char('/')));
}

} // namespace

QStringList missingPictures(const QString &sceneText, const QString &imagesFolder)
{
    const SceneFile::SceneContent content = SceneFile::readScene(sceneText);
    QStringList names{content.background.value};
    for (const SceneFile::PartEntry &part : content.parts) {
        if (part.present)
            names << part.name;
    }
    names << SceneFile::findEntry(sceneText, QStringLiteral("NI=")).value;
    QStringList missing;
    for (const QString &name : names) {
        if (!name.isEmpty() && !missing.contains(name) &&
            !QFileInfo(SceneFile::picturePath(imagesFolder, name)).isFile())
            missing << name;
    }
    return missing;
}

Search search(const QString &folder, const QStringList &names)
{
    // Each wanted file name, in lower case, to the best file found for it: the
    // fewest folders deep, then the first path in order.
    struct Best
    {
        int depth = -1;
        QString path;
    };
    std::map<QString, Best> wanted;
    for (const QString &name : names)
        wanted.emplace(bareName(name).toLower(), Best());
    const QString root = QDir(folder).absolutePath();
    QDirIterator files(root, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const auto it = wanted.find(files.fileName().toLower());
        if (it == wanted.end())
            continue;
        const int depth = int(path.mid(root.size()).count(QLatin1Char('/')));
        Best &best = it->second;
        if (best.depth < 0 || depth < best.depth || (depth == best.depth && path < best.path))
            best = {depth, path};
    }
    Search result;
    for (const QString &name : names) {
        const Best &best = wanted[bareName(name).toLower()];
        if (best.depth >= 0)
            result.found.push_back({name, best.path});
        else
            result.missing << name;
    }
    return result;
}

QStringList copyFound(const Search &search, const QString &imagesFolder)
{
    QStringList errors;
    for (const Found &found : search.found) {
        const QString target = targetFor(imagesFolder, found.name);
        if (target.isEmpty()) {
            errors << QCoreApplication::translate("PictureSearch",
                                                  "\"%1\" names a place outside Images; it is not copied.")
                          .arg(found.name);
            continue;
        }
        if (QFileInfo::exists(target)) {
            errors << QCoreApplication::translate("PictureSearch",
                                                  "\"%1\" is already there and is not replaced.")
                          .arg(QDir::toNativeSeparators(target));
            continue;
        }
        QFile source(found.path);
        if (!source.open(QIODevice::ReadOnly)) {
            errors << QCoreApplication::translate("PictureSearch", "Cannot read \"%1\": %2")
                          .arg(QDir::toNativeSeparators(found.path), source.errorString());
            continue;
        }
        const QByteArray bytes = source.readAll();
        QDir().mkpath(QFileInfo(target).absolutePath());
        const QString error = TextFile::writeBytes(target, bytes);
        if (!error.isEmpty())
            errors << error;
    }
    return errors;
}

} // namespace PictureSearch
