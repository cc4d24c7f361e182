#pragma once

#include <QPlainTextEdit>

class PlainTextDocument;

// The multi-line text area of the editors (their `RichTextBox1`): shows a
// PlainTextDocument, plain text whose line ends are CR LF, as the files hold
// them (see there). By default the area has a document of its own; a window
// whose model owns the text shows the model's document instead.
//
// Shift+Enter types a CR LF like Enter does. Pasted or dropped text: the
// clipboard carries LF line ends, so every line end of it (CR LF, CR or LF)
// becomes a CR LF.
class TextArea : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TextArea(QWidget *parent = nullptr);

    // Shows this document from now on; the area does not take it over, so
    // the owner gives the area its own document back (nullptr) before the
    // document goes. The document gets the layout that a plain text area needs.
    void showDocument(PlainTextDocument *document);
    PlainTextDocument *plainDocument() const { return m_document; }

    // The shown document's text (PlainTextDocument::text()).
    QString text() const;
    // Replaces the whole text; the insertion point goes to the start.
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
    PlainTextDocument *m_ownDocument = nullptr;
    PlainTextDocument *m_document = nullptr;
};
