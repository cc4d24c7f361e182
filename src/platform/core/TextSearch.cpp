// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextSearch.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

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

// Every unit with the units folding to the same one: (folded, unit), sorted.
const std::vector<std::pair<char16_t, char16_t>> &foldClasses()
{
    static const std::vector<std::pair<char16_t, char16_t>> classes = [] {
        const auto &fold = foldTable();
        std::vector<std::pair<char16_t, char16_t>> v;
        v.reserve(65536);
        for (char32_t c = 0; c < 65536; ++c)
            v.emplace_back(fold[c], char16_t(c));
        std::sort(v.begin(), v.end());
        return v;
    }();
    return classes;
}

struct Same
{
    char16_t operator()(char16_t c) const { return c; }
    // Calls f with every unit that matches c: c itself.
    template <class F> void forEachMatching(char16_t c, F f) const { f(c); }
};

struct Folded
{
    const std::array<char16_t, 65536> &table = foldTable();
    char16_t operator()(char16_t c) const { return table[c]; }
    template <class F> void forEachMatching(char16_t c, F f) const
    {
        const auto &classes = foldClasses();
        const auto range =
            std::equal_range(classes.begin(), classes.end(), std::make_pair(table[c], char16_t(0)),
                             [](const auto &a, const auto &b) { return a.first < b.first; });
        for (auto it = range.first; it != range.second; ++it)
            f(it->second);
    }
};

// Horspool's search. The text is compared at each place from the far end of
// the needle (its last character forwards, its first backwards), and the text
// unit there decides how far the needle may move on: as far as that unit
// stands from the far end in the needle, or the whole needle when it is not
// in it. The tables are keyed by a unit's low byte, as they are looked up
// before any folding; units that share one get the shorter move, which is
// always safe. `moves` leaves the far end's own character out; `hops` gives it
// 0, so that the inner loop runs on plain unit loads until a place is worth
// comparing.
struct Tables
{
    std::array<qsizetype, 256> moves;
    std::array<qsizetype, 256> hops;
};

template <class Fold> Tables tables(QStringView needle, bool backwards, Fold fold)
{
    const qsizetype m = needle.size();
    Tables t;
    t.moves.fill(m);
    // Nearest to the far end last, so that its shorter move stays.
    for (qsizetype k = m - 1; k >= 1; --k) {
        const char16_t c = needle[backwards ? k : m - 1 - k].unicode();
        fold.forEachMatching(c, [&](char16_t u) { t.moves[u & 0xFF] = std::min(t.moves[u & 0xFF], k); });
    }
    t.hops = t.moves;
    fold.forEachMatching(needle[backwards ? 0 : m - 1].unicode(), [&](char16_t u) { t.hops[u & 0xFF] = 0; });
    return t;
}

// The first start in [from, last] where the needle stands, or -1.
template <class Fold>
qsizetype forwards(QStringView text, QStringView needle, qsizetype from, qsizetype last, Fold fold)
{
    const char16_t *t = text.utf16();
    const char16_t *n = needle.utf16();
    const qsizetype m = needle.size();
    const Tables tab = tables(needle, false, fold);
    const char16_t end = fold(n[m - 1]);
    qsizetype at = from;
    while (at <= last) {
        qsizetype hop;
        while ((hop = tab.hops[t[at + m - 1] & 0xFF]) != 0) {
            at += hop;
            if (at > last)
                return -1;
        }
        if (fold(t[at + m - 1]) == end) {
            qsizetype i = 0;
            while (i + 1 < m && fold(t[at + i]) == fold(n[i]))
                ++i;
            if (i + 1 == m)
                return at;
        }
        at += tab.moves[t[at + m - 1] & 0xFF];
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
    const Tables tab = tables(needle, true, fold);
    const char16_t start = fold(n[0]);
    qsizetype at = from;
    while (at >= first) {
        qsizetype hop;
        while ((hop = tab.hops[t[at] & 0xFF]) != 0) {
            at -= hop;
            if (at < first)
                return -1;
        }
        if (fold(t[at]) == start) {
            qsizetype i = 1;
            while (i < m && fold(t[at + i]) == fold(n[i]))
                ++i;
            if (i == m)
                return at;
        }
        at -= tab.moves[t[at] & 0xFF];
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
        if (match.position < 0 && wrap && from <= lastStart) {
            match.position = backwards(text, needle, lastStart, from, fold);
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
