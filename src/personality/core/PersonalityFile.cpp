// SPDX-License-Identifier: GPL-3.0-or-later
#include "PersonalityFile.h"

#include "Backups.h"
#include "Cp1252.h"
#include "SubstitutionTable.h"
#include "TextFile.h"
#include "Wildcard.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <algorithm>
#include <array>
#include <tuple>

namespace PersonalityFile {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kEmptyLine = QStringLiteral("\r\n\r\n");

// The memory file's layout: the memory text, then each section after an empty
// line and its marker line, then an empty line.
const QString kBeforeMatchWords = kEmptyLine + kMatchWordsMarker + kCrLf;
const QString kBeforeWontSay = kEmptyLine + kWontSayMarker + kCrLf;

// Where needle first stands in text at or after from, or -1. The general
// search costs tens of instructions a character on a text of line breaks,
// which a memory file of line-break characters decodes to; the markers hold a
// character that ordinary text seldom does, and a search for one character
// alone runs through the text many characters at a time.
qsizetype find(QStringView text, QStringView needle, qsizetype from = 0)
{
    qsizetype key = 0;
    while (key < needle.size() &&
           (needle.at(key) == QLatin1Char('\r') || needle.at(key) == QLatin1Char('\n')))
        ++key;
    if (key == needle.size())
        return text.indexOf(needle, from);
    const QChar keyChar = needle.at(key);
    for (qsizetype at = text.indexOf(keyChar, from + key); at >= 0; at = text.indexOf(keyChar, at + 1)) {
        const qsizetype start = at - key;
        if (start + needle.size() > text.size())
            return -1;
        if (text.mid(start, needle.size()) == needle)
            return start;
    }
    return -1;
}

// The part of text from `from` on, `length` characters, in text's own buffer:
// a part of a large file is itself large, and a fresh buffer for it costs more
// than moving it to the buffer's front.
QString keptPart(QString &&text, qsizetype from, qsizetype length)
{
    QString part = std::move(text);
    text = QString();
    part.truncate(from + length);
    part.remove(0, from);
    return part;
}

// The texts of a load from the two files as decoded.
Texts textsOf(QString memory, QString qandA)
{
    MemorySplit split = splitMemory(std::move(memory));
    Texts texts;
    texts.memory = std::move(split.memory);
    texts.matchWords = std::move(split.matchWords);
    texts.wontSay = std::move(split.wontSay);
    texts.qandA = qandAText(std::move(qandA));
    return texts;
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
    std::sort(entries.begin(), entries.end(), entryBefore);
    return entries;
}

bool entryBefore(const QString &a, const QString &b)
{
    // The system's collation is no help here: in the C locale it compares
    // codes, capitals first, and numbers digit by digit.
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            // Runs of digits by their value: without leading zeros, the
            // longer run is the larger number.
            while (i < a.size() && a.at(i) == QLatin1Char('0'))
                ++i;
            while (j < b.size() && b.at(j) == QLatin1Char('0'))
                ++j;
            qsizetype endA = i, endB = j;
            while (endA < a.size() && a.at(endA).isDigit())
                ++endA;
            while (endB < b.size() && b.at(endB).isDigit())
                ++endB;
            if (endA - i != endB - j)
                return endA - i < endB - j;
            const int order = QStringView(a).mid(i, endA - i).compare(QStringView(b).mid(j, endB - j));
            if (order != 0)
                return order < 0;
            i = endA;
            j = endB;
            continue;
        }
        const QChar x = a.at(i).toCaseFolded(), y = b.at(j).toCaseFolded();
        if (x != y)
            return x < y;
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return a.size() - i < b.size() - j;
    return a < b;
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
    for (QStringView piece : memoryContentPieces(memory, matchWords, wontSay))
        content += piece;
    return content;
}

std::array<QStringView, 6> memoryContentPieces(QStringView memory, QStringView matchWords,
                                               QStringView wontSay)
{
    return {memory, kBeforeMatchWords, matchWords, kBeforeWontSay, wontSay, kEmptyLine};
}

