// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePlatform.h"

#include "SpellChecker.h"

namespace {

class FakeFileDialog : public FileDialog
{
public:
    explicit FakeFileDialog(FakePlatform &platform) : m_platform(platform) {}

protected:
    QString choose(Mode mode, const QString &filter, const QString &initFolder) override
    {
        const QString answer =
            m_platform.dialogAnswers.isEmpty() ? QString() : m_platform.dialogAnswers.takeFirst();
        m_platform.dialogCalls.append({mode, filter, initFolder, answer});
        return answer;
    }

private:
    FakePlatform &m_platform;
};

} // namespace

std::unique_ptr<FileDialog> FakePlatform::createFileDialog(QWidget *)
{
    return std::make_unique<FakeFileDialog>(*this);
}

PictureResult FakePlatform::loadPicture(const QString &path)
{
    loadedPictures << path;
    const auto failure = pictureFailures.constFind(path);
    if (failure != pictureFailures.constEnd()) {
        PictureResult result;
        result.error = failure.value();
        return result;
    }
    return PictureLoader::load(path);
}

void FakePlatform::showMessage(QWidget *, const QString &text, const QString &title, MessageIcon icon)
{
    messages.append({text, title, icon, QString()});
    if (whileMessageShown)
        whileMessageShown(messages.constLast());
}

bool FakePlatform::showMessageOffering(QWidget *, const QString &text, const QString &title, MessageIcon icon,
                                       const QString &offer)
{
    messages.append({text, title, icon, offer});
    if (whileMessageShown)
        whileMessageShown(messages.constLast());
    return !offersTaken.isEmpty() && offersTaken.takeFirst();
}

Platform::Answer FakePlatform::ask(QWidget *, const QString &text, const QString &title, Question question,
                                   Answer defaultAnswer)
{
    const Answer escape = question == Question::YesNo ? Answer::No : Answer::Cancel;
    const Answer answer = answers.isEmpty() ? escape : answers.takeFirst();
    questions.append({text, title, question, defaultAnswer, answer});
    return answer;
}

bool FakePlatform::startProcess(const QString &program, const QStringList &arguments)
{
    startedProcesses << program;
    startedArguments << arguments;
    return processStartSucceeds;
}

bool FakePlatform::openInBrowser(const QString &path)
{
    openedDocuments << path;
    return browserSucceeds;
}

FakePlatform::FakePlatform() = default;
FakePlatform::~FakePlatform() = default;

SpellChecker &FakePlatform::spellChecker()
{
    if (!m_spellChecker)
        m_spellChecker = std::make_unique<SpellChecker>(
            spelling, SpellChecker::Choices{
                          [this](const QString &name) { return choice(name); },
                          [this](const QString &name, const QString &value) { setChoice(name, value); }});
    return *m_spellChecker;
}
