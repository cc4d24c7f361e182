// SPDX-License-Identifier: GPL-3.0-or-later
#include "SubstitutionTable.h"

#include "Cp1252.h"

#include <algorithm>

namespace SubstitutionTable {

// The table. Every stored value is a control code that typed text never holds:
// 0x01-0x08 and 0x0E-0x12. The codes in between (tab, LF, VT, FF, CR) and 0x1A,
// which some readers take as the end of a text file, are never used, and no
// stored value is a character of the table, so the steps can run in any order
// and a decoded text holds exactly what was encoded. The characters are the
// commonest of ordinary English text.
constexpr std::array<Entry, 12> kEntries = {{
    {u' ', 0x01},
    {u'e', 0x02},
    {u't', 0x03},
    {u'a', 0x04},
    {u'o', 0x05},
    {u'i', 0x06},
    {u'n', 0x07},
    {u's', 0x08},
    {u'h', 0x0E},
    {u'.', 0x0F},
    {u',', 0x10},
    {u'?', 0x11},
}};

// Readers accept 0x12 as "r"; writers store "r" as itself.
constexpr Entry kReadOnlyEntry = {u'r', 0x12};

// The pilcrow (byte 0xB6 of the code page): printable, and not a key of any
// ordinary keyboard. A memory text that holds it comes back with a line break
// in its place.
constexpr char16_t kLineBreak = u'\u00B6';

namespace {

constexpr bool tableIsSound()
{
    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        const char16_t stored = kEntries[i].stored;
        if (stored == u'\r' || stored == u'\n' || stored == kLineBreak || stored == kReadOnlyEntry.stored)
            return false;
        if (kEntries[i].character == kLineBreak || kEntries[i].character == kReadOnlyEntry.character)
            return false;
        for (std::size_t j = 0; j < kEntries.size(); ++j) {
            if (i != j && (stored == kEntries[j].stored || kEntries[i].character == kEntries[j].character))
                return false;
            if (stored == kEntries[j].character || kReadOnlyEntry.stored == kEntries[j].character)
                return false;
        }
    }
    const char16_t readOnly = kReadOnlyEntry.stored;
    return kLineBreak != u'\r' && kLineBreak != u'\n' && readOnly != u'\r' && readOnly != u'\n' &&
           readOnly != kLineBreak;
}
static_assert(tableIsSound(), "stored values must be distinct and never table characters or line breaks");

// Per-character maps for everything below 256; the table never touches the rest.
struct Maps
{
    char16_t encode[256];
    char16_t decode[256];
};

const Maps &maps()
{
    static const Maps m = [] {
        Maps built{};
        for (char16_t c = 0; c < 256; ++c) {
            built.encode[c] = c;
            built.decode[c] = c;
        }
        for (const Entry &entry : kEntries) {
            built.encode[entry.character] = entry.stored;
            built.decode[entry.stored] = entry.character;
        }
        built.decode[kReadOnlyEntry.stored] = kReadOnlyEntry.character;
        return built;
    }();
    return m;
}

char16_t *data(QString &text)
{
    return reinterpret_cast<char16_t *>(text.data());
}

// The table's steps and then the line-break step over the pieces as one text:
// put receives each character of the result in turn, and stops the walk by
// returning false. Returns false when put did.
template <typename Put>
bool encodeEach(std::initializer_list<QStringView> pieces, LineBreakStep step, Put put)
{
    const auto &map = maps().encode;
    const bool fold = step == LineBreakStep::Fold;
    // A CR waits for the next character, which may stand in the next piece.
    bool pendingCr = false;
    for (QStringView piece : pieces) {
        const char16_t *src = piece.utf16();
        const char16_t *const end = src + piece.size();
        for (; src != end; ++src) {
            const char16_t c = *src;
            if (fold) {
                if (pendingCr) {
                    pendingCr = false;
                    if (c == u'\n') {
                        if (!put(kLineBreak))
                            return false;
                        continue;
                    }
                    if (!put(u'\r'))
                        return false;
                }
                if (c == u'\r') {
                    pendingCr = true;
                    continue;
                }
            }
            if (!put(c < 256 ? map[c] : c))
                return false;
        }
    }
    return !pendingCr || put(u'\r');
}

} // namespace

// Each function below is one pass through a 256-entry map. Because no mapped
// value is a line break or the line-break character, one pass equals the table
// steps run one after the other followed by the line-break step.

QString encode(std::initializer_list<QStringView> pieces, LineBreakStep step)
{
    qsizetype size = 0;
    for (QStringView piece : pieces)
        size += piece.size();
    QString out;
    // Room for the CR LF that a file's text adds to the encoded text, so
    // that adding it does not copy the text once more.
    out.reserve(size + 2);
    out.resize(size);
    char16_t *const begin = data(out);
    char16_t *dst = begin;
    encodeEach(pieces, step, [&dst](char16_t c) {
        *dst++ = c;
        return true;
    });
    out.truncate(dst - begin);
    return out;
}

