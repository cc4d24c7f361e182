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
// numberText: "120", "-3", "12.5", "0.3333333", "1.234568E+07"; a value that
// is not finite is written as "0".
// numberFromText: spaces and line ends around the number are ignored; a comma
// is read as the decimal separator when the text has no full stop; group
// separators, "nan", "inf" and anything beyond the range of a single read as 0.
QString numberText(float value);
float numberFromText(const QString &text);

// What the composer takes from a scene file: the background entry, each
// part's picture entry with its four numbers (0 for an absent number), and,
// only with the miscellaneous part, its four animation texts (empty when
// absent). Flag entries and "NI=" are not read: a part counts as on exactly
// when its picture entry is there.
struct PartEntry
{
    bool present = false;
    QString name;
    float height = 0, width = 0, left = 0, top = 0;
};
struct SceneContent
{
    EntryPosition background; // positions for the scratch values bg1, bg2
    PartEntry zumiMouth, userMouth, zumiBlink, userBlink, miscPart;
    QString miscRndm, miscFrames, miscDelay, miscSpeed;
};
SceneContent readScene(const QString &text);

// What loading a scene does to the record alone (no pictures, no controls):
// the four animation texts back to their default texts and the four part
// flags off; then the background name when present; each present part's
// name and geometry, and its flag on; with the miscellaneous part its four
// texts as read. Absent parts keep their names and geometry; NudeImage and
// NudeImageOn are left alone.
void applyScene(SceneRecord &scene, const SceneContent &content);

} // namespace SceneFile
