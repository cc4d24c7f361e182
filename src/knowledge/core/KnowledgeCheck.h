// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileCheck.h"

// What in a knowledge base (.kba) would not load as meant or would not come
// back unchanged from the Knowledge Base Editor: bytes that are no
// characters of the code page, UTF-8 text, and lone CRs, which the text area
// gives back as CR LF.
namespace KnowledgeCheck {

QList<FileCheck::Finding> check(const QByteArray &bytes);

FileCheck::Result checkFile(const QString &path);

} // namespace KnowledgeCheck
