// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QString>

// The user's small choices that outlast a run, one "name=value" line each, in
// a text file of the kit's code page. The file is read when a choice is first
// asked for and written whole at each change; a missing or unreadable file
// holds no choices, so a damaged one costs the user only the choices.
class ChoicesFile
{
public:
    explicit ChoicesFile(const QString &path);

    const QString &path() const { return m_path; }
    // "" for a choice never made.
    QString value(const QString &name);
    // Keeps the choice and writes the file (its folder made when missing).
    // Returns "" or a message naming the file and the reason; the choice is
    // kept for the run either way. A line break in the value is stored as a space.
    QString setValue(const QString &name, const QString &value);

private:
    void readOnce();

    QString m_path;
    QMap<QString, QString> m_values;
    bool m_read = false;
};
