#include "TextArea.h"

#include "PlainTextDocument.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {
const QChar kParagraph = QChar::ParagraphSeparator; // U+2029: a CR LF

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

void TextArea::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & Qt::ShiftModifier)) {
        textCursor().insertBlock();
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
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
