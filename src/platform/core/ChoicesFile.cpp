// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChoicesFile.h"

#include "TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

ChoicesFile::ChoicesFile(const QString &path) : m_path(path) {}

void ChoicesFile::readOnce()
{
    if (m_read)
        return;
    m_read = true;
    if (!QFileInfo(m_path).isFile())
        return;
    const TextFile::ReadResult read = TextFile::read(m_path);
    if (!read.ok())
        return;
    const QStringList lines = read.text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (const QString &line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            m_values.insert(line.left(equals).trimmed(), line.mid(equals + 1));
    }
}

QString ChoicesFile::value(const QString &name)
{
    readOnce();
    return m_values.value(name);
}

QString ChoicesFile::setValue(const QString &name, const QString &value)
{
    readOnce();
    QString kept = value;
    kept.replace(QRegularExpression(QStringLiteral("[\r\n]")), QStringLiteral(" "));
    if (m_values.value(name) == kept && m_values.contains(name))
        return QString();
    m_values.insert(name, kept);
    QStringList lines;
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it)
        lines << it.key() + QLatin1Char('=') + it.value();
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    return TextFile::write(m_path, lines.join(QStringLiteral("\r\n")));
}
