// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Cuts a source text into facts for a knowledge base, one sentence each,
// keeping every character of the source but the separators between sentences.
//
// The full stop is the only sentence end, and a run of full stops ends one
// sentence together ("Wait..." is one sentence). The character after a
// sentence's end is left out when it is a space, tab, CR or LF, so with CR LF
// after a full stop the CR goes and the LF begins the next sentence; any other
// character begins the next sentence itself. Nothing is trimmed. The text
// after the last full stop (the whole text when it has none) is the last
// sentence, unless it is empty or white space only.
//
// The splitter keeps a shallow copy of the text, so it stays valid whatever
// happens to the string it was made from.
class SentenceSplitter
{
public:
    SentenceSplitter() = default;
    explicit SentenceSplitter(const QString &text);

    // The next sentence, or false when none remains. The view points into
    // text() and stays valid as long as the splitter does.
    bool next(QStringView *sentence);

    // Appends sentences, each followed by factEnd(), to *out until *out has
    // grown by at least minChars characters or no sentence remains. Always
    // appends at least one sentence when one remains. Returns how many it appended.
    qsizetype appendFacts(QString *out, qsizetype minChars);

    // True once no sentence remains.
    bool finished() const { return m_finished; }

    // Where the next sentence begins, 1-based (1 before the first sentence).
    qsizetype scanPosition() const { return m_scan + 1; }

    // True for the characters left out after a sentence's end.
    static bool isSeparator(QChar c);

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
    // used up, so the value reaches 100 early. An empty source (which yields no
    // sentence) gives 0 for an empty area and 100 otherwise instead of dividing
    // by zero.
    static int percentage(qsizetype areaLength, qsizetype dataLength);

private:
    QString m_text;
    qsizetype m_scan = 0; // 0-based: where the next sentence begins
    bool m_finished = false;
};
