// SPDX-License-Identifier: GPL-3.0-or-later
#include "KitTranslations.h"

#include "KitProgram.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The toolkit's words on the kit's dialog and message buttons, here as well so
// that the kit's catalogue holds them where the toolkit's own translations are
// not installed.
[[maybe_unused]] const char *const buttonWords[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),  QT_TRANSLATE_NOOP("QPlatformTheme", "Discard"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),  QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
};

} // namespace

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
