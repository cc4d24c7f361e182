// SPDX-License-Identifier: GPL-3.0-or-later
#include "SentenceSplitter.h"

#include <algorithm>
#include <cmath>
#include <limits>

SentenceSplitter::SentenceSplitter(const QString &text) : m_text(text) {}

bool SentenceSplitter::isSeparator(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\n');
}

bool SentenceSplitter::next(QStringView *sentence)
{
    if (m_finished)
        return false;
    const qsizetype size = m_text.size();
    const qsizetype stop = m_text.indexOf(QLatin1Char('.'), m_scan);
    if (stop < 0) {
        // The rest of the text, unless only white space is left of it.
        m_finished = true;
        const QStringView tail = QStringView(m_text).mid(m_scan);
        if (std::all_of(tail.begin(), tail.end(), [](QChar c) { return c.isSpace(); }))
            return false;
        *sentence = tail;
        m_scan = size;
        return true;
    }
    qsizetype end = stop + 1;
    while (end < size && m_text.at(end) == QLatin1Char('.'))
        ++end;
    *sentence = QStringView(m_text).mid(m_scan, end - m_scan);
    m_scan = end < size && isSeparator(m_text.at(end)) ? end + 1 : end;
    return true;
}

qsizetype SentenceSplitter::appendFacts(QString *out, qsizetype minChars)
{
    static const QString end = factEnd();
    const qsizetype target = out->size() + qMax<qsizetype>(minChars, 1);
    qsizetype count = 0;
    QStringView sentence;
    while (out->size() < target && next(&sentence)) {
        out->append(sentence);
        out->append(end);
        ++count;
    }
    return count;
}

QStringList SentenceSplitter::sentences(const QString &text)
{
    SentenceSplitter splitter(text);
    QStringList result;
    QStringView sentence;
    while (splitter.next(&sentence))
        result.append(sentence.toString());
    return result;
}

QString SentenceSplitter::facts(const QString &text)
{
    SentenceSplitter splitter(text);
    QString result;
    // Every source character lands in at most one sentence, and each sentence
    // adds four line-end characters; an eighth more covers ordinary prose.
    result.reserve(text.size() + text.size() / 8);
    splitter.appendFacts(&result, std::numeric_limits<qsizetype>::max() / 2);
    return result;
}

QString SentenceSplitter::factEnd()
{
    return QStringLiteral("\r\n\r\n");
}

int SentenceSplitter::percentage(qsizetype areaLength, qsizetype dataLength)
{
    if (dataLength <= 0)
        return areaLength > 0 ? 100 : 0;
    const double value = std::floor(double(areaLength) / (double(dataLength) / 100.0));
    if (value > 100.0)
        return 100;
    return value < 0.0 ? 0 : int(value);
}
