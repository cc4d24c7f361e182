// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChatCheck.h"

#include "ChatText.h"
#include "ChatWords.h"
#include "Cp1252.h"
#include "QandAEntries.h"
#include "SubstitutionTable.h"

#include <QCoreApplication>
#include <QHash>

namespace ChatCheck {

QList<FileCheck::Finding> shadowedQuestions(const QString &qandA)
{
    QList<FileCheck::Finding> findings;
    QHash<QString, qsizetype> first; // the words of a question -> the line of its first entry
    for (const QandAEntry &entry : QandAEntries::read(qandA)) {
        if (!entry.answers())
            continue;
        const QString key = ChatWords::words(entry.question).join(QLatin1Char(' '));
        if (key.isEmpty())
            continue;
        const auto it = first.constFind(key);
        if (it == first.constEnd()) {
            first.insert(key, entry.line);
            continue;
        }
        findings << FileCheck::Finding{
            entry.line,
            QCoreApplication::translate("ChatCheck", "the question \"%1\" never answers: line %2 asks it "
                                                     "in the same words first")
                // One call: a question may hold "%2" itself.
                .arg(ChatText::oneLine(entry.question), QString::number(*it))};
    }
    return findings;
}

QList<FileCheck::Finding> checkQandA(const QByteArray &bytes)
{
    return shadowedQuestions(
        SubstitutionTable::decode(Cp1252::decode(bytes), SubstitutionTable::LineBreakStep::None));
}

} // namespace ChatCheck
