// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocationCheck.h"

#include "Cp1252.h"
#include "LocationSettings.h"
#include "Picture.h"
#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <array>

namespace LocationCheck {
namespace {

using FileCheck::Finding;
using Key = LocationSettings::Key;

QString tr(const char *text)
{
    return QCoreApplication::translate("LocationCheck", text);
}

} // namespace

QList<Finding> check(const QByteArray &bytes, const QString &programFolder)
{
    const QString text = Cp1252::decode(bytes);
    const FileCheck::Lines lines(text);
    QList<Finding> findings = FileCheck::codePage(bytes, text, lines);

    // The keys as the Locations window reads them. A file can hold a million
    // of them, so each message is translated once.
    const QString noEntry = tr("\"%1\" stands within a line without two commas after it, so it is no entry");
    const QString repeated =
        tr("a second entry of location %1: only the one on line %2 is read, and saving drops this one");
    const QString noComma = tr("the entry of location %1 has no comma: the rest of its line is the picture's "
                               "name, and saving adds both commas");
    const QString oneComma = tr("the entry of location %1 has no comma after its text, which saving adds");
    FileCheck::OfAKind noEntries, repeats, noCommas, oneCommas;
    std::array<const Key *, LocationSettings::Count> entries{};
    const QList<Key> keys = LocationSettings::keys(text);
    for (const Key &key : keys) {
        const Key *&entry = entries[size_t(key.location - 1)];
        // The companion reads a text up to the next comma, on whatever line.
        FileCheck::OfAKind *const kind = key.kind == Key::Kind::NoEntry    ? &noEntries
                                         : key.kind == Key::Kind::Repeated ? &repeats
                                         : key.commas == 0                 ? &noCommas
                                         : key.commas == 1                 ? &oneCommas
                                                                           : nullptr;
        if (key.kind == Key::Kind::Entry)
            entry = &key;
        if (!kind)
            continue;
        // Past the findings listed, a key is only counted.
        if (!kind->needsLine()) {
            kind->count();
            continue;
        }
        const qsizetype line = lines.lineOf(key.at);
        if (!kind->take(line))
            continue;
        switch (key.kind) {
        case Key::Kind::NoEntry:
            findings << Finding{line, noEntry.arg(text.mid(key.at, LocationSettings::KeyLength))};
            break;
        case Key::Kind::Repeated:
            findings << Finding{line, repeated.arg(key.location).arg(lines.lineOf(entry->at))};
            break;
        case Key::Kind::Entry:
            findings << Finding{line, (key.commas == 0 ? noComma : oneComma).arg(key.location)};
            break;
        }
    }

    for (const FileCheck::OfAKind &kind : {noEntries, repeats, noCommas, oneCommas})
        kind.finish(findings);

    const QString folder = ProgramFolder::subfolder(programFolder, QStringLiteral("Locations"));
    for (int n = 1; n <= LocationSettings::Count; ++n) {
        const Key *entry = entries[size_t(n - 1)];
        if (!entry) {
            findings << Finding{0, tr("there is no entry of location %1 (\"%2\"), so it is empty")
                                       .arg(n)
                                       .arg(LocationSettings::key(n))};
            continue;
        }
        const qsizetype line = lines.lineOf(entry->at);
        const QStringView named = entry->file(text);
        if (named.size() > ProgramFolder::LongestPath) {
            findings << Finding{line, tr("location %1 names a picture of %L2 characters, which no file "
                                         "can have (\"%3...\")")
                                          .arg(n)
                                          .arg(named.size())
                                          .arg(named.left(40))};
            continue;
        }
        const QString file = named.toString();
        if (file.isEmpty()) {
            findings << Finding{line, tr("location %1 names no picture").arg(n)};
        } else if (!QFileInfo(folder + file).isFile()) {
            findings << Finding{line, tr("the picture \"%1\" of location %2 is missing from "
                                         "Locations")
                                          .arg(file, QString::number(n))};
        } else if (!PictureLoader::load(folder + file).ok()) {
            // Decoded as the window decodes it: a header that reads is not yet a picture.
            findings << Finding{line, tr("the picture \"%1\" of location %2 in Locations cannot "
                                         "be read")
                                          .arg(file, QString::number(n))};
        } else if (const QString cut = PictureLoader::cutShort(folder + file); !cut.isEmpty()) {
            findings << Finding{line, tr("warning: %1").arg(cut)};
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
