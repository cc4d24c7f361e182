// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlainTextDocument.h"

#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace {
const char16_t kParagraph = QChar::ParagraphSeparator; // U+2029: a CR LF
const char16_t kLine = QChar::LineSeparator;           // U+2028: a lone LF
} // namespace

PlainTextDocument::PlainTextDocument(QObject *parent) : QTextDocument(parent)
{
    // Connected first, so every other receiver of either change signal
    // (contentsChange comes first) can ask for the new text.
    connect(this, &QTextDocument::contentsChange, this, &PlainTextDocument::followChange);
    // A document no view lays out is not told where it changed (QTextDocument
    // says so only to a layout): its kept text is built afresh when next asked.
    connect(this, &QTextDocument::contentsChanged, this, [this] {
        if (!m_settingText && !m_toldWhere) {
            m_textKnown = false;
            m_changed = false;
            m_text.clear();
        }
        m_toldWhere = false;
    });
}

void PlainTextDocument::followChange(int position, int removed, int added)
{
    m_toldWhere = true;
    if (m_settingText || !m_textKnown)
        return;
    // Only the span the edits touched is noted; text() takes it from the
    // document when next asked, so a key typed costs next to nothing and the
    // kept text is patched once for a run of typing in one place.
    const int newLength = characterCount() - 1;
    const int oldLength = newLength - added + removed;
    // A change of the whole document counts its final break too.
    removed = std::min(removed, oldLength - position);
    const int removedEnd = position + removed; // in the document before the change
    if (m_changed) {
        const int end = oldLength - m_changedTail;
        if (position <= end && removedEnd >= m_changedFrom) {
            // Touching the noted span: it grows by what the edit took of the
            // text around it.
            if (position < m_changedFrom)
                m_textFrom -= textLengthBefore(m_textFrom, m_changedFrom - position);
            if (removedEnd > end)
                m_textTo += textLengthAfter(m_textTo, removedEnd - end);
            m_changedFrom = std::min(m_changedFrom, position);
            m_changedTail = std::min(m_changedTail, oldLength - removedEnd);
            return;
        }
        // Apart from it: the noted span is taken in first, where it now stands.
        const int shift = removedEnd < m_changedFrom ? added - removed : 0;
        takeChanges(m_changedFrom + shift, end + shift);
        if (!m_textKnown)
            return;
    }
    // The breaks before a document position are the number of its block.
    m_changed = true;
    m_changedFrom = position;
    m_changedTail = oldLength - removedEnd;
    m_textFrom = position + findBlock(position).blockNumber();
    m_textTo = m_textFrom + textLengthAfter(m_textFrom, removed);
}

qsizetype PlainTextDocument::textLengthAfter(qsizetype at, qsizetype characters) const
{
    qsizetype end = at;
    for (qsizetype i = 0; i < characters && end < m_text.size(); ++i)
        end += m_text.at(end) == QLatin1Char('\r') ? 2 : 1;
    return std::min(end, m_text.size()) - at;
}

qsizetype PlainTextDocument::textLengthBefore(qsizetype at, qsizetype characters) const
{
    qsizetype start = at;
    for (qsizetype i = 0; i < characters && start > 0; ++i) {
        const bool crLf = start >= 2 && m_text.at(start - 1) == QLatin1Char('\n') &&
                          m_text.at(start - 2) == QLatin1Char('\r');
        start -= crLf ? 2 : 1;
    }
    return at - start;
}

void PlainTextDocument::takeChanges(int from, int to) const
{
    // The document's [from, to) stands where the kept text has [m_textFrom, m_textTo).
    m_changed = false;
    if (m_textFrom > m_textTo || m_textTo > m_text.size()) {
        m_textKnown = false;
        return;
    }
    QString changed;
    if (to > from) {
        QTextCursor cursor(const_cast<PlainTextDocument *>(this));
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        changed = fromDocumentText(cursor.selectedText());
    }
    m_text.replace(m_textFrom, m_textTo - m_textFrom, changed);
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
    const char16_t *src = text.utf16();
    const qsizetype breaks = std::count(src, src + text.size(), kParagraph);
    QString out(text.size() + breaks, Qt::Uninitialized);
    char16_t *dst = reinterpret_cast<char16_t *>(out.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = src[i];
        if (c == kParagraph) {
            *dst++ = u'\r';
            *dst++ = u'\n';
        } else {
            *dst++ = c == kLine ? u'\n' : c;
        }
    }
    return out;
}

QString PlainTextDocument::text() const
{
    if (m_textKnown && m_changed) {
        takeChanges(m_changedFrom, characterCount() - 1 - m_changedTail);
        // A change the document did not tell of shows in the length.
        if (m_text.size() != textLength())
            m_textKnown = false;
    }
    if (!m_textKnown) {
        m_text = fromDocumentText(toRawText());
        m_textKnown = true;
        m_changed = false;
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
    m_changed = false;
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
    if (m_textKnown && m_changed)
        (void)this->text();
    // The kept text grows in place when nobody else holds it; otherwise the
    // change is followed like any edit.
    const bool keep = m_textKnown && !m_changed && exact && m_text.isDetached();
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
