#include "PlainTextDocument.h"

#include <QTextCursor>

namespace {
const char16_t kParagraph = QChar::ParagraphSeparator; // U+2029: a CR LF
const char16_t kLine = QChar::LineSeparator;           // U+2028: a lone LF
} // namespace

PlainTextDocument::PlainTextDocument(QObject *parent) : QTextDocument(parent)
{
    // Connected first, so every other receiver of a change sees the new text,
    // whichever of the two change signals it listens to.
    const auto forget = [this] {
        if (!m_settingText)
            forgetText();
    };
    connect(this, &QTextDocument::contentsChange, this, forget);
    connect(this, &QTextDocument::contentsChanged, this, forget);
}

void PlainTextDocument::forgetText()
{
    m_textKnown = false;
    m_text.clear();
}

QString PlainTextDocument::toDocumentText(QStringView text, bool *exact)
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
            *dst++ = kParagraph;
        } else if (c == u'\n') {
            *dst++ = kLine;
        } else {
            if (c == kParagraph || c == kLine || c == 0xFDD0 || c == 0xFDD1)
                same = false;
            *dst++ = c;
        }
    }
    out.truncate(dst - reinterpret_cast<const char16_t *>(out.constData()));
    if (exact)
        *exact = same;
    return out;
}

QString PlainTextDocument::fromDocumentText(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 16);
    for (const QChar c : text) {
        if (c == QChar(kParagraph))
            out += QLatin1String("\r\n");
        else if (c == QChar(kLine))
            out += QLatin1Char('\n');
        else
            out += c;
    }
    return out;
}

QString PlainTextDocument::text() const
{
    if (!m_textKnown) {
        m_text = fromDocumentText(toRawText());
        m_textKnown = true;
    }
    return m_text;
}

void PlainTextDocument::setText(const QString &text)
{
    bool exact = false;
    const QString documentText = toDocumentText(text, &exact);
    // Known before the document changes, so that receivers of the change
    // already get the new text.
    m_text = exact ? text : QString();
    m_textKnown = exact;
    m_settingText = true;
    // setPlainText breaks paragraphs at U+2029 and keeps U+2028 inside them.
    setPlainText(documentText);
    m_settingText = false;
}

void PlainTextDocument::appendText(const QString &text)
{
    if (text.isEmpty())
        return;
    bool exact = false;
    const QString documentText = toDocumentText(text, &exact);
    // The known text grows in place when nobody else holds it; otherwise it is
    // built afresh when next asked for.
    const bool keep = m_textKnown && exact && m_text.isDetached();
    QTextCursor cursor(this);
    cursor.movePosition(QTextCursor::End);
    if (keep) {
        m_text += text;
        m_settingText = true;
    }
    cursor.insertText(documentText);
    m_settingText = false;
}

qsizetype PlainTextDocument::textLength() const
{
    // characterCount() includes one paragraph separator per block; the last
    // block's is not part of the text, every other one is a CR LF (two).
    return qsizetype(characterCount()) - 1 + (blockCount() - 1);
}
