#pragma once

#include <QPlainTextEdit>

// The multi-line text area of the editors (their `RichTextBox1`): plain text
// whose line ends are CR LF, as the files hold them. What text() returns is
// exactly what setText()/appendText() put in, and textLength() counts a CR LF
// as two characters.
//
// Line ends inside the document: a CR LF is a paragraph break; a lone LF is
// kept as a line separator (U+2028, shown as a new line) and comes back as LF;
// a lone CR is shown as a new line and comes back as CR LF. Nothing else of a
// text changes. Shift+Enter types a CR LF like Enter does. Pasted or dropped
// text is another matter: the clipboard carries LF line ends, so every line end
// of it (CR LF, CR or LF) becomes a CR LF.
//
// text() is cheap while the text is unchanged: the area keeps the text it was
// last given or last asked for until the next edit, so a caller may ask for it
// after every change notification and pay for building it only once.
class TextArea : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TextArea(QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

    // Appends at the end without rebuilding the document.
    void appendText(const QString &text);

    qsizetype textLength() const;

    // Places the insertion point at the end of the text and scrolls it into view.
    void moveCaretToEnd();

    // The document's raw text (paragraph and line separators) as the text's
    // own CR LF and LF line ends; exposed for tests.
    static QString fromDocumentText(QStringView text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void forgetText();

    // The text as text() returns it, valid while m_textKnown is set.
    mutable QString m_text;
    mutable bool m_textKnown = true;
    bool m_settingText = false;
};