bool takeOutSection(QString &memory, QString &section, QLatin1String marker, qsizetype *at)
{
    const QString markerLine = marker + kCrLf;
    const qsizetype start = find(memory, markerLine);
    if (start < 0)
        return false;
    if (at)
        *at = start;
    const qsizetype body = start + markerLine.size();
    const qsizetype emptyLine = memory.indexOf(kEmptyLine, start);
    // The section keeps the CR LF that ends its last line; the memory keeps
    // the second CR LF of the empty line.
    const qsizetype end = emptyLine < 0 ? memory.size() : emptyLine + kCrLf.size();
    if (end - body <= memory.size() - (end - start)) {
        section = memory.mid(body, end - body);
        memory.remove(start, end - start);
    } else {
        // The section is the larger part: it takes the buffer.
        QString rest;
        rest.reserve(memory.size() - (end - start));
        rest.append(QStringView(memory).left(start)).append(QStringView(memory).mid(end));
        section = keptPart(std::move(memory), body, end - body);
        memory = std::move(rest);
    }
    return true;
}

ReadResult read(const QString &programFolder, const QString &name)
{
    using Status = ReadResult::Status;
    ReadResult result;

    using SubstitutionTable::LineBreakStep;
    // Each file is decoded as it is read: a buffer for all of its bytes would
    // cost as much again as the decoding.
    const auto reading = [](QString &text, LineBreakStep step, const qint64 &size) {
        return [&text, step, &size](QByteArrayView piece) {
            if (text.capacity() == 0 && size > 0)
                text.reserve(step == LineBreakStep::Fold ? 2 * size : size);
            SubstitutionTable::appendDecoded(piece, step, text);
        };
    };
    QString memory;
    qint64 memorySize = 0;
    const QString memoryError = TextFile::readInPieces(memoryPath(programFolder, name),
                                                       reading(memory, LineBreakStep::Fold, memorySize),
                                                       &result.memoryStamp, &memorySize);
    if (!memoryError.isEmpty()) {
        result.status = Status::MemoryUnreadable;
        result.error = memoryError;
        result.memoryStamp = FileStamp();
        return result;
    }
    // The room kept for line-break characters that the file did not hold
    // goes back; the pages never touched cost nothing until then.
    memory.squeeze();

    const QString qandAName = qandAPath(programFolder, name);
    QFile qandAFile(qandAName);
    if (!qandAFile.open(QIODevice::ReadOnly)) {
        result.status = Status::QandAMissing;
        result.error = qandAFile.errorString();
        result.memoryStamp = FileStamp();
        return result;
    }
    QString qandA;
    const qint64 qandASize = qandAFile.size();
    const QString qandAError = TextFile::readInPieces(
        qandAFile, qandAName, reading(qandA, LineBreakStep::None, qandASize), &result.qandAStamp);
    if (!qandAError.isEmpty()) {
        result.status = Status::QandAUnreadable;
        result.error = qandAError;
        result.memoryStamp = FileStamp();
        result.qandAStamp = FileStamp();
        return result;
    }

    result.texts = textsOf(std::move(memory), std::move(qandA));
    return result;
}

