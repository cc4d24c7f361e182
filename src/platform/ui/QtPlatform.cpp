// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPlatform.h"

#include "ProgramFolder.h"
#include "QtFileDialog.h"
#include "SpellChecker.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

QtPlatform::QtPlatform(const QString &programFolder, const QString &choicesFile)
    : m_programFolder(ProgramFolder::withTrailingSeparator(programFolder)), m_choices(choicesFile)
{
}

QtPlatform::~QtPlatform() = default;

SpellChecker &QtPlatform::spellChecker()
{
    if (!m_spellChecker)
        m_spellChecker = std::make_unique<SpellChecker>(
            SpellingPlaces::standard(),
            SpellChecker::Choices{
                [this](const QString &name) { return choice(name); },
                [this](const QString &name, const QString &value) { setChoice(name, value); }});
    return *m_spellChecker;
}

QString QtPlatform::programFolder() const
{
    return m_programFolder;
}

QString QtPlatform::executableFolder() const
{
    return ProgramFolder::current();
}

std::unique_ptr<FileDialog> QtPlatform::createFileDialog(QWidget *owner)
{
    return std::make_unique<QtFileDialog>(owner);
}

PictureResult QtPlatform::loadPicture(const QString &path)
{
    for (const std::unique_ptr<PicturesAhead> &ahead : m_picturesAhead) {
        std::optional<PictureResult> decoded = ahead->take(path);
        if (decoded)
            return std::move(*decoded);
    }
    return PictureLoader::load(path);
}

void QtPlatform::expectPictures(const QStringList &paths)
{
    // The program may have asked for a window's pictures before the window
    // does: those are decoded once.
    QStringList fresh;
    for (const QString &path : paths) {
        const bool expected = std::any_of(
            m_picturesAhead.cbegin(), m_picturesAhead.cend(),
            [&path](const std::unique_ptr<PicturesAhead> &ahead) { return ahead->expects(path); });
        if (!expected)
            fresh << path;
    }
    if (!fresh.isEmpty())
        m_picturesAhead.push_back(std::make_unique<PicturesAhead>(fresh));
}

void QtPlatform::showMessage(QWidget *owner, const QString &text, const QString &title, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, title, text,
                    QMessageBox::Ok, owner);
    box.exec();
}

bool QtPlatform::showMessageOffering(QWidget *owner, const QString &text, const QString &title,
                                     MessageIcon icon, const QString &offer)
{
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon, title, text,
                    QMessageBox::Ok, owner);
    QPushButton *offered = box.addButton(offer, QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == offered;
}

QString QtPlatform::choice(const QString &name)
{
    if (m_choices.path().isEmpty())
        return m_runChoices.value(name);
    return m_choices.value(name);
}

void QtPlatform::setChoice(const QString &name, const QString &value)
{
    if (m_choices.path().isEmpty()) {
        m_runChoices.insert(name, value);
        return;
    }
    // A choice that cannot be kept is no reason to interrupt the user's work:
    // it holds for this run, and the next run starts from the default.
    const QString error = m_choices.setValue(name, value);
    if (!error.isEmpty())
        qWarning("%s", qPrintable(error));
}

Platform::Answer QtPlatform::ask(QWidget *owner, const QString &text, const QString &title, Question question,
                                 Answer defaultAnswer)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, owner);
    const struct
    {
        Answer answer;
        QMessageBox::StandardButton button;
    } buttons[] = {{Answer::Yes, QMessageBox::Yes},
                   {Answer::No, QMessageBox::No},
                   {Answer::Save, QMessageBox::Save},
                   {Answer::Discard, QMessageBox::Discard},
                   {Answer::Cancel, QMessageBox::Cancel}};
    const bool yesNo = question == Question::YesNo;
    for (const auto &b : buttons) {
        const bool isYesNo = b.answer == Answer::Yes || b.answer == Answer::No;
        if (isYesNo != yesNo)
            continue;
        QPushButton *added = box.addButton(b.button);
        // Save and Cancel come with their mnemonics; Discard gets one of its own.
        if (b.answer == Answer::Discard)
            added->setText(QCoreApplication::translate("QtPlatform", "&Discard"));
        if (b.answer == defaultAnswer)
            box.setDefaultButton(b.button);
    }
    box.setEscapeButton(yesNo ? QMessageBox::No : QMessageBox::Cancel);
    const int pressed = box.exec();
    for (const auto &b : buttons)
        if (pressed == b.button)
            return b.answer;
    return yesNo ? Answer::No : Answer::Cancel;
}

bool QtPlatform::startProcess(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments, QFileInfo(program).absolutePath());
}

bool QtPlatform::openInBrowser(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
