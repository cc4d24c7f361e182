// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckFindings.h"

namespace CheckFindings {

QString shown(const QList<FileCheck::Finding> &findings)
{
    QString text;
    for (const FileCheck::Finding &finding : findings)
        text += QString::number(finding.line) + QStringLiteral(": ") + finding.message + QLatin1Char('\n');
    return text;
}

QString shown(const QStringList &findings)
{
    return findings.isEmpty() ? QString() : findings.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace CheckFindings
