// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <array>

// The five locations of "Options.Cfg": for each a picture file name (without
// folder, looked for in "Locations" of the program folder) and a short text,
// together with every other setting the file holds.
//
// An entry is the key "Location1=" .. "Location5=", the file name, ",", the
// text, ",", and whatever else its line holds after the second comma. A key
// at the start of a line is an entry whatever its commas: the fields it lacks
// are empty (no comma: the rest of the line is the file name; one comma: the
// rest of the line after it is the text), so that saving completes it rather
// than writing a second entry beside it. A key further on in a line is an
// entry only with two commas after it on its line (a comment such as
// "; old: Location2=beach" is text); so are the keys inside the file name and
// text of an entry. Keys are found whatever their letter case, and the first
// entry of a location is the one that counts.
//
// Writing keeps all other text of the file: whatever stood in front of the
// entries stays in front byte for byte (OptOther), whatever stood between or
// after them follows the entries (OptAfter), and what stood after an entry's
// second comma stays on its line (LocationRest). The entries are written
// together, one a line in the order 1 to 5, where the first entry stood;
// later entries of the same location are dropped, so a file holds each entry
// once and the values written are the values read back.
struct LocationSettings
{
    static constexpr int Count = 5;

    // Index 0 is location 1.
    std::array<QString, Count> LocationFile;
    std::array<QString, Count> LocationText;
    // What the entry's line holds after its second comma, as it stood: up to
    // the line end or the next entry's key.
    std::array<QString, Count> LocationRest;
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

    struct Key;
    // Every key of the text, in order, as the reader takes it; keys inside an
    // entry's file name or text are not listed. In proportion to the text's
    // length, whatever its shape. The Locations window and the check of the
    // file both read a file through it, so they cannot disagree.
    static QList<Key> keys(const QString &text);

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

struct LocationSettings::Key
{
    enum class Kind {
        Entry,    // the first entry of its location
        Repeated, // a later entry of a location: not read, and dropped by saving
        NoEntry,  // a key within a line without two commas after it: text
    };
    Kind kind = Kind::Entry;
    int location = 0; // 1 to 5
    qsizetype at = 0; // where the key starts
    // Entries only: the commas found on the key's line (0, 1 or 2); where the
    // file name ends (the first comma, or the line end); where the text ends
    // (the second comma, or the line end); where the entry ends (the line
    // end, or the key of the next entry on its line).
    int commas = 0;
    qsizetype fileEnd = 0;
    qsizetype textEnd = 0;
    qsizetype end = 0;

    QStringView file(const QString &text) const;
    QStringView value(const QString &text) const; // the location's text
    QStringView rest(const QString &text) const;
};

struct LocationSettings::LoadResult
{
    LocationSettings settings;
    QString error; // empty on success
    bool ok() const { return error.isEmpty(); }
};
