// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Platform.h"
#include "SpellingPlaces.h"

#include <QList>
#include <QMap>
#include <QStringList>

#include <functional>
#include <memory>

// A scripted Platform for widget tests. File dialogs answer from one shared
// queue (an empty answer is a cancel; an exhausted queue cancels too), questions
// from another (an exhausted queue answers as Escape would: No or Cancel), and
// every dialog shown, question, message, process start and browser call is
// recorded. The programFolder() is `folder`; ProgramFolderFixture makes one.
class FakePlatform : public Platform
{
public:
    struct DialogCall
    {
        FileDialog::Mode mode;
        QString filter;
        QString initDir;
        QString answer;
    };
    struct Message
    {
        QString text;
        QString title;
        MessageIcon icon;
        QString offer; // the extra button a message offered; "" for none
    };
    struct Asked
    {
        QString text;
        QString title;
        Question question;
        Answer defaultAnswer;
        Answer answer;
    };

    // The program folder; should end with a separator.
    QString folder;
    // The executables' folder; empty: the program folder, as in a build.
    QString executables;

    QStringList dialogAnswers;
    QList<DialogCall> dialogCalls;
    QList<Answer> answers;
    QList<Asked> questions;
    QList<Message> messages;
    // Whether each message that offers a button has it pressed, in turn; an
    // exhausted queue presses OK.
    QList<bool> offersTaken;
    // The user's choices that outlast a run.
    QMap<QString, QString> choices;
    QStringList startedProcesses;
    QList<QStringList> startedArguments; // one list per start
    bool processStartSucceeds = true;
    QStringList openedDocuments;
    bool browserSucceeds = true;
    // Runs while each message is shown, after it is recorded: a test that
    // needs the window to handle events while a modal box is open, as a real
    // box lets it, does that here.
    std::function<void(const Message &)> whileMessageShown;
    // Paths whose load fails with this error text, whatever the file holds.
    QMap<QString, QString> pictureFailures;
    QStringList loadedPictures;
    // Where the spell checker looks: by default nowhere, so no dictionary is
    // installed and nothing is kept. Set before spellChecker() is first asked.
    SpellingPlaces spelling;

    QString programFolder() const override { return folder; }
    QString executableFolder() const override { return executables.isEmpty() ? folder : executables; }
    std::unique_ptr<FileDialog> createFileDialog(QWidget *owner) override;
    PictureResult loadPicture(const QString &path) override;
    void showMessage(QWidget *owner, const QString &text, const QString &title, MessageIcon icon) override;
    Answer ask(QWidget *owner, const QString &text, const QString &title, Question question,
               Answer defaultAnswer) override;
    bool startProcess(const QString &program, const QStringList &arguments) override;
    bool openInBrowser(const QString &path) override;
    SpellChecker &spellChecker() override;
    bool showMessageOffering(QWidget *owner, const QString &text, const QString &title, MessageIcon icon,
                             const QString &offer) override;
    QString choice(const QString &name) override { return choices.value(name); }
    void setChoice(const QString &name, const QString &value) override { choices.insert(name, value); }

    FakePlatform();
    ~FakePlatform() override;

private:
    std::unique_ptr<SpellChecker> m_spellChecker;
};
