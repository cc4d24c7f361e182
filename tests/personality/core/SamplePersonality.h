// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The personality shipped in the program folder (assets/), as its texts stand
// before they are saved. The core tests check that the shipped files are what
// the writer makes of these texts.
namespace SamplePersonality {

QString name();
QString memory();
QString matchWords();
QString wontSay();
QString qandA();

} // namespace SamplePersonality
