#include "SentenceSplitter.h"

#include <cmath>
#include <limits>

SentenceSplitter::SentenceSplitter(const QString &text) : m_text(text) {}

bool SentenceSplitter::next(QStringView *sentence)
{
    if (m_finished)
        return false;
    const qsizetype stop = m_text.indexOf(QLatin1Char('.'), m_scan);
    if (stop < 0) {
        m_finished = true;
        return false;
    }
    // The first sentence starts at the first character; every later one
    // skips the character at the scan position, the one after the previous
    // full stop. When that character is itself the full stop found, the
    // sentence is empty.
    const qsizetype start = m_scan == 0 ? 0 : m_scan + 1;
    *sentence = QStringView(m_text).mid(start, stop + 1 - start);
    m_scan = stop + 1;
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
    // adds four line-end characters.
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
