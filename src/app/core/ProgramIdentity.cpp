// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramIdentity.h"

#include <QDir>
#include <QGuiApplication>

namespace ProgramIdentity {

QIcon icon(KitProgram program)
{
    const QDir icons(QStringLiteral(":/icons"));
    const QString pattern = KitInfo::programName(program).toLower() + QStringLiteral("-*.png");
    QIcon icon;
    for (const QString &file : icons.entryList({pattern}, QDir::Files))
        icon.addFile(icons.filePath(file));
    return icon;
}

void apply(KitProgram program)
{
    KitInfo::setApplicationIdentity(program);
    QGuiApplication::setDesktopFileName(KitInfo::desktopId(program));
    QGuiApplication::setWindowIcon(icon(program));
}

} // namespace ProgramIdentity
