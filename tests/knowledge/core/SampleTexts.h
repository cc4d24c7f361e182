// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Texts the knowledge base tests import.
namespace SampleTexts {

// 30,000 sentences on lines of five, ending in words after the last full
// stop: long enough that a split takes many slices, whatever the machine.
QString manySentences();

} // namespace SampleTexts
