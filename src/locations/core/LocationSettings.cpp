// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocationSettings.h"

#include "Cp1252.h"
#include "TextFile.h"

#include <QFileInfo>

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
// decrease, it reads every character at most once over all calls.
class NextOf
{
public:
    NextOf(const QString &text, bool (*is)(QChar)) : m_text(text), m_is(is) {}

    qsizetype operator()(qsizetype from)
    {
        if (from <= m_found)
            return m_found;
        qsizetype i = from;
        while (i < m_text.size() && !m_is(m_text.at(i)))
            ++i;
        m_found = i;
        return i;
    }

private:
    const QString &m_text;
    bool (*m_is)(QChar);
    qsizetype m_found = -1;
};

bool isComma(QChar c)
{
    return c == QLatin1Char(',');
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

LocationSettings LocationSettings::fromFileText(const QString &text)
{
    LocationSettings settings;
    std::array<bool, Count> found{};

    // One pass from the start: the text is copied into rest, and each entry is
    // taken out as soon as its key has been copied, so rest ends up holding
    // all other text. Taking an entry out can join the text on both sides into
    // a key. Such a key is taken out as well, so that it cannot turn up in the
    // text written back, but it supplies no values: it never stood in the file.
    //
    // An entry that filled its line takes its line end with it. The first
    // entry takes its line end even when text stands in front of it on its
    // line, because the entries written in its place end in a line end.
    QString rest;
    rest.reserve(text.size());
    qsizetype first = -1;      // where the entries stood in rest
    qsizetype copiedWhole = 0; // rest from here on was copied in one run
    NextOf nextLineEnd(text, isLineEnd);
    NextOf nextComma(text, isComma);
    NextOf nextSecondComma(text, isComma);
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        // Every key ends in "=": copy up to the next one and look behind it.
        const qsizetype equals = text.indexOf(QLatin1Char('='), i);
        const qsizetype copyEnd = equals < 0 ? size : equals + 1;
        rest.append(QStringView(text).mid(i, copyEnd - i));
        i = copyEnd;
        const qsizetype k = rest.size() - KeyLength;
        const int number = equals < 0 ? 0 : keyAt(rest, k);
        if (number == 0)
            continue;

        // The values follow the key in text, from i on.
        const qsizetype lineEnd = nextLineEnd(i);
        const qsizetype comma1 = nextComma(i);
        if (comma1 >= lineEnd)
            continue;
        const qsizetype comma2 = nextSecondComma(comma1 + 1);
        if (comma2 >= lineEnd)
            continue;
        if (k >= copiedWhole && !found[number - 1]) {
            found[number - 1] = true;
            settings.LocationFile[number - 1] = text.mid(i, comma1 - i);
            settings.LocationText[number - 1] = text.mid(comma1 + 1, comma2 - comma1 - 1);
        }

        rest.truncate(k);
        qsizetype end = comma2 + 1;
        const bool atLineStart = k == 0 || k == first || isLineEnd(rest.at(k - 1));
        if ((atLineStart || first < 0) && (end == size || isLineEnd(text.at(end))))
            end += lineEndLength(text, end);
        i = end;
        first = first < 0 ? k : std::min(first, k);
        copiedWhole = k;
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

QString LocationSettings::whyUnstorableName(const QString &name)
{
    const qsizetype bad = Cp1252::firstUnstorable(name);
    if (bad >= 0)
        return QStringLiteral("the character %1, which an 8-bit text file cannot store")
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
