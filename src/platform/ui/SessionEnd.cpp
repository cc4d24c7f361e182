// SPDX-License-Identifier: GPL-3.0-or-later
#include "SessionEnd.h"

#include <QApplication>
#include <QSessionManager>
#include <QWidget>

#include <algorithm>

namespace SessionEnd {

void follow(QApplication &application)
{
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
                     [](QSessionManager &manager) {
                         // A window with unsaved work asks; without leave to ask,
                         // nothing is closed and the session goes on as it would.
                         if (!manager.allowsInteraction())
                             return;
                         const bool closed = closeAllWindows();
                         manager.release();
                         if (!closed)
                             manager.cancel();
                     });
}

bool closeAllWindows()
{
    QApplication::closeAllWindows();
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::none_of(windows.cbegin(), windows.cend(),
                        [](const QWidget *window) { return window->isVisible(); });
}

} // namespace SessionEnd
