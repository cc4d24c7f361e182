#include "TextFile.h"

#include "Cp1252.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace TextFile {
namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

ReadResult read(QIODevice &device, const QString &name)
{
    ReadResult result;
    const QByteArray bytes = device.readAll();
    auto *file = qobject_cast<QFileDevice *>(&device);
    if (file && file->error() != QFileDevice::NoError) {
        result.error = QStringLiteral("Cannot read \"%1\": %2").arg(shown(name), device.errorString());
        return result;
    }
    result.text = Cp1252::decode(bytes);
    return result;
}

ReadResult read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ReadResult result;
        result.error = QStringLiteral("Cannot open \"%1\": %2").arg(shown(path), file.errorString());
        return result;
    }
    return read(file, path);
}

QString encodeForFile(const QString &text, QByteArray *bytes, const QString &path)
{
    qsizetype bad = -1;
    if (!Cp1252::encode(text, bytes, &bad)) {
        return QStringLiteral("\"%1\" was not written: the text holds the character %2, which an 8-bit text "
                              "file cannot store. Remove or replace it and save again.")
            .arg(shown(path), Cp1252::describe(text.at(bad)));
    }
    bytes->append("\r\n");
    return QString();
}

QString write(const QString &path, const QString &text)
{
    QByteArray bytes;
    const QString encodeError = encodeForFile(text, &bytes, path);
    if (!encodeError.isEmpty())
        return encodeError;

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot write \"%1\": %2").arg(shown(path), file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return QStringLiteral("Cannot write \"%1\": %2").arg(shown(path), reason);
    }
    if (!file.commit())
        return QStringLiteral("Cannot write \"%1\": %2").arg(shown(path), file.errorString());
    return QString();
}

} // namespace TextFile
