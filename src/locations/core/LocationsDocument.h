// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LocationSettings.h"
#include "RecoveryRecord.h"

#include <QObject>
#include <QString>

// The settings the Locations window edits: the five locations of the
// program folder's "Options.Cfg" (LocationSettings, with the other settings
// around them), the folder their pictures are looked for in, and whether they
// changed since they were last loaded or saved. Locations are numbered 1 to 5.
class LocationsDocument : public QObject
{
    Q_OBJECT
public:
    static constexpr int Count = LocationSettings::Count;

    explicit LocationsDocument(QObject *parent = nullptr);

    // Reads programFolder's "Options.Cfg" (a missing file gives empty
    // locations). A file that cannot be read gives empty locations too and
    // the message naming it and the reason; saving is then refused, since it
    // would replace the other settings that file holds.
    QString load(const QString &programFolder);

    const LocationSettings &settings() const { return m_settings; }
    QString file(int n) const { return m_settings.LocationFile[n - 1]; }
    QString text(int n) const { return m_settings.LocationText[n - 1]; }
    void setText(int n, const QString &text);
    // The picture's bare name, looked for in picturesFolder().
    void setFile(int n, const QString &name);

    // The program folder's "Locations" folder, ending in a separator.
    QString picturesFolder() const;
    // Where location n's picture is looked for, or "" when it names none.
    QString picturePath(int n) const;
    // Location n names a picture that is not a file in picturesFolder().
    bool pictureMissing(int n) const;

    // Changed since the last load or save.
    bool modified() const { return m_settings != m_saved; }

    // Writes "Options.Cfg" atomically. Returns an empty string, or why the
    // settings were not saved: a value the file cannot store (naming the
    // location and the value), a file that could not be read at loading, or
    // a failed write (which leaves the old file whole). Nothing is written
    // then, and the locations stay changed.
    QString save();

    // The settings file, in the program folder.
    QString settingsFile() const;
    // What a recovery file keeps: each location's picture name and text.
    // restore() puts them back over the loaded ones, as unsaved changes.
    QList<RecoveryRecord::Text> recoveryTexts() const;
    void restore(const RecoveryRecord &recovered);

signals:
    // A location's text or picture changed.
    void contentChanged();
    void modifiedChanged(bool modified);

private:
    void change(std::array<QString, Count> LocationSettings::*values, int n, const QString &value);
    QString unstorableValueMessage() const;

    QString m_folder;
    LocationSettings m_settings;
    LocationSettings m_saved;
    QString m_readError;
};
