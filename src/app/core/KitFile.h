// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The files Mindloom opens when it is given them (a file manager opening a
// knowledge base, a personality or the settings): which window takes a file.
namespace KitFile {

enum class Kind {
    None,          // no file Mindloom opens
    KnowledgeBase, // *.kba: the Knowledge Base Editor loads it
    Personality,   // *.mem or *.qas: the Personality Editor loads that personality
    Settings,      // Options.Cfg: the Locations window shows its locations
};

// By the name alone, letters in either case, as --check tells the kinds.
Kind kind(const QString &file);

// The Personality Editor's list entry of a personality's .mem or .qas file:
// the file name without its extension.
QString personalityEntry(const QString &file);

} // namespace KitFile
