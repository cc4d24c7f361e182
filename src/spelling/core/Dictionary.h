// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class Hunspell;

// One installed dictionary: an ".aff" and a ".dic" file of one name.
struct DictionaryFile
{
    QString name; // the files' base name, "en_US"
    QString affixPath;
    QString wordsPath;

    bool operator==(const DictionaryFile &o) const
    {
        return name == o.name && affixPath == o.affixPath && wordsPath == o.wordsPath;
    }

    // What the menu shows: the language and country the name stands for,
    // "English (United States)", or the name itself.
    QString displayName() const;
};

// The dictionaries in the folders, sorted by name; of two of one name the
// one in the earlier folder.
QList<DictionaryFile> findDictionaries(const QStringList &folders);

// A Hunspell dictionary. The editor's text is Unicode; the dictionary's files
// are in the encoding their ".aff" file names (SET), and every word goes to it
// and comes back through that encoding. A word the encoding cannot hold is
// not in the dictionary.
class Dictionary
{
public:
    ~Dictionary();
    Dictionary(const Dictionary &) = delete;
    Dictionary &operator=(const Dictionary &) = delete;

    // The dictionary, or nullptr with *error naming the file and the reason.
    static std::unique_ptr<Dictionary> open(const DictionaryFile &file, QString *error);

    const DictionaryFile &file() const { return m_file; }
    QString encoding() const { return m_encodingName; }

    bool isKnown(const QString &word);
    // At most `count` words the dictionary offers in the word's place, best first.
    QStringList suggestions(const QString &word, int count);
    // Takes the word as known until the dictionary closes (a personal word).
    void addWord(const QString &word);
    // Whether the dictionary's encoding holds every character of the word.
    bool canHold(const QString &word) const;

private:
    Dictionary(const DictionaryFile &file, std::unique_ptr<Hunspell> hunspell);
    bool encode(const QString &word, std::string *out) const;
    QString decode(const std::string &bytes) const;

    DictionaryFile m_file;
    std::unique_ptr<Hunspell> m_hunspell;
    QString m_encodingName;
    QByteArray m_codecName; // for QStringEncoder/QStringDecoder
};
