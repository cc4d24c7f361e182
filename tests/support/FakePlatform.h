#pragma once

#include "Platform.h"

#include <QList>
#include <QMap>
#include <QStringList>

// A scripted Platform for widget tests. File dialogs answer from one shared
// queue (an empty answer is a cancel; an exhausted queue cancels too) and every
// dialog shown, message, process start and browser call is recorded.
class FakePlatform : public Platform
{
public:
    struct DialogCall
    {
        FileDialog::Mode mode;
        QString fileNameBefore; // FileName as the command left it before showing
        QString filter;
        QString initDir;
        bool cancelError;
        QString answer;
    };
    struct Message
    {
        QString text;
        QString title;
        MessageIcon icon;
    };

    // The program folder; should end with a separator.
    QString folder;

    QStringList dialogAnswers;
    QList<DialogCall> dialogCalls;
    QList<Message> messages;
    QStringList startedProcesses;
    bool processStartSucceeds = true;
    QStringList openedDocuments;
    bool browserSucceeds = true;
    // Paths whose load fails with this error text, whatever the file holds.
    QMap<QString, QString> pictureFailures;
    QStringList loadedPictures;

    QString programFolder() const override { return folder; }
    std::unique_ptr<FileDialog> createFileDialog(QWidget *owner) override;
    PictureResult loadPicture(const QString &path) override;
    void showMessage(QWidget *owner, const QString &text, const QString &title, MessageIcon icon) override;
    bool startProcess(const QString &program) override;
    bool openInBrowser(const QString &path) override;
};
