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

QString fromUtf8(const QByteArray &bytes, bool *valid)
{
    // The decoder drops a leading byte-order mark; one further on stays.
    // Stateless: a sequence cut off at the end is an error, not a wait for more.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (valid)
        *valid = !decoder.hasError();
    return text;
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
    bool valid = false;
    fromUtf8(bytes, &valid);
    return valid;
}

QString decode(const QByteArray &bytes)
{
    if (startsWithMark(bytes))
        return fromUtf8(bytes, nullptr);
    if (!isAscii(bytes)) {
        bool valid = false;
        QString text = fromUtf8(bytes, &valid);
        if (valid)
            return text;
    }
    return Cp1252::decode(bytes);
}

} // namespace SourceText
