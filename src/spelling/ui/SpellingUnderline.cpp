// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpellingUnderline.h"

#include "Platform.h"
#include "SpellChecker.h"
#include "SpellingMenu.h"
#include "TextArea.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

namespace {

// What a paragraph keeps: its misspellings as checked last, and what its
// layout shows. Each is good while the paragraph's revision and the
// generations it was made for are the present ones.
class SpellingBlock : public QTextBlockUserData
{
public:
    struct Stamp
    {
        int revision = -1;
        quint64 checker = 0;
        quint64 exceptions = 0;
        bool operator==(const Stamp &o) const
        {
            return revision == o.revision && checker == o.checker && exceptions == o.exceptions;
        }
        bool operator!=(const Stamp &o) const { return !(*this == o); }
    };
    Stamp checked;
    QList<SpellingWords::Span> misspellings;
    Stamp shown;
    bool underlined = false; // the layout holds underline formats
};

SpellingBlock *blockData(const QTextBlock &block)
{
    auto *data = dynamic_cast<SpellingBlock *>(block.userData());
    if (!data) {
        data = new SpellingBlock;
        QTextBlock owner = block;
        owner.setUserData(data); // the paragraph owns it
    }
    return data;
}

QTextCharFormat underlineFormat()
{
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    format.setUnderlineColor(QColor(0xd0, 0x20, 0x20));
    return format;
}

} // namespace

SpellingUnderline::SpellingUnderline(TextArea *area, Platform &platform)
    : QObject(area), m_area(area), m_viewport(area->viewport()), m_platform(platform)
{
    area->installEventFilter(this);
    m_viewport->installEventFilter(this);
    // The area owns this object: the entries never outlive it.
    area->addMenuExtension([this](QMenu &menu, const QPoint &position) { addMenuEntries(&menu, position); });
    // Scrolling shows other paragraphs: they are underlined before they are painted.
    connect(area->verticalScrollBar(), &QScrollBar::valueChanged, this, &SpellingUnderline::scrolled);
}

SpellingUnderline::~SpellingUnderline() = default;

void SpellingUnderline::attach()
{
    if (m_checker)
        return;
    // The first use opens the dictionary, which can take a while.
    m_checker = &m_platform.spellChecker();
    connect(m_checker, &SpellChecker::changed, this, &SpellingUnderline::checkerChanged);
    follow(m_area->document());
    m_afterPaint = false;
    underlineVisible();
    emit ready();
}

void SpellingUnderline::afterPaint()
{
    m_afterPaintPosted = false;
    if (!m_checker) {
        attach();
        return;
    }
    if (!m_afterPaint)
        return;
    m_afterPaint = false;
    // The underlined paragraphs are laid out anew, which repaints them.
    underlineVisible();
}

void SpellingUnderline::scrolled()
{
    if (m_checker && !m_afterPaint)
        underlineVisible();
}

void SpellingUnderline::follow(QTextDocument *document)
{
    if (m_document == document)
        return;
    if (m_document)
        disconnect(m_document, nullptr, this, nullptr);
    m_document = document;
    connect(document, &QTextDocument::contentsChange, this, &SpellingUnderline::followChange);
}

void SpellingUnderline::setExceptions(const SpellingExceptions &exceptions)
{
    if (exceptions == m_exceptions)
        return;
    m_exceptions = exceptions;
    ++m_exceptionsGeneration;
    underlineVisible();
}

void SpellingUnderline::checkerChanged()
{
    underlineVisible();
    m_area->viewport()->update();
}

QList<SpellingWords::Span> SpellingUnderline::misspellings(const QTextBlock &block)
{
    attach();
    if (!block.isValid() || !m_checker->isActive())
        return {};
    SpellingBlock *data = blockData(block);
    const SpellingBlock::Stamp now{block.revision(), m_checker->generation(), m_exceptionsGeneration};
    if (data->checked != now) {
        data->misspellings = m_checker->misspelled(block.text(), m_exceptions);
        data->checked = now;
    }
    return data->misspellings;
}

void SpellingUnderline::underline(const QTextBlock &block, bool editing)
{
    if (!block.isValid() || !block.layout())
        return;
    auto *data = dynamic_cast<SpellingBlock *>(block.userData());
    const SpellingBlock::Stamp now{block.revision(), m_checker->generation(), m_exceptionsGeneration};
    if (data && data->shown == now)
        return;
    const QList<SpellingWords::Span> words = misspellings(block);
    data = blockData(block);
    data->shown = now;
    // A paragraph that shows no underline and needs none is not laid out again.
    if (words.isEmpty() && !data->underlined)
        return;
    QList<QTextLayout::FormatRange> ranges;
    ranges.reserve(words.size());
    const QTextCharFormat format = underlineFormat();
    for (const SpellingWords::Span &word : words)
        ranges.append(QTextLayout::FormatRange{int(word.start), int(word.length), format});
    block.layout()->setFormats(ranges);
    data->underlined = !ranges.isEmpty();
    // Within a change the document lays the paragraph out anyway; otherwise it
    // is told to, as for a highlighter's formats. Neither touches the text.
    if (!editing)
        m_document->markContentsDirty(block.position(), block.length());
}

