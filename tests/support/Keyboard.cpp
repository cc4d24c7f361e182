// SPDX-License-Identifier: GPL-3.0-or-later
#include "Keyboard.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMap>
#include <QtTest>

namespace Keyboard {

QString visibleCaption(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

QStringList mnemonicClashes(const QWidget &window)
{
    QMap<QString, QStringList> owners;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        // A label's mnemonic is its buddy's.
        QString caption;
        QWidget *owner = widget;
        if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            caption = button->text();
        } else if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy()) {
            caption = label->text();
            owner = label->buddy();
        }
        const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
        if (!mnemonic.isEmpty())
            owners[mnemonic.toString()] << owner->objectName();
    }
    QStringList clashes;
    for (auto it = owners.cbegin(); it != owners.cend(); ++it) {
        if (it.value().size() > 1)
            clashes << it.key() + QStringLiteral(": ") + it.value().join(QStringLiteral(", "));
    }
    return clashes;
}

void press(QWidget &window, const QKeySequence &keys)
{
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        QTest::qFail("the window did not become active", __FILE__, __LINE__);
        return;
    }
    QWidget *target = window.focusWidget() ? window.focusWidget() : &window;
    const QKeyCombination combination = keys[0];
    QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
}

QStringList tabOrder(const QWidget &window)
{
    QStringList names;
    for (QWidget *widget = window.nextInFocusChain(); widget && widget != &window;
         widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && window.isAncestorOf(widget))
            names << widget->objectName();
    }
    return names;
}

} // namespace Keyboard
