// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecoveryPreview.h"

#include <QCoreApplication>
#include <QStringList>

namespace RecoveryPreview {

QString kindName(const QString &kind)
{
    if (kind == RecoveryKind::Personality)
        return QCoreApplication::translate("RecoveryPreview", "Personality");
    if (kind == RecoveryKind::KnowledgeBase)
        return QCoreApplication::translate("RecoveryPreview", "Knowledge base");
    if (kind == RecoveryKind::Locations)
        return QCoreApplication::translate("RecoveryPreview", "Locations");
    if (kind == RecoveryKind::Scene)
        return QCoreApplication::translate("RecoveryPreview", "Scene");
    return kind;
}

QString preview(const RecoveryRecord &record, int length)
{
    QStringList pieces;
    if (record.kind == RecoveryKind::Personality) {
        pieces << record.text(QStringLiteral("memory"))
               << record.text(QStringLiteral("questions and answers"));
    } else if (record.kind == RecoveryKind::KnowledgeBase) {
        pieces << record.text(QStringLiteral("text"));
    } else if (record.kind == RecoveryKind::Locations) {
        for (int n = 1; n <= 5; ++n)
            pieces << record.text(QStringLiteral("location %1 text").arg(n));
    } else {
        pieces << record.text(QStringLiteral("background"));
        for (const RecoveryRecord::Text &t : record.texts) {
            if (t.first.endsWith(QLatin1String(" picture")) && !t.first.startsWith(QLatin1String("saved ")))
                pieces << t.second;
        }
    }
    QString shown;
    for (const QString &piece : pieces) {
        // Only as much of each text as the line can show.
        QString part = piece.left(length * 4).simplified();
        if (part.isEmpty())
            continue;
        if (!shown.isEmpty())
            shown += QStringLiteral(" · ");
        shown += part;
        if (shown.size() >= length)
            break;
    }
    if (shown.size() > length)
        shown = shown.left(length - 1) + QChar(0x2026);
    return shown;
}

} // namespace RecoveryPreview
