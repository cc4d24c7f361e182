// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>

// A property of a reader that must hold for every input. A broken one stops
// the run like a crash, so the fuzzer keeps the input that broke it.
#define FUZZ_CHECK(condition, what)                                                                          \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "\nProperty broken at %s:%d: %s\n  %s\n", __FILE__, __LINE__, #condition,   \
                         qPrintable(what));                                                                  \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

// Quoted with every control character and non-ASCII character escaped, for
// the report of a broken property.
inline QString shown(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f && c != QLatin1Char('"'))
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return out + QLatin1Char('"');
}
