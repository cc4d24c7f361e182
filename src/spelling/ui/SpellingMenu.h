// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class Platform;
class QKeyEvent;
class QMenu;
class QWidget;
class SpellChecker;

// The spelling entries of the text boxes' context menus.
namespace SpellingMenu {

// At the top of the menu, for a misspelled word: the suggestions (choosing
// one calls replace), "Add to Dictionary" and "Ignore".
void addWordEntries(QMenu *menu, Platform &platform, QWidget *owner, const QString &word,
                    const std::function<void(const QString &)> &replace);

// At the end of the menu, the "Spelling" submenu: the installed dictionaries
// to choose from, "Check Spelling" on or off, "Add Dictionary...", and the
// keys to the misspellings where goTo is given (true: the next one). With no
// dictionary it says why checking is off.
void addSpellingMenu(QMenu *menu, Platform &platform, QWidget *owner,
                     const std::function<void(bool forward)> &goTo = nullptr);

// The key the menu names for going to a misspelling: F7 for the next one (1),
// Shift+F7 for the previous one (-1); 0 for any other key.
int misspellingStep(const QKeyEvent &key);

} // namespace SpellingMenu
