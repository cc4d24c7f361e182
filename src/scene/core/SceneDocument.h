// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileStamp.h"
#include "SceneRecord.h"

#include <QString>

#include <utility>

// The composer's scene as a file: the text last built or read, the value last
// cut out of a longer text, and the record last saved, loaded or started with.
class SceneDocument
{
public:
    // The values last cut out of a longer text: by Load Scene, the background
    // entry (value start and ";" 1-based, 0 when there is none); by a LOAD, the
    // chosen file (its full path, where its name begins, 1-based, and the name
    // stored).
    struct CutValue
    {
        QString path;
        qsizetype start = 0;
        qsizetype semicolon = 0;
        QString value;
    };

    const QString &text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    // Builds the text of the record, and returns it.
    const QString &build(const SceneRecord &record);
    // Writes the text followed by CR LF; returns why it could not. stamp,
    // when given, gets the file as written.
    QString write(const QString &path, FileStamp *stamp = nullptr) const;

    const CutValue &lastCut() const { return m_lastCut; }
    void setLastCut(CutValue cut) { m_lastCut = std::move(cut); }

    bool isModified() const { return m_modified; }
    void markSaved(const SceneRecord &record) { m_savedRecord = record; }
    const SceneRecord &savedRecord() const { return m_savedRecord; }
    // Compares the record with the saved one; returns whether isModified changed.
    bool updateModified(const SceneRecord &record);

private:
    QString m_text;
    CutValue m_lastCut;
    SceneRecord m_savedRecord;
    bool m_modified = false;
};
