// SPDX-License-Identifier: GPL-3.0-or-later
#include "SceneEditor.h"

#include "ProgramFolder.h"
#include "SceneDefaults.h"
#include "ScenePlacement.h"
#include "SceneRecovery.h"
#include "TextFile.h"

#include <QFileInfo>

#include <utility>

namespace {

// The order in which the four part switches are turned off.
const ScenePart::Id SwitchOffOrder[] = {ScenePart::UserMouth, ScenePart::Misc, ScenePart::UserBlink,
                                        ScenePart::ZumiBlink};

QString SceneRecord::*const AnimationFields[] = {&SceneRecord::MiscFrames, &SceneRecord::MiscSpeed,
                                                 &SceneRecord::MiscRndm, &SceneRecord::MiscDelay};

} // namespace

// One call's changes are reported once, when the outermost call returns.
class SceneEditor::Batch
{
public:
    explicit Batch(SceneEditor &editor) : m_editor(editor) { ++m_editor.m_batchDepth; }
    ~Batch()
    {
        if (--m_editor.m_batchDepth == 0)
            m_editor.flush();
    }
    Batch(const Batch &) = delete;
    Batch &operator=(const Batch &) = delete;

private:
    SceneEditor &m_editor;
};

// One call that is one undo step (part of the open step when there is one,
// such as a drag's).
class SceneEditor::Step
{
public:
    Step(SceneEditor &editor, const QString &text, int mergeKey = 0) : m_editor(editor), m_batch(editor)
    {
        m_editor.openStep(text, mergeKey);
    }
    ~Step() { m_editor.closeStep(); }
    Step(const Step &) = delete;
    Step &operator=(const Step &) = delete;

private:
    SceneEditor &m_editor;
    Batch m_batch;
};

SceneEditor::SceneEditor(Environment environment, QObject *parent)
    : QObject(parent), m_pictures(std::move(environment)), m_undo(*this)
{
    m_document.markSaved(m_state.record);
}

SceneEditor::~SceneEditor()
{
    // The steps refer to the editor; they go first.
    m_undo.stack().clear();
}

void SceneEditor::flush()
{
    if ((m_pending & RecordChanged) && m_document.updateModified(m_state.record))
        m_pending |= ModifiedChanged;
    const Changes changes = std::exchange(m_pending, Changes());
    m_reportedArea = m_drawing.takeChangedArea();
    if (changes)
        emit changed(changes);
}

// ---------------------------------------------------------------------------
// Drawing

void SceneEditor::RedrawCanvas()
{
    m_drawing.redraw(m_state);
    touch(CanvasChanged);
}

void SceneEditor::DrawOutline()
{
    m_drawing.drawOutline(m_state);
    touch(CanvasChanged);
}

void SceneEditor::restore(const State &state)
{
    Batch batch(*this);
    m_state = state;
    RedrawCanvas();
    touch(ControlsChanged | ShownNameChanged | TextsChanged | RecordChanged);
}

// ---------------------------------------------------------------------------
// The handlers that setting a control from code runs, in their fixed order.

// An option button turned on: the newly selected part is drawn and named.
void SceneEditor::optionSelected(int id)
{
    RedrawCanvas();
    m_state.shownName = m_state.record.part(id).name;
    touch(ShownNameChanged);
}

// Turning an option button on runs its handler only when it was off.
void SceneEditor::selectCascade(int id)
{
    if (m_state.selected == id)
        return;
    m_state.selected = id;
    touch(ControlsChanged);
    optionSelected(id);
}

void SceneEditor::showPartCascade(bool on)
{
    if (m_state.showPart == on)
        return;
    m_state.showPart = on;
    touch(ControlsChanged);
    RedrawCanvas();
}

// A part switch changed: its controls follow it; switched on, the part is
// selected; either way the part is shown and the canvas rebuilt. Switched off,
// a selected part stays selected, drawn and draggable.
void SceneEditor::switchCascade(int id, bool on)
{
    if (id == ScenePart::ZumiMouth || m_state.record.part(id).on == on)
        return;
    m_state.record.part(id).on = on;
    touch(ControlsChanged | RecordChanged);
    if (on)
        selectCascade(id);
    showPartCascade(true);
    RedrawCanvas();
}

