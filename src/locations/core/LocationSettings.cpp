// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocationSettings.h"

#include "Cp1252.h"
#include "TextFile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace {

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// The first key at or after from, or -1.
qsizetype findKey(const QString &text, qsizetype from)
{
    for (qsizetype i = std::max<qsizetype>(from, 0); i + LocationSettings::KeyLength <= text.size(); ++i) {
        if (LocationSettings::keyAt(text, i) != 0)
            return i;
    }
    return -1;
}

// The next position at or after a given one that holds a character of a
// kind, or the text's length when none does. Asked with positions that never
// decrease, it reads every character at most once over all calls. The kind
// is a type of its own, so that its test is made inline: it runs once for
// every character of the file.
template <typename Is> class NextOf
{
public:
    explicit NextOf(const QString &text) : m_text(text) {}

    qsizetype operator()(qsizetype from)
    {
        if (from <= m_found)
            return m_found;
        const auto *const chars = reinterpret_cast<const char16_t *>(m_text.constData());
        const qsizetype size = m_text.size();
        qsizetype i = from;
        while (i < size && !Is()(chars[i]))
            ++i;
        m_found = i;
        return i;
    }

private:
    const QString &m_text;
    qsizetype m_found = -1;
};

struct IsLineEnd
{
    bool operator()(char16_t c) const { return c == u'\r' || c == u'\n'; }
};

struct IsComma
{
    bool operator()(char16_t c) const { return c == u','; }
};

// Length of the line end at i (CR LF, CR or LF), or 0.
qsizetype lineEndLength(const QString &text, qsizetype i)
{
    if (i >= text.size() || !isLineEnd(text.at(i)))
        return 0;
    if (text.at(i) == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
        return 2;
    return 1;
}

} // namespace

bool LocationSettings::operator==(const LocationSettings &other) const
{
    return LocationFile == other.LocationFile && LocationText == other.LocationText &&
           LocationRest == other.LocationRest && OptOther == other.OptOther && OptAfter == other.OptAfter;
}

QString LocationSettings::fileName()
{
    return QStringLiteral("Options.Cfg");
}

QString LocationSettings::key(int n)
{
    return QStringLiteral("Location%1=").arg(n);
}

int LocationSettings::keyAt(const QString &text, qsizetype i)
{
    static const char word[] = "location";
    if (i < 0 || i + KeyLength > text.size())
        return 0;
    for (int j = 0; j < 8; ++j) {
        char16_t c = text.at(i + j).unicode();
        if (c >= u'A' && c <= u'Z')
            c = char16_t(c + (u'a' - u'A'));
        if (c != char16_t(word[j]))
            return 0;
    }
    const char16_t digit = text.at(i + 8).unicode();
    if (digit < u'1' || digit > u'5' || text.at(i + 9) != QLatin1Char('='))
        return 0;
    return digit - u'0';
}

QList<LocationSettings::Key> LocationSettings::keys(const QString &text)
{
    QList<Key> keys;
    std::array<bool, Count> found{};
    NextOf<IsLineEnd> nextLineEnd(text);
    NextOf<IsComma> nextComma(text);
    NextOf<IsComma> nextSecondComma(text);
    const qsizetype size = text.size();
    qsizetype open = -1; // the entry whose line may hold the next entry
    qsizetype i = 0;
    while (i + KeyLength <= size) {
        // Every key ends in "=": look in front of the next one.
        const qsizetype equals = text.indexOf(QLatin1Char('='), i + KeyLength - 1);
        if (equals < 0)
            break;
        const qsizetype at = equals - (KeyLength - 1);
        const int number = keyAt(text, at);
        if (number == 0) {
            i = at + 1;
            continue;
        }
        Key key;
        key.location = number;
        key.at = at;
        const qsizetype values = at + KeyLength;
        const qsizetype lineEnd = nextLineEnd(values);
        const qsizetype comma1 = nextComma(values);
        const qsizetype comma2 = comma1 < lineEnd ? nextSecondComma(comma1 + 1) : size;
        key.commas = comma1 >= lineEnd ? 0 : comma2 >= lineEnd ? 1 : 2;
        const bool lineStart = at == 0 || isLineEnd(text.at(at - 1));
        if (!lineStart && key.commas < 2) {
            key.kind = Key::Kind::NoEntry;
            keys.append(key);
            // No key starts inside another.
            i = values;
            continue;
        }
        if (open >= 0 && keys[open].end > at)
            keys[open].end = at;
        key.kind = found[number - 1] ? Key::Kind::Repeated : Key::Kind::Entry;
        found[number - 1] = true;
        key.fileEnd = key.commas > 0 ? comma1 : lineEnd;
        key.textEnd = key.commas > 1 ? comma2 : lineEnd;
        key.end = lineEnd;
        open = keys.size();
        keys.append(key);
        // The file name and the text are no keys, whatever they hold; the
        // rest of the line may hold the next entry.
        i = key.commas > 1 ? comma2 + 1 : lineEnd;
    }
    return keys;
}

