// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The words the user added to the dictionary: a text file of one word a
// line, in the kit's code page with CR LF line ends, sorted. The file is read
// when a checker starts and written whole at each addition.
class PersonalWordList
{
public:
    explicit PersonalWordList(const QString &path = QString());

    QString path() const { return m_path; }
    const QStringList &words() const { return m_words; }
    bool contains(const QString &word) const { return m_words.contains(word); }

    // Reads the file; a missing file is an empty list. Returns an error
    // message naming the file and the reason, or "".
    QString load();
    // Adds the word and writes the file (its folder is made when missing).
    // Returns "" or a message naming the file and the reason; the list is
    // then as it was.
    QString add(const QString &word);

private:
    QString m_path;
    QStringList m_words;
};