bool encodeFile(std::initializer_list<QStringView> pieces, LineBreakStep step, QByteArray *out)
{
    // The steps of encode() and the code page's as one pass, straight into the
    // bytes: the text in between would be twice their size.
    const auto &byteOf = Cp1252::bytesOf();
    qsizetype size = 2;
    for (QStringView piece : pieces)
        size += piece.size();
    QByteArray bytes(size, Qt::Uninitialized);
    char *const begin = bytes.data();
    char *dst = begin;
    const bool stored = encodeEach(pieces, step, [&dst, &byteOf](char16_t c) {
        const qint16 byte = byteOf[c];
        if (byte < 0)
            return false;
        *dst++ = char(byte);
        return true;
    });
    if (!stored)
        return false;
    *dst++ = char(byteOf[u'\r']);
    *dst++ = char(byteOf[u'\n']);
    bytes.truncate(dst - begin);
    *out = std::move(bytes);
    return true;
}

QString encode(QStringView text, LineBreakStep step)
{
    return encode({text}, step);
}

QString decode(QStringView text, LineBreakStep step)
{
    const auto &map = maps().decode;
    const bool fold = step == LineBreakStep::Fold;
    QString out;
    out.resize(text.size() + (fold ? text.count(QChar(kLineBreak)) : 0));
    char16_t *dst = data(out);
    const char16_t *src = text.utf16();
    const char16_t *const end = src + text.size();
    for (; src != end; ++src) {
        const char16_t c = *src;
        if (fold && c == kLineBreak) {
            *dst++ = u'\r';
            *dst++ = u'\n';
        } else {
            *dst++ = c < 256 ? map[c] : c;
        }
    }
    return out;
}

namespace {

// The code page's table and the decoding one as one map; the line-break
// character is the code page's byte 0xB6, which the table leaves alone.
const std::array<char16_t, 256> &fileMap()
{
    static const std::array<char16_t, 256> m = [] {
        std::array<char16_t, 256> built{};
        const auto &page = Cp1252::characters();
        for (std::size_t b = 0; b < 256; ++b)
            built[b] = page[b] < 256 ? maps().decode[page[b]] : page[b];
        return built;
    }();
    return m;
}

char lineBreakByte()
{
    static const char byte = char(Cp1252::bytesOf()[kLineBreak]);
    return byte;
}

} // namespace

QString decodeFile(const QByteArray &bytes, LineBreakStep step)
{
    const auto &map = fileMap();
    const bool fold = step == LineBreakStep::Fold;
    QString out(bytes.size() + (fold ? bytes.count(lineBreakByte()) : 0), Qt::Uninitialized);
    char16_t *dst = data(out);
    const auto *src = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *const end = src + bytes.size();
    if (!fold) {
        for (; src != end; ++src)
            *dst++ = map[*src];
        return out;
    }
    for (; src != end; ++src) {
        const char16_t c = map[*src];
        if (c == kLineBreak) {
            *dst++ = u'\r';
            *dst++ = u'\n';
        } else {
            *dst++ = c;
        }
    }
    return out;
}

void appendDecoded(QByteArrayView piece, LineBreakStep step, QString &out)
{
    const auto &map = fileMap();
    const bool fold = step == LineBreakStep::Fold;
    const qsizetype before = out.size();
    const qsizetype most = fold ? 2 * piece.size() : piece.size();
    if (out.capacity() - before < most)
        out.reserve(std::max(before + most, 2 * out.capacity()));
    // Room for the most the piece can give, inside the capacity, cut back below.
    out.resize(before + most);
    char16_t *const begin = data(out);
    char16_t *dst = begin + before;
    const auto *src = reinterpret_cast<const unsigned char *>(piece.data());
    const auto *const end = src + piece.size();
    if (!fold) {
        for (; src != end; ++src)
            *dst++ = map[*src];
    } else {
        for (; src != end; ++src) {
            const char16_t c = map[*src];
            if (c == kLineBreak) {
                *dst++ = u'\r';
                *dst++ = u'\n';
            } else {
                *dst++ = c;
            }
        }
    }
    out.truncate(dst - begin);
}

bool decodesTo(QByteArrayView bytes, LineBreakStep step, std::initializer_list<QStringView> pieces)
{
    const auto &map = fileMap();
    const bool fold = step == LineBreakStep::Fold;
    const auto *src = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *const end = src + bytes.size();
    // A line-break character gives CR LF, whose LF may open the next piece.
    bool pendingLf = false;
    for (QStringView piece : pieces) {
        const char16_t *p = piece.utf16();
        const char16_t *const pieceEnd = p + piece.size();
        if (pendingLf && p != pieceEnd) {
            if (*p++ != u'\n')
                return false;
            pendingLf = false;
        }
        while (p != pieceEnd) {
            if (src == end)
                return false;
            const char16_t c = map[*src++];
            if (fold && c == kLineBreak) {
                if (*p++ != u'\r')
                    return false;
                if (p == pieceEnd) {
                    pendingLf = true;
                    break;
                }
                if (*p++ != u'\n')
                    return false;
            } else if (*p++ != c) {
                return false;
            }
        }
    }
    return !pendingLf && src == end;
}

char16_t comesBackAs(char16_t c)
{
    return c < 256 ? maps().decode[maps().encode[c]] : c;
}

} // namespace SubstitutionTable