// Texts back to their defaults, the four optional parts off, the Zumi mouth
// selected: the first steps of New Scene and Load Scene.
void SceneEditor::resetOptionalParts()
{
    SceneDefaults::setDefaultTexts(m_state.record);
    touch(TextsChanged | RecordChanged);
    for (ScenePart::Id id : SwitchOffOrder)
        switchCascade(id, false);
    selectCascade(ScenePart::ZumiMouth);
}

// The six default pictures, their names, the canvas size and the default
// geometry. A picture that cannot be loaded leaves its holder empty and its
// part sized 0 x 0; the failures are returned.
QStringList SceneEditor::loadDefaultScene()
{
    QStringList failures;
    m_state.pictures = m_pictures.loadDefaults(&failures);

    m_state.record.Background = SceneDefaults::background();
    for (int id = 0; id < ScenePart::Count; ++id)
        m_state.record.part(id).name = SceneDefaults::partPicture(ScenePart::Id(id));

    m_drag.setBounds(float(m_drawing.image().width()), float(m_drawing.image().height()));

    std::array<SceneDefaults::HimetricSize, ScenePart::Count> sizes;
    for (int id = 0; id < ScenePart::Count; ++id)
        sizes[size_t(id)] = {m_state.pictures.parts[size_t(id)].Width,
                             m_state.pictures.parts[size_t(id)].Height};
    SceneDefaults::setDefaultGeometry(m_state.record, sizes);
    touch(RecordChanged);
    return failures;
}

// ---------------------------------------------------------------------------
// Start-up, New Scene, Load Scene

QStringList SceneEditor::startUp()
{
    Batch batch(*this);
    // The optional parts are off, so their controls are disabled, and so is
    // the alternative background's.
    m_state.alternativeEnabled = false;
    touch(ControlsChanged);
    showPartCascade(true); // draws the plain canvas: nothing is loaded or selected yet
    const QStringList failures = loadDefaultScene();
    selectCascade(ScenePart::ZumiMouth);
    RedrawCanvas();
    m_undo.stack().clear();
    markSaved();
    return failures;
}

QStringList SceneEditor::newScene()
{
    Step step(*this, QStringLiteral("New Scene"));
    m_file.clear();
    m_fileStamp = FileStamp();
    resetOptionalParts();
    // Even with "Nude BG" left ticked, its box and LOAD button are disabled.
    m_state.alternativeEnabled = false;
    touch(ControlsChanged);
    showPartCascade(true);
    const QStringList failures = loadDefaultScene();
    selectCascade(ScenePart::ZumiMouth);
    m_state.shownName.clear();
    touch(ShownNameChanged);
    RedrawCanvas();
    return failures;
}

SceneEditor::LoadResult SceneEditor::loadSceneFile(const QString &path)
{
    LoadResult result;
    const TextFile::ReadResult read = TextFile::read(path);
    if (!read.ok()) {
        result.error = read.error;
        return result;
    }
    m_file = path;
    m_fileStamp = read.stamp;
    result.failures = loadScene(read.text);
    return result;
}

