// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// The five locations of "Options.Cfg": for each a picture file name (without
// folder, looked for in "Locations" of the program folder) and a short text,
// together with every other setting the file holds.
//
// An entry is the key "Location1=" .. "Location5=", the file name, ",", the
// text, ",", with both commas on the key's line. Entries are found anywhere in
// the file, whatever the letter case of their keys, and the first entry of a
// location is the one that counts. A key without its two commas on its line
// (a comment such as "; old: Location2=beach", a damaged line) is no entry,
// only text; so is a key inside another entry's values.
//
// Writing keeps all other text of the file: whatever stood in front of the
// entries stays in front byte for byte (OptOther), whatever stood between or
// after them follows the entries (OptAfter). The entries are written together,
// one a line in the order 1 to 5, where the first entry stood; later entries
// of the same location are dropped, so a file holds each entry once and the
// values written are the values read back.
struct LocationSettings
{
    static constexpr int Count = 5;

    // Index 0 is location 1.
    std::array<QString, Count> LocationFile;
    std::array<QString, Count> LocationText;
    // Other text in front of the entries, exactly as read.
    QString OptOther;
    // Other text between and after the entries, in the order it stood.
    QString OptAfter = QStringLiteral("\r\n");

    bool operator==(const LocationSettings &other) const;
    bool operator!=(const LocationSettings &other) const { return !(*this == other); }

    // "Options.Cfg"
    static QString fileName();
    // "Location1=" .. "Location5=" for n = 1 .. 5.
    static QString key(int n);
    // The length of every key.
    static constexpr qsizetype KeyLength = 10;
    // The location (1 to 5) of a key starting at position i of text, or 0.
    // Letter case is ignored for the ASCII letters only, so no other character
    // stands in for one.
    static int keyAt(const QString &text, qsizetype i);

    // The settings held by the text of "Options.Cfg" (the file as read). A
    // location without an entry has an empty file name and text. Takes time in
    // proportion to the text's length, whatever its shape.
    static LocationSettings fromFileText(const QString &text);

    // The complete text the file is to hold.
    QString fileText() const;
    // fileText() without its final CR LF, for TextFile::write, which adds it.
    QString fileContent() const;

    // Why a file name or text cannot be stored in an entry (it holds ",", a line
    // break or a location key, any of which the reader would cut or
    // misplace), or an empty string when it can.
    static QString whyUnstorable(const QString &value);
    // The same for a picture's file name, which must also be one the code page
    // can store, so that a name is refused before its picture is copied.
    static QString whyUnstorableName(const QString &name);

    // "Options.Cfg" of programFolder (which ends in a separator).
    static QString path(const QString &programFolder);

    struct LoadResult;
    // The settings of programFolder's "Options.Cfg". A missing file gives the
    // empty settings; a file that cannot be read gives them too, with an error
    // naming the file and the reason.
    static LoadResult load(const QString &programFolder);
    // Replaces programFolder's "Options.Cfg" atomically. Returns an empty string,
    // or a message naming the file and the reason; a failed write leaves the old
    // file whole.
    QString save(const QString &programFolder) const;
};

struct LocationSettings::LoadResult
{
    LocationSettings settings;
    QString error; // empty on success
    bool ok() const { return error.isEmpty(); }
};
