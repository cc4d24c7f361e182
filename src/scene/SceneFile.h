#pragma once

#include "SceneRecord.h"

#include <QString>

// The scene file text. Compiles with QtCore and this folder alone.

// The complete file text for a scene: every entry followed by CR LF.
// (The file on disk is this text followed by one more CR LF.)
QString BuildSceneText(const SceneRecord &scene);

// Looks a key ("BG=", "ZMh=", ...) up in a scene file's text: the first exact,
// case-sensitive occurrence anywhere. The value runs from after the key to
// before the next ";" (to the end of the text when there is none). Returns
// false when the key does not occur. value may be null.
bool FindSceneEntry(const QString &text, const QString &key, QString *value);

namespace SceneFile {

// Where FindSceneEntry found a key's value: 1-based position of the value's
// first character, and of the ";" that ends it (0 when there is none).
struct EntryPosition
{
    bool found = false;
    qsizetype valueStart = 0;
    qsizetype semicolon = 0;
    QString value;
};
EntryPosition findEntry(const QString &text, const QString &key);

// Numbers as written into and read from scene files, with "." as decimal
// separator whatever the user's locale. Whole values carry no separator,
// at most 7 significant digits; an empty or non-numeric text reads as 0.
QString numberText(float value);
float numberFromText(const QString &text);

} // namespace SceneFile
