// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileCheck.h"

// What in a personality's files would not load as meant or would not come
// back unchanged from the Personality Editor. Line numbers count the lines of
// the decoded text, the memory file's sections included.
namespace PersonalityCheck {

// The memory file (.mem): bytes that are no characters of the code page,
// UTF-8 text, lone CRs in the memory text (the text area gives them back as
// CR LF), and a section marker left in the memory text, which the load after
// a save would take for the section's start.
QList<FileCheck::Finding> checkMemory(const QByteArray &bytes);

// The question/answer file (.qas): the same for its characters, and entries
// (lines that start with "#") without a question, without an answer, or
// without the "%" that closes the answer.
QList<FileCheck::Finding> checkQandA(const QByteArray &bytes);

// The file at path, by its extension; a memory file also needs its
// question/answer file beside it, or the personality does not load.
FileCheck::Result checkMemoryFile(const QString &path);
FileCheck::Result checkQandAFile(const QString &path);

} // namespace PersonalityCheck
