// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecoveryFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace RecoveryFile {
namespace {

const QByteArray kHeader = QByteArrayLiteral("Mindloom recovery file 1");
const QByteArray kEnd = QByteArrayLiteral("end");

void line(QByteArray &out, const char *key, const QString &value)
{
    out += key;
    out += ": ";
    // A line break in a name would end its line early; file names seldom
    // hold one, and the texts, which do, are counted instead.
    QString oneLine = value;
    oneLine.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    out += oneLine.toUtf8();
    out += '\n';
}

// Reads one "\n"-ended line at *at, moving past it.
bool takeLine(const QByteArray &bytes, qsizetype *at, QByteArray *lineOut)
{
    const qsizetype end = bytes.indexOf('\n', *at);
    if (end < 0)
        return false;
    *lineOut = bytes.mid(*at, end - *at);
    *at = end + 1;
    return true;
}

bool takeValue(const QByteArray &bytes, qsizetype *at, const char *key, QString *value)
{
    QByteArray l;
    if (!takeLine(bytes, at, &l))
        return false;
    const QByteArray prefix = QByteArray(key) + ": ";
    if (!l.startsWith(prefix))
        return false;
    *value = QString::fromUtf8(l.mid(prefix.size()));
    return true;
}

} // namespace

QByteArray toBytes(const RecoveryRecord &record)
{
    qsizetype size = 256;
    for (const RecoveryRecord::Text &t : record.texts)
        size += t.second.size() * 3 + t.first.size() + 32;
    QByteArray out;
    out.reserve(size);
    out += kHeader;
    out += '\n';
    line(out, "program", record.program);
    line(out, "kind", record.kind);
    line(out, "file", record.file);
    line(out, "stamp", record.stamp.toText());
    line(out, "changed", record.changed.toUTC().toString(Qt::ISODateWithMs));
    for (const RecoveryRecord::Text &t : record.texts) {
        const QByteArray content = t.second.toUtf8();
        out += "text ";
        out += t.first.toUtf8();
        out += ' ';
        out += QByteArray::number(content.size());
        out += '\n';
        out += content;
        out += '\n';
    }
    out += kEnd;
    out += '\n';
    return out;
}

ReadResult fromBytes(const QByteArray &bytes, const QString &name)
{
    ReadResult result;
    const auto fail = [&](const QString &why) {
        result.record = RecoveryRecord();
        result.error = QCoreApplication::translate("RecoveryFile", "\"%1\" is no whole recovery file: %2")
                           .arg(QDir::toNativeSeparators(name), why);
        return result;
    };
    qsizetype at = 0;
    QByteArray l;
    if (!takeLine(bytes, &at, &l) || l != kHeader)
        return fail(
            QCoreApplication::translate("RecoveryFile", "its first line is not that of a recovery file."));
    RecoveryRecord &r = result.record;
    QString stamp, changed;
    if (!takeValue(bytes, &at, "program", &r.program) || !takeValue(bytes, &at, "kind", &r.kind) ||
        !takeValue(bytes, &at, "file", &r.file) || !takeValue(bytes, &at, "stamp", &stamp) ||
        !takeValue(bytes, &at, "changed", &changed))
        return fail(QCoreApplication::translate("RecoveryFile", "a line of its header is missing."));
    r.stamp = FileStamp::fromText(stamp);
    r.changed = QDateTime::fromString(changed, Qt::ISODateWithMs);
    if (!r.changed.isValid())
        return fail(QCoreApplication::translate("RecoveryFile", "its time is no time."));
    while (true) {
        if (!takeLine(bytes, &at, &l))
            return fail(QCoreApplication::translate("RecoveryFile", "it ends before its last line."));
        if (l == kEnd)
            break;
        if (!l.startsWith("text "))
            return fail(QCoreApplication::translate("RecoveryFile", "a line is neither a text nor its end."));
        const qsizetype space = l.lastIndexOf(' ');
        bool ok = false;
        const qsizetype count = l.mid(space + 1).toLongLong(&ok);
        if (!ok || count < 0 || space <= 4 || count > bytes.size() - at - 1 || bytes.at(at + count) != '\n')
            return fail(QCoreApplication::translate("RecoveryFile", "a text is shorter than its count."));
        r.texts.append(
            {QString::fromUtf8(l.mid(5, space - 5)), QString::fromUtf8(bytes.constData() + at, count)});
        at += count + 1;
    }
    if (at != bytes.size())
        return fail(QCoreApplication::translate("RecoveryFile", "something follows its last line."));
    return result;
}

ReadResult read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ReadResult result;
        result.error = QCoreApplication::translate("RecoveryFile", "Cannot open \"%1\": %2")
                           .arg(QDir::toNativeSeparators(path), file.errorString());
        return result;
    }
    return fromBytes(file.readAll(), path);
}

QString write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Never in place: a write cut short must leave the previous file whole.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return QCoreApplication::translate("RecoveryFile", "Cannot write \"%1\": %2")
            .arg(QDir::toNativeSeparators(path), reason);
    }
    if (!file.commit())
        return QCoreApplication::translate("RecoveryFile", "Cannot write \"%1\": %2")
            .arg(QDir::toNativeSeparators(path), file.errorString());
    return QString();
}

} // namespace RecoveryFile
