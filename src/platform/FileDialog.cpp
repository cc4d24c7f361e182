#include "FileDialog.h"

#include "ProgramFolder.h"

#include <QStringList>

FileDialog::~FileDialog() = default;

void FileDialog::ShowOpen()
{
    FileName = choose(Mode::Open);
}

void FileDialog::ShowSave()
{
    FileName = choose(Mode::Save);
}

QString FileDialog::FileTitle() const
{
    return ProgramFolder::fileNameWithoutFolder(FileName);
}

QString FileDialog::toQtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &pattern : patterns)
            pattern = pattern.trimmed();
        entries << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    if (parts.size() % 2 == 1 && !parts.last().isEmpty())
        entries << parts.last();
    return entries.join(QStringLiteral(";;"));
}
