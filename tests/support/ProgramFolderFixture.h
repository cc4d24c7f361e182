// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakePlatform.h"

#include <QStringList>
#include <QTemporaryDir>

// A program folder in a fresh temporary folder, and a FakePlatform whose
// programFolder() is that folder. Put files there before creating the window
// under test, as a user's files are there before the program starts. Both
// temporary folders go with the fixture.
class ProgramFolderFixture
{
public:
    // subfolder: a folder below the temporary one to serve as the program
    // folder (one whose name holds a space, say); made here.
    explicit ProgramFolderFixture(const QString &subfolder = QString());

    // The program folder, in native separators, ending in one.
    QString folder() const { return platform.folder; }
    // A file or folder in the program folder ("Images/bg.jpg").
    QString path(const QString &name) const { return platform.folder + name; }
    // A file in another temporary folder, outside the program folder: where a
    // user picks files from elsewhere.
    QString elsewhere(const QString &name) const;

    // Copies entries of the shipped program folder (assets/) into the program
    // folder: files, or folders with everything below them. Without names it
    // copies all of it. A failed copy fails the running test.
    void copyAssets(const QStringList &names = QStringList());
    // The shipped program folder (assets/ of the source tree), ending in a separator.
    static QString assetsFolder();

    // The names in the program folder (files and folders, hidden ones too), sorted.
    QStringList entries() const;

    FakePlatform platform;

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_elsewhere;
};
