// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileCheck.h"

// What in a scene file would not load as meant or would not come back
// unchanged from Load Scene and Save Scene: bytes that are no characters of
// the code page and UTF-8 text; lines that are no entry (saving drops them);
// an entry that a reader does not take because the same key stands earlier,
// maybe inside another value; a value that no ";" ends on its line, or text
// after its ";"; the background or the Zumi mouth missing; a part's numbers
// missing or no numbers (they read as 0); a switch word without its part, or a
// part without its switch word; animation texts missing or not whole numbers;
// pictures missing from the folder's "Images" or unreadable there; parts that
// reach past the 700 x 500 canvas where dragging cannot put them (the
// miscellaneous part may run past the right and bottom edges), or lie wholly
// outside it.
namespace SceneCheck {

// programFolder ends in a separator; pictures are looked for in its "Images".
QList<FileCheck::Finding> check(const QByteArray &bytes, const QString &programFolder);

FileCheck::Result checkFile(const QString &path, const QString &programFolder);

} // namespace SceneCheck
