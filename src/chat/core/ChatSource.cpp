// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChatSource.h"

#include "ChatText.h"

#include <QCoreApplication>

QString ChatSource::describe() const
{
    switch (kind) {
    case Kind::QandA:
        return QCoreApplication::translate("ChatSource", "Q/A line %1 \u2014 %2")
            .arg(line)
            .arg(ChatText::oneLine(question));
    case Kind::Memory:
        return QCoreApplication::translate("ChatSource", "memory, line %1").arg(line);
    case Kind::Knowledge:
        return QCoreApplication::translate("ChatSource", "%1, fact %2 (line %3)")
            .arg(document, QString::number(index), QString::number(line));
    case Kind::Nothing:
        break;
    }
    return QString();
}
