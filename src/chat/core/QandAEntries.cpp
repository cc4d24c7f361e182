// SPDX-License-Identifier: GPL-3.0-or-later
#include "QandAEntries.h"

namespace QandAEntries {
namespace {

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Whether the "#" at position starts an entry: the first thing on its line,
// or the first thing after the "%" that closed an entry.
bool startsEntry(QStringView text, qsizetype position, qsizetype closedAt)
{
    qsizetype i = position;
    while (i > 0 && (text[i - 1] == QLatin1Char(' ') || text[i - 1] == QLatin1Char('\t')))
        --i;
    return i == 0 || isLineEnd(text[i - 1]) || i - 1 == closedAt;
}

} // namespace

QList<QandAEntry> read(QStringView text)
{
    QList<QandAEntry> entries;
    qsizetype line = 1;
    qsizetype closedAt = -1; // where the "%" of the last closed entry stands
    qsizetype i = 0;
    const qsizetype size = text.size();
    const auto countLineEnd = [&](qsizetype at) {
        // CR LF, a lone CR and a lone LF each end one line.
        if (text[at] == QLatin1Char('\n') || at + 1 >= size || text[at + 1] != QLatin1Char('\n'))
            ++line;
    };
    while (i < size) {
        if (text[i] != QLatin1Char('#') || !startsEntry(text, i, closedAt)) {
            if (isLineEnd(text[i]))
                countLineEnd(i);
            ++i;
            continue;
        }
        QandAEntry entry;
        entry.position = i;
        entry.line = line;
        enum { Question, Answer } part = Question;
        qsizetype partStart = i + 1;
        qsizetype j = i + 1;
        for (; j < size; ++j) {
            const QChar c = text[j];
            if (c == QLatin1Char('#') && startsEntry(text, j, closedAt))
                break;
            if (part == Question && c == QLatin1Char('&')) {
                entry.question = text.mid(partStart, j - partStart).toString();
                entry.hasAmpersand = true;
                part = Answer;
                partStart = j + 1;
            } else if (part == Answer && c == QLatin1Char('%')) {
                entry.hasPercent = true;
                break;
            } else if (isLineEnd(c)) {
                countLineEnd(j);
            }
        }
        // The text a stopped entry leaves behind it (its line end, the
        // spaces before the next entry) belongs to neither.
        qsizetype partEnd = j;
        if (!entry.hasPercent) {
            while (partEnd > partStart && text[partEnd - 1].isSpace())
                --partEnd;
        }
        const QString rest = text.mid(partStart, partEnd - partStart).toString();
        if (part == Question)
            entry.question = rest;
        else
            entry.answer = rest;
        if (entry.hasPercent) {
            closedAt = j;
            ++j;
        }
        entry.length = (entry.hasPercent ? j : partEnd) - i;
        entries << entry;
        i = j;
    }
    return entries;
}

} // namespace QandAEntries
