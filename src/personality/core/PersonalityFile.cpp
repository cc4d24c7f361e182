// SPDX-License-Identifier: GPL-3.0-or-later
#include "PersonalityFile.h"

#include "Cp1252.h"
#include "SubstitutionTable.h"
#include "TextFile.h"
#include "Wildcard.h"

#include <QDirIterator>
#include <QFile>

namespace PersonalityFile {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kEmptyLine = QStringLiteral("\r\n\r\n");

// The memory file's layout: the memory text, then each section after an empty
// line and its marker line, then an empty line.
const QString kBeforeMatchWords = kEmptyLine + kMatchWordsMarker + kCrLf;
const QString kBeforeWontSay = kEmptyLine + kWontSayMarker + kCrLf;

// The message when a text holds a character the code page cannot store, or an
// empty string when both texts can be written.
QString unstorable(const QString &text, const QString &path)
{
    if (Cp1252::firstUnstorable(text) < 0)
        return QString();
    QByteArray unused;
    return TextFile::encodeForFile(text, &unused, path);
}

} // namespace

QString memoryPath(const QString &programFolder, const QString &name)
{
    return programFolder + name + QLatin1String(".mem");
}

QString qandAPath(const QString &programFolder, const QString &name)
{
    return programFolder + name + QLatin1String(".qas");
}

QStringList list(const QString &programFolder)
{
    QStringList entries;
    // Hidden files count: on some systems a name such as ".mem" is hidden by
    // its leading dot alone.
    QDirIterator it(programFolder, QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (Wildcard::match(name, u"*.mem*", Qt::CaseSensitive))
            entries << listEntry(name);
    }
    return entries;
}

QString listEntry(const QString &fileName)
{
    // Every listed name holds ".mem", so it has at least four characters; a
    // shorter one would give an empty entry, which loads nothing.
    return fileName.size() < 4 ? QString() : fileName.chopped(4);
}

QString memoryContent(QStringView memory, QStringView matchWords, QStringView wontSay)
{
    QString content;
    content.reserve(memory.size() + matchWords.size() + wontSay.size() + 40);
    for (QStringView piece : std::initializer_list<QStringView>{memory, kBeforeMatchWords, matchWords,
                                                                kBeforeWontSay, wontSay, kEmptyLine})
        content += piece;
    return content;
}

bool takeOutSection(QString &memory, QString &section, QLatin1String marker)
{
    const QString markerLine = marker + kCrLf;
    const qsizetype start = memory.indexOf(markerLine);
    if (start < 0)
        return false;
    const qsizetype body = start + markerLine.size();
    const qsizetype emptyLine = memory.indexOf(kEmptyLine, start);
    if (emptyLine < 0) {
        section = memory.mid(body);
        memory.truncate(start);
    } else {
        // The section keeps the CR LF that ends its last line; the memory keeps
        // the second CR LF of the empty line.
        const qsizetype end = emptyLine + kCrLf.size();
        section = memory.mid(body, end - body);
        memory.remove(start, end - start);
    }
    return true;
}

ReadResult read(const QString &programFolder, const QString &name)
{
    using Status = ReadResult::Status;
    ReadResult result;

    TextFile::ReadResult memory = TextFile::read(memoryPath(programFolder, name));
    if (!memory.ok()) {
        result.status = Status::MemoryUnreadable;
        result.error = memory.error;
        return result;
    }

    const QString qandAName = qandAPath(programFolder, name);
    QFile qandAFile(qandAName);
    if (!qandAFile.open(QIODevice::ReadOnly)) {
        result.status = Status::QandAMissing;
        result.error = qandAFile.errorString();
        return result;
    }
    TextFile::ReadResult qandA = TextFile::read(qandAFile, qandAName);
    if (!qandA.ok()) {
        result.status = Status::QandAUnreadable;
        result.error = qandA.error;
        return result;
    }

    using SubstitutionTable::LineBreakStep;
    result.memory = SubstitutionTable::decode(memory.text, LineBreakStep::Fold);
    memory.text.clear();
    result.qandA = SubstitutionTable::decode(qandA.text, LineBreakStep::None);
    return result;
}

