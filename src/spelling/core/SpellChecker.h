// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Dictionary.h"
#include "PersonalWordList.h"
#include "SpellingExceptions.h"
#include "SpellingPlaces.h"
#include "SpellingWords.h"

#include <QHash>
#include <QObject>
#include <QSet>

#include <functional>
#include <memory>

// The spelling check every editor of a program shares: the installed
// dictionaries and the one chosen, whether checking is on (both kept with the
// user's other choices), the personal word list, and the words ignored until the program
// ends. Answers are kept per word, so a text already seen costs a look-up.
//
// changed() tells the text boxes that any answer may now differ (another
// dictionary, checking switched, a word added or ignored); generation() counts
// those changes, so results kept for a paragraph know when they are stale.
class SpellChecker : public QObject
{
    Q_OBJECT
public:
    // The suggestions a misspelling offers at most.
    static constexpr int SuggestionCount = 7;

    // Where the checker keeps what the user chose, by name, as the program
    // keeps its other choices; "" for a choice never made. Without `write`
    // the choices are kept for this run only; without `read` none is found.
    struct Choices
    {
        std::function<QString(const QString &name)> read;
        std::function<void(const QString &name, const QString &value)> write;
    };
    // The names of the choices.
    static const QString DictionaryChoice;
    static const QString CheckChoice;   // "1" or "0"
    static const QString FoldersChoice; // separated as in the PATH variable

    explicit SpellChecker(const SpellingPlaces &places, Choices choices = {}, QObject *parent = nullptr);
    ~SpellChecker() override;

    const SpellingPlaces &places() const { return m_places; }
    // The places' folders, then the ones the user added.
    QStringList searchedFolders() const;
    QList<DictionaryFile> dictionaries() const { return m_dictionaries; }
    // The open dictionary's name; empty when none is open.
    QString dictionaryName() const;

    // The user's choice to check; checking happens only with a dictionary open.
    bool isEnabled() const { return m_enabled; }
    bool isActive() const { return m_enabled && m_dictionary; }
    // Why no dictionary is open ("" when one is): none installed, or the
    // chosen one could not be read.
    QString unavailableReason() const { return m_problem; }

    enum class Keep { Saved, ForThisRun };
    // Kept with the choices, or only until the checker ends.
    void setEnabled(bool enabled, Keep keep = Keep::Saved);
    // Opens the installed dictionary of that name and keeps the choice.
    // Returns "" or the reason it could not be opened (the old one stays).
    QString chooseDictionary(const QString &name);
    // Adds the folder of a dictionary's ".dic" file to the searched ones and
    // chooses that dictionary. Returns "" or the reason.
    QString addDictionary(const QString &wordsPath);

    // Whether the word (as it stands in the text) is flagged: checking is
    // active, the word is one that is checked (SpellingWords::leftUnchecked,
    // the exceptions), and neither the dictionary, the personal list nor the
    // ignored words hold it.
    bool isMisspelled(QStringView word, const SpellingExceptions &exceptions = {});
    // The flagged words of a text.
    QList<SpellingWords::Span> misspelled(QStringView text, const SpellingExceptions &exceptions = {});
    // Up to SuggestionCount replacements, best first.
    QStringList suggestions(const QString &word);

    // Whether the personal list can keep the word: its file holds the kit's
    // code page only.
    bool canAddToDictionary(const QString &word) const;
    // Adds the word to the personal word list. Returns "" or the reason it
    // could not be kept (the word is then ignored until the program ends).
    QString addToDictionary(const QString &word);
    // Takes the word as known until the program ends.
    void ignore(const QString &word);
    const PersonalWordList &personalWords() const { return m_personal; }

    quint64 generation() const { return m_generation; }

signals:
    void changed();

private:
    void readChoices();
    // Takes what earlier versions kept; false when there is nothing to take.
    bool readFormerSettings();
    void writeChoices() const;
    void findInstalled();
    QString open(const DictionaryFile &file);
    void forgetAnswers();

    SpellingPlaces m_places;
    Choices m_choices;
    QStringList m_addedFolders;
    QList<DictionaryFile> m_dictionaries;
    std::unique_ptr<Dictionary> m_dictionary;
    QString m_chosen;
    bool m_enabled = true;
    QString m_problem;
    PersonalWordList m_personal;
    QSet<QString> m_ignored;
    QHash<QString, bool> m_known;
    QHash<QString, QStringList> m_suggestions;
    quint64 m_generation = 1;
};
