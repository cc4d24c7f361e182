// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringList>

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
// name matches "*.mem*", in the order the directory lists them, unsorted.
QStringList list(const QString &programFolder);

// A listed file's entry: its name without the last four characters.
QString listEntry(const QString &fileName);

// The decoded memory file: memory, the two sections, each part followed by an
// empty line. Save Personality As... writes exactly this.
QString memoryContent(QStringView memory, QStringView matchWords, QStringView wontSay);

// Takes the section that starts with the line `marker` out of memory into
// section: its lines up to the next empty line (or to the end of the text),
// the marker line with them. Returns false, changing nothing, when no line
// consists of the marker followed by CR LF.
bool takeOutSection(QString &memory, QString &section, QLatin1String marker);

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
    QString memory; // decoded, sections still in it
    QString qandA;  // decoded
};

// Reads and decodes both files of the personality `name`. Either stored form of
// the memory file is accepted: substituted (one line) or plain.
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
MemoryCheck checkMemory(const QString &memory);

// The two files' stored text as Save Personality writes it, each without the
// final CR LF that the file writer adds.
QString storedMemory(QStringView memory, QStringView matchWords, QStringView wontSay);
QString storedQandA(QStringView qandA);

// Save Personality: writes the substituted .qas file, then the substituted
// .mem file. Returns an empty string on success, otherwise a message naming the
// file and the reason. A text that the code page cannot store writes neither.
QString save(const QString &programFolder, const QString &name, const QString &memory,
             const QString &matchWords, const QString &wontSay, const QString &qandA);

} // namespace PersonalityFile
