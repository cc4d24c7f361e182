// SPDX-License-Identifier: GPL-3.0-or-later
#include "PersonalityDocument.h"

#include "PersonalityFile.h"
#include "PhraseModule.h"
#include "ProgramFolder.h"
#include "TextFile.h"
#include "Wildcard.h"

#include <QCoreApplication>
#include <utility>

namespace {

const QLatin1String kCrLf("\r\n");

} // namespace

PersonalityDocument::PersonalityDocument(QObject *parent) : QObject(parent)
{
    // The shown text's own modified state follows its undo history: what
    // the user types, pastes or enters, and undoing it back to where the text
    // was loaded, saved or shown.
    connect(&m_shown, &QTextDocument::modificationChanged, this, [this] {
        if (!m_replacing)
            updateModified();
    });
    connect(&m_shown, &QTextDocument::contentsChanged, this, [this] {
        if (!m_replacing)
            emit contentChanged();
    });
    connect(this, &PersonalityDocument::entryStateChanged, this, &PersonalityDocument::contentChanged);
    connect(this, &PersonalityDocument::viewChanged, this, &PersonalityDocument::contentChanged);
}

QString PersonalityDocument::memory() const
{
    return m_view == View::General ? m_shown.text() : m_hidden;
}

QString PersonalityDocument::qandA() const
{
    return m_view == View::QuestionAnswer ? m_shown.text() : m_hidden;
}

void PersonalityDocument::replaceShown(const QString &text, bool changed)
{
    m_replacing = true;
    m_shown.setText(text);
    m_shown.setModified(changed);
    m_replacing = false;
    updateModified();
    emit shownTextReplaced();
    emit contentChanged();
}

void PersonalityDocument::updateModified()
{
    setModified(m_hiddenModified || m_shown.isModified());
}

void PersonalityDocument::markUnmodified()
{
    m_hiddenModified = false;
    m_replacing = true;
    m_shown.setModified(false);
    m_replacing = false;
    updateModified();
}

void PersonalityDocument::setQuest(int quest, const QString &mark)
{
    if (quest == m_quest && mark == m_entryMark)
        return;
    m_quest = quest;
    m_entryMark = mark;
    emit entryStateChanged();
}

void PersonalityDocument::setModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

// The views and the entry line.

void PersonalityDocument::setView(View view)
{
    if (view == m_view)
        return;
    // The texts trade places, each with its changed state, before anything is
    // announced.
    const QString showing = std::exchange(m_hidden, m_shown.text());
    const bool showingModified = std::exchange(m_hiddenModified, m_shown.isModified());
    m_view = view;
    replaceShown(showing, showingModified);
    // The mark stays as it was: it may still show "!" from an unanswered
    // question although a question comes next.
    if (view == View::QuestionAnswer)
        setQuest(0, m_entryMark);
    emit viewChanged();
}

void PersonalityDocument::takeEntry(const QString &line)
{
    m_inText = line;
    // Appending leaves the text before it as it is: the same as setting the
    // old text followed by the line, without rebuilding the whole text.
    if (m_view == View::General) {
        if (m_secondPerson)
            PhraseModule::SwapPerson(m_inText);
        m_shown.appendText(m_inText + kCrLf + kCrLf);
    } else if (m_quest == 1) {
        // The answer keeps its persons.
        m_shown.appendText(m_inText + QLatin1Char('%'));
        setQuest(0, QStringLiteral("?"));
    } else {
        if (m_secondPerson)
            PhraseModule::SwapPerson(m_inText);
        m_shown.appendText(QStringLiteral("\r\n#") + m_inText + QLatin1Char('&'));
        setQuest(1, QStringLiteral("!"));
    }
}

void PersonalityDocument::appendStatement(const QString &statement)
{
    const QString added = statement + kCrLf + kCrLf;
    if (m_view == View::General) {
        m_shown.appendText(added);
        return;
    }
    m_hidden += added;
    m_hiddenModified = true;
    updateModified();
}

// The sections.

void PersonalityDocument::takeOutMatchWords()
{
    takeOutSection(m_matchWords, PersonalityFile::kMatchWordsMarker);
}

void PersonalityDocument::takeOutWontSay()
{
    takeOutSection(m_wontSayData, PersonalityFile::kWontSayMarker);
}

void PersonalityDocument::takeOutSection(QString &section, QLatin1String marker)
{
    if (m_view == View::QuestionAnswer) {
        if (PersonalityFile::takeOutSection(m_hidden, section, marker)) {
            m_hiddenModified = true;
            updateModified();
            emit contentChanged();
        }
        return;
    }
    QString memory = m_shown.text();
    if (PersonalityFile::takeOutSection(memory, section, marker)) {
        replaceShown(memory, true);
    }
}

// Listing and loading.

QStringList PersonalityDocument::list(const QString &programFolder)
{
    return PersonalityFile::list(programFolder);
}

bool PersonalityDocument::listed(const QString &fileName)
{
    return Wildcard::match(fileName, u"*.mem*", Qt::CaseSensitive);
}

