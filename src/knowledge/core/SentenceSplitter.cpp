// SPDX-License-Identifier: GPL-3.0-or-later
#include "SentenceSplitter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr QChar kParagraphEnd = QLatin1Char('\n');

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool isBlank(QChar c)
{
    return c.isSpace() || c.isNull();
}

} // namespace

SentenceSplitter::SentenceSplitter(const QString &text)
{
    m_text = paragraphs(text, &m_drops);
}

QString SentenceSplitter::paragraphs(QStringView source, qsizetype *drops)
{
    QString out;
    out.reserve(source.size());
    qsizetype nuls = 0;
    bool written = false;   // a line with text was written
    bool paragraph = false; // an empty line followed it
    const qsizetype size = source.size();
    qsizetype from = 0;
    while (from <= size) {
        qsizetype end = from;
        bool blank = true;
        while (end < size && !isLineEnd(source.at(end))) {
            blank = blank && isBlank(source.at(end));
            ++end;
        }
        const QStringView line = source.mid(from, end - from);
        if (blank) {
            nuls += line.count(QChar(0));
            paragraph = paragraph || written;
        } else {
            if (written)
                out += paragraph ? kParagraphEnd : QLatin1Char(' ');
            // The line in one piece between NULs, not a character at a time.
            qsizetype piece = 0;
            for (qsizetype nul = line.indexOf(QChar(0)); nul >= 0; nul = line.indexOf(QChar(0), piece)) {
                out += line.mid(piece, nul - piece);
                ++nuls;
                piece = nul + 1;
            }
            out += line.mid(piece);
            written = true;
            paragraph = false;
        }
        if (end == size)
            break;
        from = end + (source.at(end) == QLatin1Char('\r') && end + 1 < size &&
                              source.at(end + 1) == QLatin1Char('\n')
                          ? 2
                          : 1);
    }
    if (drops)
        *drops = nuls;
    return out;
}

bool SentenceSplitter::isSeparator(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == kParagraphEnd;
}

bool SentenceSplitter::next(QStringView *sentence)
{
    const qsizetype size = m_text.size();
    while (!m_finished) {
        qsizetype i = m_scan;
        qsizetype stop = -1; // the end of a sentence ended by full stops
        while (i < size && m_text.at(i) != kParagraphEnd) {
            if (m_text.at(i) != QLatin1Char('.')) {
                ++i;
                continue;
            }
            qsizetype end = i + 1;
            while (end < size && m_text.at(end) == QLatin1Char('.'))
                ++end;
            // "fsf.org", "3.14": no end, the sentence goes on.
            if (end < size && m_text.at(end).isLetterOrNumber()) {
                i = end;
                continue;
            }
            stop = end;
            break;
        }
        if (stop >= 0) {
            *sentence = QStringView(m_text).mid(m_scan, stop - m_scan);
            m_scan = stop < size && isSeparator(m_text.at(stop)) ? stop + 1 : stop;
            return true;
        }
        // The end of a paragraph, or of the text: what is left of it is a
        // sentence unless only white space is.
        const QStringView rest = QStringView(m_text).mid(m_scan, i - m_scan);
        m_finished = i == size;
        m_scan = m_finished ? size : i + 1;
        if (!std::all_of(rest.begin(), rest.end(), [](QChar c) { return c.isSpace(); })) {
            *sentence = rest;
            return true;
        }
    }
    return false;
}

qsizetype SentenceSplitter::appendFacts(QString *out, qsizetype minChars)
{
    static const QString end = factEnd();
    const qsizetype target = out->size() + qMax<qsizetype>(minChars, 1);
    qsizetype count = 0;
    QStringView sentence;
    // The facts are written into room made ahead, not appended one by one: a
    // text of short sentences would spend most of its time in the appends.
    qsizetype used = out->size();
    while (used < target && next(&sentence)) {
        const qsizetype needed = used + sentence.size() + end.size();
        if (needed > out->size())
            out->resize(std::max(needed, 2 * out->size()));
        QChar *const dst = out->data() + used;
        std::copy(sentence.begin(), sentence.end(), dst);
        std::copy(end.begin(), end.end(), dst + sentence.size());
        used = needed;
        ++count;
    }
    out->truncate(used);
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