QStringView LocationSettings::Key::file(const QString &text) const
{
    const qsizetype from = at + KeyLength;
    return QStringView(text).mid(from, fileEnd - from);
}

QStringView LocationSettings::Key::value(const QString &text) const
{
    if (commas == 0)
        return QStringView();
    return QStringView(text).mid(fileEnd + 1, textEnd - fileEnd - 1);
}

QStringView LocationSettings::Key::rest(const QString &text) const
{
    if (commas < 2)
        return QStringView();
    return QStringView(text).mid(textEnd + 1, end - textEnd - 1);
}

LocationSettings LocationSettings::fromFileText(const QString &text)
{
    LocationSettings settings;
    const QList<Key> keys = LocationSettings::keys(text);
    const auto firstEntry = std::find_if(keys.cbegin(), keys.cend(),
                                         [](const Key &key) { return key.kind != Key::Kind::NoEntry; });
    if (firstEntry == keys.cend()) {
        // No entry at all: the entries follow the whole text on lines of their
        // own, and the file ends in the empty line that a written file ends in.
        settings.OptOther = text;
        if (!text.isEmpty() && !isLineEnd(text.back()))
            settings.OptOther += QStringLiteral("\r\n");
        settings.OptAfter = QStringLiteral("\r\n");
        return settings;
    }

    // The text in front of the first entry stays in front. What follows it is
    // the text around the later entries, which are taken out whole: each runs
    // to its line end or to the next entry on its line, so what is left on
    // either side of one never joins into a key, and a key at the start of a
    // line there stood at the start of a line before. An entry that begins a
    // line of the text left takes its line end with it, because the entries
    // written in their place end in one; the first entry always does.
    settings.OptOther = text.left(firstEntry->at);
    QString after;
    qsizetype from = -1; // where the text after the last entry taken out begins
    for (auto key = firstEntry; key != keys.cend(); ++key) {
        if (key->kind == Key::Kind::NoEntry)
            continue;
        if (key->kind == Key::Kind::Entry) {
            const int i = key->location - 1;
            settings.LocationFile[i] = key->file(text).toString();
            settings.LocationText[i] = key->value(text).toString();
            settings.LocationRest[i] = key->rest(text).toString();
        }
        if (from >= 0)
            after.append(QStringView(text).mid(from, key->at - from));
        const bool beginsLine = from < 0 || after.isEmpty() || isLineEnd(after.back());
        from = key->end;
        if (beginsLine)
            from += lineEndLength(text, from);
    }
    after.append(QStringView(text).mid(from));
    settings.OptAfter = after;
    return settings;
}

QString LocationSettings::fileText() const
{
    QString text = OptOther;
    for (int i = 0; i < Count; ++i) {
        text += key(i + 1) + LocationFile[i] + QLatin1Char(',') + LocationText[i] + QLatin1Char(',') +
                LocationRest[i] + QStringLiteral("\r\n");
    }
    return text + OptAfter;
}

QString LocationSettings::fileContent() const
{
    QString text = fileText();
    if (text.endsWith(QStringLiteral("\r\n")))
        text.chop(2);
    return text;
}

QString LocationSettings::whyUnstorable(const QString &value)
{
    if (value.contains(QLatin1Char(',')))
        return QCoreApplication::translate("LocationSettings", "the character \",\"");
    if (value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n')))
        return QCoreApplication::translate("LocationSettings", "a line break");
    const qsizetype k = findKey(value, 0);
    if (k >= 0)
        return QCoreApplication::translate("LocationSettings", "the key \"%1\"").arg(value.mid(k, KeyLength));
    return QString();
}

QString LocationSettings::whyUnstorableName(const QString &name)
{
    const qsizetype bad = Cp1252::firstUnstorable(name);
    if (bad >= 0)
        return QCoreApplication::translate("LocationSettings",
                                           "the character %1, which an 8-bit text file cannot store")
            .arg(Cp1252::describeAt(name, bad));
    return whyUnstorable(name);
}

QString LocationSettings::path(const QString &programFolder)
{
    return programFolder + fileName();
}

LocationSettings::LoadResult LocationSettings::load(const QString &programFolder)
{
    LoadResult result;
    const QString file = path(programFolder);
    if (!QFileInfo::exists(file))
        return result;
    const TextFile::ReadResult read = TextFile::read(file);
    if (!read.ok())
        result.error = read.error;
    else
        result.settings = fromFileText(read.text);
    return result;
}

QString LocationSettings::save(const QString &programFolder) const
{
    return TextFile::writeWithBackup(path(programFolder), fileContent());
}
