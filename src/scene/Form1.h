#pragma once

#include "Picture.h"
#include "SceneDefaults.h"
#include "SceneFile.h"
#include "SceneRecord.h"

#include <QPointF>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>

class FileDialog;
class Platform;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SceneCanvas;

// The scene composer's window: a 700 x 500 canvas showing the background with
// the selected part, and below it the part switches, LOAD buttons, part
// selection, nudge buttons, display options, scene file commands and the
// miscellaneous part's animation texts. The window owns the one SceneRecord;
// the check boxes and text boxes are bound to its flags and texts.
//
// Setting a check box or turning an option button on from code runs that
// control's handler at once, just like a click: start-up, Load Scene and
// New Scene rely on that cascade.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    explicit Form1(Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    // The scene being edited.
    const SceneRecord &scene() const { return m_scene; }
    // The scene file text last built by Save Scene or read by Load Scene.
    const QString &sceneText() const { return m_sceneText; }

    // The values last cut out of a longer text: by Load Scene for the
    // background entry (bg1 the value's 1-based start, bg2 the 1-based
    // position of its ";", 0 when none, bg3 the value), by a LOAD button for
    // the chosen file (bg1 the full path, bg2 the 1-based position where the
    // name begins, bg3 the name).
    struct Scratch
    {
        QString bg1;
        qsizetype bg2 = 0;
        QString bg3;
    };
    const Scratch &scratch() const { return m_scratch; }

    float canvasWidth() const { return m_canvasWidth; }
    float canvasHeight() const { return m_canvasHeight; }

    // How often the canvas was rebuilt and an outline inverted since the
    // window was made; a drag's cost is read from these.
    struct DrawCounts
    {
        quint64 redraws = 0;
        quint64 outlines = 0;
    };
    const DrawCounts &drawCounts() const { return m_drawCounts; }

    // Rebuilds the canvas: the background, then the selected part when
    // "Show/Hide Image" is ticked.
    void RedrawCanvas();
    // Inverts the outline of the selected part's rectangle on the canvas.
    void DrawOutline();

private:
    using Part = SceneDefaults::Part;

    // What one LOAD button serves.
    struct LoadTarget
    {
        Picture *holder;            // null: the picture is only named, not kept
        QString SceneRecord::*name; // the picture name field
        int part;                   // the part sized and selected, or -1
        bool redraw;
    };

    void buildControls();
    void fitCaptions();
    void connectHandlers();
    template <class Control> Control *make(const char *name, const QString &text, const QRect &place);
    QPushButton *makeButton(const char *name, const QString &text, const QRect &place);
    QLineEdit *makeText(const char *name, const QString &text, const QRect &place);

    // Handlers.
    void optionSelected(Part part);
    void partSwitchChanged(Part part, bool on);
    void nudeBackgroundChanged(bool on);
    void backgroundSwapChanged(bool on);
    void nudge(int dx, int dy);
    void loadPicture(const LoadTarget &target);
    void saveScene();
    void loadScene();
    void newScene();
    void showHelp();
    void canvasPressed(QPointF position);
    void canvasMoved(QPointF position);
    void canvasReleased();

    // Steps shared by start-up, New Scene and Load Scene.
    void disableOptionalControls();
    void resetOptionalParts();
    void loadDefaultScene(QStringList *failures);
    int selectedPart() const;
    QString myPath() const;
    QString pictureFolder() const;
    QString dialogFolder() const;
    PictureResult loadNamedPicture(const QString &name);
    void applyLoadedPart(Part part, const SceneFile::PartEntry &entry, QStringList *failures);
    void reportFailures(const QString &intro, const QStringList &failures, const QString &title);

    Platform &m_platform;
    std::unique_ptr<FileDialog> m_cdl;
    SceneRecord m_scene;
    QString m_sceneText;
    Scratch m_scratch;
    float m_canvasWidth = 0;
    float m_canvasHeight = 0;
    DrawCounts m_drawCounts;

    // The hidden picture holders: picBackground, and picImage, picImage2 ..
    // picImage5 in part order.
    Picture m_picBackground;
    std::array<Picture, SceneDefaults::PartCount> m_picImages;

    // Mouse editing.
    bool m_dragging = false;
    bool m_outlineOn = false;
    // Part position minus pointer position at the press, per part.
    struct DragOffset
    {
        float x = 0;
        float y = 0;
    };
    std::array<DragOffset, SceneDefaults::PartCount> m_dragOffsets{};

    SceneCanvas *m_picCanvas = nullptr;
    // Per part, in part order: option button, LOAD button, and the switch
    // (none for the Zumi mouth, which is always in the scene).
    std::array<QRadioButton *, SceneDefaults::PartCount> m_options{};
    std::array<QPushButton *, SceneDefaults::PartCount> m_partLoads{};
    std::array<QCheckBox *, SceneDefaults::PartCount> m_partSwitches{};
    QCheckBox *m_check1 = nullptr; // Show/Hide Image
    QCheckBox *m_check6 = nullptr; // Nude BG
    QCheckBox *m_check7 = nullptr; // show the alternative background
    QCheckBox *m_chkUseOutline = nullptr;
    QPushButton *m_command2 = nullptr;  // background LOAD
    QPushButton *m_command14 = nullptr; // alternative background LOAD
    QLineEdit *m_text1 = nullptr;       // Rndm
    QLineEdit *m_text2 = nullptr;       // Frames
    QLineEdit *m_text3 = nullptr;       // the selected part's picture name
    QLineEdit *m_text4 = nullptr;       // Delay
    QLineEdit *m_text5 = nullptr;       // Speed
};
