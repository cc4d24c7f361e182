// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QtTest>

#include <csignal>

#include <sys/resource.h>

namespace TestFiles {

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    // The signal a write past the limit raises would end the test.
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    m_old[0] = old.rlim_cur;
    m_old[1] = old.rlim_max;
    rlimit limit = old;
    limit.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit old{};
    old.rlim_cur = rlim_t(m_old[0]);
    old.rlim_max = rlim_t(m_old[1]);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, m_oldHandler);
}

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

QImage noise(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (x + y * 53) % 256));
    }
    return picture;
}

QString writeTurnedPhoto(const QString &path, const QImage &stored, int orientation, const char *file,
                         int line)
{
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        if (!stored.save(&buffer, "JPEG", 95))
            QTest::qFail("cannot encode the photo", file, line);
    }
    // An APP1 segment right after the start marker: "Exif", a big-endian TIFF
    // header and one directory entry, the orientation (tag 0112, a SHORT).
    const char tiff[] = {'M',  'M',  0, 42, 0, 0, 0, 8, 0, 1,
                         0x01, 0x12, 0, 3,  0, 0, 0, 1, 0, char(orientation),
                         0,    0,    0, 0,  0, 0};
    QByteArray exif = QByteArray("Exif\0\0", 6) + QByteArray(tiff, sizeof tiff);
    const int length = int(exif.size()) + 2;
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char(length >> 8)).append(char(length & 0xFF)).append(exif);
    jpeg.insert(2, segment);
    return writeBytes(path, jpeg, file, line);
}

QString crlfs(int n)
{
    return QStringLiteral("\r\n").repeated(n);
}

} // namespace TestFiles