QString PersonalityDocument::load(const QString &programFolder, const QString &entry)
{
    if (entry.isEmpty()) {
        m_personalityName.clear();
        m_matchWords.clear();
        m_wontSayData.clear();
        m_hidden.clear();
        markUnmodified();
        return QString();
    }

    PersonalityFile::ReadResult read = PersonalityFile::read(programFolder, entry);
    using Status = PersonalityFile::ReadResult::Status;
    switch (read.status) {
    case Status::QandAMissing:
        return QCoreApplication::translate(
            "PersonalityDocument",
            "The Personality's .qas file is missing! Unable to load Personality. Sorry!");
    case Status::MemoryUnreadable:
    case Status::QandAUnreadable:
        return read.error +
               QCoreApplication::translate("PersonalityDocument", "\nUnable to load Personality.");
    case Status::Loaded:
        break;
    }

    m_personalityName = entry;
    m_memoryStamp = read.memoryStamp;
    m_qandAStamp = read.qandAStamp;
    // The sections came out of the memory text before it is shown, so that
    // the text is put into the document once.
    PersonalityFile::Texts &texts = read.texts;
    m_matchWords = std::move(texts.matchWords);
    m_wontSayData = std::move(texts.wontSay);
    if (m_view == View::General) {
        m_hidden = std::move(texts.qandA);
        replaceShown(texts.memory, false);
    } else {
        m_hidden = std::move(texts.memory);
        replaceShown(texts.qandA, false);
    }
    markUnmodified();
    return QString();
}

// Saving.

PersonalityFile::Texts PersonalityDocument::texts() const
{
    return {memory(), m_matchWords, m_wontSayData, qandA()};
}

PersonalityFile::SaveCheck PersonalityDocument::checkSave(const QString &programFolder,
                                                          const QString &name) const
{
    return PersonalityFile::checkSave(texts(), PersonalityFile::memoryPath(programFolder, name),
                                      PersonalityFile::qandAPath(programFolder, name));
}

QStringList PersonalityDocument::changedOnDisk(const QString &programFolder, const QString &name) const
{
    QStringList changed;
    if (name.isEmpty() || name != m_personalityName)
        return changed;
    const QString qandAFile = PersonalityFile::qandAPath(programFolder, name);
    const QString memoryFile = PersonalityFile::memoryPath(programFolder, name);
    if (m_qandAStamp.changedOnDisk(qandAFile))
        changed << qandAFile;
    if (m_memoryStamp.changedOnDisk(memoryFile))
        changed << memoryFile;
    return changed;
}

QString PersonalityDocument::save(const QString &programFolder, const QString &name)
{
    const PersonalityFile::SaveCheck check = checkSave(programFolder, name);
    if (!check.ok())
        return check.message;
    const QString error = PersonalityFile::save(programFolder, name, memory(), m_matchWords, m_wontSayData,
                                                qandA(), &m_memoryStamp, &m_qandAStamp);
    if (!error.isEmpty())
        return error;
    m_personalityName = name;
    markUnmodified();
    return QString();
}

QString PersonalityDocument::nameForSave(const QString &chosen)
{
    QString name = ProgramFolder::fileNameWithoutFolder(chosen);
    if (name.endsWith(QLatin1String(".mem")))
        name.chop(4);
    return name;
}

QString PersonalityDocument::exportTarget(const QString &programFolder, const QString &chosen)
{
    return programFolder + ProgramFolder::fileNameWithoutFolder(chosen);
}

QString PersonalityDocument::exportMemory(const QString &path) const
{
    return TextFile::writeWithBackup(path,
                                     PersonalityFile::memoryContent(memory(), m_matchWords, m_wontSayData));
}

QString PersonalityDocument::exportQandA(const QString &path) const
{
    return TextFile::writeWithBackup(path, qandA());
}

// Recovery.

namespace {

const QString kMemory = QStringLiteral("memory");
const QString kMatchWords = QStringLiteral("match words");
const QString kWontSay = QStringLiteral("wont say");
const QString kQandA = QStringLiteral("questions and answers");
const QString kName = QStringLiteral("name");
const QString kView = QStringLiteral("view");
const QString kQuest = QStringLiteral("quest");
const QString kMark = QStringLiteral("entry mark");
const QString kSecondPerson = QStringLiteral("second person");
const QString kInText = QStringLiteral("last entry");

} // namespace

QList<RecoveryRecord::Text> PersonalityDocument::recoveryTexts() const
{
    return {{kName, m_personalityName},
            {kView, m_view == View::General ? QStringLiteral("general") : QStringLiteral("question/answer")},
            {kQuest, QString::number(m_quest)},
            {kMark, m_entryMark},
            {kSecondPerson, m_secondPerson ? QStringLiteral("yes") : QStringLiteral("no")},
            {kInText, m_inText},
            {kMatchWords, m_matchWords},
            {kWontSay, m_wontSayData},
            {kMemory, memory()},
            {kQandA, qandA()}};
}

void PersonalityDocument::restore(const QList<RecoveryRecord::Text> &texts)
{
    RecoveryRecord record;
    record.texts = texts;
    m_personalityName = record.text(kName);
    m_matchWords = record.text(kMatchWords);
    m_wontSayData = record.text(kWontSay);
    m_inText = record.text(kInText);
    m_secondPerson = record.text(kSecondPerson) == QLatin1String("yes");
    m_view = record.text(kView) == QLatin1String("question/answer") ? View::QuestionAnswer : View::General;
    const QString memory = record.text(kMemory);
    const QString qandA = record.text(kQandA);
    m_hidden = m_view == View::General ? qandA : memory;
    m_hiddenModified = true;
    replaceShown(m_view == View::General ? memory : qandA, true);
    const QString mark = record.text(kMark);
    setQuest(record.text(kQuest) == QLatin1String("1") ? 1 : 0, mark.isEmpty() ? QStringLiteral("?") : mark);
    emit viewChanged();
}

QString PersonalityDocument::memoryFile(const QString &programFolder) const
{
    return m_personalityName.isEmpty() ? QString()
                                       : PersonalityFile::memoryPath(programFolder, m_personalityName);
}
