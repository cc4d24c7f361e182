// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class Platform;
struct FileStamp;
class QWidget;

// The questions the windows ask before a command touches the user's files.
namespace FileQuestions {

// True when path names no existing file, or when the user answers Yes to
// "Replace <path>?" (No is the default: nothing is replaced by accident).
bool mayReplace(Platform &platform, QWidget *owner, const QString &title, const QString &path);

// True when the file at path is still what stamp says it was when the window
// loaded or last saved it, or when the user answers Yes to "<name> was
// changed by another program since it was loaded. Replace it with your
// version?" (No is the default: another program's work is not lost by
// accident).
bool mayReplaceChanged(Platform &platform, QWidget *owner, const QString &title, const QString &path,
                       const FileStamp &stamp);
// The same question for each of files, which the caller found changed; true
// when there are none or the user answers Yes for every one.
bool mayReplaceChanged(Platform &platform, QWidget *owner, const QString &title, const QStringList &files);

// Where a picture chosen with a dialog ends up.
struct PlacedPicture
{
    bool ok = false; // false: the command stops, nothing changes
    QString name;    // the bare name to store
    QString path;    // the file to show now
};

// After a picture was chosen and read: when it does not lie in folder, asks
// "Copy <file name> into <folderName>?" (Yes is the default). Yes copies it
// there (see PictureFolder::copyInto) and the stored name is the copy's; No
// keeps it where it is and stores its bare name, which the next load looks for
// in folder. A failed copy is reported and stops the command.
PlacedPicture placePicture(Platform &platform, QWidget *owner, const QString &title, const QString &chosen,
                           const QString &folder, const QString &folderName);

} // namespace FileQuestions
