// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileCheck.h"

#include <QStringList>

// What a file check found, written for comparison in tests.
namespace CheckFindings {

// The findings one a line, as "line: message", so that a failed comparison
// shows them.
QString shown(const QList<FileCheck::Finding> &findings);

// The expected findings, given as "line: message" texts, in the same form.
QString shown(const QStringList &findings);

} // namespace CheckFindings
