// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

#include <functional>
#include <vector>

class QMenu;

// A one-line text box whose text goes into a file line: of a text pasted or
// dropped into it only the first line is kept, so no line break reaches the
// file, and it holds texts of any length (QLineEdit's own limit of 32,767
// characters would cut a longer text that was loaded into it on the next save).
//
// The context menu is the box's standard one, to which each feature adds its
// entries as the text area's extensions do.
class LineBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit LineBox(QWidget *parent = nullptr);
    LineBox(const QString &text, QWidget *parent = nullptr);

    // Adds entries to the box's context menu: each extension gets the
    // standard menu and where the click was, in the order they were added.
    using MenuExtension = std::function<void(QMenu &menu, const QPoint &position)>;
    void addMenuExtension(const MenuExtension &extension) { m_menuExtensions.push_back(extension); }
    // The context menu for a click at `position`, with every extension's
    // entries; the caller owns it.
    QMenu *createContextMenu(const QPoint &position);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void keepOneLine(const QString &text);

    std::vector<MenuExtension> m_menuExtensions;
};
