// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpellingCheck.h"

#include "SpellChecker.h"

#include <QCoreApplication>

namespace SpellingCheck {

QList<FileCheck::Finding> check(SpellChecker &checker, QStringView text, const FileCheck::Lines &lines,
                                const SpellingExceptions &exceptions, qsizetype from, qsizetype length)
{
    QList<FileCheck::Finding> findings;
    const QStringView part = length < 0 ? text.mid(from) : text.mid(from, length);
    for (const SpellingWords::Span &span : checker.misspelled(part, exceptions)) {
        const QString word = part.mid(span.start, span.length).toString();
        findings << FileCheck::Finding{lines.lineOf(from + span.start),
                                       message(word, checker.suggestions(word))};
    }
    return findings;
}

QString message(const QString &word, const QStringList &suggestions)
{
    if (suggestions.isEmpty())
        return QCoreApplication::translate("SpellingCheck", "\"%1\" is not in the dictionary").arg(word);
    return QCoreApplication::translate("SpellingCheck", "\"%1\" is not in the dictionary (suggestions: %2)")
        .arg(word, suggestions.join(QStringLiteral(", ")));
}

} // namespace SpellingCheck
