// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Picture.h"
#include "RecoveryRecord.h"
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
    // The scene file last loaded or saved; "" for a new scene.
    const QString &file() const { return m_file; }
    // What that file was when it was loaded or saved (or when the recovered
    // changes were made to it), so that a save can tell another program's
    // change since.
    const FileStamp &fileStamp() const { return m_fileStamp; }
    QString pictureFolder() const { return m_pictures.pictureFolder(); }

    // --- Commands ----------------------------------------------------------
    // The default scene the window opens with. Not an undo step.
    QStringList startUp();
    // The picture files startUp() loads.
    QStringList defaultPicturePaths() const { return m_pictures.defaultPaths(); }
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

    // A part cut out of a full picture, its pixels already in the Images
    // folder under storedName: the part gets the picture, the name, the
    // rectangle's size and corner, and is switched on, selected and shown.
    void placeCutOut(int id, const Picture &picture, const QString &storedName, const QRect &place);
    // The miscellaneous part's strip of `frames` frames, already in the Images
    // folder: switched on and loaded as its LOAD does, and Frames set.
    void loadStrip(const Picture &picture, const QString &storedName, const QString &chosenPath, int frames);

    // "Position and Size" of the selected part: from beginPlace to endPlace
    // every setPlace shows at once (held as ScenePlacement::holdPlace holds
    // it); endPlace(true) makes them one undo step, endPlace(false) puts the
    // part back where it was.
    void beginPlace();
    void setPlace(float x, float y, float w, float h);
    void endPlace(bool keep);
    bool placing() const { return m_placing; }

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

    // What a recovery file keeps of the scene: the record, the record last
    // saved (so the recovered scene is unsaved exactly where it was) and the
    // selected part. restore() rebuilds the scene from them with its
    // pictures, as unsaved changes and with a fresh undo history; it returns
    // the pictures that could not be loaded.
    QList<RecoveryRecord::Text> recoveryTexts() const;
    QStringList restore(const RecoveryRecord &recovered);

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
    QString m_file;
    FileStamp m_fileStamp;
    SceneDocument m_document;
    bool m_placing = false;
    SceneRecord::Part m_placeBefore;

    int m_batchDepth = 0;
    Changes m_pending;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(SceneEditor::Changes)
