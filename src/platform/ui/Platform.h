// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileDialog.h"
#include "Picture.h"

#include <QString>
#include <QStringList>

#include <memory>

class QWidget;
class SpellChecker;

// Everything a window needs from the desktop: the program folder, file
// dialogs, pictures, message boxes, starting programs and opening documents.
// main() passes the real one (QtPlatform); tests pass a scripted fake.
class Platform
{
public:
    enum class MessageIcon { None, Critical };
    // The buttons of a question box: Yes and No, or Save, Discard and Cancel.
    enum class Question { YesNo, SaveDiscardCancel };
    enum class Answer { Yes, No, Save, Discard, Cancel };

    virtual ~Platform();

    // The folder the programs read and write, with its trailing separator: the
    // program folder, or the folder the command line or the installation chose
    // in its place.
    virtual QString programFolder() const = 0;

    // The folder of the running executables, where the programs start each
    // other from, with its trailing separator.
    virtual QString executableFolder() const = 0;

    // A window's `cdl`: created once per window, owned by it.
    virtual std::unique_ptr<FileDialog> createFileDialog(QWidget *owner) = 0;

    virtual PictureResult loadPicture(const QString &path) = 0;
    // The pictures a window is about to load: a platform may decode them
    // meanwhile. loadPicture() gives the same results either way.
    virtual void expectPictures(const QStringList &paths) { Q_UNUSED(paths) }

    // A modal box with an OK button; returns when it is closed.
    virtual void showMessage(QWidget *owner, const QString &text, const QString &title, MessageIcon icon) = 0;

    // The same box with one more button, offer ("Find Pictures..."), beside
    // OK: true when offer was pressed, false for OK, Escape or closing it.
    virtual bool showMessageOffering(QWidget *owner, const QString &text, const QString &title,
                                     MessageIcon icon, const QString &offer) = 0;

    // A modal question; returns the button pressed. Escape or closing the box
    // answers No (YesNo) or Cancel (SaveDiscardCancel). defaultAnswer is the
    // button Enter presses.
    virtual Answer ask(QWidget *owner, const QString &text, const QString &title, Question question,
                       Answer defaultAnswer) = 0;

    // Starts a program with its arguments as a separate process with a normal,
    // focused window and does not wait for it. Returns false when it could not
    // be started.
    virtual bool startProcess(const QString &program, const QStringList &arguments) = 0;

    // Opens a local document in the desktop's default browser, the path passed whole.
    virtual bool openInBrowser(const QString &path) = 0;

    // The spelling check every window shares: the dictionaries installed on
    // the machine, the user's choice of one and the personal word list.
    // Made when first asked for.
    virtual SpellChecker &spellChecker() = 0;

    // The user's small choices that outlast a run ("Show Other Parts"), by
    // name, kept in one file in the user's data folder; "" for one never made.
    virtual QString choice(const QString &name) = 0;
    virtual void setChoice(const QString &name, const QString &value) = 0;
};
