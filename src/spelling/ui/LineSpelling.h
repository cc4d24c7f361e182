// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SpellingExceptions.h"
#include "SpellingWords.h"

#include <QObject>

class LineBox;
class Platform;
class QMenu;
class SpellChecker;

// Underlines the misspelled words of a one-line box, adds the spelling
// entries to its context menu and takes F7 / Shift+F7, as SpellingUnderline
// does for a text area.
// The underline is a display format of the box's text layout, set as an input
// method's formats are; the text and its undo history stay as they are.
// As in the text area, the spell checker is taken only after the box's first
// paint, so a window opens before its dictionary does.
class LineSpelling : public QObject
{
    Q_OBJECT
public:
    LineSpelling(LineBox *box, Platform &platform);

    void setExceptions(const SpellingExceptions &exceptions);
    // The misspelled words of the box's text.
    QList<SpellingWords::Span> misspellings();
    // Selects the next misspelling after the selection (forward) or the last
    // before it, going round the end; false when there is none.
    bool goToMisspelling(bool forward);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The spell checker, taken at the first need.
    SpellChecker &checker();
    void underline();
    void addMenuEntries(QMenu *menu, const QPoint &position);

    LineBox *m_box;
    Platform &m_platform;
    SpellChecker *m_checker = nullptr;
    bool m_attachPosted = false;
    SpellingExceptions m_exceptions;
    // What the box's underline was made for.
    QString m_shownText;
    quint64 m_shownGeneration = 0;
    bool m_underlined = false;
    bool m_stale = true;
    bool m_underlining = false;
};