namespace {

// Whether the load would take a marker starting at i of the memory text: its
// characters as they come back, then a line break, which is a CR LF, the
// line-break character, or the end of the text (the file's layout puts a
// CR LF there).
bool markerAt(const QString &memory, qsizetype i, QLatin1String marker)
{
    const qsizetype after = i + marker.size();
    if (after > memory.size())
        return false;
    for (qsizetype j = 0; j < marker.size(); ++j) {
        if (SubstitutionTable::comesBackAs(memory.at(i + j).unicode()) != char16_t(marker.at(j).unicode()))
            return false;
    }
    if (after == memory.size() || memory.at(after) == QChar(SubstitutionTable::kLineBreak))
        return true;
    return memory.at(after) == QLatin1Char('\r') && after + 1 < memory.size() &&
           memory.at(after + 1) == QLatin1Char('\n');
}

} // namespace

MemoryCheck checkMemory(const QString &memory)
{
    MemoryCheck check;
    // A marker that starts within the memory text comes before the real
    // section's marker, so the load takes it.
    qsizetype found = -1;
    QLatin1String marker;
    for (qsizetype i = 0; i < memory.size() && found < 0; ++i) {
        if (SubstitutionTable::comesBackAs(memory.at(i).unicode()) != u'*')
            continue;
        for (QLatin1String candidate : {kMatchWordsMarker, kWontSayMarker}) {
            if (markerAt(memory, i, candidate)) {
                found = i;
                marker = candidate;
                break;
            }
        }
    }
    if (found < 0)
        return check;

    // A CR LF pair, a lone CR and a lone LF each end a line, as in the text area.
    qsizetype line = 1;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < found; ++i) {
        const QChar c = memory.at(i);
        if (c == QLatin1Char('\n') ||
            (c == QLatin1Char('\r') && (i + 1 >= memory.size() || memory.at(i + 1) != QLatin1Char('\n')))) {
            ++line;
            lineStart = i + 1;
        }
    }
    qsizetype lineEnd = found;
    while (lineEnd < memory.size() && memory.at(lineEnd) != QLatin1Char('\r') &&
           memory.at(lineEnd) != QLatin1Char('\n'))
        ++lineEnd;

    check.line = line;
    check.position = lineStart;
    check.lineText = memory.mid(lineStart, lineEnd - lineStart);
    check.marker = marker;
    check.message = QStringLiteral("Line %1 of the memory text reads \"%2\". The next load would take it for "
                                   "the start of the \"%3\" section, and the words of that section would be "
                                   "lost. Change or remove that line and save again. Nothing was written.")
                        .arg(line)
                        .arg(check.lineText, marker);
    return check;
}

QString storedMemory(QStringView memory, QStringView matchWords, QStringView wontSay)
{
    // The layout of memoryContent(), encoded without building it first.
    return SubstitutionTable::encode(
        {memory, kBeforeMatchWords, matchWords, kBeforeWontSay, wontSay, kEmptyLine},
        SubstitutionTable::LineBreakStep::Fold);
}

QString storedQandA(QStringView qandA)
{
    return SubstitutionTable::encode(qandA, SubstitutionTable::LineBreakStep::None);
}

QString save(const QString &programFolder, const QString &name, const QString &memory,
             const QString &matchWords, const QString &wontSay, const QString &qandA)
{
    const QString qandAName = qandAPath(programFolder, name);
    const QString memoryName = memoryPath(programFolder, name);
    const QString storedQandAText = storedQandA(qandA);
    const QString storedMemoryText = storedMemory(memory, matchWords, wontSay);

    // Both texts are checked before either file is written, so that a
    // personality is never saved by halves.
    for (const auto &[text, path] :
         {std::pair{&storedQandAText, &qandAName}, std::pair{&storedMemoryText, &memoryName}}) {
        const QString error = unstorable(*text, *path);
        if (!error.isEmpty())
            return error + QStringLiteral("\nNeither file of the Personality was written.");
    }

    QString error = TextFile::writeWithBackup(qandAName, storedQandAText);
    if (!error.isEmpty())
        return error + QStringLiteral("\nNeither file of the Personality was written.");
    error = TextFile::writeWithBackup(memoryName, storedMemoryText);
    if (!error.isEmpty())
        return error + QStringLiteral("\nThe .qas file was written, the .mem file was not.");
    return QString();
}

} // namespace PersonalityFile
