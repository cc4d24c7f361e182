// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileDialog.h"

#include <QStringList>

#include <algorithm>

FileDialog::~FileDialog() = default;

QString FileDialog::askOpen(const QString &filter, const QString &initFolder)
{
    return choose(Mode::Open, filter, initFolder);
}

QString FileDialog::askFolder(const QString &initFolder)
{
    return choose(Mode::Folder, QString(), initFolder);
}

QString FileDialog::askSave(const QString &filter, const QString &initFolder)
{
    QString chosen = choose(Mode::Save, filter, initFolder);
    // A name without any extension would be a file the kit's own lists and
    // dialogs never show again.
    const qsizetype slash =
        std::max(chosen.lastIndexOf(QLatin1Char('/')), chosen.lastIndexOf(QLatin1Char('\\')));
    if (!chosen.isEmpty() && !QStringView(chosen).mid(slash + 1).contains(QLatin1Char('.')))
        chosen += extensionOf(filter);
    return chosen;
}

QString FileDialog::extensionOf(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return QString();
    const QString pattern = parts[1].split(QLatin1Char(';')).first().trimmed();
    if (!pattern.startsWith(QLatin1String("*.")))
        return QString();
    const QString extension = pattern.mid(1);
    for (const QChar c : QStringView(extension).mid(1)) {
        if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('.'))
            return QString();
    }
    return extension.size() > 1 ? extension : QString();
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
