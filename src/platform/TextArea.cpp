#include "TextArea.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {
const QChar kParagraph = QChar::ParagraphSeparator; // U+2029: a CR LF
const QChar kLine = QChar::LineSeparator;           // U+2028: a lone LF

// Converts text to the document's form. *exact is cleared when the document
// will not give the same text back: a lone CR, or a character the document
// itself takes as a break (U+2028, U+2029 and its two frame marks).
QString convertIn(QStringView text, bool *exact)
{
    QString out;
    out.resize(text.size());
    char16_t *dst = reinterpret_cast<char16_t *>(out.data());
    const char16_t *src = text.utf16();
    const qsizetype n = text.size();
    bool same = true;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = src[i];
        if (c == u'\r') {
            if (i + 1 < n && src[i + 1] == u'\n')
                ++i;
            else
                same = false;
            *dst++ = kParagraph.unicode();
        } else if (c == u'\n') {
            *dst++ = kLine.unicode();
        } else {
            if (c == kParagraph.unicode() || c == kLine.unicode() || c == 0xFDD0 || c == 0xFDD1)
                same = false;
            *dst++ = c;
        }
    }
    out.truncate(dst - reinterpret_cast<const char16_t *>(out.constData()));
    if (exact)
        *exact = same;
    return out;
}

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
    setUndoRedoEnabled(true);
    // Connected first, so every other receiver of textChanged sees the new text.
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_settingText)
            forgetText();
    });
}

void TextArea::forgetText()
{
    m_textKnown = false;
    m_text.clear();
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
    if (!m_textKnown) {
        m_text = fromDocumentText(document()->toRawText());
        m_textKnown = true;
    }
    return m_text;
}

void TextArea::setText(const QString &text)
{
    bool exact = false;
    const QString documentText = convertIn(text, &exact);
    // Known before the document changes, so that receivers of textChanged
    // already get the new text.
    m_text = exact ? text : QString();
    m_textKnown = exact;
    m_settingText = true;
    // setPlainText breaks paragraphs at U+2029 and keeps U+2028 inside them.
    setPlainText(documentText);
    m_settingText = false;
}

void TextArea::appendText(const QString &text)
{
    if (text.isEmpty())
        return;
    bool exact = false;
    const QString documentText = convertIn(text, &exact);
    // The known text grows in place when nobody else holds it; otherwise it is
    // built afresh when next asked for.
    const bool keep = m_textKnown && exact && m_text.isDetached();
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (keep) {
        m_text += text;
        m_settingText = true;
    }
    cursor.insertText(documentText);
    m_settingText = false;
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
