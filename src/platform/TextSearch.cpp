#include "TextSearch.h"

#include <algorithm>
#include <array>

namespace TextSearch {
namespace {

// Every UTF-16 unit's case-folded form, so that a search that ignores case
// looks each character up once instead of calling into the Unicode tables.
// (Units of characters outside the Basic Multilingual Plane fold to
// themselves: case there is left aside.)
const std::array<char16_t, 65536> &foldTable()
{
    static const std::array<char16_t, 65536> table = [] {
        std::array<char16_t, 65536> t{};
        for (char32_t c = 0; c < 65536; ++c) {
            const char32_t folded = QChar::isSurrogate(c) ? c : QChar::toCaseFolded(c);
            t[c] = folded < 65536 ? char16_t(folded) : char16_t(c);
        }
        return t;
    }();
    return table;
}

struct Same
{
    char16_t operator()(char16_t c) const { return c; }
};

struct Folded
{
    const std::array<char16_t, 65536> &table = foldTable();
    char16_t operator()(char16_t c) const { return table[c]; }
};

// Horspool's search: the text is compared at each place from the end of the
// needle (forwards) or its start (backwards), and a mismatch skips ahead by
// how far that text character stands from the needle's end (or start). The
// skip table is keyed by a character's low byte; characters that share one
// get the shorter skip, which is always safe.

// The first start in [from, last] where the needle stands, or -1.
template <class Fold>
qsizetype forwards(QStringView text, QStringView needle, qsizetype from, qsizetype last, Fold fold)
{
    const char16_t *t = text.utf16();
    const char16_t *n = needle.utf16();
    const qsizetype m = needle.size();
    std::array<qsizetype, 256> skip;
    skip.fill(m);
    for (qsizetype i = 0; i + 1 < m; ++i)
        skip[fold(n[i]) & 0xFF] = m - 1 - i;
    const char16_t end = fold(n[m - 1]);
    for (qsizetype at = from; at <= last;) {
        const char16_t c = fold(t[at + m - 1]);
        if (c == end) {
            qsizetype i = 0;
            while (i + 1 < m && fold(t[at + i]) == fold(n[i]))
                ++i;
            if (i + 1 == m)
                return at;
        }
        at += skip[c & 0xFF];
    }
    return -1;
}

// The last start in [first, from] where the needle stands, or -1.
template <class Fold>
qsizetype backwards(QStringView text, QStringView needle, qsizetype from, qsizetype first, Fold fold)
{
    const char16_t *t = text.utf16();
    const char16_t *n = needle.utf16();
    const qsizetype m = needle.size();
    std::array<qsizetype, 256> skip;
    skip.fill(m);
    for (qsizetype i = m - 1; i > 0; --i)
        skip[fold(n[i]) & 0xFF] = i;
    const char16_t start = fold(n[0]);
    for (qsizetype at = from; at >= first;) {
        const char16_t c = fold(t[at]);
        if (c == start) {
            qsizetype i = 1;
            while (i < m && fold(t[at + i]) == fold(n[i]))
                ++i;
            if (i == m)
                return at;
        }
        at -= skip[c & 0xFF];
    }
    return -1;
}

template <class Fold>
Match search(QStringView text, QStringView needle, qsizetype from, Direction direction, bool wrap, Fold fold)
{
    Match match;
    const qsizetype lastStart = text.size() - needle.size();
    if (direction == Direction::Forward) {
        match.position = from <= lastStart ? forwards(text, needle, from, lastStart, fold) : -1;
        if (match.position < 0 && wrap && from > 0) {
            match.position = forwards(text, needle, 0, std::min(from - 1, lastStart), fold);
            match.wrapped = match.position >= 0;
        }
    } else {
        match.position = from > 0 ? backwards(text, needle, std::min(from - 1, lastStart), 0, fold) : -1;
        if (match.position < 0 && wrap && from < lastStart + 1) {
            match.position = backwards(text, needle, lastStart, std::max(from, qsizetype(0)), fold);
            match.wrapped = match.position >= 0;
        }
    }
    return match;
}

} // namespace

Match find(QStringView text, QStringView needle, qsizetype from, Direction direction, Qt::CaseSensitivity cs,
           bool wrap)
{
    if (needle.isEmpty() || needle.size() > text.size())
        return Match();
    from = std::clamp(from, qsizetype(0), text.size());
    return cs == Qt::CaseSensitive ? search(text, needle, from, direction, wrap, Same())
                                   : search(text, needle, from, direction, wrap, Folded());
}

} // namespace TextSearch
