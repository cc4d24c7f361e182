// SPDX-License-Identifier: GPL-3.0-or-later
#include "KitFile.h"

#include "LocationSettings.h"

#include <QFileInfo>

namespace KitFile {

Kind kind(const QString &file)
{
    const QString name = QFileInfo(file).fileName();
    const auto ends = [&name](const char *extension) {
        return name.size() > 4 && name.endsWith(QLatin1String(extension), Qt::CaseInsensitive);
    };
    if (ends(".kba"))
        return Kind::KnowledgeBase;
    if (ends(".mem") || ends(".qas"))
        return Kind::Personality;
    if (name.compare(LocationSettings::fileName(), Qt::CaseInsensitive) == 0)
        return Kind::Settings;
    return Kind::None;
}

QString personalityEntry(const QString &file)
{
    const QString name = QFileInfo(file).fileName();
    return name.left(name.size() - 4);
}

} // namespace KitFile
