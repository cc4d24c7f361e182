// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramFolderFixture.h"

#include "ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QtTest>

ProgramFolderFixture::ProgramFolderFixture(const QString &subfolder)
{
    QString root = m_dir.path();
    if (!subfolder.isEmpty()) {
        if (!QDir(root).mkpath(subfolder))
            QTest::qFail(qPrintable(QStringLiteral("cannot make the program folder %1").arg(subfolder)),
                         __FILE__, __LINE__);
        root += QLatin1Char('/') + subfolder;
    }
    platform.folder = ProgramFolder::withTrailingSeparator(QDir::toNativeSeparators(root));
}

QString ProgramFolderFixture::elsewhere(const QString &name) const
{
    return QDir::toNativeSeparators(m_elsewhere.filePath(name));
}

QString ProgramFolderFixture::assetsFolder()
{
    return ProgramFolder::withTrailingSeparator(
        QDir::toNativeSeparators(QStringLiteral(MINDLOOM_ASSETS_DIR)));
}

void ProgramFolderFixture::copyAssets(const QStringList &names)
{
    const QDir assets(assetsFolder());
    const QStringList chosen =
        names.isEmpty() ? assets.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot) : names;
    // A copy is the user's own file: writable whatever the source tree allows.
    const auto copy = [this](const QString &from, const QString &relative) {
        if (!QFile::copy(from, path(relative)) ||
            !QFile::setPermissions(path(relative), QFile::permissions(from) | QFile::WriteOwner))
            QTest::qFail(qPrintable(QStringLiteral("cannot copy %1 into the program folder").arg(relative)),
                         __FILE__, __LINE__);
    };
    for (const QString &name : chosen) {
        const QString from = assets.filePath(name);
        if (!QFileInfo(from).isDir()) {
            copy(from, name);
            continue;
        }
        QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        QDir().mkpath(path(name));
        while (it.hasNext()) {
            const QString file = it.next();
            const QString relative = assets.relativeFilePath(file);
            QDir().mkpath(QFileInfo(path(relative)).path());
            copy(file, relative);
        }
    }
}

QStringList ProgramFolderFixture::entries() const
{
    return QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}
