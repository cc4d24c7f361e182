// SPDX-License-Identifier: GPL-3.0-or-later
#include "KnowledgeCheck.h"

#include "Cp1252.h"

namespace KnowledgeCheck {

QList<FileCheck::Finding> check(const QByteArray &bytes)
{
    const QString text = Cp1252::decode(bytes);
    const FileCheck::Lines lines(text);
    QList<FileCheck::Finding> findings = FileCheck::codePage(bytes, text, lines);
    findings += FileCheck::loneCarriageReturns(text, lines);
    return FileCheck::inLineOrder(findings);
}

FileCheck::Result checkFile(const QString &path)
{
    return FileCheck::checkFile(path, check);
}

} // namespace KnowledgeCheck
