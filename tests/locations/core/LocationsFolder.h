// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProgramFolderFixture.h"

#include <QByteArray>

// A program folder with its "Locations" folder, for the tests of the
// Locations window and of the settings it edits.
class LocationsFolder : public ProgramFolderFixture
{
public:
    LocationsFolder();

    QString options() const { return path(QStringLiteral("Options.Cfg")); }
    QString location(const QString &name) const { return path(QStringLiteral("Locations/") + name); }

    void writeOptions(const QByteArray &bytes) const;
    QByteArray optionsBytes() const;

    // An "Options.Cfg" with another setting in front of the five entries:
    // Garden.jpg "Green", Library.jpg "Books", Beach.jpg "Sand",
    // Night City.jpg "Lights", Mountains.jpg "Snow".
    static const QByteArray fiveEntries;
};
