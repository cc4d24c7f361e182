// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileCheck.h"

#include "Cp1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace FileCheck {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FileCheck", text);
}

bool isUndefined(QChar c)
{
    switch (c.unicode()) {
    case 0x81:
    case 0x8D:
    case 0x8F:
    case 0x90:
    case 0x9D:
        return true;
    default:
        return false;
    }
}

// The length of the UTF-8 sequence that starts with lead, or 0 for a byte that
// cannot start one.
int sequenceLength(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// False when the bytes from first on hold a sequence that no UTF-8 decoder
// takes, which most files of the code page do within their first line:
// decoding the whole file to learn that would cost a copy of it. A sequence
// cut off by the end of the file is left to the decoder.
bool mayBeUtf8(const QByteArray &bytes, qsizetype first)
{
    const auto *const data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    for (qsizetype i = first; i < size;) {
        const unsigned char lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const int length = sequenceLength(lead);
        if (length == 0)
            return false;
        for (int j = 1; j < length; ++j) {
            if (i + j >= size)
                return true;
            const unsigned char next = data[i + j];
            // The second byte also rules out overlong forms, surrogates and
            // code points past U+10FFFF.
            unsigned char low = 0x80, high = 0xBF;
            if (j == 1) {
                if (lead == 0xE0)
                    low = 0xA0;
                else if (lead == 0xED)
                    high = 0x9F;
                else if (lead == 0xF0)
                    low = 0x90;
                else if (lead == 0xF4)
                    high = 0x8F;
            }
            if (next < low || next > high)
                return false;
        }
        i += length;
    }
    return true;
}

} // namespace

QString readBytes(const QString &path, QByteArray *bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tr("Cannot open \"%1\": %2").arg(QDir::toNativeSeparators(path), file.errorString());
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return tr("Cannot read \"%1\": %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return QString();
}

Result checkFile(const QString &path, const std::function<QList<Finding>(const QByteArray &bytes)> &check)
{
    Result result;
    QByteArray bytes;
    result.error = readBytes(path, &bytes);
    if (result.ok())
        result.findings = check(bytes);
    return result;
}

QList<Finding> codePage(const QByteArray &bytes, QStringView text, const Lines &lines)
{
    return utf8Text(bytes, text, lines) + undefinedCharacters(text, lines);
}

QList<Finding> inLineOrder(QList<Finding> findings)
{
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding &a, const Finding &b) { return a.line < b.line; });
    return findings;
}

QString report(const QString &name, const QList<Finding> &findings)
{
    QString text;
    for (const Finding &finding : findings) {
        text += name;
        if (finding.line > 0)
            text += QLatin1Char(':') + QString::number(finding.line);
        text += QStringLiteral(": ") + finding.message + QLatin1Char('\n');
    }
    return text;
}

QString shown(QChar c)
{
    if (c.isPrint() && !c.isSpace())
        return QStringLiteral("\"%1\"").arg(c);
    return QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
}

QList<Finding> undefinedCharacters(QStringView text, const Lines &lines)
{
    QList<Finding> findings;
    OfAKind kind;
    qsizetype last = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isUndefined(text[i]))
            continue;
        const qsizetype line = lines.lineOf(i);
        if (line == last)
            continue;
        last = line;
        if (kind.take(line))
            findings << Finding{line, tr("the byte %1 is no character of Windows-1252")
                                          .arg(QString::number(text[i].unicode(), 16).toUpper())};
    }
    kind.finish(findings);
    return findings;
}

QList<Finding> utf8Text(const QByteArray &bytes, QStringView text, const Lines &lines)
{
    qsizetype first = -1;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= 0x80) {
            first = i;
            break;
        }
    }
    if (first < 0 || !mayBeUtf8(bytes, first))
        return {};
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    if (decoded.isEmpty() || decoder.hasError())
        return {};
    // The first character as meant and as the kit reads it.
    const int length = sequenceLength(static_cast<unsigned char>(bytes[first]));
    const QByteArray sequence = bytes.mid(first, length);
    const QString meant = QString::fromUtf8(sequence);
    const QString read = Cp1252::decode(sequence);
    // The decoded text holds the characters as the kit reads them, unless a
    // file kind's own decoding changed them; then the finding has no line.
    const qsizetype at = text.indexOf(read);
    return {
        Finding{at < 0 ? 0 : lines.lineOf(at),
                tr("the file is UTF-8 text: read as Windows-1252, \"%1\" becomes \"%2\"").arg(meant, read)}};
}

QList<Finding> loneCarriageReturns(QStringView text, const Lines &lines,
                                   const std::function<qsizetype(qsizetype)> &at)
{
    QList<Finding> findings;
    OfAKind kind;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\r') || (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')))
            continue;
        if (!kind.needsLine()) {
            kind.count();
            continue;
        }
        const qsizetype line = lines.lineOf(at ? at(i) : i);
        if (kind.take(line))
            findings << Finding{line, tr("the line ends in a CR without LF, which comes back as CR LF")};
    }
    kind.finish(findings);
    return findings;
}

} // namespace FileCheck
