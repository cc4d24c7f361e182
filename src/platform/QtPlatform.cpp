#include "QtPlatform.h"

#include "ProgramFolder.h"
#include "QtFileDialog.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

QString QtPlatform::programFolder() const
{
    return ProgramFolder::current();
}

std::unique_ptr<FileDialog> QtPlatform::createFileDialog(QWidget *owner)
{
    return std::make_unique<QtFileDialog>(owner);
}

PictureResult QtPlatform::loadPicture(const QString &path)
{
    return PictureLoader::load(path);
}

void QtPlatform::showMessage(QWidget *owner, const QString &text, const QString &title, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, title, text,
                    QMessageBox::Ok, owner);
    box.exec();
}

bool QtPlatform::startProcess(const QString &program)
{
    return QProcess::startDetached(program, {}, QFileInfo(program).absolutePath());
}

bool QtPlatform::openInBrowser(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
