// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SceneEditor.h"

#include <QWidget>

#include <array>
#include <memory>

class DocumentRecovery;
class FileDialog;
class Platform;
class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QMimeData;
class QPushButton;
class QRadioButton;
class SceneCanvas;

// The scene composer's window: a 700 x 500 canvas showing the background with
// the selected part, and below it the part switches, LOAD buttons, part
// selection, nudge buttons, display options, scene file commands and the
// miscellaneous part's animation texts, built from Form1Layout.
//
// The scene and every rule about it live in its SceneEditor. The window asks
// the platform for files, questions and messages, passes each user action on
// to the editor, and mirrors the editor's state into its controls with their
// signals blocked.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    SceneEditor &editor() { return *m_editor; }
    const SceneEditor &editor() const { return *m_editor; }
    const SceneRecord &scene() const { return m_editor->record(); }
    const QString &sceneText() const { return m_editor->sceneText(); }

    // Load Scene of the file at path, without the dialog: a scene given on the
    // command line or dropped on the window.
    void loadSceneFrom(const QString &path);

    // Opens a recovered scene as unsaved changes, once the scene's own
    // unsaved changes may go; false when the user kept them.
    bool recover(const RecoveryRecord &record);
    DocumentRecovery *recovery() const { return m_recovery.get(); }

    // The window keeps the layout's size where it fits room (a screen's
    // free area); elsewhere it takes the size that fits and its page
    // scrolls. Done for the screen the window first shows on.
    void fitInto(const QRect &room);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void fitCaptions();
    void connectEditor();
    void mirror(SceneEditor::Changes changes);
    void mirrorControls();
    void showText(QLineEdit *box, const QString &text);
    void updateTitle();
    void updatePlaceTip();

    // Commands that ask the platform first.
    void loadPicture(SceneEditor::LoadTarget target);
    bool takePicture(SceneEditor::LoadTarget target, const QString &chosen);
    bool takeUprightCopy(QString *source, PictureResult *loaded);
    bool saveScene();
    void loadScene();
    void findPictures(const QString &scene, const QStringList &missing);
    void newScene();
    void showHelp();
    bool mayDiscardScene();
    void swapBackground(bool on);
    void nudgeClicked(QAbstractButton *button, int dx, int dy);
    void undoOrRedo(bool undo);

    // What a drop on the window would do.
    enum class DropAction { None, Picture, Scene };
    DropAction dropAction(const QMimeData *data, QPointF position, QString *path) const;

    QString dialogFolder() const;
    bool refuseUnstorable(const SceneFile::Unstorable &bad, const QString &advice, const QString &title);
    void showError(const QString &text, const QString &title);
    void reportFailures(const QString &intro, const QStringList &failures, const QString &title);

    Platform &m_platform;
    std::unique_ptr<FileDialog> m_cdl;
    std::unique_ptr<SceneEditor> m_editor;
    // Goes before the document it reads.
    std::unique_ptr<DocumentRecovery> m_recovery;

    QWidget *m_content = nullptr; // the page the controls stand on
    bool m_fitted = false;        // the window was fitted to its screen
    SceneCanvas *m_picCanvas = nullptr;
    // Per part, in part order: option button, LOAD button, and the switch
    // (none for the Zumi mouth, which is always in the scene).
    std::array<QRadioButton *, ScenePart::Count> m_options{};
    std::array<QPushButton *, ScenePart::Count> m_partLoads{};
    std::array<QCheckBox *, ScenePart::Count> m_partSwitches{};
    // Frames, Speed, Rndm, Delay.
    std::array<QLineEdit *, 4> m_animationTexts{};
    QCheckBox *m_showHide = nullptr;          // Check1
    QCheckBox *m_nudeSwitch = nullptr;        // Check6
    QCheckBox *m_alternativeSwitch = nullptr; // Check7
    QCheckBox *m_useOutline = nullptr;
    QPushButton *m_alternativeLoad = nullptr; // Command14
    QLineEdit *m_shownName = nullptr;         // Text3
    // A held nudge button repeats its clicks; they are one undo step.
    bool m_nudgeHeld = false;
};
