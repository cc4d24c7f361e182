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
    FileCheck::Result result;
    QByteArray bytes;
    result.error = FileCheck::readBytes(path, &bytes);
    if (result.ok())
        result.findings = check(bytes);
    return result;
}

} // namespace KnowledgeCheck
