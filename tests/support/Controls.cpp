// SPDX-License-Identifier: GPL-3.0-or-later
#include "Controls.h"

#include <QtTest>

#include <cstdio>
#include <cstdlib>

namespace Controls {

void missing(const QObject &window, const QString &name, const char *className, const char *file, int line)
{
    QString message =
        QStringLiteral("no %1 named \"%2\" in %3")
            .arg(QLatin1String(className), name, QLatin1String(window.metaObject()->className()));
    if (const QObject *other = window.findChild<QObject *>(name))
        message +=
            QStringLiteral(" (a %1 holds that name)").arg(QLatin1String(other->metaObject()->className()));
    if (QTest::currentTestFunction())
        QTest::qFail(qPrintable(message), file, line);
    else // outside a running test (a benchmark, say)
        std::fprintf(stderr, "%s:%d: %s\n", file, line, qPrintable(message));
    std::fflush(stdout);
    std::_Exit(EXIT_FAILURE);
}

} // namespace Controls
