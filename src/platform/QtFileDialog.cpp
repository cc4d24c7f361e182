#include "QtFileDialog.h"

#include <QFileDialog>

QtFileDialog::QtFileDialog(QWidget *owner)
    : m_owner(owner)
{
}

QString QtFileDialog::choose(Mode mode)
{
    QFileDialog dialog(m_owner);
    dialog.setNameFilter(toQtFilter(Filter));
    if (!InitDir.isEmpty())
        dialog.setDirectory(InitDir);
    // No default suffix: a name typed without an extension comes back without one.
    dialog.setDefaultSuffix(QString());
    if (mode == Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Commands that save into the program folder use only the chosen name,
        // so a question about replacing the file in the chosen folder would ask
        // about the wrong file. No dialog asks before replacing.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        if (!FileName.isEmpty())
            dialog.selectFile(FileName);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : QDir::toNativeSeparators(files.first());
}
