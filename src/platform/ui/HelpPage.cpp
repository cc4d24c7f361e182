// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpPage.h"

#include "Platform.h"
#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QShortcut>
#include <QWidget>

namespace HelpPage {

QString path(const Platform &platform)
{
    return ProgramFolder::subfolder(platform.programFolder(), QStringLiteral("Docs")) +
           QStringLiteral("Mindloom.htm");
}

void open(Platform &platform, QWidget *from)
{
    const QString document = path(platform);
    const QString shown = QDir::toNativeSeparators(document);
    const QString title = QCoreApplication::translate("HelpPage", "Help");
    if (!QFileInfo(document).isFile()) {
        platform.showMessage(
            from,
            QCoreApplication::translate("HelpPage", "The help document \"%1\" was not found.").arg(shown),
            title, Platform::MessageIcon::Critical);
        return;
    }
    if (!platform.openInBrowser(document)) {
        platform.showMessage(from,
                             QCoreApplication::translate(
                                 "HelpPage", "The help document \"%1\" could not be opened in a browser.")
                                 .arg(shown),
                             title, Platform::MessageIcon::Critical);
    }
}

void addKey(Platform &platform, QWidget *window)
{
    auto *key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    QObject::connect(key, &QShortcut::activated, window, [&platform, window] { open(platform, window); });
}

} // namespace HelpPage
