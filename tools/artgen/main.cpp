// SPDX-License-Identifier: GPL-3.0-or-later
// artgen: draws every picture of the kit and writes it into the source tree.
//
//   QT_QPA_PLATFORM=offscreen artgen <source-dir> [<preview-dir>]
//
// With a preview folder it also writes the composer's default scene for each
// part, drawn from the written files, to check that the parts sit seamlessly.

#include "ArtWriter.h"
#include "EditorArt.h"
#include "IconArt.h"
#include "LauncherArt.h"
#include "LocationPictures.h"
#include "SceneArt.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2 || args.size() > 3 || !QDir(args.at(1)).exists()) {
        std::fprintf(stderr, "usage: artgen <source-dir> [<preview-dir>]\n");
        return 2;
    }
    ArtWriter writer(args.at(1));
    const QString previewDir = args.size() > 2 ? args.at(2) : QString();
    if (!previewDir.isEmpty())
        QDir().mkpath(previewDir);
    LauncherArt::writeAll(writer, previewDir);
    EditorArt::writeAll(writer, previewDir);
    SceneArt::writeAll(writer, previewDir);
    LocationPictures::writeAll(writer, previewDir);
    IconArt::writeAll(writer);

    for (const QString &line : writer.summary())
        std::printf("wrote %s\n", qPrintable(line));
    return writer.failed() ? 1 : 0;
}
