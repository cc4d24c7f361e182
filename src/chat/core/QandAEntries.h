// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QandAEntry.h"

#include <QList>
#include <QStringView>

// Reads the entries of a question/answer text. The entry line writes each as
// CR LF, "#", question, "&", answer, "%"; hand-edited text may break an entry
// over lines, put several on one line, or leave out its "&" or "%". An entry
// starts at a "#" that begins a line or follows the "%" of the entry before
// (spaces between allowed); its question runs to the first "&", its answer to
// the next "%". An entry that meets the start of the next one first stops
// there, without the "&" or "%" it lacks. Text outside entries is not read.
namespace QandAEntries {

QList<QandAEntry> read(QStringView text);

} // namespace QandAEntries
