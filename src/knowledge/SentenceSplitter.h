#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Cuts a source text into facts for a knowledge base, one sentence each.
//
// The full stop is the only sentence end. The scan starts at the first
// character; every later sentence leaves out the one character that follows
// the previous full stop (normally a space, or the CR of a CR LF) and runs
// through the next full stop. Nothing is trimmed, and text after the last full
// stop is never yielded. Two full stops in a row give an empty sentence.
//
// The splitter keeps a shallow copy of the text, so it stays valid whatever
// happens to the string it was made from.
class SentenceSplitter
{
public:
    SentenceSplitter() = default;
    explicit SentenceSplitter(const QString &text);

    // The next sentence, or false when no full stop remains at or after the
    // scan position. The view points into text() and stays valid as long as the
    // splitter does.
    bool next(QStringView *sentence);

    // Appends sentences, each followed by factEnd(), to *out until *out has
    // grown by at least minChars characters or no sentence remains. Always
    // appends at least one sentence when one remains. Returns how many it appended.
    qsizetype appendFacts(QString *out, qsizetype minChars);

    // True once next() has found no further full stop.
    bool finished() const { return m_finished; }

    // Where the search for the next full stop begins, 1-based (1 before the first sentence).
    qsizetype scanPosition() const { return m_scan + 1; }

    const QString &text() const { return m_text; }

    // Every sentence of text, in order.
    static QStringList sentences(const QString &text);

    // The knowledge base text the split builds from text: every sentence
    // followed by factEnd().
    static QString facts(const QString &text);

    // CR LF CR LF: what follows every fact, so that facts are paragraphs
    // separated by one empty line.
    static QString factEnd();

    // Progress of a split: areaLength / (dataLength / 100) in floating point,
    // rounded down and capped at 100. The output grows faster than the input is
    // used up, so the value reaches 100 early. An empty source (which cannot
    // yield a sentence) gives 0 for an empty area and 100 otherwise instead of
    // dividing by zero.
    static int percentage(qsizetype areaLength, qsizetype dataLength);

private:
    QString m_text;
    qsizetype m_scan = 0; // 0-based
    bool m_finished = false;
};
