// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChatSource.h"

#include "ChatText.h"

QString ChatSource::describe() const
{
    switch (kind) {
    case Kind::QandA:
        return QStringLiteral("Q/A line %1 \u2014 %2").arg(line).arg(ChatText::oneLine(question));
    case Kind::Memory:
        return QStringLiteral("memory, line %1").arg(line);
    case Kind::Knowledge:
        return QStringLiteral("%1, fact %2 (line %3)").arg(document).arg(index).arg(line);
    case Kind::Nothing:
        break;
    }
    return QString();
}
