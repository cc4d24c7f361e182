// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dictionary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMap>
#include <QStringDecoder>
#include <QStringEncoder>

#include <hunspell.hxx>

namespace {

// Hunspell's names of encodings and the ones the converters know.
QByteArray codecName(const std::string &hunspellName)
{
    QByteArray name = QByteArray::fromStdString(hunspellName).trimmed();
    if (name.isEmpty())
        return QByteArrayLiteral("ISO-8859-1"); // Hunspell's own default
    if (name.startsWith("ISO8859-"))
        name.insert(3, '-');
    else if (name.startsWith("microsoft-cp"))
        name = "windows-" + name.mid(12);
    return name;
}

bool readable(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

} // namespace

QString DictionaryFile::displayName() const
{
    const QLocale locale(name);
    if (locale.language() == QLocale::C || !name.contains(QLatin1Char('_')) ||
        locale.name().section(QLatin1Char('_'), 0, 0) != name.section(QLatin1Char('_'), 0, 0))
        return name;
    return QStringLiteral("%1 (%2)").arg(QLocale::languageToString(locale.language()),
                                         QLocale::territoryToString(locale.territory()));
}

QList<DictionaryFile> findDictionaries(const QStringList &folders)
{
    QMap<QString, DictionaryFile> found;
    for (const QString &folder : folders) {
        const QDir dir(folder);
        const QFileInfoList words =
            dir.entryInfoList({QStringLiteral("*.dic")}, QDir::Files | QDir::Readable, QDir::Name);
        for (const QFileInfo &info : words) {
            const QString name = info.completeBaseName();
            const QString affix = dir.filePath(name + QStringLiteral(".aff"));
            // Hyphenation patterns share the extension and come without affixes.
            if (name.startsWith(QLatin1String("hyph_")) || !QFileInfo(affix).isFile() || found.contains(name))
                continue;
            found.insert(name, DictionaryFile{name, affix, info.filePath()});
        }
    }
    return found.values();
}

Dictionary::Dictionary(const DictionaryFile &file, std::unique_ptr<Hunspell> hunspell)
    : m_file(file), m_hunspell(std::move(hunspell))
{
}

Dictionary::~Dictionary() = default;

std::unique_ptr<Dictionary> Dictionary::open(const DictionaryFile &file, QString *error)
{
    // Hunspell reports nothing about a file it cannot read: it just knows no words.
    for (const QString &path : {file.affixPath, file.wordsPath}) {
        if (!readable(path)) {
            *error = QCoreApplication::translate("Dictionary", "Cannot read the dictionary file \"%1\".")
                         .arg(QDir::toNativeSeparators(path));
            return nullptr;
        }
    }
    auto hunspell = std::make_unique<Hunspell>(QFile::encodeName(file.affixPath).constData(),
                                               QFile::encodeName(file.wordsPath).constData());
    std::unique_ptr<Dictionary> dictionary(new Dictionary(file, std::move(hunspell)));
    dictionary->m_encodingName = QString::fromStdString(dictionary->m_hunspell->get_dict_encoding());
    dictionary->m_codecName = codecName(dictionary->m_hunspell->get_dict_encoding());
    if (!QStringEncoder(dictionary->m_codecName.constData()).isValid() ||
        !QStringDecoder(dictionary->m_codecName.constData()).isValid()) {
        *error = QCoreApplication::translate(
                     "Dictionary", "The dictionary \"%1\" is written in the encoding %2, which this program "
                                   "cannot convert.")
                     .arg(QDir::toNativeSeparators(file.affixPath), dictionary->m_encodingName);
        return nullptr;
    }
    return dictionary;
}

bool Dictionary::encode(const QString &word, std::string *out) const
{
    QStringEncoder encoder(m_codecName.constData(), QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(word);
    if (encoder.hasError())
        return false;
    *out = bytes.toStdString();
    return true;
}

QString Dictionary::decode(const std::string &bytes) const
{
    QStringDecoder decoder(m_codecName.constData(), QStringConverter::Flag::Stateless);
    return decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

bool Dictionary::canHold(const QString &word) const
{
    std::string bytes;
    return encode(word, &bytes);
}

bool Dictionary::isKnown(const QString &word)
{
    std::string bytes;
    if (!encode(word, &bytes))
        return false;
    return m_hunspell->spell(bytes);
}

QStringList Dictionary::suggestions(const QString &word, int count)
{
    QStringList out;
    std::string bytes;
    if (!encode(word, &bytes))
        return out;
    for (const std::string &suggestion : m_hunspell->suggest(bytes)) {
        if (out.size() >= count)
            break;
        const QString decoded = decode(suggestion);
        if (!decoded.isEmpty() && !out.contains(decoded))
            out << decoded;
    }
    return out;
}

void Dictionary::addWord(const QString &word)
{
    std::string bytes;
    if (encode(word, &bytes))
        m_hunspell->add(bytes);
}
