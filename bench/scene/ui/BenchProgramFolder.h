// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program folder the scene benchmarks run in: the one named on the
// command line, or a temporary one with default pictures in the sizes of the
// shipped art.

#include "QtPlatform.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

class BenchProgramFolder : public QtPlatform
{
public:
    BenchProgramFolder(int argc, char **argv) : QtPlatform(QString())
    {
        if (argc > 1) {
            m_folder = QDir::toNativeSeparators(QString::fromLocal8Bit(argv[1]));
            if (!m_folder.endsWith(QDir::separator()))
                m_folder += QDir::separator();
        } else {
            m_folder = QDir::toNativeSeparators(m_temporary.path()) + QDir::separator();
            const QString images = m_folder + QStringLiteral("Images") + QDir::separator();
            QDir().mkpath(images);
            writeDefaultPictures(images);
        }
        std::printf("Program folder: %s\n", qPrintable(m_folder));
    }

    QString programFolder() const override { return m_folder; }

    // Bytes the heap holds in use (0 where the C library does not say).
    static qint64 heapInUse()
    {
#if defined(__GLIBC__)
        return qint64(mallinfo2().uordblks);
#else
        return 0;
#endif
    }

private:
    static void writeDefaultPictures(const QString &images)
    {
        const struct
        {
            const char *name;
            int width, height;
        } pictures[] = {{"bg.jpg", 700, 500},        {"zumimouth.jpg", 304, 256}, {"zumiblink.jpg", 304, 128},
                        {"usermouth.jpg", 112, 256}, {"userblink.jpg", 112, 128}, {"miscpart.jpg", 256, 32}};
        for (const auto &picture : pictures) {
            QImage image(picture.width, picture.height, QImage::Format_RGB32);
            QPainter painter(&image);
            QLinearGradient gradient(0, 0, picture.width, picture.height);
            gradient.setColorAt(0, QColor(40, 120, 200));
            gradient.setColorAt(1, QColor(230, 180, 60));
            painter.fillRect(image.rect(), gradient);
            painter.end();
            image.save(images + QLatin1String(picture.name));
        }
    }

    QTemporaryDir m_temporary;
    QString m_folder;
};
