// SPDX-License-Identifier: GPL-3.0-or-later
#include "KnowledgeCheck.h"

#include "Cp1252.h"

#include <QCoreApplication>

namespace KnowledgeCheck {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("KnowledgeCheck", text);
}

} // namespace

QList<FileCheck::Finding> check(const QByteArray &bytes)
{
    const QString text = Cp1252::decode(bytes);
    const FileCheck::Lines lines(text);
    QList<FileCheck::Finding> findings = FileCheck::codePage(bytes, text, lines);
    findings += FileCheck::loneCarriageReturns(text, lines);

    // The companion reads lines ended by CR LF, and a NUL ends the text for
    // many readers: one finding for the first line of each.
    const auto firstLineWith = [&](auto is, const QString &message) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (is(i)) {
                findings << FileCheck::Finding{lines.lineOf(i), message};
                return;
            }
        }
    };
    firstLineWith(
        [&](qsizetype i) {
            return text.at(i) == QLatin1Char('\n') && (i == 0 || text.at(i - 1) != QLatin1Char('\r'));
        },
        tr("the line ends in an LF without CR: the companion reads lines ended by CR LF"));
    firstLineWith([&](qsizetype i) { return text.at(i).unicode() == 0; },
                  tr("the line holds a NUL byte, where many programs take the text to end"));
    // Load then save gives the loaded bytes back but for the CR LF every save
    // ends the file with.
    if (!text.isEmpty() && !text.endsWith(QLatin1String("\r\n")))
        findings << FileCheck::Finding{lines.lineOf(text.size() - 1),
                                       tr("the file does not end in CR LF: a save adds one")};
    return FileCheck::inLineOrder(findings);
}

FileCheck::Result checkFile(const QString &path)
{
    return FileCheck::checkFile(path, check);
}

} // namespace KnowledgeCheck
