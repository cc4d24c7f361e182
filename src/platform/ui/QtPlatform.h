// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChoicesFile.h"
#include "PicturesAhead.h"
#include "Platform.h"

#include <memory>
#include <vector>

// The real desktop behind Platform.
class QtPlatform : public Platform
{
public:
    // programFolder: the folder the programs work in (main() chooses it from
    // the command line and the installation); any trailing separator.
    // choicesFile: where the user's choices are kept; "" keeps them for the run only.
    explicit QtPlatform(const QString &programFolder, const QString &choicesFile = QString());
    ~QtPlatform() override;

    QString programFolder() const override;
    QString executableFolder() const override;
    std::unique_ptr<FileDialog> createFileDialog(QWidget *owner) override;
    PictureResult loadPicture(const QString &path) override;
    void expectPictures(const QStringList &paths) override;
    void showMessage(QWidget *owner, const QString &text, const QString &title, MessageIcon icon) override;
    Answer ask(QWidget *owner, const QString &text, const QString &title, Question question,
               Answer defaultAnswer) override;
    bool startProcess(const QString &program, const QStringList &arguments) override;
    bool openInBrowser(const QString &path) override;
    SpellChecker &spellChecker() override;
    bool showMessageOffering(QWidget *owner, const QString &text, const QString &title, MessageIcon icon,
                             const QString &offer) override;
    QString choice(const QString &name) override;
    void setChoice(const QString &name, const QString &value) override;

private:
    QString m_programFolder;
    std::unique_ptr<SpellChecker> m_spellChecker;
    ChoicesFile m_choices;
    QMap<QString, QString> m_runChoices;
    std::vector<std::unique_ptr<PicturesAhead>> m_picturesAhead;
};
