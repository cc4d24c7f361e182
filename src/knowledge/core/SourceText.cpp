// SPDX-License-Identifier: GPL-3.0-or-later
#include "SourceText.h"

#include "Cp1252.h"
#include "FileCheck.h"

#include <QStringDecoder>

#include <algorithm>

namespace SourceText {
namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

bool startsWithMark(const QByteArray &bytes)
{
    return bytes.startsWith(kByteOrderMark);
}

bool isAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

QString fromUtf8(const QByteArray &bytes)
{
    // The decoder drops a leading byte-order mark; one further on stays.
    // Stateless: a sequence cut off at the end is an error, not a wait for more.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

} // namespace

ReadResult read(const QString &path)
{
    ReadResult result;
    QByteArray bytes;
    result.error = FileCheck::readBytes(path, &bytes);
    if (result.ok())
        result.text = decode(bytes);
    return result;
}

bool isUtf8(const QByteArray &bytes)
{
    if (startsWithMark(bytes))
        return true;
    if (isAscii(bytes))
        return false;
    // The same verdict as the decoder's, without building the text.
    return bytes.isValidUtf8();
}

QString decode(const QByteArray &bytes)
{
    if (startsWithMark(bytes))
        return fromUtf8(bytes);
    // Checked before it is decoded: a text that fails only at its last byte
    // would otherwise be decoded whole twice.
    if (!isAscii(bytes) && bytes.isValidUtf8())
        return fromUtf8(bytes);
    return Cp1252::decode(bytes);
}

} // namespace SourceText
