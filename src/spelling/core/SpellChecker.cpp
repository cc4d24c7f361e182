// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpellChecker.h"

#include "Cp1252.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>

namespace {

// The keys of the former settings file.
const QString kDictionaryKey = QStringLiteral("dictionary");
const QString kEnabledKey = QStringLiteral("enabled");
const QString kFoldersKey = QStringLiteral("folders");

} // namespace

const QString SpellChecker::DictionaryChoice = QStringLiteral("Spelling.Dictionary");
const QString SpellChecker::CheckChoice = QStringLiteral("Spelling.Check");
const QString SpellChecker::FoldersChoice = QStringLiteral("Spelling.Folders");

SpellChecker::SpellChecker(const SpellingPlaces &places, Choices choices, QObject *parent)
    : QObject(parent), m_places(places), m_choices(std::move(choices)), m_personal(places.personalWordList)
{
    readChoices();
    // A list that cannot be read starts empty; the next addition says why it
    // cannot be written either.
    (void)m_personal.load();
    findInstalled();

    DictionaryFile wanted;
    QStringList preferred{m_chosen, QLocale::system().name(), QStringLiteral("en_US")};
    for (const QString &name : preferred) {
        for (const DictionaryFile &file : std::as_const(m_dictionaries)) {
            if (!name.isEmpty() && file.name == name && wanted.name.isEmpty())
                wanted = file;
        }
    }
    if (wanted.name.isEmpty() && !m_dictionaries.isEmpty())
        wanted = m_dictionaries.constFirst();
    if (wanted.name.isEmpty())
        m_problem = tr("No dictionary is installed (looked in %1).")
                        .arg(QDir::toNativeSeparators(searchedFolders().join(QStringLiteral(", "))));
    else
        m_problem = open(wanted);
}

SpellChecker::~SpellChecker() = default;

QStringList SpellChecker::searchedFolders() const
{
    QStringList folders = m_places.dictionaryFolders;
    for (const QString &folder : m_addedFolders) {
        if (!folders.contains(folder))
            folders << folder;
    }
    return folders;
}

QString SpellChecker::dictionaryName() const
{
    return m_dictionary ? m_dictionary->file().name : QString();
}

void SpellChecker::readChoices()
{
    const auto read = [this](const QString &name) {
        return m_choices.read ? m_choices.read(name) : QString();
    };
    const QString check = read(CheckChoice);
    if (check.isEmpty()) {
        // Carried over once: from then on the choices hold it.
        if (readFormerSettings())
            writeChoices();
        return;
    }
    m_enabled = check != QLatin1String("0");
    m_chosen = read(DictionaryChoice);
    m_addedFolders = read(FoldersChoice).split(QDir::listSeparator(), Qt::SkipEmptyParts);
}

bool SpellChecker::readFormerSettings()
{
    if (m_places.formerSettingsFile.isEmpty() || !QFileInfo(m_places.formerSettingsFile).isFile())
        return false;
    const QSettings settings(m_places.formerSettingsFile, QSettings::IniFormat);
    // One that cannot be read leaves the defaults, and is tried again next time.
    if (settings.status() != QSettings::NoError)
        return false;
    m_chosen = settings.value(kDictionaryKey).toString();
    m_enabled = settings.value(kEnabledKey, true).toBool();
    m_addedFolders = settings.value(kFoldersKey).toStringList();
    return true;
}

void SpellChecker::writeChoices() const
{
    if (!m_choices.write)
        return;
    // The choices file holds the kit's code page only: a folder it cannot
    // name is searched for this run only.
    QStringList folders;
    for (const QString &folder : m_addedFolders) {
        if (Cp1252::firstUnstorable(folder) < 0 && !folder.contains(QDir::listSeparator()))
            folders << folder;
    }
    m_choices.write(DictionaryChoice, Cp1252::firstUnstorable(m_chosen) < 0 ? m_chosen : QString());
    m_choices.write(CheckChoice, m_enabled ? QStringLiteral("1") : QStringLiteral("0"));
    m_choices.write(FoldersChoice, folders.join(QDir::listSeparator()));
}

void SpellChecker::findInstalled()
{
    m_dictionaries = findDictionaries(searchedFolders());
}

QString SpellChecker::open(const DictionaryFile &file)
{
    QString error;
    std::unique_ptr<Dictionary> dictionary = Dictionary::open(file, &error);
    if (!dictionary)
        return error;
    for (const QString &word : m_personal.words())
        dictionary->addWord(word);
    m_dictionary = std::move(dictionary);
    m_problem.clear();
    forgetAnswers();
    return QString();
}

