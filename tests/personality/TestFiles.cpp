#include "TestFiles.h"

#include <QFile>
#include <QtTest>

namespace TestFiles {

QString crlfs(int n)
{
    return QStringLiteral("\r\n").repeated(n);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

void putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace TestFiles
