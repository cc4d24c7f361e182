#pragma once

#include <QString>

// The open/save file dialog every file command of a window shares (its `cdl`).
// A command sets FileName (save dialogs only), Filter, InitDir and CancelError,
// calls ShowOpen or ShowSave, then reads FileName: empty means cancelled.
// No default extension, title or flag is ever set: a name typed without an
// extension comes back without one.
class FileDialog
{
public:
    virtual ~FileDialog();

    QString FileName;
    QString Filter;      // "Description|*.a;*.b" (pairs may repeat: "D1|p1|D2|p2")
    QString InitDir;     // empty: the dialog's own choice
    bool CancelError = false; // always false in this system: cancelling only empties FileName

    void ShowOpen();
    void ShowSave();

    // The chosen file's name without its folder.
    QString FileTitle() const;

    // "Images Files (*.bmp;*.jpg)|*.bmp;*.jpg" -> "Images Files (*.bmp;*.jpg) (*.bmp *.jpg)",
    // entries joined by ";;" as QFileDialog expects.
    static QString toQtFilter(const QString &filter);

    enum class Mode { Open, Save };

protected:
    // Shows the dialog and returns the chosen full path, or an empty string
    // when the user cancelled.
    virtual QString choose(Mode mode) = 0;
};
