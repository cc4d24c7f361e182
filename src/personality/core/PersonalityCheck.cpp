// SPDX-License-Identifier: GPL-3.0-or-later
#include "PersonalityCheck.h"

#include "Cp1252.h"
#include "PersonalityFile.h"
#include "SubstitutionTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace PersonalityCheck {
namespace {

using FileCheck::Finding;
using SubstitutionTable::LineBreakStep;

QString tr(const char *text)
{
    return QCoreApplication::translate("PersonalityCheck", text);
}

// The texts of a decoded memory file, as a load leaves them, and the way back
// from the memory text's positions to the decoded file's.
class MemoryText
{
public:
    explicit MemoryText(const QString &decoded) : m_split(PersonalityFile::splitMemory(decoded))
    {
        // In the writer's layout the memory text is the file's beginning;
        // otherwise the sections were cut out where their markers stood.
        if (m_split.writerLayout)
            return;
        QString text = decoded;
        QString section;
        for (QLatin1String marker : {PersonalityFile::kMatchWordsMarker, PersonalityFile::kWontSayMarker}) {
            const qsizetype before = text.size();
            qsizetype start = 0;
            if (PersonalityFile::takeOutSection(text, section, marker, &start))
                m_cuts.append({start, before - text.size()});
        }
    }

    const QString &text() const { return m_split.memory; }
    const PersonalityFile::MemorySplit &split() const { return m_split; }

    // The position in the decoded file of the memory text's character at position.
    qsizetype inFile(qsizetype position) const
    {
        for (auto cut = m_cuts.crbegin(); cut != m_cuts.crend(); ++cut) {
            if (position >= cut->first)
                position += cut->second;
        }
        return position;
    }

private:
    PersonalityFile::MemorySplit m_split;
    QList<std::pair<qsizetype, qsizetype>> m_cuts; // where each section was cut out, and its length
};

// Where the file's characters (its bytes through the code page) and the
// pieces of b, taken as one text, first differ, or -1 when they are equal.
qsizetype firstDifference(QByteArrayView file, std::initializer_list<QStringView> b)
{
    const auto &characters = Cp1252::characters();
    qsizetype offset = 0;
    for (QStringView piece : b) {
        const qsizetype common = std::min(piece.size(), file.size() - offset);
        for (qsizetype i = 0; i < common; ++i) {
            if (characters[static_cast<unsigned char>(file[offset + i])] != piece.at(i).unicode())
                return offset + i;
        }
        if (common < piece.size())
            return offset + common;
        offset += piece.size();
    }
    return offset == file.size() ? -1 : offset;
}

// Where two files' bytes first differ, or -1 when they are equal.
qsizetype firstDifference(QByteArrayView a, QByteArrayView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    const auto mismatch = std::mismatch(a.begin(), a.begin() + common, b.begin());
    const qsizetype at = mismatch.first - a.begin();
    if (at < common)
        return at;
    return a.size() == b.size() ? -1 : common;
}

// The finding when neither writer (the stored form of Save Personality, given
// as its bytes, and the plain one of the exports, given in pieces so that it
// need not be joined) gives the file back as it is, at the line where the
// file and the closer of the two part. The code page gives each byte one
// character, so a byte's place is its character's.
QList<Finding> comesBackChanged(const QByteArray &file, const QByteArray &stored,
                                std::initializer_list<QStringView> plain, const FileCheck::Lines &lines,
                                LineBreakStep step)
{
    const qsizetype fromStored = firstDifference(file, stored);
    const qsizetype fromPlain = firstDifference(file, plain);
    if (fromStored < 0 || fromPlain < 0)
        return {};
    const qsizetype at = std::max(fromStored, fromPlain);
    // The length of the decoded text in front of at, without decoding it: the
    // decoding turns each line-break character into two.
    const qsizetype inDecoded =
        at + (step == LineBreakStep::Fold
                  ? file.left(at).count(char(Cp1252::bytesOf()[SubstitutionTable::kLineBreak]))
                  : 0);
    return {Finding{lines.lineOf(inDecoded), tr("a load and a save would not give this file back as "
                                                "it is: it changes from this line on")}};
}

QString quoted(QStringView text)
{
    constexpr qsizetype shownLength = 40;
    if (text.size() <= shownLength)
        return QLatin1Char('"') + text.toString() + QLatin1Char('"');
    return QLatin1Char('"') + text.left(shownLength).trimmed().toString() + QStringLiteral("...\"");
}

} // namespace

