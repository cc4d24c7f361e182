// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocationsDocument.h"

#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QFileInfo>

LocationsDocument::LocationsDocument(QObject *parent) : QObject(parent) {}

QString LocationsDocument::load(const QString &programFolder)
{
    const bool wasModified = modified();
    m_folder = programFolder;
    LocationSettings::LoadResult loaded = LocationSettings::load(programFolder);
    m_settings = std::move(loaded.settings);
    m_readError = std::move(loaded.error);
    m_saved = m_settings;
    if (wasModified)
        emit modifiedChanged(false);
    return m_readError;
}

void LocationsDocument::change(std::array<QString, Count> LocationSettings::*values, int n,
                               const QString &value)
{
    const bool wasModified = modified();
    (m_settings.*values)[n - 1] = value;
    if (modified() != wasModified)
        emit modifiedChanged(!wasModified);
    emit contentChanged();
}

void LocationsDocument::setText(int n, const QString &text)
{
    change(&LocationSettings::LocationText, n, text);
}

void LocationsDocument::setFile(int n, const QString &name)
{
    change(&LocationSettings::LocationFile, n, name);
}

QString LocationsDocument::picturesFolder() const
{
    return ProgramFolder::subfolder(m_folder, QStringLiteral("Locations"));
}

QString LocationsDocument::picturePath(int n) const
{
    return file(n).isEmpty() ? QString() : picturesFolder() + file(n);
}

bool LocationsDocument::pictureMissing(int n) const
{
    return !file(n).isEmpty() && !QFileInfo(picturePath(n)).isFile();
}

QString LocationsDocument::unstorableValueMessage() const
{
    for (int n = 1; n <= Count; ++n) {
        const struct
        {
            QString what;
            QString value;
        } values[] = {{QCoreApplication::translate("LocationsDocument", "picture file name"), file(n)},
                      {QCoreApplication::translate("LocationsDocument", "text"), text(n)}};
        for (const auto &entry : values) {
            const QString reason = LocationSettings::whyUnstorable(entry.value);
            if (reason.isEmpty())
                continue;
            return QCoreApplication::translate(
                       "LocationsDocument",
                       "The settings were not saved: the %1 of Location %2, \"%3\", holds %4, which "
                       "\"%5\" cannot store.\n\nChange it and save again.")
                .arg(entry.what)
                .arg(n)
                .arg(entry.value, reason, LocationSettings::fileName());
        }
    }
    return QString();
}

QString LocationsDocument::save()
{
    if (!m_readError.isEmpty()) {
        return QCoreApplication::translate(
                   "LocationsDocument",
                   "The settings were not saved, because saving would replace the other settings "
                   "of \"%1\", which could not be read when this window opened:\n%2\n\nClose the "
                   "window and open it again once the file can be read.")
            .arg(LocationSettings::fileName(), m_readError);
    }
    QString problem = unstorableValueMessage();
    if (!problem.isEmpty())
        return problem;
    const QString error = m_settings.save(m_folder);
    if (!error.isEmpty())
        return error + QCoreApplication::translate("LocationsDocument", "\n\nThe settings were not saved.");
    const bool wasModified = modified();
    m_saved = m_settings;
    if (wasModified)
        emit modifiedChanged(false);
    return QString();
}

QString LocationsDocument::settingsFile() const
{
    return m_folder + LocationSettings::fileName();
}

QList<RecoveryRecord::Text> LocationsDocument::recoveryTexts() const
{
    QList<RecoveryRecord::Text> texts;
    for (int n = 1; n <= Count; ++n) {
        texts.append({QStringLiteral("location %1 picture").arg(n), file(n)});
        texts.append({QStringLiteral("location %1 text").arg(n), text(n)});
    }
    return texts;
}

void LocationsDocument::restore(const RecoveryRecord &recovered)
{
    for (int n = 1; n <= Count; ++n) {
        setFile(n, recovered.text(QStringLiteral("location %1 picture").arg(n)));
        setText(n, recovered.text(QStringLiteral("location %1 text").arg(n)));
    }
}
