// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocationsFolder.h"

#include "TestFiles.h"

#include <QDir>

const QByteArray LocationsFolder::fiveEntries = "Other=1\r\n"
                                                "Location1=Garden.jpg,Green,\r\n"
                                                "Location2=Library.jpg,Books,\r\n"
                                                "Location3=Beach.jpg,Sand,\r\n"
                                                "Location4=Night City.jpg,Lights,\r\n"
                                                "Location5=Mountains.jpg,Snow,\r\n"
                                                "\r\n";

LocationsFolder::LocationsFolder()
{
    QDir(folder()).mkdir(QStringLiteral("Locations"));
}

void LocationsFolder::writeOptions(const QByteArray &bytes) const
{
    TestFiles::writeBytes(options(), bytes);
}

QByteArray LocationsFolder::optionsBytes() const
{
    return TestFiles::readBytes(options());
}
