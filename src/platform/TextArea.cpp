#include "TextArea.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {
const QChar kParagraph = QChar::ParagraphSeparator; // U+2029: a CR LF
const QChar kLine = QChar::LineSeparator;           // U+2028: a lone LF
} // namespace

TextArea::TextArea(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setUndoRedoEnabled(true);
}

QString TextArea::toDocumentText(QStringView text)
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r')) {
            if (i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            out += kParagraph;
        } else if (c == QLatin1Char('\n')) {
            out += kLine;
        } else {
            out += c;
        }
    }
    return out;
}

QString TextArea::fromDocumentText(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 16);
    for (const QChar c : text) {
        if (c == kParagraph)
            out += QLatin1String("\r\n");
        else if (c == kLine)
            out += QLatin1Char('\n');
        else
            out += c;
    }
    return out;
}

QString TextArea::text() const
{
    return fromDocumentText(document()->toRawText());
}

void TextArea::setText(const QString &text)
{
    // setPlainText breaks paragraphs at U+2029 and keeps U+2028 inside them.
    setPlainText(toDocumentText(text));
}

void TextArea::appendText(const QString &text)
{
    if (text.isEmpty())
        return;
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(toDocumentText(text));
}

qsizetype TextArea::textLength() const
{
    const QTextDocument *doc = document();
    // characterCount() includes one paragraph separator per block; the last
    // block's is not part of the text, every other one is a CR LF (two).
    return qsizetype(doc->characterCount()) - 1 + (doc->blockCount() - 1);
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
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & Qt::ShiftModifier)) {
        textCursor().insertBlock();
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TextArea::insertFromMimeData(const QMimeData *source)
{
    // Pasted text follows the same line-end rules as setText().
    if (source && source->hasText()) {
        textCursor().insertText(toDocumentText(source->text()));
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}