void SpellingUnderline::underlineVisible()
{
    if (!m_checker || m_underlining || !m_area->isVisible())
        return;
    const QScopedValueRollback<bool> busy(m_underlining, true);
    follow(m_area->document());
    const int bottom = m_area->viewport()->height();
    for (QTextBlock block = m_area->cursorForPosition(QPoint(0, 0)).block(); block.isValid();
         block = block.next()) {
        if (m_area->cursorRect(QTextCursor(block)).top() > bottom)
            break;
        underline(block, false);
    }
}

void SpellingUnderline::followChange(int position, int removed, int added)
{
    Q_UNUSED(removed);
    if (!m_checker)
        return;
    // Only the paragraphs where the change starts and ends keep a layout of
    // before; the ones between are new, and wait until they are shown.
    // A paragraph's revision is no sure sign of a change (a document emptied
    // starts counting again), so what the two kept is dropped here.
    const QTextBlock first = m_document->findBlock(position);
    const QTextBlock last = m_document->findBlock(position + added);
    for (const QTextBlock &block : {first, last}) {
        if (auto *data = dynamic_cast<SpellingBlock *>(block.userData()))
            data->checked = data->shown = SpellingBlock::Stamp();
    }
    underline(first, true);
    if (last != first) {
        underline(last, true);
        // The ones between (a whole text when one is opened) are shown first,
        // and checked right after.
        m_afterPaint = true;
    }
}

bool SpellingUnderline::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_viewport && event->type() == QEvent::Paint) {
        if (m_checker && !m_afterPaint) {
            underlineVisible();
        } else if (!m_afterPaintPosted) {
            // A zero timer runs once this paint is on the screen.
            m_afterPaintPosted = true;
            QTimer::singleShot(0, this, &SpellingUnderline::afterPaint);
        }
    } else if (watched == m_area && event->type() == QEvent::KeyPress) {
        if (const int step = SpellingMenu::misspellingStep(*static_cast<QKeyEvent *>(event))) {
            goToMisspelling(step > 0);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool SpellingUnderline::goToMisspelling(bool forward)
{
    attach();
    if (!m_checker->isActive())
        return false;
    QTextDocument *document = m_area->document();
    const QTextCursor cursor = m_area->textCursor();
    const int from = forward ? cursor.selectionEnd() : cursor.selectionStart();
    const QTextBlock start = document->findBlock(from);
    QTextBlock block = start;
    // The paragraph of the selection is looked at twice: the part past the
    // selection first, the rest after going round.
    for (int visited = 0; visited <= document->blockCount(); ++visited) {
        const QList<SpellingWords::Span> words = misspellings(block);
        const int at = from - block.position();
        const bool partly = visited == 0;
        for (qsizetype i = 0; i < words.size(); ++i) {
            const SpellingWords::Span &word = forward ? words.at(i) : words.at(words.size() - 1 - i);
            if (partly && (forward ? word.start < at : word.end() > at))
                continue;
            QTextCursor found(document);
            found.setPosition(block.position() + int(word.start));
            found.setPosition(block.position() + int(word.end()), QTextCursor::KeepAnchor);
            m_area->setTextCursor(found);
            m_area->ensureCursorVisible();
            return true;
        }
        block = forward ? block.next() : block.previous();
        if (!block.isValid())
            block = forward ? document->firstBlock() : document->lastBlock();
    }
    return false;
}

void SpellingUnderline::addMenuEntries(QMenu *menu, const QPoint &position)
{
    const QTextCursor at = m_area->cursorForPosition(position);
    const QTextBlock block = at.block();
    const int inBlock = at.position() - block.position();
    for (const SpellingWords::Span &word : misspellings(block)) {
        if (inBlock < word.start || inBlock > word.end())
            continue;
        const int start = block.position() + int(word.start);
        const int length = int(word.length);
        SpellingMenu::addWordEntries(
            menu, m_platform, m_area, block.text().mid(word.start, word.length),
            [this, start, length](const QString &suggestion) { replace(start, length, suggestion); });
        break;
    }
    SpellingMenu::addSpellingMenu(menu, m_platform, m_area,
                                  [this](bool forward) { goToMisspelling(forward); });
}

void SpellingUnderline::replace(int start, int length, const QString &word)
{
    QTextCursor cursor(m_area->document());
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    // One edit, so one undo step.
    cursor.beginEditBlock();
    cursor.insertText(word);
    cursor.endEditBlock();
    m_area->setTextCursor(cursor);
}
