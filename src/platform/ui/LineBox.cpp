// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineBox.h"

#include <QContextMenuEvent>
#include <QMenu>

#include <algorithm>
#include <limits>
#include <memory>

namespace {

// The length of the text's first line: up to its first CR or LF.
qsizetype firstLineLength(QStringView text)
{
    const auto isBreak = [](QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); };
    return std::find_if(text.begin(), text.end(), isBreak) - text.begin();
}

} // namespace

LineBox::LineBox(QWidget *parent) : LineBox(QString(), parent) {}

LineBox::LineBox(const QString &text, QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    setText(text);
    connect(this, &QLineEdit::textEdited, this, &LineBox::keepOneLine);
}

void LineBox::keepOneLine(const QString &text)
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

QMenu *LineBox::createContextMenu(const QPoint &position)
{
    QMenu *menu = createStandardContextMenu();
    for (const MenuExtension &extension : m_menuExtensions)
        extension(*menu, position);
    return menu;
}

void LineBox::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_menuExtensions.empty()) {
        QLineEdit::contextMenuEvent(event);
        return;
    }
    std::unique_ptr<QMenu> menu(createContextMenu(event->pos()));
    menu->exec(event->globalPos());
}