MemorySplit splitMemory(QString decoded)
{
    MemorySplit split;
    // The writer's layout: memory, the two sections after their separators,
    // an empty line, the file's CR LF. The memory text holds no marker (Save
    // Personality refuses one), so the first "* MatchWords:" separator is the
    // writer's; the MatchWords body never holds the "* WontSay:" separator
    // (a load never gives one such a body), so its first one is the writer's.
    const QStringView file(decoded);
    if (file.endsWith(kCrLf) && file.chopped(2).endsWith(kEmptyLine)) {
        const QStringView content = file.chopped(2 + kEmptyLine.size());
        const qsizetype matchWords = find(content, kBeforeMatchWords);
        const qsizetype matchBody = matchWords + kBeforeMatchWords.size();
        const qsizetype wontSay = matchWords < 0 ? -1 : find(content, kBeforeWontSay, matchBody);
        if (wontSay >= 0 && checkMemory(content.left(matchWords)).ok()) {
            // The largest of the three texts takes the decoded text's buffer;
            // the others are copied out of it first.
            const qsizetype wontSayBody = wontSay + kBeforeWontSay.size();
            const std::array<std::tuple<QString *, qsizetype, qsizetype>, 3> parts = {{
                {&split.memory, 0, matchWords},
                {&split.matchWords, matchBody, wontSay - matchBody},
                {&split.wontSay, wontSayBody, content.size() - wontSayBody},
            }};
            const auto largest =
                std::max_element(parts.begin(), parts.end(), [](const auto &a, const auto &b) {
                    return std::get<2>(a) < std::get<2>(b);
                });
            for (auto part = parts.begin(); part != parts.end(); ++part) {
                if (part != largest)
                    *std::get<0>(*part) = content.mid(std::get<1>(*part), std::get<2>(*part)).toString();
            }
            *std::get<0>(*largest) =
                keptPart(std::move(decoded), std::get<1>(*largest), std::get<2>(*largest));
            split.writerLayout = true;
            return split;
        }
    }
    split.memory = std::move(decoded);
    takeOutSection(split.memory, split.matchWords, kMatchWordsMarker);
    takeOutSection(split.memory, split.wontSay, kWontSayMarker);
    return split;
}

QString qandAText(QString decoded)
{
    if (decoded.endsWith(kCrLf))
        decoded.chop(2);
    return decoded;
}

Texts fromFileText(QStringView memoryFile, QStringView qandAFile)
{
    using SubstitutionTable::LineBreakStep;
    return textsOf(SubstitutionTable::decode(memoryFile, LineBreakStep::Fold),
                   SubstitutionTable::decode(qandAFile, LineBreakStep::None));
}

Texts fromFileBytes(const QByteArray &memoryFile, const QByteArray &qandAFile)
{
    using SubstitutionTable::LineBreakStep;
    return textsOf(SubstitutionTable::decodeFile(memoryFile, LineBreakStep::Fold),
                   SubstitutionTable::decodeFile(qandAFile, LineBreakStep::None));
}

// The file's final CR LF is appended to the stored text itself: a sum of the
// two would copy the whole text once more.
QString memoryFileText(const Texts &texts)
{
    QString text = storedMemory(texts.memory, texts.matchWords, texts.wontSay);
    text += kCrLf;
    return text;
}

QString qandAFileText(const Texts &texts)
{
    QString text = storedQandA(texts.qandA);
    text += kCrLf;
    return text;
}

