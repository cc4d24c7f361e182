// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArtWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <cstdio>

ArtWriter::ArtWriter(const QString &root) : m_root(root) {}

bool ArtWriter::write(const QString &relativePath, const QImage &image, QSize expected)
{
    return save(relativePath, image, expected, false);
}

bool ArtWriter::writeWithAlpha(const QString &relativePath, const QImage &image, QSize expected)
{
    return save(relativePath, image, expected, true);
}

bool ArtWriter::save(const QString &relativePath, const QImage &image, QSize expected, bool keepAlpha)
{
    if (image.size() != expected) {
        fail(QStringLiteral("%1: drawn %2 x %3, expected %4 x %5")
                 .arg(relativePath)
                 .arg(image.width())
                 .arg(image.height())
                 .arg(expected.width())
                 .arg(expected.height()));
        return false;
    }
    const QString path = QDir(m_root).filePath(relativePath);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        fail(QStringLiteral("%1: cannot create its folder").arg(path));
        return false;
    }
    const bool jpeg = relativePath.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive);
    const bool bmp = relativePath.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive);
    QImageWriter writer(path, jpeg  ? QByteArrayLiteral("jpg")
                              : bmp ? QByteArrayLiteral("bmp")
                                    : QByteArrayLiteral("png"));
    if (jpeg) {
        writer.setQuality(jpegQuality);
        writer.setOptimizedWrite(true);
    }
    // Opaque pictures throughout: the windows and the scene composer copy them
    // as they are, with no transparent colour.
    if (!writer.write(image.convertToFormat(keepAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32))) {
        fail(QStringLiteral("%1: %2").arg(path, writer.errorString()));
        return false;
    }
    m_written << QStringLiteral("%1  %2 x %3").arg(relativePath).arg(image.width()).arg(image.height());
    return true;
}

void ArtWriter::fail(const QString &why)
{
    m_failed = true;
    std::fprintf(stderr, "artgen: %s\n", qPrintable(why));
}
