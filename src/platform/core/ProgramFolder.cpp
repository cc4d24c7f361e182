// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramFolder.h"

#include "Wildcard.h"

#include <QCoreApplication>
#include <QDir>

namespace ProgramFolder {

QChar separator()
{
    return QDir::separator();
}

QString withTrailingSeparator(const QString &folder)
{
    const QString sep = separator();
    // "*[!<sep>]": at least one character, the last of which is not a separator.
    const QString pattern = QStringLiteral("*[!") + sep + QStringLiteral("]");
    if (Wildcard::match(folder, pattern))
        return folder + sep;
    return folder;
}

QString current()
{
    return withTrailingSeparator(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
}

QString subfolder(const QString &programFolder, const QString &name)
{
    return programFolder + name + separator();
}

QString fileNameWithoutFolder(const QString &path)
{
    qsizetype cut = path.lastIndexOf(separator());
#ifdef Q_OS_WIN
    cut = std::max(cut, path.lastIndexOf(QLatin1Char('/')));
#endif
    return cut < 0 ? path : path.mid(cut + 1);
}

} // namespace ProgramFolder
