// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

// Files and texts in tests.
namespace TestFiles {

// The file's bytes, or "<missing PATH>" when it cannot be read, so that a
// comparison with the expected bytes shows which file is not there (and an
// empty expectation never passes for a missing file).
QByteArray readBytes(const QString &path);

// Writes the bytes as the whole file, creating it or replacing what it held,
// and returns the path. A file that cannot be written fails the running test
// with the path and the reason, at the caller's file and line.
QString writeBytes(const QString &path, const QByteArray &bytes, const char *file = __builtin_FILE(),
                   int line = __builtin_LINE());

// Writes a picture of one colour, in the format the path's extension names,
// and returns the path. A picture that cannot be written fails the running
// test as writeBytes does.
QString writePicture(const QString &path, int width, int height, QRgb colour,
                     const char *file = __builtin_FILE(), int line = __builtin_LINE());

// A picture whose colours vary from pixel to pixel, so that its JPEG holds
// picture data worth cutting short.
QImage noise(int width, int height);

// Writes stored as a JPEG photo whose EXIF orientation is orientation (1:
// upright as stored, 6: to be turned 90 degrees clockwise, 3, 8, ...), and
// returns the path.
QString writeTurnedPhoto(const QString &path, const QImage &stored, int orientation,
                         const char *file = __builtin_FILE(), int line = __builtin_LINE());

// While it lives, no file this process writes can grow past `bytes`: a
// write beyond fails with the system's "File too large", as a full disk
// fails one, whoever runs the test (permission bits do not stop root).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    unsigned long long m_old[2];
    void (*m_oldHandler)(int);
};

// n CR LF pairs.
QString crlfs(int n);

} // namespace TestFiles