QStringList SceneEditor::loadScene(const QString &text)
{
    Batch batch(*this);
    QStringList failures;
    {
        Step step(*this, QStringLiteral("Load Scene"));
        resetOptionalParts();
        m_document.setText(text);
        const SceneFile::SceneContent content = SceneFile::readScene(m_document.text());

        const SceneFile::EntryPosition &background = content.background;
        if (background.found) {
            m_state.record.Background = background.value;
            const PictureResult loaded = m_pictures.load(background.value);
            if (loaded.ok())
                m_state.pictures.background = loaded.picture;
            else
                failures << loaded.error;
            m_document.setLastCut({QString(), background.valueStart, background.semicolon, background.value});
            touch(RecordChanged);
        }
        applyLoadedPart(ScenePart::ZumiMouth, content.parts[ScenePart::ZumiMouth], &failures);
        applyLoadedPart(ScenePart::UserMouth, content.parts[ScenePart::UserMouth], &failures);
        applyLoadedPart(ScenePart::ZumiBlink, content.parts[ScenePart::ZumiBlink], &failures);
        applyLoadedPart(ScenePart::UserBlink, content.parts[ScenePart::UserBlink], &failures);
        if (content.parts[ScenePart::Misc].present) {
            m_state.record.MiscRndm = content.miscRndm;
            m_state.record.MiscFrames = content.miscFrames;
            m_state.record.MiscDelay = content.miscDelay;
            m_state.record.MiscSpeed = content.miscSpeed;
            touch(TextsChanged | RecordChanged);
        }
        applyLoadedPart(ScenePart::Misc, content.parts[ScenePart::Misc], &failures);
        RedrawCanvas();
    }
    markSaved();
    return failures;
}

// One part of a scene file: nothing when its picture entry is absent, else its
// name, switch, picture and geometry. A picture that cannot be loaded keeps
// the part's previous picture; its name and place are taken all the same, so
// saving again keeps the scene as it was written.
void SceneEditor::applyLoadedPart(int id, const SceneFile::PartEntry &entry, QStringList *failures)
{
    if (!entry.present)
        return;
    SceneRecord::Part &part = m_state.record.part(id);
    part.name = entry.name;
    touch(RecordChanged);
    switchCascade(id, true);
    const PictureResult loaded = m_pictures.load(entry.name);
    if (loaded.ok())
        m_state.pictures.parts[size_t(id)] = loaded.picture;
    else
        *failures << loaded.error;
    part.w = entry.width;
    part.h = entry.height;
    part.x = entry.left;
    part.y = entry.top;
}

// ---------------------------------------------------------------------------
// LOAD buttons

void SceneEditor::loadPicture(LoadTarget target, const Picture &picture, const QString &storedName,
                              const QString &chosenPath)
{
    Step step(*this, QStringLiteral("Load Picture"));
    const QString chosenName = ProgramFolder::fileNameWithoutFolder(chosenPath);
    m_document.setLastCut({chosenPath, chosenPath.size() - chosenName.size() + 1, 0, storedName});
    touch(RecordChanged);
    switch (target) {
    case LoadAlternative:
        // Only named: it is loaded when the alternative background is swapped in.
        m_state.record.NudeImage = storedName;
        return;
    case LoadBackground:
        // Also while the alternative background is swapped in: the new
        // background is shown, and the swap box stays ticked.
        m_state.pictures.background = picture;
        m_state.record.Background = storedName;
        RedrawCanvas();
        return;
    default:
        break;
    }
    const int id = int(target);
    m_state.pictures.parts[size_t(id)] = picture;
    SceneRecord::Part &part = m_state.record.part(id);
    part.h = SceneDefaults::loadedSize(picture.Height);
    part.w = SceneDefaults::loadedSize(picture.Width);
    part.name = storedName;
    m_state.shownName = storedName;
    touch(ShownNameChanged);
    selectCascade(id);
    RedrawCanvas();
}

void SceneEditor::placeCutOut(int id, const Picture &picture, const QString &storedName, const QRect &place)
{
    Step step(*this, QStringLiteral("Cut Out Part"));
    m_state.pictures.parts[size_t(id)] = picture;
    SceneRecord::Part &part = m_state.record.part(id);
    part.name = storedName;
    part.x = float(place.x());
    part.y = float(place.y());
    part.w = float(place.width());
    part.h = float(place.height());
    touch(RecordChanged);
    switchCascade(id, true);
    selectCascade(id);
    m_state.shownName = storedName;
    touch(ShownNameChanged);
    showPartCascade(true);
    RedrawCanvas();
}

