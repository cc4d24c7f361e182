// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

// Saves the generated pictures under one root folder, checking each one's
// size, and remembers what it wrote for the closing summary.
class ArtWriter
{
public:
    explicit ArtWriter(const QString &root);

    // PNG for ".png" names, JPEG (quality 92) for ".jpg". Returns false and
    // reports on stderr when the size is wrong or the file cannot be written.
    bool write(const QString &relativePath, const QImage &image, QSize expected);

    // The same for the few pictures that keep their transparency (icons).
    bool writeWithAlpha(const QString &relativePath, const QImage &image, QSize expected);

    // Where a failed check or write was reported.
    bool failed() const { return m_failed; }
    void fail(const QString &why);

    QString root() const { return m_root; }
    QStringList summary() const { return m_written; }

    static const int jpegQuality = 95;

private:
    bool save(const QString &relativePath, const QImage &image, QSize expected, bool keepAlpha);

    QString m_root;
    QStringList m_written;
    bool m_failed = false;
};
