// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecoveryRecord.h"

QString RecoveryRecord::text(const QString &name) const
{
    for (const Text &t : texts) {
        if (t.first == name)
            return t.second;
    }
    return QString();
}

void RecoveryRecord::setText(const QString &name, const QString &content)
{
    for (Text &t : texts) {
        if (t.first == name) {
            t.second = content;
            return;
        }
    }
    texts.append({name, content});
}
