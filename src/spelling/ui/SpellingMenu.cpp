// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpellingMenu.h"

#include "FileDialog.h"
#include "Platform.h"
#include "SpellChecker.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>

namespace SpellingMenu {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SpellingMenu", text);
}

void report(Platform &platform, QWidget *owner, const QString &error)
{
    if (!error.isEmpty())
        platform.showMessage(owner, error, tr("Spelling"), Platform::MessageIcon::Critical);
}

} // namespace

void addWordEntries(QMenu *menu, Platform &platform, QWidget *owner, const QString &word,
                    const std::function<void(const QString &)> &replace)
{
    SpellChecker &checker = platform.spellChecker();
    QAction *first = menu->actions().value(0);
    const auto insert = [&](QAction *action) { menu->insertAction(first, action); };

    const QStringList suggestions = checker.suggestions(word);
    for (const QString &suggestion : suggestions) {
        auto *action = new QAction(suggestion, menu);
        action->setObjectName(QStringLiteral("spellingSuggestion"));
        QFont bold = action->font();
        bold.setBold(true);
        action->setFont(bold);
        QObject::connect(action, &QAction::triggered, menu, [replace, suggestion] { replace(suggestion); });
        insert(action);
    }
    if (suggestions.isEmpty()) {
        auto *none = new QAction(tr("No Suggestions"), menu);
        none->setObjectName(QStringLiteral("noSuggestions"));
        none->setEnabled(false);
        insert(none);
    }
    insert(menu->addSeparator());
    auto *add = new QAction(tr("Add to Dictionary"), menu);
    add->setObjectName(QStringLiteral("addToDictionary"));
    QObject::connect(add, &QAction::triggered, menu, [&platform, owner, word] {
        report(platform, owner, platform.spellChecker().addToDictionary(word));
    });
    insert(add);
    auto *ignore = new QAction(tr("Ignore"), menu);
    ignore->setObjectName(QStringLiteral("ignoreWord"));
    QObject::connect(ignore, &QAction::triggered, menu,
                     [&platform, word] { platform.spellChecker().ignore(word); });
    insert(ignore);
    insert(menu->addSeparator());
}

void addSpellingMenu(QMenu *menu, Platform &platform, QWidget *owner,
                     const std::function<void(bool forward)> &goTo)
{
    SpellChecker &checker = platform.spellChecker();
    menu->addSeparator();
    QMenu *spelling = menu->addMenu(tr("Spelling"));
    spelling->setObjectName(QStringLiteral("spellingMenu"));

    auto *check = spelling->addAction(tr("Check Spelling"));
    check->setObjectName(QStringLiteral("checkSpelling"));
    check->setCheckable(true);
    check->setChecked(checker.isActive());
    check->setEnabled(!checker.dictionaryName().isEmpty());
    QObject::connect(check, &QAction::toggled, menu,
                     [&platform](bool on) { platform.spellChecker().setEnabled(on); });
    if (goTo) {
        auto *next = spelling->addAction(tr("Next Misspelling"));
        next->setObjectName(QStringLiteral("nextMisspelling"));
        next->setShortcut(QKeySequence(Qt::Key_F7));
        next->setShortcutContext(Qt::WidgetShortcut); // the text box takes the key itself
        auto *previous = spelling->addAction(tr("Previous Misspelling"));
        previous->setObjectName(QStringLiteral("previousMisspelling"));
        previous->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F7));
        previous->setShortcutContext(Qt::WidgetShortcut);
        next->setEnabled(checker.isActive());
        previous->setEnabled(checker.isActive());
        QObject::connect(next, &QAction::triggered, menu, [goTo] { goTo(true); });
        QObject::connect(previous, &QAction::triggered, menu, [goTo] { goTo(false); });
    }
    spelling->addSeparator();

    if (!checker.unavailableReason().isEmpty()) {
        auto *why = spelling->addAction(checker.unavailableReason());
        why->setObjectName(QStringLiteral("noDictionary"));
        why->setEnabled(false);
    }
    auto *group = new QActionGroup(spelling);
    for (const DictionaryFile &file : checker.dictionaries()) {
        auto *choose = spelling->addAction(file.displayName());
        choose->setObjectName(QStringLiteral("dictionary_") + file.name);
        choose->setToolTip(file.wordsPath);
        choose->setCheckable(true);
        choose->setChecked(file.name == checker.dictionaryName());
        group->addAction(choose);
        const QString name = file.name;
        QObject::connect(choose, &QAction::triggered, menu, [&platform, owner, name] {
            SpellChecker &checker = platform.spellChecker();
            report(platform, owner, checker.chooseDictionary(name));
            checker.setEnabled(true);
        });
    }
    spelling->addSeparator();
    auto *addDictionary = spelling->addAction(tr("Add Dictionary..."));
    addDictionary->setObjectName(QStringLiteral("addDictionary"));
    QObject::connect(addDictionary, &QAction::triggered, menu, [&platform, owner] {
        const std::unique_ptr<FileDialog> dialog = platform.createFileDialog(owner);
        const QString chosen = dialog->askOpen(tr("Dictionaries (*.dic)") + QStringLiteral("|*.dic"));
        if (chosen.isEmpty())
            return;
        SpellChecker &checker = platform.spellChecker();
        report(platform, owner, checker.addDictionary(chosen));
        checker.setEnabled(true);
    });
}

int misspellingStep(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() != Qt::Key_F7)
        return 0;
    if (modifiers == Qt::NoModifier)
        return 1;
    return modifiers == Qt::ShiftModifier ? -1 : 0;
}

} // namespace SpellingMenu
