// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SceneEditor.h"
#include "ScenePreview.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

class FileDialog;
class Platform;
class QCheckBox;
class QComboBox;
class QScrollArea;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class ScenePreviewPicture;

// "Scene Preview": the composer's scene with all its parts, moving, in a
// window of its own. A small toolbar above the 700 x 500 picture switches the
// animations, sets their pace and the strip's own readings, makes the mouths
// talk by a typed line ("Say:"), and saves the frame shown; a status line below says why the strip stands
// still.
//
// The picture can be zoomed (1x, 2x, 4x, or to fit the window: the zoom box,
// or the keys +, - and 0); the window can be resized, and the picture
// scrolls when it is larger than the window.
//
// The window follows every change of the editor's scene at once and never
// changes the scene. Its timer fires only when the picture next changes, and
// only the parts that changed are painted again.
class ScenePreviewWindow : public QWidget
{
    Q_OBJECT
public:
    static const char *const Title; // "Scene Preview"

    // owner: the composer's window; the preview stays in front of it and goes with it.
    ScenePreviewWindow(SceneEditor &editor, Platform &platform, QWidget *owner = nullptr);
    ~ScenePreviewWindow() override;

    const ScenePreview &preview() const { return m_preview; }
    ScenePreviewPicture &picture() { return *m_picture; }

    // In the zoom box's order.
    enum Zoom { Zoom1, Zoom2, Zoom4, ZoomFit };
    void setZoom(Zoom zoom);
    Zoom zoom() const { return m_zoom; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void follow();
    void catchUp();
    void advance();
    void schedule();
    void paintChanged(const QRegion &changed);
    void mirrorReadings();
    void updateStatus();
    void setPace(int percent);
    void say();
    void saveFrame();
    void stepZoom(int direction);
    void applyZoom();

    SceneEditor &m_editor;
    Platform &m_platform;
    std::unique_ptr<FileDialog> m_cdl;
    ScenePreview m_preview;
    QElapsedTimer m_clock;
    QTimer m_timer;
    qint64 m_lastTick = -1000; // when the timer last fired, on m_clock

    ScenePreviewPicture *m_picture = nullptr;
    std::array<QCheckBox *, ScenePreview::AnimationCount> m_animations{};
    QSlider *m_pace = nullptr;
    QLabel *m_paceShown = nullptr;
    std::array<QLineEdit *, ScenePreview::ReadingCount> m_readings{};
    QLineEdit *m_say = nullptr;
    QPushButton *m_saveFrame = nullptr;
    QLabel *m_status = nullptr;
    QComboBox *m_zoomBox = nullptr;
    QScrollArea *m_scroll = nullptr;
    Zoom m_zoom = Zoom1;
    QString m_saved; // what the last Save Frame wrote, for the status line
};
