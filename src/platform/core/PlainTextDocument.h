// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextDocument>

// The document behind a text area (a TextArea shows it): plain text whose line
// ends are CR LF, as the files hold them. What text() returns is exactly what
// setText()/appendText() put in, and textLength() counts a CR LF as two
// characters. Window-free, so that a document model can own the text its
// window shows, and no large text is copied per keystroke.
//
// Line ends inside the document: a CR LF is a paragraph break; a lone LF is
// kept as a line separator (U+2028, shown as a new line) and comes back as LF;
// a lone CR is shown as a new line and comes back as CR LF. Nothing else of a
// text changes.
//
// text() is cheap: the document keeps the text it was last given or last asked
// for, and notes where each edit falls, so a call after edits takes only the
// edited span from the document, and a caller may ask for it after every
// change notification.
class PlainTextDocument : public QTextDocument
{
    Q_OBJECT
public:
    explicit PlainTextDocument(QObject *parent = nullptr);

    QString text() const;
    // Replaces the whole text; the undo history starts afresh.
    void setText(const QString &text);
    // Appends at the end without rebuilding the document.
    void appendText(const QString &text);

    qsizetype textLength() const;

    // The document's raw text (paragraph and line separators) as the text's
    // own CR LF and LF line ends.
    static QString fromDocumentText(QStringView text);
    // A text in the document's form. *exact is cleared when the document will
    // not give the same text back: a lone CR, or a character the document
    // itself takes as a break (U+2028, U+2029 and its two frame marks).
    static QString toDocumentText(QStringView text, bool *exact = nullptr);

private:
    // Notes where the document changed; takeChanges() brings the kept text in
    // step with the noted span, which stands at [from, to) of the document.
    void followChange(int position, int removed, int added);
    void takeChanges(int from, int to) const;
    // How many characters of the kept text hold this many of the document
    // (a CR LF is one), starting at `at` or ending there.
    qsizetype textLengthAfter(qsizetype at, qsizetype characters) const;
    qsizetype textLengthBefore(qsizetype at, qsizetype characters) const;

    // The text as text() returns it, valid while m_textKnown is set, but for
    // the span that changed since it was last in step, if m_changed: the
    // document's from position m_changedFrom to m_changedTail characters
    // before its end, where the kept text still has [m_textFrom, m_textTo).
    mutable QString m_text;
    mutable bool m_textKnown = true;
    mutable bool m_changed = false;
    int m_changedFrom = 0;
    int m_changedTail = 0;
    qsizetype m_textFrom = 0;
    qsizetype m_textTo = 0;
    bool m_settingText = false;
    bool m_toldWhere = false; // contentsChange came for the change being reported
};
