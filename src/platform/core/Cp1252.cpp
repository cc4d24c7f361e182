// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <bitset>

namespace Cp1252 {
namespace {

const char *const kCodec = "windows-1252";

// The set of characters the code page can store, derived once from the
// converter itself by decoding all 256 byte values.
const std::bitset<65536> &storable()
{
    static const std::bitset<65536> set = [] {
        std::bitset<65536> s;
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        QStringDecoder decoder(kCodec);
        const QString chars = decoder.decode(all);
        for (QChar c : chars)
            s.set(c.unicode());
        return s;
    }();
    return set;
}

} // namespace

// From the converter itself: the code page maps every byte alone, so one pass
// through this table is the converter's decoding without its per-call
// overhead and its second buffer.
const std::array<char16_t, 256> &characters()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        for (int i = 0; i < 256; ++i) {
            QStringDecoder decoder(kCodec);
            const QString c = decoder.decode(QByteArray(1, char(i)));
            t[std::size_t(i)] = c.size() == 1 ? c.at(0).unicode() : char16_t(0xFFFD);
        }
        return t;
    }();
    return table;
}

const std::array<qint16, 65536> &bytesOf()
{
    static const std::array<qint16, 65536> table = [] {
        std::array<qint16, 65536> t;
        t.fill(-1);
        const auto &chars = characters();
        for (int i = 0; i < 256; ++i)
            t[chars[std::size_t(i)]] = qint16(i);
        return t;
    }();
    return table;
}

QString decode(const QByteArray &bytes)
{
    const auto &table = characters();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *dst = reinterpret_cast<char16_t *>(text.data());
    for (const char byte : bytes)
        *dst++ = table[static_cast<unsigned char>(byte)];
    return text;
}

bool canStore(QChar c)
{
    return storable().test(c.unicode());
}

qsizetype firstUnstorable(QStringView text)
{
    const auto &set = storable();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!set.test(text[i].unicode()))
            return i;
    }
    return -1;
}

bool encode(QStringView text, QByteArray *out, qsizetype *unstorable)
{
    const qsizetype bad = firstUnstorable(text);
    if (unstorable)
        *unstorable = bad;
    if (bad >= 0)
        return false;
    QStringEncoder encoder(kCodec);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return false;
    *out = std::move(bytes);
    return true;
}

QString describe(char32_t c)
{
    const QString code = QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
    if (QChar::isPrint(c) && !QChar::isSurrogate(c))
        return QStringLiteral("\"%1\" (%2)").arg(QString::fromUcs4(&c, 1), code);
    return code;
}

QString describeAt(QStringView text, qsizetype at)
{
    const char16_t unit = text[at].unicode();
    if (QChar::isHighSurrogate(unit) && at + 1 < text.size() && text[at + 1].isLowSurrogate())
        return describe(QChar::surrogateToUcs4(unit, text[at + 1].unicode()));
    if (QChar::isLowSurrogate(unit) && at > 0 && text[at - 1].isHighSurrogate())
        return describe(QChar::surrogateToUcs4(text[at - 1].unicode(), unit));
    return describe(char32_t(unit));
}

} // namespace Cp1252
