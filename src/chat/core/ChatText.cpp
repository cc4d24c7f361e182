// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChatText.h"

namespace ChatText {

QString oneLine(QStringView text)
{
    QString out;
    out.reserve(text.size());
    bool breakPending = false;
    for (QChar c : text.trimmed()) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            while (out.endsWith(QLatin1Char(' ')))
                out.chop(1);
            breakPending = true;
            continue;
        }
        if (breakPending) {
            if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
                continue;
            out += QLatin1Char(' ');
            breakPending = false;
        }
        out += c;
    }
    return out;
}

} // namespace ChatText