void SceneEditor::loadStrip(const Picture &picture, const QString &storedName, const QString &chosenPath,
                            int frames)
{
    Step step(*this, QStringLiteral("Make Strip"));
    switchCascade(ScenePart::Misc, true);
    loadPicture(LoadMisc, picture, storedName, chosenPath);
    m_state.record.MiscFrames = QString::number(frames);
    touch(TextsChanged | RecordChanged);
}

void SceneEditor::beginPlace()
{
    if (m_placing || m_state.selected < 0 || m_drag.dragging())
        return;
    m_placing = true;
    m_placeBefore = m_state.record.part(m_state.selected);
    openStep(QStringLiteral("Position and Size"), 0);
}

void SceneEditor::setPlace(float x, float y, float w, float h)
{
    Batch batch(*this);
    if (!m_placing)
        return;
    const int id = m_state.selected;
    ScenePlacement::holdPlace(m_state.record.part(id), ScenePart::Id(id), x, y, w, h);
    touch(RecordChanged);
    RedrawCanvas();
}

void SceneEditor::endPlace(bool keep)
{
    Batch batch(*this);
    if (!m_placing)
        return;
    m_placing = false;
    if (!keep) {
        SceneRecord::Part &part = m_state.record.part(m_state.selected);
        part.x = m_placeBefore.x, part.y = m_placeBefore.y;
        part.w = m_placeBefore.w, part.h = m_placeBefore.h;
        touch(RecordChanged);
        RedrawCanvas();
    }
    closeStep();
}

// ---------------------------------------------------------------------------
// Part controls

void SceneEditor::selectPart(int id)
{
    Step step(*this, QStringLiteral("Select Part"));
    selectCascade(id);
}

void SceneEditor::switchPart(int id, bool on)
{
    Step step(*this, on ? QStringLiteral("Switch Part On") : QStringLiteral("Switch Part Off"));
    switchCascade(id, on);
}

void SceneEditor::setShowPart(bool on)
{
    Step step(*this, QStringLiteral("Show/Hide Image"));
    showPartCascade(on);
}

void SceneEditor::setNudeImageOn(bool on)
{
    Step step(*this, QStringLiteral("Nude BG"));
    if (m_state.record.NudeImageOn == on)
        return;
    // The swap box keeps its value, and the canvas what it shows.
    m_state.record.NudeImageOn = on;
    m_state.alternativeEnabled = on;
    touch(ControlsChanged | RecordChanged);
}

QString SceneEditor::setAlternativeShown(bool on)
{
    Step step(*this, QStringLiteral("Swap Background"));
    if (m_state.alternativeShown == on)
        return QString();
    m_state.alternativeShown = on;
    touch(ControlsChanged | RecordChanged);
    QString error;
    const QString &name = on ? m_state.record.NudeImage : m_state.record.Background;
    if (name.isEmpty()) {
        // No picture named: the canvas shows its plain colour.
        m_state.pictures.background = Picture();
    } else {
        const PictureResult loaded = m_pictures.load(name);
        if (loaded.ok())
            m_state.pictures.background = loaded.picture;
        else
            error = loaded.error;
    }
    RedrawCanvas();
    return error;
}

void SceneEditor::nudge(int dx, int dy, bool repeat)
{
    Step step(*this, QStringLiteral("Nudge"), m_undo.nudgeKey(repeat));
    // Nudges move a hidden part too; with no part selected they only redraw.
    if (m_state.selected >= 0) {
        ScenePlacement::nudge(m_state.record.part(m_state.selected), ScenePart::Id(m_state.selected), dx, dy);
        touch(RecordChanged);
    }
    RedrawCanvas();
}

void SceneEditor::setAnimationText(AnimationText which, const QString &text)
{
    Step step(*this, QStringLiteral("Typing"), m_undo.textKey(which));
    m_state.record.*AnimationFields[which] = text;
    touch(RecordChanged);
}

void SceneEditor::finishTextEdit()
{
    m_undo.finishTextEdit();
}

void SceneEditor::setUseOutline(bool on)
{
    m_drag.setUseOutline(on);
}

// ---------------------------------------------------------------------------
// Mouse editing

