// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileDialog.h"

#include <QStringList>

FileDialog::~FileDialog() = default;

QString FileDialog::askOpen(const QString &filter, const QString &initFolder)
{
    return choose(Mode::Open, filter, initFolder);
}

QString FileDialog::askSave(const QString &filter, const QString &initFolder)
{
    return choose(Mode::Save, filter, initFolder);
}

QString FileDialog::toQtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &pattern : patterns)
            pattern = pattern.trimmed();
        // The descriptions already name their patterns ("KBA Files (*.kba)");
        // QFileDialog takes the patterns from the last parentheses, so those
        // are replaced rather than repeated.
        QString description = parts[i];
        if (description.endsWith(QLatin1Char(')'))) {
            const qsizetype open = description.lastIndexOf(QLatin1Char('('));
            if (open >= 0)
                description.truncate(open);
        }
        description = description.trimmed();
        const QString shown = QLatin1Char('(') + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
        entries << (description.isEmpty() ? shown : description + QLatin1Char(' ') + shown);
    }
    if (parts.size() % 2 == 1 && !parts.last().isEmpty())
        entries << parts.last();
    return entries.join(QStringLiteral(";;"));
}
