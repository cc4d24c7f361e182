#pragma once

#include "SpellingExceptions.h"
#include "SpellingWords.h"

#include <QObject>

class LineBox;
class Platform;
class QMenu;
class SpellChecker;

// Underlines the misspelled words of a one-line box and adds the spelling
// entries to its context menu, as SpellingUnderline does for a text area.
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
