// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SpellingExceptions.h"
#include "SpellingWords.h"

#include <QObject>
#include <QPointer>
#include <QTextBlock>

class Platform;
class QMenu;
class QTextDocument;
class SpellChecker;
class QWidget;
class TextArea;

// Underlines the misspelled words of a text area with the desktop's
// spell-check underline, and adds the spelling entries to its context menu and
// F7 / Shift+F7 (the next / previous misspelling, going round the end).
//
// Only the paragraphs on screen are checked, when they come into view or
// change, and each paragraph keeps its result until its text, the dictionary
// or the exceptions change: a key typed costs the check of one paragraph. The
// underline is a display format of the paragraphs' layouts: the text, its
// undo history and the files stay exactly as they are.
//
// Opening costs nothing either: the spell checker (and its dictionary) is
// taken only once the area's first screen is painted, and a text replaced or
// pasted over many paragraphs is painted first and underlined right after;
// the underline follows within a frame, without the user doing anything.
class SpellingUnderline : public QObject
{
    Q_OBJECT
public:
    SpellingUnderline(TextArea *area, Platform &platform);
    ~SpellingUnderline() override;

    // The words this text is not checked for (the personality's name and its
    // MatchWords); the paragraphs on screen are checked again when they change.
    void setExceptions(const SpellingExceptions &exceptions);

    // Whether the underline has taken the spell checker: after the area's
    // first paint, or earlier when asked for misspellings.
    bool isReady() const { return m_checker != nullptr; }

    // The misspelled words of the paragraph, from its kept result when it is
    // still good.
    QList<SpellingWords::Span> misspellings(const QTextBlock &block);

    // Selects the next misspelling after the selection (forward) or the last
    // before it, going round the end of the text; false when there is none.
    bool goToMisspelling(bool forward);

    // Checks and underlines the paragraphs on screen.
    void underlineVisible();

signals:
    // The spell checker is taken and the paragraphs on screen are underlined.
    void ready();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Takes the spell checker and underlines what is on screen.
    void attach();
    // Does the underlining the last paint left to after it.
    void afterPaint();
    void scrolled();
    void follow(QTextDocument *document);
    void followChange(int position, int removed, int added);
    // Sets the paragraph's underline to its present result; `editing`: the
    // document is in the middle of a change, which lays the paragraph out anew.
    void underline(const QTextBlock &block, bool editing);
    void addMenuEntries(QMenu *menu, const QPoint &position);
    void replace(int start, int length, const QString &word);
    void checkerChanged();

    TextArea *m_area;
    // Kept apart: while the area is being destroyed, its viewport still sends
    // events here, but the area can no longer be asked for it.
    QWidget *m_viewport;
    Platform &m_platform;
    SpellChecker *m_checker = nullptr;
    QPointer<QTextDocument> m_document;
    SpellingExceptions m_exceptions;
    quint64 m_exceptionsGeneration = 1;
    bool m_underlining = false;
    // The paragraphs on screen are underlined after the next paint, not before it.
    bool m_afterPaint = false;
    bool m_afterPaintPosted = false;
};