void SceneEditor::press(QPointF position)
{
    Batch batch(*this);
    if (!m_state.showPart || m_state.selected < 0)
        return;
    // The drag is one undo step, from this press to the release.
    if (!m_drag.dragging())
        openStep(QStringLiteral("Move Part"), 0);
    m_drag.grab(m_state.selected, m_state.record.part(m_state.selected), position);
    if (m_drag.outlineOn())
        DrawOutline();
}

void SceneEditor::move(QPointF position)
{
    Batch batch(*this);
    if (!m_drag.dragging())
        return;
    if (m_drag.outlineOn())
        DrawOutline(); // erases the outline at the old place
    const int id = m_state.selected;
    if (id < 0)
        return;
    m_drag.moveTo(id, m_state.record.part(id), position);
    touch(RecordChanged);
    if (m_drag.outlineOn())
        DrawOutline();
    else
        RedrawCanvas();
}

void SceneEditor::release()
{
    Batch batch(*this);
    // OutlineOn stays as the last press left it, so a release without a drag
    // after an outlined drag just rebuilds the canvas once more.
    if (m_drag.outlineOn())
        RedrawCanvas();
    if (m_drag.release())
        closeStep();
}

// ---------------------------------------------------------------------------
// Save Scene

QString SceneEditor::buildSceneText()
{
    return m_document.build(m_state.record);
}

SceneFile::Unstorable SceneEditor::unstorableValue() const
{
    return SceneFile::firstUnstorable(m_state.record);
}

QString SceneEditor::writeScene(const QString &path)
{
    FileStamp stamp;
    const QString error = m_document.write(path, &stamp);
    if (error.isEmpty()) {
        Batch batch(*this);
        m_file = path;
        m_fileStamp = stamp;
        markSaved();
    }
    return error;
}

void SceneEditor::markSaved()
{
    m_document.markSaved(m_state.record);
    m_undo.stack().setClean();
    touch(RecordChanged); // recomputes isModified
}

// ---------------------------------------------------------------------------
// Undo

void SceneEditor::undo()
{
    if (m_drag.dragging())
        return;
    finishTextEdit();
    m_undo.stack().undo();
}

void SceneEditor::redo()
{
    if (m_drag.dragging())
        return;
    finishTextEdit();
    m_undo.stack().redo();
}

// ---------------------------------------------------------------------------
// Recovery

QList<RecoveryRecord::Text> SceneEditor::recoveryTexts() const
{
    QList<RecoveryRecord::Text> texts;
    texts.append({QStringLiteral("selected part"), QString::number(m_state.selected)});
    SceneRecovery::addRecord(texts, QString(), m_state.record);
    SceneRecovery::addRecord(texts, QStringLiteral("saved "), m_document.savedRecord());
    return texts;
}

QStringList SceneEditor::restore(const RecoveryRecord &recovered)
{
    Batch batch(*this);
    QStringList failures;
    State state;
    state.record = SceneRecovery::record(recovered, QString());
    const auto load = [&](const QString &name) {
        const PictureResult loaded = m_pictures.load(name);
        if (!loaded.ok())
            failures << loaded.error;
        return loaded.picture;
    };
    state.pictures.background = load(state.record.Background);
    for (int id = 0; id < ScenePart::Count; ++id)
        state.pictures.parts[size_t(id)] = load(state.record.part(id).name);
    const int selected = recovered.text(QStringLiteral("selected part")).toInt();
    state.selected = selected >= 0 && selected < ScenePart::Count ? selected : int(ScenePart::ZumiMouth);
    state.showPart = true;
    state.alternativeEnabled = state.record.NudeImageOn;
    state.shownName = state.record.part(state.selected).name;
    m_file = recovered.file;
    m_fileStamp = recovered.stamp;
    finishTextEdit();
    restore(state);
    m_undo.stack().clear();
    m_document.markSaved(SceneRecovery::record(recovered, QStringLiteral("saved ")));
    touch(RecordChanged);
    return failures;
}