namespace {

// Whether the load would take a marker starting at i of the memory text: its
// characters as they come back, then a line break, which is a CR LF, the
// line-break character, or the end of the text (the file's layout puts a
// CR LF there).
bool markerAt(QStringView memory, qsizetype i, QLatin1String marker)
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

MemoryCheck checkMemory(QStringView memory)
{
    MemoryCheck check;
    // A marker that starts within the memory text comes before the real
    // section's marker, so the load takes it.
    // Every character from 256 on comes back as itself.
    static const std::array<bool, 256> comesBackAsStar = [] {
        std::array<bool, 256> table{};
        for (char16_t c = 0; c < 256; ++c)
            table[c] = SubstitutionTable::comesBackAs(c) == u'*';
        return table;
    }();
    qsizetype found = -1;
    QLatin1String marker;
    for (qsizetype i = 0; i < memory.size() && found < 0; ++i) {
        const char16_t c = memory.at(i).unicode();
        if (c >= 256 || !comesBackAsStar[c])
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
    check.lineText = memory.mid(lineStart, lineEnd - lineStart).toString();
    check.marker = marker;
    check.message =
        QCoreApplication::translate(
            "PersonalityFile", "Line %1 of the memory text reads \"%2\". The next load would take it for "
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

namespace {

// The first character of text that a save cannot store as itself: one the
// code page lacks, or one the table gives back as another.
SaveCheck unstorableCharacter(QStringView text, SaveCheck::Text which, SubstitutionTable::LineBreakStep step,
                              const QString &path)
{
    // The characters below 256 that pass every rule below, for each step: the
    // rules cost a few calls a character, and a text is mostly these.
    static const std::array<std::array<bool, 256>, 2> passes = [] {
        std::array<std::array<bool, 256>, 2> tables{};
        for (char16_t c = 0; c < 256; ++c) {
            const bool plain = Cp1252::canStore(QChar(c)) && SubstitutionTable::comesBackAs(c) == c;
            tables[0][c] = plain;
            tables[1][c] = plain && c != SubstitutionTable::kLineBreak;
        }
        return tables;
    }();
    const auto &passing = passes[step == SubstitutionTable::LineBreakStep::Fold ? 1 : 0];
    SaveCheck check;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 256 && passing[c.unicode()])
            continue;
        QString why;
        if (!Cp1252::canStore(c)) {
            why = QCoreApplication::translate("PersonalityFile", "which an 8-bit text file cannot store");
        } else if (step == SubstitutionTable::LineBreakStep::Fold &&
                   c == QChar(SubstitutionTable::kLineBreak)) {
            why = QCoreApplication::translate(
                "PersonalityFile",
                "which the memory file uses for a line break: it would come back as a line break");
        } else if (SubstitutionTable::comesBackAs(c.unicode()) != c.unicode()) {
            why = QCoreApplication::translate(
                      "PersonalityFile",
                      "which the personality's files use for \"%1\": it would come back as \"%1\"")
                      .arg(QChar(SubstitutionTable::comesBackAs(c.unicode())));
        } else {
            continue;
        }
        check.text = which;
        check.position = i;
        check.length = c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        check.message =
            QCoreApplication::translate(
                "PersonalityFile", "\"%1\" was not written: the text holds the character %2, %3. Remove or "
                                   "replace it and save again.")
                .arg(QDir::toNativeSeparators(path), Cp1252::describeAt(text, i), why);
        return check;
    }
    return check;
}

} // namespace

namespace {

// Whether the first place find() finds separator in text followed by
// separator is where that separator starts.
bool separatorFirstAfter(QStringView text, QStringView separator)
{
    if (find(text, separator) >= 0)
        return false;
    // One that starts within the text's last characters and runs on into the separator.
    QString tail = text.right(separator.size() - 1).toString();
    const qsizetype separatorAt = tail.size();
    tail += separator;
    return find(tail, separator) == separatorAt;
}

// Whether a load of the bytes that the writer made of texts gives the texts
// back. The decoded files are compared with the writer's layout without
// building them, and splitMemory()'s reading of that layout is followed on the
// texts themselves; what this does not settle goes through the load itself.
bool loadGivesBack(const Texts &texts, const QByteArray &memoryBytes, const QByteArray &qandABytes)
{
    using SubstitutionTable::LineBreakStep;
    // qandAText() drops the file's final CR LF; CR and LF are bytes of their own.
    const QByteArrayView qandA(qandABytes);
    const bool qandAEndsInCrLf = qandA.endsWith("\r\n");
    const bool qandABack = SubstitutionTable::decodesTo(qandAEndsInCrLf ? qandA.chopped(2) : qandA,
                                                        LineBreakStep::None, {texts.qandA});
    if (!qandABack)
        return false;
    // The writer's layout and its CR LF, which splitMemory() takes apart at
    // the first separators.
    const bool writerLayout =
        SubstitutionTable::decodesTo(memoryBytes, LineBreakStep::Fold,
                                     {texts.memory, kBeforeMatchWords, texts.matchWords, kBeforeWontSay,
                                      texts.wontSay, kEmptyLine, kCrLf}) &&
        separatorFirstAfter(texts.memory, kBeforeMatchWords) &&
        separatorFirstAfter(texts.matchWords, kBeforeWontSay) && checkMemory(texts.memory).ok();
    if (writerLayout)
        return true;
    return fromFileBytes(memoryBytes, qandABytes) == texts;
}

} // namespace

SaveCheck checkSave(const Texts &texts, const QString &memoryName, const QString &qandAName)
{
    using SubstitutionTable::LineBreakStep;
    using Text = SaveCheck::Text;
    SaveCheck check = unstorableCharacter(texts.memory, Text::Memory, LineBreakStep::Fold, memoryName);
    if (!check.ok())
        return check;
    const MemoryCheck marker = checkMemory(texts.memory);
    if (!marker.ok()) {
        check.text = Text::Memory;
        check.position = marker.position;
        check.length = marker.lineText.size();
        check.message = marker.message;
        return check;
    }
    for (const auto &[text, which, step, path] :
         {std::tuple{&texts.qandA, Text::QandA, LineBreakStep::None, &qandAName},
          std::tuple{&texts.matchWords, Text::MatchWords, LineBreakStep::Fold, &memoryName},
          std::tuple{&texts.wontSay, Text::WontSay, LineBreakStep::Fold, &memoryName}}) {
        check = unstorableCharacter(*text, which, step, *path);
        if (!check.ok())
            return check;
    }
    // The verdict of the load itself, for whatever the rules above miss, on
    // the very bytes the save writes.
    QByteArray memoryBytes, qandABytes;
    const bool encoded = SubstitutionTable::encodeFile({texts.memory, kBeforeMatchWords, texts.matchWords,
                                                        kBeforeWontSay, texts.wontSay, kEmptyLine},
                                                       LineBreakStep::Fold, &memoryBytes) &&
                         SubstitutionTable::encodeFile({texts.qandA}, LineBreakStep::None, &qandABytes);
    if (!encoded || !loadGivesBack(texts, memoryBytes, qandABytes)) {
        check.text = Text::Memory;
        check.message =
            QCoreApplication::translate(
                "PersonalityFile", "\"%1\" was not written: the next load would not give these texts back "
                                   "as they are. Nothing was written.")
                .arg(QDir::toNativeSeparators(memoryName));
        return check;
    }
    check.memoryBytes = std::move(memoryBytes);
    check.qandABytes = std::move(qandABytes);
    return check;
}

QString save(const QString &programFolder, const QString &name, const QString &memory,
             const QString &matchWords, const QString &wontSay, const QString &qandA, FileStamp *memoryStamp,
             FileStamp *qandAStamp)
{
    const QString qandAName = qandAPath(programFolder, name);
    const QString memoryName = memoryPath(programFolder, name);
    const Texts texts{memory, matchWords, wontSay, qandA};

    // Both texts are checked before either file is written, so that a
    // personality is never saved by halves.
    const SaveCheck check = checkSave(texts, memoryName, qandAName);
    if (!check.ok())
        return check.message + QCoreApplication::translate("PersonalityFile",
                                                           "\nNeither file of the Personality was written.");

    const QByteArray &qandABytes = check.qandABytes;
    const QByteArray &memoryBytes = check.memoryBytes;
    // The versions these replace go to the backups first; an unchanged file
    // gets none.
    Backups::keep(qandAName, qandABytes);
    Backups::keep(memoryName, memoryBytes);
    const QString error = TextFile::writeAll({{qandAName, qandABytes}, {memoryName, memoryBytes}});
    if (!error.isEmpty())
        return error + QCoreApplication::translate("PersonalityFile",
                                                   "\nBoth files of the Personality are as they were.");
    if (memoryStamp)
        *memoryStamp = FileStamp::of(memoryName, memoryBytes);
    if (qandAStamp)
        *qandAStamp = FileStamp::of(qandAName, qandABytes);
    return QString();
}

} // namespace PersonalityFile
