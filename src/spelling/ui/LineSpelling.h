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
    void underline();
    void addMenuEntries(QMenu *menu, const QPoint &position);

    LineBox *m_box;
    Platform &m_platform;
    SpellChecker &m_checker;
    SpellingExceptions m_exceptions;
    // What the box's underline was made for.
    QString m_shownText;
    quint64 m_shownGeneration = 0;
    bool m_underlined = false;
    bool m_stale = true;
    bool m_underlining = false;
};
