#pragma once

#include <QLineEdit>

// The one-line entry box of the editors (their `Text2`).
//
// entered() is emitted when Enter (or the keypad's Enter) is released, with
// any modifiers, after it was pressed in this box: a held key's repeats add
// nothing, and the Enter that closed a message box or dialog, or that clicked
// the button which opened the window, is released here without having been
// pressed here, so it is not taken as an entry.
//
// The box holds one line: of a text pasted or dropped into it only the first
// line is kept.
class EntryLine : public QLineEdit
{
    Q_OBJECT
public:
    explicit EntryLine(QWidget *parent = nullptr);

signals:
    void entered();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void keepOneLine(const QString &text);

    bool m_enterPressed = false; // Enter went down here and is not released yet
};
