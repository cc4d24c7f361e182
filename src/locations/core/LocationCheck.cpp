// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocationCheck.h"

#include "Cp1252.h"
#include "LocationSettings.h"
#include "ProgramFolder.h"

#include <QFileInfo>
#include <QImageReader>

#include <array>

namespace LocationCheck {
namespace {

using FileCheck::Finding;

constexpr qsizetype KeyLength = LocationSettings::KeyLength;

qsizetype lineEnd(const QString &text, qsizetype from)
{
    qsizetype i = from;
    while (i < text.size() && text.at(i) != QLatin1Char('\r') && text.at(i) != QLatin1Char('\n'))
        ++i;
    return i;
}

} // namespace

QList<Finding> check(const QByteArray &bytes, const QString &programFolder)
{
    const QString text = Cp1252::decode(bytes);
    const FileCheck::Lines lines(text);
    QList<Finding> findings = FileCheck::codePage(bytes, text, lines);

    struct Entry
    {
        qsizetype line = 0; // 0: none
        QString file;
    };
    std::array<Entry, LocationSettings::Count> entries;
    qsizetype i = 0;
    while (i + KeyLength <= text.size()) {
        const int n = LocationSettings::keyAt(text, i);
        if (n == 0) {
            ++i;
            continue;
        }
        const qsizetype line = lines.lineOf(i);
        const qsizetype end = lineEnd(text, i);
        const qsizetype comma1 = text.indexOf(QLatin1Char(','), i + KeyLength);
        const qsizetype comma2 = comma1 < 0 ? -1 : text.indexOf(QLatin1Char(','), comma1 + 1);
        const QString key = text.mid(i, KeyLength);
        if (comma1 < 0 || comma1 >= end || comma2 < 0 || comma2 >= end) {
            findings << Finding{line,
                                QStringLiteral("\"%1\" has no two commas after it on its line, so it is no "
                                               "entry")
                                    .arg(key)};
            i += KeyLength;
            continue;
        }
        Entry &entry = entries[size_t(n - 1)];
        if (entry.line > 0) {
            findings << Finding{line,
                                QStringLiteral("a second entry of location %1: only the one on line %2 is "
                                               "read, and saving drops this one")
                                    .arg(n)
                                    .arg(entry.line)};
        } else {
            entry.line = line;
            entry.file = text.mid(i + KeyLength, comma1 - i - KeyLength);
        }
        // The values are no keys, whatever they hold.
        i = comma2 + 1;
    }

    const QString folder = ProgramFolder::subfolder(programFolder, QStringLiteral("Locations"));
    for (int n = 1; n <= LocationSettings::Count; ++n) {
        const Entry &entry = entries[size_t(n - 1)];
        if (entry.line == 0) {
            findings << Finding{0, QStringLiteral("there is no entry of location %1 (\"%2\"), so it is empty")
                                       .arg(n)
                                       .arg(LocationSettings::key(n))};
        } else if (entry.file.isEmpty()) {
            findings << Finding{entry.line, QStringLiteral("location %1 names no picture").arg(n)};
        } else if (!QFileInfo(folder + entry.file).isFile()) {
            findings << Finding{entry.line,
                                QStringLiteral("the picture \"%1\" of location %2 is missing from "
                                               "Locations")
                                    .arg(entry.file)
                                    .arg(n)};
        } else if (!QImageReader(folder + entry.file).canRead()) {
            findings << Finding{entry.line,
                                QStringLiteral("the picture \"%1\" of location %2 in Locations cannot "
                                               "be read")
                                    .arg(entry.file)
                                    .arg(n)};
        }
    }
    return FileCheck::inLineOrder(findings);
}

FileCheck::Result checkFile(const QString &path, const QString &programFolder)
{
    return FileCheck::checkFile(
        path, [&programFolder](const QByteArray &bytes) { return check(bytes, programFolder); });
}

} // namespace LocationCheck
