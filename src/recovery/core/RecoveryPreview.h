// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecoveryRecord.h"

// What the recovery window shows of a recovered document.
namespace RecoveryPreview {

// The kind as the window names it ("Personality", "Knowledge base", ...).
QString kindName(const QString &kind);
// The start of the document's main text on one line, at most `length`
// characters: the memory, the knowledge base's text, the locations' texts,
// the scene's pictures.
QString preview(const RecoveryRecord &record, int length = 80);

} // namespace RecoveryPreview
