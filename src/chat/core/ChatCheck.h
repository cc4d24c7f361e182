// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileCheck.h"

#include <QString>

// What the tester finds in a question/answer text beyond what the file
// check finds: questions that can never answer, because a question of the
// same words comes earlier (the first one answers).
namespace ChatCheck {

QList<FileCheck::Finding> shadowedQuestions(const QString &qandA);

// The decoded .qas file's findings of this kind.
QList<FileCheck::Finding> checkQandA(const QByteArray &bytes);

} // namespace ChatCheck
