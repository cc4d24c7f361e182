// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileCheck.h"

// What in "Options.Cfg" would not load as meant or would not come back
// unchanged from the Locations window: bytes that are no characters of the
// code page and UTF-8 text; a key ("Location1=" to "Location5=", in any letter
// case) within a line without two commas after it, which is no entry; an entry
// lacking a comma, which the companion reads on into the next line and which
// saving completes; a second entry of a location, which is not read and which
// saving drops; a location without
// an entry; a location that names no picture, or a picture missing from the
// folder's "Locations" or unreadable there. The keys are read as the
// Locations window reads them (LocationSettings::keys).
namespace LocationCheck {

// programFolder ends in a separator; pictures are looked for in its "Locations".
QList<FileCheck::Finding> check(const QByteArray &bytes, const QString &programFolder);

FileCheck::Result checkFile(const QString &path, const QString &programFolder);

} // namespace LocationCheck
