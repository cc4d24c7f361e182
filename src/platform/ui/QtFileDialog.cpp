// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtFileDialog.h"

#include <QFileDialog>

QtFileDialog::QtFileDialog(QWidget *owner) : m_owner(owner) {}

QString QtFileDialog::choose(Mode mode, const QString &filter, const QString &initFolder)
{
    QFileDialog dialog(m_owner);
    if (!filter.isEmpty())
        dialog.setNameFilter(toQtFilter(filter));
    if (!initFolder.isEmpty())
        dialog.setDirectory(initFolder);
    // No default suffix: a name typed without an extension comes back without one.
    dialog.setDefaultSuffix(QString());
    if (mode == Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The commands ask about the file they really write (see FileDialog.h).
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    } else if (mode == Mode::Folder) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly, true);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : QDir::toNativeSeparators(files.first());
}
