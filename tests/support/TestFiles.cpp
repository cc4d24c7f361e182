// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"

#include <QFile>
#include <QImage>
#include <QtTest>

namespace TestFiles {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing " + path.toUtf8() + '>';
    return file.readAll();
}

QString writeBytes(const QString &path, const QByteArray &bytes, const char *file, int line)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush())
        QTest::qFail(qPrintable(QStringLiteral("cannot write %1: %2").arg(path, out.errorString())), file,
                     line);
    return path;
}

QString writePicture(const QString &path, int width, int height, QRgb colour, const char *file, int line)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    if (!picture.save(path))
        QTest::qFail(qPrintable(QStringLiteral("cannot write the picture %1").arg(path)), file, line);
    return path;
}

QString crlfs(int n)
{
    return QStringLiteral("\r\n").repeated(n);
}

} // namespace TestFiles
