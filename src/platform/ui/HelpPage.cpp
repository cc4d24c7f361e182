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

QString path(const Platform &platform, const QString &page)
{
    return ProgramFolder::subfolder(platform.programFolder(), QStringLiteral("Docs")) + page;
}

void open(Platform &platform, QWidget *from, const QString &page)
{
    const QString document = path(platform, page);
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

void addKey(Platform &platform, QWidget *window, const QString &page)
{
    auto *key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    QObject::connect(key, &QShortcut::activated, window,
                     [&platform, window, page] { open(platform, window, page); });
}

} // namespace HelpPage
