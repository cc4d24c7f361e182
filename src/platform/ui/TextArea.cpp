#include "TextArea.h"

#include "FindDialog.h"
#include "PlainTextDocument.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <memory>

namespace {
const QChar kParagraph = QChar::ParagraphSeparator; // U+2029: a CR LF
const QChar kLine = QChar::LineSeparator;           // U+2028: a lone LF

// Converts pasted or dropped text to the document's form. The clipboard hands
// text over with LF line ends whatever its source held (this area's own copies
// too), so each line end of it, CR LF, CR or LF, is a line break: a CR LF.
QString convertPasted(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            out += kParagraph;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

TextArea::TextArea(QWidget *parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_ownDocument = new PlainTextDocument(this);
    showDocument(m_ownDocument);
    setUndoRedoEnabled(true);
    // Tab would otherwise trap the keyboard in the area.
    setTabChangesFocus(true);
}

void TextArea::showDocument(PlainTextDocument *document)
{
    if (!document)
        document = m_ownDocument;
    // Asking documentLayout() would make a layout of the wrong kind first.
    if (!document->findChild<QPlainTextDocumentLayout *>(QString(), Qt::FindDirectChildrenOnly))
        document->setDocumentLayout(new QPlainTextDocumentLayout(document));
    m_document = document;
    setDocument(document);
}

QString TextArea::fromDocumentText(QStringView text)
{
    return PlainTextDocument::fromDocumentText(text);
}

QString TextArea::text() const
{
    return m_document->text();
}

void TextArea::setText(const QString &text)
{
    m_document->setText(text);
    moveCursor(QTextCursor::Start);
}

void TextArea::appendText(const QString &text)
{
    m_document->appendText(text);
}

qsizetype TextArea::textLength() const
{
    return m_document->textLength();
}

void TextArea::moveCaretToEnd()
{
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::End);
    setTextCursor(cursor);
    ensureCursorVisible();
}

qsizetype TextArea::textPosition(int position) const
{
    return position + document()->findBlock(position).blockNumber();
}

int TextArea::documentPosition(qsizetype textPosition) const
{
    // Block k starts at text position (its document position) + k: the last
    // block starting at or before textPosition holds it.
    const QTextDocument *doc = document();
    int low = 0;
    int high = doc->blockCount() - 1;
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (doc->findBlockByNumber(middle).position() + middle <= textPosition)
            low = middle;
        else
            high = middle - 1;
    }
    return int(textPosition - low);
}

TextSearch::Match TextArea::find(const QString &needle, TextSearch::Direction direction,
                                 Qt::CaseSensitivity cs, bool wrap)
{
    // The search runs over text(), the QString the area keeps, not over the
    // document, whose own search is far slower on a long text.
    QTextCursor cursor = textCursor();
    const int from =
        direction == TextSearch::Direction::Forward ? cursor.selectionEnd() : cursor.selectionStart();
    const TextSearch::Match match = TextSearch::find(text(), needle, textPosition(from), direction, cs, wrap);
    if (!match.found())
        return match;
    selectText(match.position, needle.size());
    return match;
}

void TextArea::selectText(qsizetype start, qsizetype length)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(documentPosition(start));
    cursor.setPosition(documentPosition(start + length), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

FindDialog *TextArea::findDialog()
{
    if (!m_find) {
        m_find = new FindDialog(this);
        connect(m_find, &FindDialog::findRequested, this, &TextArea::findAgain);
    }
    return m_find;
}

void TextArea::openFind()
{
    FindDialog *dialog = findDialog();
    const QString selected = textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(kParagraph) && !selected.contains(kLine))
        dialog->setNeedle(selected);
    dialog->open();
}

void TextArea::findAgain(TextSearch::Direction direction)
{
    FindDialog *dialog = findDialog();
    dialog->showResult(find(dialog->needle(), direction, dialog->caseSensitivity(), dialog->wraps()),
                       direction);
}

void TextArea::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (modifiers & Qt::ShiftModifier)) {
        textCursor().insertBlock();
        ensureCursorVisible();
        return;
    }
    if (event->key() == Qt::Key_Tab && modifiers == Qt::ControlModifier) {
        insertPlainText(QStringLiteral("\t"));
        return;
    }
    if (event->key() == Qt::Key_F && modifiers == Qt::ControlModifier) {
        openFind();
        return;
    }
    if (event->key() == Qt::Key_F3 && (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier) {
        if (!m_find || m_find->needle().isEmpty())
            openFind();
        else
            findAgain(modifiers ? TextSearch::Direction::Backward : TextSearch::Direction::Forward);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

QMimeData *TextArea::createMimeDataFromSelection() const
{
    // The document's own plain text turns a no-break space into a space. Line
    // ends go out as LF, the clipboard's own; a paste makes them CR LF again.
    QString text = textCursor().selectedText();
    for (QChar &c : text) {
        if (c == kParagraph || c == kLine)
            c = QLatin1Char('\n');
    }
    auto *data = new QMimeData;
    data->setText(text);
    return data;
}

void TextArea::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText()) {
        textCursor().insertText(convertPasted(source->text()));
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}

void TextArea::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_menuExtensions.empty()) {
        QPlainTextEdit::contextMenuEvent(event);
        return;
    }
    std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    for (const MenuExtension &extension : m_menuExtensions)
        extension(*menu);
    menu->exec(event->globalPos());
}
