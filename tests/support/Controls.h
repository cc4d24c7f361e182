// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// Finding a window's controls by object name in widget tests.
namespace Controls {

// Reports a control that is not there: the running test fails with a message
// naming the control, the class asked for and the window (and what holds the
// name instead, if anything), and the test program ends, since nothing after
// it could run meaningfully.
[[noreturn]] void missing(const QObject &window, const QString &name, const char *className, const char *file,
                          int line);

// The window's control of class T with this object name, searched among all
// its descendants. Never null: a missing control ends the test as missing()
// says, with the caller's file and line.
template <class T>
T *find(const QObject &window, const QString &name, const char *file = __builtin_FILE(),
        int line = __builtin_LINE())
{
    if (T *found = window.findChild<T *>(name))
        return found;
    missing(window, name, T::staticMetaObject.className(), file, line);
}

template <class T>
T *find(const QObject &window, const char *name, const char *file = __builtin_FILE(),
        int line = __builtin_LINE())
{
    return find<T>(window, QString::fromLatin1(name), file, line);
}

} // namespace Controls
