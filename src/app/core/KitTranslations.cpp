// SPDX-License-Identifier: GPL-3.0-or-later
#include "KitTranslations.h"

#include "KitProgram.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace KitTranslations {

QString folderName()
{
    return QStringLiteral("translations");
}

QStringList folders()
{
    return {QCoreApplication::applicationDirPath() + QLatin1Char('/') + folderName(),
            KitInfo::installedContentFolder() + QLatin1Char('/') + folderName()};
}

QString install(const QLocale &locale, const QStringList &folders)
{
    auto *kit = new QTranslator(QCoreApplication::instance());
    bool loaded = false;
    for (const QString &folder : folders) {
        if (kit->load(locale, QStringLiteral("mindloom"), QStringLiteral("_"), folder)) {
            loaded = true;
            break;
        }
    }
    if (!loaded) {
        delete kit;
        return QString();
    }
    QCoreApplication::installTranslator(kit);
    auto *toolkit = new QTranslator(QCoreApplication::instance());
    if (toolkit->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(toolkit);
    else
        delete toolkit;
    return kit->language();
}

} // namespace KitTranslations
