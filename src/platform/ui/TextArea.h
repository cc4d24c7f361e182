#pragma once

#include "TextSearch.h"

#include <QPlainTextEdit>

#include <functional>

class FindDialog;
class QMenu;
class PlainTextDocument;

// The multi-line text area of the editors (their `RichTextBox1`): shows a
// PlainTextDocument, plain text whose line ends are CR LF, as the files hold
// them (see there). By default the area has a document of its own; a window
// whose model owns the text shows the model's document instead.
//
// Shift+Enter types a CR LF like Enter does. Pasted or dropped text: the
// clipboard carries LF line ends, so every line end of it (CR LF, CR or LF)
// becomes a CR LF. Copied text keeps its no-break spaces.
//
// Keys: Tab and Shift+Tab move the focus on, as in every other control, and
// Ctrl+Tab types a tab. Ctrl+F opens the area's Find window (a FindDialog,
// with the selected text to find when it is on one line); F3 and Shift+F3
// find the same text again forwards and backwards.
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

    // Selects the next place after the selection (Forward) or the last one
    // before it (Backward) that holds `needle`, and scrolls it into view.
    // Nothing changes when it is not found.
    TextSearch::Match find(const QString &needle, TextSearch::Direction direction, Qt::CaseSensitivity cs,
                           bool wrap);

    // Adds entries of another window to the area's context menu: each
    // extension gets the standard menu, in the order they were added.
    using MenuExtension = std::function<void(QMenu &menu)>;
    void addMenuExtension(const MenuExtension &extension) { m_menuExtensions.push_back(extension); }

    // The area's Find window, made when first asked for; Ctrl+F shows it.
    FindDialog *findDialog();

    // Selects `length` characters of text() from `start` and scrolls them
    // into view.
    void selectText(qsizetype start, qsizetype length);

    // The document's raw text (paragraph and line separators) as the text's
    // own CR LF and LF line ends; exposed for tests.
    static QString fromDocumentText(QStringView text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    // A document position as a position in text(), and back.
    qsizetype textPosition(int position) const;
    int documentPosition(qsizetype textPosition) const;
    void openFind();
    void findAgain(TextSearch::Direction direction);

    FindDialog *m_find = nullptr;
    std::vector<MenuExtension> m_menuExtensions;
    PlainTextDocument *m_ownDocument = nullptr;
    PlainTextDocument *m_document = nullptr;
};
