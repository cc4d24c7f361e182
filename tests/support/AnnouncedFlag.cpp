#include "AnnouncedFlag.h"

QStringList AnnouncedFlag::steps(const char *list)
{
    return QString::fromLatin1(list).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}
