// SPDX-License-Identifier: GPL-3.0-or-later
#include "PersonalWordList.h"

#include "TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

PersonalWordList::PersonalWordList(const QString &path) : m_path(path) {}

QString PersonalWordList::load()
{
    m_words.clear();
    if (m_path.isEmpty() || !QFileInfo::exists(m_path))
        return QString();
    const TextFile::ReadResult read = TextFile::read(m_path);
    if (!read.ok())
        return read.error;
    static const QRegularExpression lineEnd(QStringLiteral("[\r\n]+"));
    for (const QString &line : read.text.split(lineEnd, Qt::SkipEmptyParts)) {
        const QString word = line.trimmed();
        if (!word.isEmpty() && !m_words.contains(word))
            m_words << word;
    }
    m_words.sort();
    return QString();
}

QString PersonalWordList::add(const QString &word)
{
    if (word.isEmpty() || m_words.contains(word))
        return QString();
    if (m_path.isEmpty())
        return QCoreApplication::translate("PersonalWordList",
                                           "There is no place to keep the personal word list.");
    QStringList words = m_words;
    words << word;
    words.sort();
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("PersonalWordList", "Cannot make the folder \"%1\".")
            .arg(QDir::toNativeSeparators(folder));
    // TextFile adds the last line's CR LF.
    const QString error = TextFile::write(m_path, words.join(QStringLiteral("\r\n")));
    if (!error.isEmpty())
        return error;
    m_words = words;
    return QString();
}
