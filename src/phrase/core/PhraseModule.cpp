#include "PhraseModule.h"

#include "PersonSwap.h"

namespace PhraseModule {
namespace {

// The word array of the person swap: indices 0 to 100, so at most 99 tokens.
constexpr qsizetype SwapArrayLast = 100;

const QChar Space = QLatin1Char(' ');
const QChar DoubleQuote = QLatin1Char('"');
const QChar Apostrophe = QLatin1Char('\'');

// Letters and digits are the plain ASCII ones only.
bool isLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

bool isLetterOrDigit(QChar c)
{
    return isLetter(c) || (c.unicode() >= u'0' && c.unicode() <= u'9');
}

// The upper-case form of c when it is a single character the 8-bit code page
// can store (Latin-1's printable half and the four capitals the code page adds
// in its 0x80-0x9F block); otherwise c itself, so "ß", "µ" and "ƒ" stay as
// they are.
QChar storableUpper(QChar c)
{
    const QChar upper = c.toUpper();
    const char16_t u = upper.unicode();
    const bool storable = u < 0x80 || (u >= 0xA0 && u <= 0xFF) || u == 0x0160 /* Š */ ||
                          u == 0x0152 /* Œ */ || u == 0x017D /* Ž */ || u == 0x0178 /* Ÿ */;
    return storable ? upper : c;
}

// Spaces before punctuation: trims the spaces at both ends, keeps only the last
// space of every run and drops a space that stands before , . ? or !.
QString withoutSpacesBeforePunctuation(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == Space)
        ++begin;
    while (end > begin && text[end - 1] == Space)
        --end;

    // Runs without a space are copied whole. A space inside the trimmed text
    // always has a character after it.
    QString result;
    result.reserve(end - begin);
    qsizetype k = begin;
    while (k < end) {
        qsizetype space = k;
        while (space < end && text[space] != Space)
            ++space;
        result.append(text.constData() + k, space - k);
        if (space == end)
            break;
        const QChar n = text[space + 1];
        if (n == QLatin1Char(',') || n == QLatin1Char('.') || n == QLatin1Char('?') ||
            n == QLatin1Char('!')) {
            result += n;
            k = space + 2;
        } else {
            if (n != Space)
                result += Space;
            k = space + 1;
        }
    }
    return result;
}

// Spaces inside quotation marks, in one forward sweep. The text is held as
// `done` (positions before the current one) and `rest` from index j (the
// current position and after). Removing the space after an opening mark moves
// the mark one slot on in `rest`; removing the space before a closing mark
// drops the last character of `done`, after which the mark itself belongs to
// `done` and the character behind it becomes the current one, exactly as the
// text shifts when a character is removed in place.
QString withoutSpacesInsideQuotes(QString rest)
{
    QString done;
    done.reserve(rest.size());
    qsizetype j = 0;
    bool quoted = false;

    auto quote = [&] {
        quoted = !quoted;
        if (quoted) {
            if (j + 1 < rest.size() && rest[j + 1] == Space) {
                rest[j + 1] = rest[j];
                ++j;
            }
        } else if (!done.isEmpty() && done.back() == Space) {
            done.chop(1);
            done += rest[j];
            ++j;
        }
    };

    while (j < rest.size()) {
        // Positions without a quotation mark are only passed over.
        qsizetype mark = j;
        while (mark < rest.size() && rest.at(mark) != DoubleQuote && rest.at(mark) != Apostrophe)
            ++mark;
        done.append(rest.constData() + j, mark - j);
        j = mark;
        if (j == rest.size())
            break;

        if (rest[j] == DoubleQuote)
            quote();
        if (j < rest.size() && rest[j] == Apostrophe) {
            const bool first = done.isEmpty();
            const bool last = j + 1 == rest.size();
            if (first || last || !isLetterOrDigit(done.back()) || !isLetterOrDigit(rest[j + 1]))
                quote();
        }
        if (j < rest.size())
            done += rest[j++];
    }
    return done;
}

} // namespace

void SplitWords(const QString &text, QStringList &words)
{
    // With fewer than two entries there is no index below U for the terminator.
    const qsizetype last = words.size() - 1;
    if (last < 1)
        return;
    const qsizetype full = last - 1;

    qsizetype k = 0;
    qsizetype wordStart = -1; // start of the word being built, -1 when there is none
    auto endWord = [&](qsizetype at) {
        if (k == full || wordStart < 0)
            return;
        words[k++] = text.mid(wordStart, at - wordStart);
        wordStart = -1;
    };
    auto emitToken = [&](qsizetype at) {
        endWord(at);
        if (k < full)
            words[k++] = QString(text[at]);
    };

    // Once the array is full nothing more can be stored, so the scan stops.
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n && k < full; ++i) {
        const QChar c = text[i];
        const QChar next = i + 1 < n ? text[i + 1] : Space;
        if (c == QLatin1Char('!') || c == DoubleQuote) {
            emitToken(i);
        } else if (c == Apostrophe && (wordStart < 0 || !isLetter(next))) {
            emitToken(i);
        } else if (c == QLatin1Char('.') && next == Space) {
            emitToken(i);
        } else if (c == QLatin1Char('(') || c == QLatin1Char(')') || c == QLatin1Char(',') ||
                   c == QLatin1Char('?')) {
            emitToken(i);
        } else if (c == Space) {
            endWord(i);
        } else if (wordStart < 0) {
            wordStart = i;
        }
    }
    endWord(n);
    words[k] = QString();
}

void SwapPerson(QString &text)
{
    if (text.isEmpty())
        return;
    const QString statement = text;
    text.clear();

    QStringList words(SwapArrayLast + 1);
    SplitWords(statement, words);

    PersonSwap::swapTokens(words);
    for (qsizetype i = 0; i < SwapArrayLast && !words[i].isEmpty(); ++i) {
        text += Space;
        text += words[i];
    }

    TidySentence(text);
    CapitalizeFirst(text);
}

void TidySentence(QString &text)
{
    text = withoutSpacesInsideQuotes(withoutSpacesBeforePunctuation(text));
}

void CapitalizeFirst(QString &text)
{
    if (!text.isEmpty())
        text[0] = storableUpper(text[0]);
}

} // namespace PhraseModule
