#pragma once

#include <QByteArray>
#include <QString>

// Small file and text helpers shared by the personality tests.
namespace TestFiles {

// n CR LF pairs.
QString crlfs(int n);

// The file's bytes, or "<missing>" when it cannot be read.
QByteArray fileBytes(const QString &path);

// Writes the bytes as the whole file (a test failure when it cannot).
void putBytes(const QString &path, const QByteArray &bytes);

} // namespace TestFiles