QList<Finding> checkMemory(const QByteArray &bytes)
{
    const QString decoded = SubstitutionTable::decodeFile(bytes, LineBreakStep::Fold);
    const FileCheck::Lines lines(decoded);
    QList<Finding> findings = FileCheck::codePage(bytes, decoded, lines);

    // Only the memory text passes through the text area; the sections are
    // carried as they are.
    const MemoryText memory(decoded);
    findings += FileCheck::loneCarriageReturns(memory.text(), lines,
                                               [&memory](qsizetype at) { return memory.inFile(at); });

    // What Save Personality would refuse, by the editor's own check.
    const PersonalityFile::Texts texts{memory.text(), memory.split().matchWords, memory.split().wontSay,
                                       QString()};
    // Save Personality's own check, which loads what it would write, is
    // needed only when the memory text holds no marker.
    const PersonalityFile::MemoryCheck check = PersonalityFile::checkMemory(memory.text());
    if (!check.ok()) {
        findings << Finding{lines.lineOf(memory.inFile(check.position)),
                            tr("the memory text holds \"%1\": after a save, the next load takes "
                               "it for the start of that section")
                                .arg(check.marker)};
    } else if (const PersonalityFile::SaveCheck save =
                   PersonalityFile::checkSave(texts, QString(), QString());
               !save.ok()) {
        findings << Finding{0, tr("Save Personality would refuse the texts of this file")};
    } else {
        // The check hands back the bytes the save would write.
        const auto plain =
            PersonalityFile::memoryContentPieces(texts.memory, texts.matchWords, texts.wontSay);
        findings += comesBackChanged(bytes, save.memoryBytes,
                                     {plain[0], plain[1], plain[2], plain[3], plain[4], plain[5], u"\r\n"},
                                     lines, LineBreakStep::Fold);
    }
    return FileCheck::inLineOrder(findings);
}

QList<Finding> checkQandA(const QByteArray &bytes)
{
    const QString text = SubstitutionTable::decodeFile(bytes, LineBreakStep::None);
    const FileCheck::Lines lines(text);
    QList<Finding> findings = FileCheck::codePage(bytes, text, lines);
    findings += FileCheck::loneCarriageReturns(text, lines);
    // The text a load gives is the file without its final CR LF (qandAText()),
    // so the file's own text stands for it here instead of two copies of it.
    const QString crLf = QStringLiteral("\r\n");
    const bool endsInCrLf = text.endsWith(crLf);
    const QStringView qandA = endsInCrLf ? QStringView(text).chopped(2) : QStringView(text);
    // Every character of a decoded file has its byte.
    QByteArray stored;
    SubstitutionTable::encodeFile({qandA}, LineBreakStep::None, &stored);
    findings += comesBackChanged(bytes, stored, {text, endsInCrLf ? QStringView() : QStringView(crLf)}, lines,
                                 LineBreakStep::None);

    // The editor writes an entry as one line: "#", the question, "&", the
    // answer, "%".
    FileCheck::OfAKind noAnswers, unclosed, noQuestions;
    // The lines are ended as Lines ends them, so the walk counts them itself.
    qsizetype lineNumber = 1;
    qsizetype start = 0;
    for (;; ++lineNumber) {
        qsizetype end = start;
        while (end < text.size() && text.at(end) != QLatin1Char('\r') && text.at(end) != QLatin1Char('\n'))
            ++end;
        const QStringView line = QStringView(text).mid(start, end - start);
        if (line.startsWith(QLatin1Char('#'))) {
            const qsizetype amp = line.indexOf(QLatin1Char('&'));
            const qsizetype percent = amp < 0 ? -1 : line.indexOf(QLatin1Char('%'), amp + 1);
            const QStringView question = line.mid(1, (amp < 0 ? line.size() : amp) - 1);
            const QStringView answer =
                amp < 0 ? QStringView() : line.mid(amp + 1, (percent < 0 ? line.size() : percent) - amp - 1);
            QString problem;
            if (answer.isEmpty()) {
                if (noAnswers.take(lineNumber))
                    problem = tr("the question %1 has no answer").arg(quoted(question));
            } else if (percent < 0) {
                if (unclosed.take(lineNumber))
                    problem = tr("the answer to %1 has no closing \"%\"").arg(quoted(question));
            } else if (question.isEmpty()) {
                if (noQuestions.take(lineNumber))
                    problem = tr("the answer %1 has no question").arg(quoted(answer));
            }
            if (!problem.isEmpty())
                findings << Finding{lineNumber, problem};
        }
        if (end >= text.size())
            break;
        start = end + (text.at(end) == QLatin1Char('\r') && end + 1 < text.size() &&
                               text.at(end + 1) == QLatin1Char('\n')
                           ? 2
                           : 1);
    }
    for (const FileCheck::OfAKind &kind : {noAnswers, unclosed, noQuestions})
        kind.finish(findings);
    return FileCheck::inLineOrder(findings);
}

FileCheck::Result checkMemoryFile(const QString &path)
{
    FileCheck::Result result = FileCheck::checkFile(path, checkMemory);
    if (!result.ok())
        return result;
    // The load looks for the name without its last four characters, then ".qas".
    const QString qandA = path.chopped(4) + QStringLiteral(".qas");
    if (!QFileInfo(qandA).isFile())
        result.findings.prepend(
            Finding{0, QCoreApplication::translate("PersonalityCheck",
                                                   "the question/answer file \"%1\" is missing, so "
                                                   "the personality does not load")
                           .arg(QFileInfo(qandA).fileName())});
    result.findings = FileCheck::inLineOrder(result.findings);
    return result;
}

FileCheck::Result checkQandAFile(const QString &path)
{
    return FileCheck::checkFile(path, checkQandA);
}

} // namespace PersonalityCheck
