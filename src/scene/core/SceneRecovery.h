// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecoveryRecord.h"
#include "SceneRecord.h"

// A scene record as recovery texts and back: every name, switch and
// animation text as typed, and every number in a form that gives back the
// same single-precision value.
namespace SceneRecovery {

void addRecord(QList<RecoveryRecord::Text> &texts, const QString &prefix, const SceneRecord &scene);
SceneRecord record(const RecoveryRecord &recovered, const QString &prefix);

} // namespace SceneRecovery
