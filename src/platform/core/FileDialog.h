// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The open/save file dialog every file command of a window shares (its `cdl`).
// One call per use: the command passes its filter and the folder to open in,
// and gets back the chosen file's full path, or an empty string when the user
// cancelled. A name typed without an extension in the save dialog comes back
// with the filter's (its first pattern's, "*.kba" -> ".kba"); a name with one
// comes back as typed.
class FileDialog
{
public:
    enum class Mode { Open, Save, Folder };

    virtual ~FileDialog();

    // filter: "Description|*.a;*.b" (pairs may repeat: "D1|p1|D2|p2").
    // initFolder: the folder the dialog opens in; empty: the dialog's own choice.
    // The open dialog accepts existing files only.
    QString askOpen(const QString &filter, const QString &initFolder = QString());
    // The save dialog starts with an empty file name. It never asks before
    // replacing a file: most commands write somewhere else than the folder the
    // dialog shows, so each command asks about the file it really writes.
    QString askSave(const QString &filter, const QString &initFolder = QString());
    // A folder, not a file: an existing folder's full path, or an empty
    // string when the user cancelled.
    QString askFolder(const QString &initFolder = QString());

    // "KBA Files (*.kba)|*.kba" -> "KBA Files (*.kba)";
    // "Images Files (*.bmp;*.jpg)|*.bmp;*.jpg" -> "Images Files (*.bmp *.jpg)":
    // the pattern is shown once, in the form QFileDialog reads its patterns
    // from. Entries are joined by ";;" as QFileDialog expects.
    static QString toQtFilter(const QString &filter);

    // The extension of the filter's first pattern: "KBA Files (*.kba)|*.kba"
    // -> ".kba"; empty for a pattern such as "*.*" or "*".
    static QString extensionOf(const QString &filter);

protected:
    // Shows the dialog and returns the chosen full path, or an empty string
    // when the user cancelled.
    virtual QString choose(Mode mode, const QString &filter, const QString &initFolder) = 0;
};
