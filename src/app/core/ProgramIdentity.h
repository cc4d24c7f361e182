#pragma once

#include "KitProgram.h"

#include <QIcon>

// What the desktop sees of a running program: the kit's application name and
// version, the desktop entry its windows belong to, and its icon.
namespace ProgramIdentity {

// The program's icon in every size it is drawn in.
QIcon icon(KitProgram program);

// Call right after the application object is made, before any window. The
// icon follows once the first window has shown its first picture.
void apply(KitProgram program);

} // namespace ProgramIdentity
