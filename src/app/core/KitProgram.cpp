// SPDX-License-Identifier: GPL-3.0-or-later
#include "KitProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace KitInfo {

QString programName(KitProgram program)
{
    switch (program) {
    case KitProgram::Mindloom:
        return QStringLiteral("Mindloom");
    case KitProgram::Frameloft:
        return QStringLiteral("Frameloft");
    }
    Q_UNREACHABLE();
}

QString version()
{
    return QStringLiteral(MINDLOOM_VERSION);
}

QString applicationName(KitProgram program)
{
    return programName(program);
}

QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Mindloom");
}

QString choicesFile()
{
    return dataFolder() + QStringLiteral("/Choices.txt");
}

QString desktopId(KitProgram program)
{
    return QStringLiteral(MINDLOOM_ID_PREFIX) + QLatin1Char('.') + programName(program).toLower();
}

QString installedContentFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QStringLiteral(MINDLOOM_CONTENT_FROM_BINDIR));
}

void setApplicationIdentity(KitProgram program)
{
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(applicationName(program));
    QCoreApplication::setApplicationVersion(version());
}

} // namespace KitInfo
