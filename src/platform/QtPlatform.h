#pragma once

#include "Platform.h"

// The real desktop behind Platform.
class QtPlatform : public Platform
{
public:
    QString programFolder() const override;
    std::unique_ptr<FileDialog> createFileDialog(QWidget *owner) override;
    PictureResult loadPicture(const QString &path) override;
    void showMessage(QWidget *owner, const QString &text, const QString &title, MessageIcon icon) override;
    Answer ask(QWidget *owner, const QString &text, const QString &title, Question question,
               Answer defaultAnswer) override;
    bool startProcess(const QString &program) override;
    bool openInBrowser(const QString &path) override;
};
