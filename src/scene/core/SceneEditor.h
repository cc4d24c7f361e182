#pragma once

#include "Picture.h"
#include "SceneDocument.h"
#include "SceneDrag.h"
#include "SceneDrawing.h"
#include "SceneFile.h"
#include "ScenePictureSource.h"
#include "ScenePictures.h"
#include "SceneRecord.h"
#include "SceneState.h"
#include "SceneUndo.h"

#include <QObject>
#include <QPointF>
#include <QStringList>
#include <QUndoStack>

// The scene composer without its window: the scene record, the picture
// holders, the selected part, the display switches, the drag, the canvas
// picture and the undo stack. Every user action is one call; the cascade of
// control handlers that one action sets off (a part switch selects its part,
// which redraws and shows its name, and so on) is written out here as plain
// calls in their fixed order. The window asks for files and shows messages,
// then calls in, and mirrors what `changed` reports into its controls.
//
// Each call that changes the scene, the selection or a control is one undo
// step (a drag from press to release is one step; typing into one animation
// text is one step until finishTextEdit). Undo and redo restore the state
// and rebuild the canvas from it.
class SceneEditor : public QObject
{
    Q_OBJECT
public:
    // What a `changed` signal reports.
    enum Change : unsigned {
        CanvasChanged = 0x01,    // the canvas picture
        ControlsChanged = 0x02,  // selection, switches, enabled states
        ShownNameChanged = 0x04, // the selected part's name box was set (maybe to the same text)
        TextsChanged = 0x08,     // the animation texts were set by a command, not by typing
        RecordChanged = 0x10,    // the scene record or a picture holder
        ModifiedChanged = 0x20,  // isModified() changed
    };
    Q_DECLARE_FLAGS(Changes, Change)
    Q_FLAG(Changes)

    // What a LOAD button serves: a part (by its id), the background, or the
    // alternative background, which is only named, never held.
    enum LoadTarget : int {
        LoadZumiMouth = ScenePart::ZumiMouth,
        LoadZumiBlink = ScenePart::ZumiBlink,
        LoadUserMouth = ScenePart::UserMouth,
        LoadUserBlink = ScenePart::UserBlink,
        LoadMisc = ScenePart::Misc,
        LoadBackground,
        LoadAlternative
    };

    enum AnimationText { Frames, Speed, Rndm, Delay };

    // Where the editor finds its pictures.
    using Environment = ScenePictureSource::Environment;
    using State = SceneState;

    using CutValue = SceneDocument::CutValue;

    // How often the canvas was rebuilt and an outline inverted.
    using DrawCounts = SceneDrawing::Counts;

    struct LoadResult
    {
        QString error;        // the file could not be read: nothing changed
        QStringList failures; // pictures the scene names that could not be loaded
        bool ok() const { return error.isEmpty(); }
    };

    explicit SceneEditor(Environment environment, QObject *parent = nullptr);
    ~SceneEditor() override;

    // --- Reading ---------------------------------------------------------
    const State &state() const { return m_state; }
    const SceneRecord &record() const { return m_state.record; }
    const ScenePictures &pictures() const { return m_state.pictures; }
    int selectedPart() const { return m_state.selected; }
    bool showsPart() const { return m_state.showPart; }
    bool alternativeShown() const { return m_state.alternativeShown; }
    bool alternativeEnabled() const { return m_state.alternativeEnabled; }
    // A part's LOAD and option button (and, for the miscellaneous part, the
    // animation texts) are enabled exactly while the part is switched on.
    bool partEnabled(int id) const { return m_state.record.inScene(id); }
    const QString &shownName() const { return m_state.shownName; }
    bool useOutline() const { return m_drag.useOutline(); }
    bool dragging() const { return m_drag.dragging(); }
    const QImage &canvas() const { return m_drawing.image(); }
    // The part of the canvas that the drawing reported by the last `changed`
    // touched (empty when nothing on it changed).
    QRect changedCanvasArea() const { return m_reportedArea; }
    float canvasWidth() const { return m_drag.width(); }
    float canvasHeight() const { return m_drag.height(); }
    // The scene file text last built by Save Scene or read by Load Scene.
    const QString &sceneText() const { return m_document.text(); }
    const CutValue &lastCut() const { return m_document.lastCut(); }
    const DrawCounts &drawCounts() const { return m_drawing.counts(); }
    // Whether the scene differs from the one last saved, loaded or started with.
    bool isModified() const { return m_document.isModified(); }
    QUndoStack &undoStack() { return m_undo.stack(); }
    QString pictureFolder() const { return m_pictures.pictureFolder(); }

    // --- Commands ----------------------------------------------------------
    // The default scene the window opens with. Not an undo step.
    QStringList startUp();
    QStringList newScene();
    // Load Scene once a file was chosen: reads it; only when it was read, the
    // optional parts are switched off and the texts reset, then the file's
    // entries are applied. One undo step, and the new saved state.
    LoadResult loadSceneFile(const QString &path);
    // The same with a text already read.
    QStringList loadScene(const QString &text);

    // A LOAD once the picture was chosen and read; storedName is the name the
    // scene keeps (the picture lies in the Images folder under it), chosenPath
    // where it was chosen.
    void loadPicture(LoadTarget target, const Picture &picture, const QString &storedName,
                     const QString &chosenPath);

    void selectPart(int id);
    void switchPart(int id, bool on);
    void setShowPart(bool on);
    void setNudeImageOn(bool on);
    // Swaps the alternative background in or out; returns why its picture
    // could not be loaded (the canvas then keeps the background it showed).
    QString setAlternativeShown(bool on);
    // Moves the selected part by (dx, dy) pixels. A repeat (a held button or
    // key) joins the undo step of the nudge it repeats.
    void nudge(int dx, int dy, bool repeat = false);
    void setAnimationText(AnimationText which, const QString &text);
    // Ends the undo step that typing into an animation text is building.
    void finishTextEdit();
    void setUseOutline(bool on);

    void press(QPointF position);
    void move(QPointF position);
    void release();

    // Save Scene: builds the text (kept as sceneText), and writes it followed
    // by CR LF. A successful write makes the scene the saved one.
    QString buildSceneText();
    QString writeScene(const QString &path);
    // The first value the scene file cannot hold.
    SceneFile::Unstorable unstorableValue() const;

    void undo();
    void redo();

    // The two drawing operations of the canvas.
    void RedrawCanvas();
    void DrawOutline();

signals:
    void changed(SceneEditor::Changes what);

private:
    friend class SceneStep;
    class Batch;
    class Step;

    void openStep(const QString &text, int mergeKey) { m_undo.open(m_state, text, mergeKey); }
    void closeStep() { m_undo.close(m_state); }
    void restore(const State &state);
    void optionSelected(int id);
    void selectCascade(int id);
    void switchCascade(int id, bool on);
    void showPartCascade(bool on);
    void resetOptionalParts();
    QStringList loadDefaultScene();
    void applyLoadedPart(int id, const SceneFile::PartEntry &entry, QStringList *failures);
    void markSaved();
    void touch(Changes changes) { m_pending |= changes; }
    void flush();

    ScenePictureSource m_pictures;
    State m_state;
    SceneDrawing m_drawing;
    SceneDrag m_drag;
    SceneUndo m_undo;
    QRect m_reportedArea;
    SceneDocument m_document;

    int m_batchDepth = 0;
    Changes m_pending;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(SceneEditor::Changes)
