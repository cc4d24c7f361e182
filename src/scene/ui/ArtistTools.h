// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QObject>

#include <memory>

class FileDialog;
class Platform;
class QAction;
class QMenu;
class QPushButton;
class QWidget;
class SceneCanvas;
class SceneEditor;

// The artist's commands of the composer, beside its prescribed controls:
// - "Cut Out From Full Picture..." (the canvas's menu for the selected part,
//   each part's LOAD button's menu for its part, Ctrl+Shift+L): a full
//   picture of the scene, as large as the background, in which only the part
//   differs; the rectangle it differs in is saved as a BMP in Images and
//   becomes the part's picture, size and place, switched on;
// - "Make Strip From Pictures..." (the canvas's menu, the miscellaneous part's
//   LOAD button's menu): frames chosen one after another, joined side by side
//   into one BMP strip in Images, loaded as the miscellaneous part with
//   Frames set to their number;
// - "Position and Size..." (the canvas's menu, Enter on the canvas): the
//   selected part's place and size by numbers;
// - "Show Other Parts" (the canvas's menu, G): the canvas also shows the
//   other parts of the scene faintly, under the selected one; off until the
//   user first switches it on, and remembered from one run to the next.
// Each command that changes the scene is one undo step.
class ArtistTools : public QObject
{
    Q_OBJECT
public:
    // menu: the canvas's context menu, which gets the commands.
    ArtistTools(QWidget &composer, SceneCanvas &canvas, QMenu &menu, SceneEditor &editor, Platform &platform);
    ~ArtistTools() override;

    void cutOut(int part);
    void makeStrip();
    void positionAndSize();
    void setShowOtherParts(bool on);
    bool showsOtherParts() const { return m_ghostsOn; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addLoadMenu(QPushButton &button, int part);
    void updateGhosts();
    void showError(const QString &text, const QString &title);
    QString imagesFolder() const;

    QWidget &m_composer;
    SceneCanvas &m_canvas;
    SceneEditor &m_editor;
    Platform &m_platform;
    std::unique_ptr<FileDialog> m_cdl;
    QAction *m_showOthers = nullptr;
    bool m_ghostsOn = false;
    QImage m_ghosts;
};
