// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileStamp.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <array>

// The two files of a personality in the program folder: the memory file
// (name + ".mem": statements, then the "* MatchWords:" and "* WontSay:"
// sections) and the question/answer file (name + ".qas"), both stored through
// the substitution table. Window-free: the Personality Editor calls these.
namespace PersonalityFile {

constexpr QLatin1String kMatchWordsMarker("* MatchWords:");
constexpr QLatin1String kWontSayMarker("* WontSay:");

QString memoryPath(const QString &programFolder, const QString &name);
QString qandAPath(const QString &programFolder, const QString &name);

// The personalities in the program folder: one entry per ordinary file whose
// name matches "*.mem*", sorted by entryBefore().
QStringList list(const QString &programFolder);

// The list's order: letter case aside, numbers by their value ("Rosa 2"
// before "Rosa 10"); entries that this leaves equal, by their characters.
bool entryBefore(const QString &a, const QString &b);

// A listed file's entry: its name without the last four characters.
QString listEntry(const QString &fileName);

// The decoded memory file: memory, the two sections, each part followed by an
// empty line. Save Personality As... writes exactly this.
QString memoryContent(QStringView memory, QStringView matchWords, QStringView wontSay);
// The pieces memoryContent() joins, in their order, for a comparison with a
// file that need not join them.
std::array<QStringView, 6> memoryContentPieces(QStringView memory, QStringView matchWords,
                                               QStringView wontSay);

// Takes the section that starts with the line `marker` out of memory into
// section: its lines up to the next empty line (or to the end of the text),
// the marker line with them. Returns false, changing nothing, when no line
// consists of the marker followed by CR LF. at, when given, receives where the
// marker line stood.
bool takeOutSection(QString &memory, QString &section, QLatin1String marker, qsizetype *at = nullptr);

// The four texts of a personality, as the editor holds them.
struct Texts
{
    QString memory;
    QString matchWords;
    QString wontSay;
    QString qandA;
    bool operator==(const Texts &o) const
    {
        return memory == o.memory && matchWords == o.matchWords && wontSay == o.wontSay && qandA == o.qandA;
    }
    bool operator!=(const Texts &o) const { return !(*this == o); }
};

// The memory text and its sections from the decoded memory file (the table
// undone, the final CR LF still there). A file in the writer's own layout
// (memoryContent() and the CR LF the file writer adds, its memory text one
// that Save Personality takes) gives back exactly the texts that were
// written. Any other file goes by the section rules of takeOutSection(),
// "* MatchWords:" first, the file's final CR LF left in the memory text.
struct MemorySplit
{
    QString memory;
    QString matchWords;
    QString wontSay;
    bool writerLayout = false;
};
MemorySplit splitMemory(QString decoded);

// The question/answer text from the decoded file: the file's final CR LF,
// which the writer adds, is not part of the text.
QString qandAText(QString decoded);

// The texts a load gives for the two files' text as read (the code page
// decoded, the table not yet undone): the plain decoding that the readers'
// one-pass decoding of the bytes must agree with.
Texts fromFileText(QStringView memoryFile, QStringView qandAFile);
// The same from the two files' bytes.
Texts fromFileBytes(const QByteArray &memoryFile, const QByteArray &qandAFile);

// The two files' text as Save Personality writes them (final CR LF included).
QString memoryFileText(const Texts &texts);
QString qandAFileText(const Texts &texts);

// Whether Save Personality may write the texts: every character must have a
// byte in the code page and come back from the table as itself (the
// line-break character in the memory text comes back as a line break, a
// table byte value as its letter), the memory text must hold no section
// marker (checkMemory()), and a load of what is written must give the texts
// back exactly. The editor refuses what this refuses, and --check reports it,
// so the two never disagree. memoryName and qandAName are the files the
// message names.
struct SaveCheck
{
    enum class Text { None, Memory, MatchWords, WontSay, QandA };
    Text text = Text::None; // the text that holds the problem
    qsizetype position = -1;
    qsizetype length = 0;
    QString message; // empty when the texts can be saved
    // The two files' bytes the check loaded back, for the save to write: set
    // when the texts can be saved.
    QByteArray memoryBytes;
    QByteArray qandABytes;
    bool ok() const { return message.isEmpty(); }
};
SaveCheck checkSave(const Texts &texts, const QString &memoryName, const QString &qandAName);

struct ReadResult
{
    enum class Status {
        Loaded,
        MemoryUnreadable, // error names the file and the reason
        QandAMissing,     // the .qas file cannot be opened
        QandAUnreadable,  // opened but not read; error names the file and the reason
    };
    Status status = Status::Loaded;
    QString error;
    Texts texts; // as loaded: the sections taken out of the memory text
    // Each file as it was read.
    FileStamp memoryStamp;
    FileStamp qandAStamp;
};

// Reads and decodes both files of the personality `name` and takes the
// sections out (splitMemory()). Either stored form of the memory file is
// accepted: substituted (one line) or plain.
ReadResult read(const QString &programFolder, const QString &name);

// Whether a memory text comes back from Save Personality and a load as it
// was saved. It does not when it holds a marker line of its own ("* MatchWords:"
// or "* WontSay:" followed by a line break, or as its last line): the load
// would take that line for the section's start, moving the real section's
// words into the memory text or older words into the section. Characters
// that come back as others count as what they come back as (the line-break
// character as a line break, a stored byte value as its letter).
struct MemoryCheck
{
    qsizetype line = 0;      // 1-based line of the memory text holding the marker; 0 when it can be saved
    qsizetype position = -1; // where that line starts in the memory text
    QString lineText;        // the line, without its line end
    QString marker;          // the section marker the line holds
    QString message;         // empty when the memory text can be saved
    bool ok() const { return message.isEmpty(); }
};
MemoryCheck checkMemory(QStringView memory);

// The two files' stored text as Save Personality writes it, each without the
// final CR LF that the file writer adds.
QString storedMemory(QStringView memory, QStringView matchWords, QStringView wontSay);
QString storedQandA(QStringView qandA);

// Save Personality: writes both substituted files, each whole into a
// temporary file first, and replaces the two only when both are complete, so
// that a failure leaves both old files. Returns an empty string on success,
// otherwise a message naming the file and the reason. Texts that checkSave()
// refuses write neither.
// The stamps, when given, receive the two files as written.
QString save(const QString &programFolder, const QString &name, const QString &memory,
             const QString &matchWords, const QString &wontSay, const QString &qandA,
             FileStamp *memoryStamp = nullptr, FileStamp *qandAStamp = nullptr);

} // namespace PersonalityFile
