#include "LocationSettings.h"

#include "TextFile.h"

#include <QFileInfo>

namespace {

constexpr qsizetype KeyLength = 10; // "Location1="

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// The location number (1 to 5) of a key starting at i, or 0. Letter case is
// ignored for the ASCII letters only, so no other character stands in for one.
int keyAt(const QString &text, qsizetype i)
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

// The first key at or after from, or -1.
qsizetype findKey(const QString &text, qsizetype from)
{
    for (qsizetype i = std::max<qsizetype>(from, 0); i + KeyLength <= text.size(); ++i) {
        if (keyAt(text, i) != 0)
            return i;
    }
    return -1;
}

qsizetype lineEndFrom(const QString &text, qsizetype from)
{
    qsizetype i = from;
    while (i < text.size() && !isLineEnd(text.at(i)))
        ++i;
    return i;
}

// The entry whose key starts at key: its two commas, when both stand on the
// key's line. A value never runs on into the next line, so a key without its
// commas cannot swallow the entry below it.
struct Entry
{
    qsizetype comma1 = -1;
    qsizetype comma2 = -1;
    qsizetype lineEnd = 0;

    bool wellFormed() const { return comma2 >= 0; }
    // Just after the second comma; for a malformed entry, the rest of its line.
    qsizetype end() const { return wellFormed() ? comma2 + 1 : lineEnd; }
};

Entry entryAt(const QString &text, qsizetype key)
{
    Entry entry;
    entry.lineEnd = lineEndFrom(text, key + KeyLength);
    const qsizetype c1 = text.indexOf(QLatin1Char(','), key + KeyLength);
    if (c1 < 0 || c1 >= entry.lineEnd)
        return entry;
    const qsizetype c2 = text.indexOf(QLatin1Char(','), c1 + 1);
    if (c2 < 0 || c2 >= entry.lineEnd)
        return entry;
    entry.comma1 = c1;
    entry.comma2 = c2;
    return entry;
}

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
           OptOther == other.OptOther && OptAfter == other.OptAfter;
}

QString LocationSettings::fileName()
{
    return QStringLiteral("Options.Cfg");
}

QString LocationSettings::key(int n)
{
    return QStringLiteral("Location%1=").arg(n);
}

LocationSettings LocationSettings::fromFileText(const QString &text)
{
    LocationSettings settings;

    // The values: the first occurrence of each key counts.
    std::array<bool, Count> found{};
    for (qsizetype k = findKey(text, 0); k >= 0; k = findKey(text, k + 1)) {
        const int index = keyAt(text, k) - 1;
        if (found[index])
            continue;
        found[index] = true;
        const Entry entry = entryAt(text, k);
        if (entry.wellFormed()) {
            settings.LocationFile[index] = text.mid(k + KeyLength, entry.comma1 - k - KeyLength);
            settings.LocationText[index] = text.mid(entry.comma1 + 1, entry.comma2 - entry.comma1 - 1);
        }
    }

    // The other text: everything but the entries, old and malformed ones
    // included. An entry that filled its line takes its line end with it.
    // The first entry takes its line end even when text stands in front of it
    // on its line, because the entries written in its place end in a line end.
    QString rest = text;
    qsizetype first = -1;
    for (qsizetype k = findKey(rest, 0); k >= 0;) {
        qsizetype end = entryAt(rest, k).end();
        // Where the first entry stood, the written entries end in a line end.
        const bool atLineStart = k == 0 || k == first || isLineEnd(rest.at(k - 1));
        if ((atLineStart || first < 0) && (end == rest.size() || isLineEnd(rest.at(end))))
            end += lineEndLength(rest, end);
        rest.remove(k, end - k);
        first = first < 0 ? k : std::min(first, k);
        // Removing an entry may join the text on both sides into a key.
        k = findKey(rest, k - (KeyLength - 1));
    }

    if (first < 0) {
        // No entry at all: the entries follow the whole text on lines of their
        // own, and the file ends in the empty line that a written file ends in.
        settings.OptOther = text;
        if (!text.isEmpty() && !isLineEnd(text.back()))
            settings.OptOther += QStringLiteral("\r\n");
        settings.OptAfter = QStringLiteral("\r\n");
    } else {
        settings.OptOther = rest.left(first);
        settings.OptAfter = rest.mid(first);
    }
    return settings;
}

QString LocationSettings::fileText() const
{
    QString text = OptOther;
    for (int i = 0; i < Count; ++i) {
        text += key(i + 1) + LocationFile[i] + QLatin1Char(',') + LocationText[i] + QLatin1Char(',') +
                QStringLiteral("\r\n");
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
        return QStringLiteral("the character \",\"");
    if (value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n')))
        return QStringLiteral("a line break");
    const qsizetype k = findKey(value, 0);
    if (k >= 0)
        return QStringLiteral("the key \"%1\"").arg(value.mid(k, KeyLength));
    return QString();
}

QString LocationSettings::path(const QString &programFolder)
{
    return programFolder + fileName();
}

LocationSettings LocationSettings::load(const QString &programFolder, QString *error)
{
    error->clear();
    const QString file = path(programFolder);
    if (!QFileInfo::exists(file))
        return LocationSettings();
    const TextFile::ReadResult result = TextFile::read(file);
    if (!result.ok()) {
        *error = result.error;
        return LocationSettings();
    }
    return fromFileText(result.text);
}

QString LocationSettings::save(const QString &programFolder) const
{
    return TextFile::write(path(programFolder), fileContent());
}
