// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineSpelling.h"

#include "LineBox.h"
#include "Platform.h"
#include "SpellChecker.h"
#include "SpellingMenu.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScopedValueRollback>
#include <QTextCharFormat>
#include <QTimer>

LineSpelling::LineSpelling(LineBox *box, Platform &platform) : QObject(box), m_box(box), m_platform(platform)
{
    box->installEventFilter(this);
    // The box owns this object: the entries never outlive it.
    box->addMenuExtension([this](QMenu &menu, const QPoint &position) { addMenuEntries(&menu, position); });
}

SpellChecker &LineSpelling::checker()
{
    if (!m_checker) {
        m_checker = &m_platform.spellChecker();
        connect(m_checker, &SpellChecker::changed, m_box, qOverload<>(&QWidget::update));
    }
    return *m_checker;
}

void LineSpelling::setExceptions(const SpellingExceptions &exceptions)
{
    if (exceptions == m_exceptions)
        return;
    m_exceptions = exceptions;
    m_stale = true;
    m_box->update();
}

QList<SpellingWords::Span> LineSpelling::misspellings()
{
    return checker().misspelled(m_box->text(), m_exceptions);
}

void LineSpelling::underline()
{
    if (m_underlining ||
        (!m_stale && m_shownText == m_box->text() && m_shownGeneration == checker().generation()))
        return;
    const QScopedValueRollback<bool> busy(m_underlining, true);
    m_stale = false;
    m_shownText = m_box->text();
    m_shownGeneration = checker().generation();
    const QList<SpellingWords::Span> words = misspellings();
    if (words.isEmpty() && !m_underlined)
        return;
    // The box lays out its text with the formats an input method gives, at
    // places counted from the cursor; nothing is typed, so the text stays.
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    format.setUnderlineColor(QColor(0xd0, 0x20, 0x20));
    const int cursor = m_box->cursorPosition();
    QList<QInputMethodEvent::Attribute> attributes;
    for (const SpellingWords::Span &word : words)
        attributes << QInputMethodEvent::Attribute(QInputMethodEvent::TextFormat, int(word.start) - cursor,
                                                   int(word.length), format);
    QInputMethodEvent event(QString(), attributes);
    QCoreApplication::sendEvent(m_box, &event);
    m_underlined = !words.isEmpty();
}

bool LineSpelling::goToMisspelling(bool forward)
{
    const QList<SpellingWords::Span> words = misspellings();
    if (words.isEmpty())
        return false;
    const int start = m_box->hasSelectedText() ? m_box->selectionStart() : m_box->cursorPosition();
    const int end = m_box->hasSelectedText() ? m_box->selectionEnd() : start;
    SpellingWords::Span found = forward ? words.constFirst() : words.constLast();
    for (qsizetype i = 0; i < words.size(); ++i) {
        const SpellingWords::Span &word = forward ? words.at(i) : words.at(words.size() - 1 - i);
        if (forward ? word.start >= end : word.end() <= start) {
            found = word;
            break;
        }
    }
    m_box->setSelection(int(found.start), int(found.length));
    return true;
}

bool LineSpelling::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box && event->type() == QEvent::Paint && !m_box->isReadOnly()) {
        if (m_checker) {
            underline();
        } else if (!m_attachPosted && !m_box->text().isEmpty()) {
            // An empty box needs no dictionary yet; a filled one is painted
            // first, and underlined once this paint is on the screen.
            m_attachPosted = true;
            QTimer::singleShot(0, this, [this] {
                checker();
                m_box->update();
            });
        }
    } else if (watched == m_box && event->type() == QEvent::KeyPress) {
        if (const int step = SpellingMenu::misspellingStep(*static_cast<QKeyEvent *>(event))) {
            goToMisspelling(step > 0);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void LineSpelling::addMenuEntries(QMenu *menu, const QPoint &position)
{
    const int at = m_box->cursorPositionAt(position);
    const QString text = m_box->text();
    for (const SpellingWords::Span &word : misspellings()) {
        if (at < word.start || at > word.end())
            continue;
        const int start = int(word.start);
        const int length = int(word.length);
        SpellingMenu::addWordEntries(menu, m_platform, m_box, text.mid(start, length),
                                     [this, start, length](const QString &suggestion) {
                                         m_box->setSelection(start, length);
                                         m_box->insert(suggestion);
                                     });
        break;
    }
    SpellingMenu::addSpellingMenu(menu, m_platform, m_box,
                                  [this](bool forward) { goToMisspelling(forward); });
}
