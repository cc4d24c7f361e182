// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Cuts a source text into facts for a knowledge base, one sentence each. The
// facts hold no line break, so the knowledge base has CR LF line ends only,
// whatever line ends the source had.
//
// The source is read as hard-wrapped text, as books and web pages give it:
// lines are ended by CR LF, a lone CR or a lone LF, and a line holding only
// white space is empty. A line end within a paragraph becomes one space; an
// empty line (or several) ends the paragraph and the sentence with it, even
// without a full stop, so that a heading is a fact of its own. NUL characters
// are left out (drops() counts them). No other character changes.
//
// Within a paragraph, the full stop is the only sentence end, and a run of
// full stops ends one sentence together ("Wait..." is one sentence). A full
// stop directly followed by a letter or a digit ends nothing ("fsf.org",
// "3.14", "One.Two"). The character after a sentence's end is left out when it
// is a space or a tab (or the line end that became one); any other character
// begins the next sentence itself. Nothing is trimmed. The text after the last
// end of a paragraph is a sentence too, unless it is white space only.
//
// The splitter keeps its own copy of the text, so it stays valid whatever
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

    // Where the next sentence begins in text(), 1-based (1 before the first
    // sentence).
    qsizetype scanPosition() const { return m_scan + 1; }

    // The NUL characters of the source, which no fact holds.
    qsizetype drops() const { return m_drops; }

    // True for the characters left out after a sentence's end.
    static bool isSeparator(QChar c);

    // The source as the split reads it: its paragraphs one a line, ended by
    // LF, the lines within them joined by a space, without NUL characters.
    const QString &text() const { return m_text; }

    // text() of a source; *drops, when given, receives the NUL characters
    // left out.
    static QString paragraphs(QStringView source, qsizetype *drops = nullptr);

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
    qsizetype m_drops = 0;
    bool m_finished = false;
};
