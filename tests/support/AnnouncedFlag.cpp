// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnnouncedFlag.h"

QStringList AnnouncedFlag::steps(const char *list)
{
    return QString::fromLatin1(list).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}
