#include "EntryLine.h"

#include <QKeyEvent>

#include <algorithm>

namespace {

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// The length of the text's first line: up to its first CR or LF.
qsizetype firstLineLength(QStringView text)
{
    const auto isBreak = [](QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); };
    return std::find_if(text.begin(), text.end(), isBreak) - text.begin();
}

} // namespace

EntryLine::EntryLine(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, &EntryLine::keepOneLine);
}

void EntryLine::keyPressEvent(QKeyEvent *event)
{
    if (isEnter(event))
        m_enterPressed = true;
    QLineEdit::keyPressEvent(event);
}

void EntryLine::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    if (isEnter(event) && !event->isAutoRepeat() && std::exchange(m_enterPressed, false))
        emit entered();
}

void EntryLine::focusOutEvent(QFocusEvent *event)
{
    m_enterPressed = false;
    QLineEdit::focusOutEvent(event);
}

void EntryLine::keepOneLine(const QString &text)
{
    // The inserted text ends at the cursor; what follows the cursor was in the
    // box before.
    const qsizetype cut = firstLineLength(text);
    if (cut == text.size())
        return;
    const QStringView rest = QStringView(text).mid(std::max<qsizetype>(cursorPosition(), cut));
    setText(text.left(cut) + rest.left(firstLineLength(rest)).toString());
    setCursorPosition(int(cut));
}