void SpellChecker::forgetAnswers()
{
    m_known.clear();
    m_suggestions.clear();
    ++m_generation;
}

void SpellChecker::setEnabled(bool enabled, Keep keep)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (keep == Keep::Saved)
        writeChoices();
    ++m_generation;
    emit changed();
}

QString SpellChecker::chooseDictionary(const QString &name)
{
    for (const DictionaryFile &file : std::as_const(m_dictionaries)) {
        if (file.name != name)
            continue;
        if (m_dictionary && m_dictionary->file() == file && m_chosen == name)
            return QString();
        const QString error = open(file);
        if (!error.isEmpty())
            return error;
        m_chosen = name;
        writeChoices();
        emit changed();
        return QString();
    }
    return tr("The dictionary \"%1\" is not installed.").arg(name);
}

QString SpellChecker::addDictionary(const QString &wordsPath)
{
    const QFileInfo info(wordsPath);
    const QString folder = info.absolutePath();
    if (!QFileInfo(QDir(folder).filePath(info.completeBaseName() + QStringLiteral(".aff"))).isFile())
        return tr("The dictionary \"%1\" has no \"%2\" beside it.")
            .arg(QDir::toNativeSeparators(wordsPath), info.completeBaseName() + QStringLiteral(".aff"));
    const bool added = !searchedFolders().contains(folder);
    if (added)
        m_addedFolders << folder;
    findInstalled();
    // A dictionary of the same name in an earlier folder hides this one.
    for (const DictionaryFile &file : std::as_const(m_dictionaries)) {
        if (file.name == info.completeBaseName() && QFileInfo(file.wordsPath) != info) {
            if (added)
                m_addedFolders.removeLast();
            findInstalled();
            return tr("A dictionary named \"%1\" is installed already, in \"%2\".")
                .arg(file.name, QDir::toNativeSeparators(QFileInfo(file.wordsPath).absolutePath()));
        }
    }
    writeChoices();
    const QString error = chooseDictionary(info.completeBaseName());
    emit changed();
    return error;
}

bool SpellChecker::isMisspelled(QStringView word, const SpellingExceptions &exceptions)
{
    if (!isActive() || word.isEmpty() || SpellingWords::leftUnchecked(word) || exceptions.contains(word))
        return false;
    const QString asked = SpellingWords::forDictionary(word);
    if (m_ignored.contains(asked))
        return false;
    auto known = m_known.constFind(asked);
    if (known == m_known.constEnd())
        known = m_known.insert(asked, m_dictionary->isKnown(asked) || m_personal.contains(asked));
    return !*known;
}

QList<SpellingWords::Span> SpellChecker::misspelled(QStringView text, const SpellingExceptions &exceptions)
{
    QList<SpellingWords::Span> out;
    if (!isActive())
        return out;
    for (const SpellingWords::Span &span : SpellingWords::words(text)) {
        if (isMisspelled(text.mid(span.start, span.length), exceptions))
            out << span;
    }
    return out;
}

QStringList SpellChecker::suggestions(const QString &word)
{
    if (!m_dictionary)
        return {};
    const QString asked = SpellingWords::forDictionary(word);
    auto found = m_suggestions.constFind(asked);
    if (found == m_suggestions.constEnd())
        found = m_suggestions.insert(asked, m_dictionary->suggestions(asked, SuggestionCount));
    return *found;
}

bool SpellChecker::canAddToDictionary(const QString &word) const
{
    return !word.isEmpty() && Cp1252::firstUnstorable(word) < 0;
}

QString SpellChecker::addToDictionary(const QString &word)
{
    const QString asked = SpellingWords::forDictionary(word);
    QString error;
    if (!canAddToDictionary(asked))
        error = tr("\"%1\" cannot be kept in the personal word list: its file holds only the characters "
                   "of the kit's files.")
                    .arg(word);
    else
        error = m_personal.add(asked);
    if (!error.isEmpty()) {
        ignore(word);
        return error;
    }
    if (m_dictionary)
        m_dictionary->addWord(asked);
    forgetAnswers();
    emit changed();
    return QString();
}

void SpellChecker::ignore(const QString &word)
{
    m_ignored.insert(SpellingWords::forDictionary(word));
    // Only this word's answer changes; the suggestions stay good.
    m_known.remove(SpellingWords::forDictionary(word));
    ++m_generation;
    emit changed();
}
