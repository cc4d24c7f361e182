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
// text() is cheap while the text is unchanged: the document keeps the text it
// was last given or last asked for until the next edit, so a caller may ask for
// it after every change notification and pay for building it only once.
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
    void forgetText();

    // The text as text() returns it, valid while m_textKnown is set.
    mutable QString m_text;
    mutable bool m_textKnown = true;
    bool m_settingText = false;
};
