// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileQuestions.h"

#include "FileStamp.h"
#include "PictureFolder.h"
#include "Platform.h"
#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace FileQuestions {

bool mayReplace(Platform &platform, QWidget *owner, const QString &title, const QString &path)
{
    if (!QFileInfo::exists(path))
        return true;
    const QString text =
        QCoreApplication::translate("FileQuestions", "Replace %1?").arg(QDir::toNativeSeparators(path));
    return platform.ask(owner, text, title, Platform::Question::YesNo, Platform::Answer::No) ==
           Platform::Answer::Yes;
}

bool mayReplaceChanged(Platform &platform, QWidget *owner, const QString &title, const QString &path,
                       const FileStamp &stamp)
{
    return !stamp.changedOnDisk(path) || mayReplaceChanged(platform, owner, title, QStringList{path});
}

bool mayReplaceChanged(Platform &platform, QWidget *owner, const QString &title, const QStringList &files)
{
    for (const QString &path : files) {
        const QString text =
            QCoreApplication::translate(
                "FileQuestions",
                "%1 was changed by another program since it was loaded. Replace it with your version?")
                .arg(ProgramFolder::fileNameWithoutFolder(QDir::toNativeSeparators(path)));
        if (platform.ask(owner, text, title, Platform::Question::YesNo, Platform::Answer::No) !=
            Platform::Answer::Yes)
            return false;
    }
    return true;
}

PlacedPicture placePicture(Platform &platform, QWidget *owner, const QString &title, const QString &chosen,
                           const QString &folder, const QString &folderName)
{
    const QString name = ProgramFolder::fileNameWithoutFolder(chosen);
    if (PictureFolder::holds(folder, chosen))
        return {true, name, chosen};
    const QString question =
        QCoreApplication::translate("FileQuestions", "Copy %1 into %2?").arg(name, folderName);
    if (platform.ask(owner, question, title, Platform::Question::YesNo, Platform::Answer::Yes) !=
        Platform::Answer::Yes)
        return {true, name, chosen};
    const PictureFolder::CopyResult copied = PictureFolder::copyInto(chosen, folder);
    if (!copied.ok()) {
        platform.showMessage(owner, copied.error, title, Platform::MessageIcon::Critical);
        return {};
    }
    return {true, copied.name, QDir(folder).filePath(copied.name)};
}

} // namespace FileQuestions
