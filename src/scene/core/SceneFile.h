// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SceneRecord.h"

#include <QString>
#include <QStringView>

#include <array>

// The scene file text. Window-free; needs this folder and QtCore alone.

// The complete file text for a scene: every entry followed by CR LF.
// (The file on disk is this text followed by one more CR LF.)
QString BuildSceneText(const SceneRecord &scene);

// Looks a key ("BG=", "ZMh=", ...) up in a scene file's text: the first exact,
// case-sensitive occurrence anywhere. The value runs from after the key to
// before the next ";"; without a ";" after the key (a hand-edited last entry)
// it runs to the end of its line, the line end not included. Returns false
// when the key does not occur. value may be null.
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
float numberFromText(QStringView text);
// Whether text is a number as numberFromText reads it (and then *value is it);
// false for what reads as 0 only because it is no number.
bool readNumber(QStringView text, float *value);
// What a save writes for a number text that was read: numberText of what
// numberFromText makes of it. same(): the text comes back as it stands
// ("10,5" is saved as "10.5", "1,000" as "1", "123456789" as "1.234568E+08").
struct NumberRoundTrip
{
    QString text;
    QString saved;
    bool same() const { return text == saved; }
};
NumberRoundTrip numberRoundTrip(QStringView text);

// What the composer takes from a scene file: the background entry, each
// part's picture entry with its four numbers (0 for an absent number), and,
// only with the miscellaneous part, its four animation texts (empty when
// absent). Flag entries and "NI=" are not read: a part counts as on exactly
// when its picture entry is there. Every key is looked up as FindSceneEntry
// does, all of them in one pass over the text.
struct PartEntry
{
    bool present = false;
    QString name;
    float height = 0, width = 0, left = 0, top = 0;
};
struct SceneContent
{
    EntryPosition background; // with its positions, for the scratch values
    std::array<PartEntry, ScenePart::Count> parts;
    QString miscRndm, miscFrames, miscDelay, miscSpeed;
};
SceneContent readScene(QStringView text);

// The file a picture name of a scene stands for in the picture folder (which
// ends in a separator). Scenes made on Windows name pictures in subfolders
// with "\" ("faces\m.bmp"); where no file has the name as it stands, "\" is
// taken as the folder separator it was meant to be.
QString picturePath(const QString &pictureFolder, const QString &name);
// Whether a picture name climbs out of the picture folder ("../Locations/a.jpg",
// "faces\\..\\..\\a.jpg"): such a scene finds its pictures only while it
// stays beside that folder.
bool leavesPictureFolder(const QString &name);

// What loading a scene does to the record alone (no pictures, no controls):
// the four animation texts back to their default texts and the four part
// switches off; then the background name when present; each present part's
// name and geometry, and its switch on; with the miscellaneous part its four
// texts as read. Absent parts keep their names and geometry; NudeImage and
// NudeImageOn are left alone.
void applyScene(SceneRecord &scene, const SceneContent &content);

// A value the file cannot hold as it is, and what in it is in the way: ";"
// (a reader ends the value there), a key such as "ZM=" (a reader finds that
// entry there), or a line break (the playing program reads a line per entry).
struct Unstorable
{
    QString value;
    QString piece; // ";", "ZM=", ..., "CR" or "LF"; empty: storable
    bool found() const { return !piece.isEmpty(); }
};
Unstorable checkValue(const QString &value);
// The first value BuildSceneText would write that the file cannot hold:
// picture names and, with the miscellaneous part on, its texts.
Unstorable firstUnstorable(const SceneRecord &scene);

} // namespace SceneFile
