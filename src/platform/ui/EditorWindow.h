// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class Platform;

// What every Mindloom editor window shares: it is a window of its own, Ctrl+W
// closes it, Ctrl+L asks for the launcher and F1 opens the help page, and
// closing it (Ctrl+W, the title bar, quitting the program) asks before unsaved
// work is thrown away.
//
// The launcher connects launcherRequested() when it creates the window. A
// window with a document overrides hasUnsavedWork(), saveWork() and
// unsavedWorkQuestion(), and calls mayDiscardWork() before each command that
// replaces the document (a load, a new document).
class EditorWindow : public QWidget
{
    Q_OBJECT
public:
    explicit EditorWindow(Platform &platform, QWidget *parent = nullptr);

signals:
    // Ctrl+L: bring the launcher back.
    void launcherRequested();
    // The window closes with the user's consent: its document is saved, or
    // was thrown away on purpose, or had no changes.
    void closedByUser();

protected:
    // Whether the document changed since it was last loaded, saved or started.
    virtual bool hasUnsavedWork() const;
    // Does what the window's save command does; false when the save failed
    // (the failure was reported) or the user cancelled it.
    virtual bool saveWork();
    // The text of the Save / Discard / Cancel question.
    virtual QString unsavedWorkQuestion() const;

    // True when the document may go: nothing changed, or the user chose Save
    // and it was saved, or Discard. False when the user chose Cancel, or the
    // save failed or was cancelled: the command stops.
    bool mayDiscardWork();

    void closeEvent(QCloseEvent *event) override;

    Platform &m_platform;
};
