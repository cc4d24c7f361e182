// SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleTexts.h"

namespace SampleTexts {

QString manySentences()
{
    QString text;
    for (int i = 0; i < 30000; ++i)
        text += QStringLiteral("Fact number %1 is about the stars.%2")
                    .arg(i)
                    .arg(i % 5 ? QStringLiteral(" ") : QStringLiteral("\r\n"));
    return text + QStringLiteral("Trailing words");
}

} // namespace SampleTexts
