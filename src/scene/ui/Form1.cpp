// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1.h"

#include "ArtistTools.h"
#include "Cp1252.h"
#include "DocumentRecovery.h"
#include "FileDialog.h"
#include "FileQuestions.h"
#include "FindPicturesWindow.h"
#include "Form1Layout.h"
#include "HelpPage.h"
#include "LineBox.h"
#include "PartCutOut.h"
#include "PictureSearch.h"
#include "Platform.h"
#include "ProgramFolder.h"
#include "RecoveryQuestions.h"
#include "SceneCanvas.h"
#include "ScenePreviewOpener.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace {

using Form1Layout::Role;

const QColor WindowColour(0, 0, 192);
const QString Title = QStringLiteral("Frameloft");
QString pictureFilter()
{
    return Form1::tr("Images Files (*.bmp;*.jpg)") + QStringLiteral("|*.bmp;*.jpg");
}

// The table's texts in the session's language; a text box's starting value is
// a number, not a caption.
QString layoutText(const char *text)
{
    return QCoreApplication::translate("Form1Layout", text);
}

// A scene file can name anything, also a name of millions of characters: keep
// message boxes readable.
QString shortened(const QString &text)
{
    constexpr qsizetype Longest = 300;
    if (text.size() <= Longest)
        return text;
    return text.left(Longest) + QStringLiteral("...");
}

bool isPictureFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("bmp") || suffix == QLatin1String("jpg") ||
           suffix == QLatin1String("jpeg");
}

bool isSceneFile(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("scn"), Qt::CaseInsensitive) == 0;
}

} // namespace

Form1::Form1(Platform &platform, QWidget *parent)
    : QWidget(parent), m_platform(platform), m_cdl(platform.createFileDialog(this)),
      m_editor(std::make_unique<SceneEditor>(
          SceneEditor::Environment{[&platform] { return platform.programFolder(); },
                                   [&platform](const QString &path) { return platform.loadPicture(path); }}))
{
    // Decoding them takes about as long as building the controls.
    m_platform.expectPictures(m_editor->defaultPicturePaths());
    buildControls();
    connectEditor();
    // The scene with all its parts, moving: F5, or "Preview..." on the canvas.
    auto *opener = new ScenePreviewOpener(*this, *m_picCanvas, *m_editor, m_platform);
    // Cutting parts out of full pictures, strips, placing by numbers, the other parts faintly.
    new ArtistTools(*this, *m_picCanvas, opener->menu(), *m_editor, m_platform);

    // The default scene. A missing default picture leaves its part empty and
    // 0 x 0; the window opens anyway and says once which pictures were missing.
    const QStringList failures = m_editor->startUp();
    reportFailures(tr("These pictures of the default scene could not be loaded, so their parts "
                      "are empty:"),
                   failures, Title);

    m_recovery = std::make_unique<DocumentRecovery>(DocumentRecovery::Document{
        RecoveryKind::Scene, [this] { return m_editor->recoveryTexts(); },
        [this] { return m_editor->isModified(); }, [this] { return m_editor->file(); }});
    connect(m_editor.get(), &SceneEditor::changed, m_recovery.get(), [this](SceneEditor::Changes changes) {
        if ((changes & SceneEditor::ModifiedChanged) && !m_editor->isModified())
            m_recovery->clean();
        else if (changes & SceneEditor::RecordChanged)
            m_recovery->changed();
    });
}

Form1::~Form1()
{
    // The controls go before the editor they show.
    qDeleteAll(findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly));
}

// ---------------------------------------------------------------------------
// Layout

void Form1::buildControls()
{
    setWindowTitle(Title);
    setAcceptDrops(true);
    // The controls keep their places on a page of the layout's size. Where
    // the desktop's scale leaves the screen too small for it, the window is
    // smaller and the page scrolls; the canvas's drags are in its own
    // pixels, so they land under the pointer either way.
    m_content = new QWidget;
    m_content->setObjectName(QStringLiteral("pgForm1"));
    m_content->setFixedSize(Form1Layout::ClientSize);
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrForm1"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(m_content);
    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(scroll);
    setFixedSize(Form1Layout::ClientSize);

    // The desktop's small dialog font. The captions were measured for it, so
    // where it is missing a narrow sans-serif face keeps them inside their places.
    QStringList families = {QStringLiteral("MS Shell Dlg 2"),        QStringLiteral("Tahoma"),
                            QStringLiteral("MS Sans Serif"),         QStringLiteral("Liberation Sans Narrow"),
                            QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Arial")};
    // The font lookup takes the first of them the desktop has, but for a
    // missing first one it asks the system for substitutes first, for every
    // size and weight of the window's text: the one it would take leads.
    const QStringList installed = QFontDatabase::families();
    const auto present = std::find_if(families.begin(), families.end(), [&installed](const QString &family) {
        return installed.contains(family, Qt::CaseInsensitive);
    });
    if (present != families.end())
        std::rotate(families.begin(), present, present + 1);
    QFont windowFont = font();
    windowFont.setFamilies(families);
    windowFont.setStyleHint(QFont::SansSerif);
    windowFont.setPointSizeF(8.25);
    setFont(windowFont);

    // Dark blue window; check boxes, option buttons and labels show its
    // colour with white captions (the marks in their boxes stay dark).
    QPalette colours = palette();
    colours.setColor(QPalette::Window, WindowColour);
    colours.setColor(QPalette::WindowText, Qt::white);
    colours.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 150, 215));
    setPalette(colours);
    setAutoFillBackground(true);
    m_content->setAutoFillBackground(true);
    QWidget *parent = m_content;

    std::vector<std::pair<int, QWidget *>> tabs;
    for (const Form1Layout::Control &item : Form1Layout::Controls) {
        const QString caption = item.kind == Form1Layout::Kind::TextBox ? QString::fromLatin1(item.caption)
                                                                        : layoutText(item.caption);
        QWidget *control = nullptr;
        switch (item.kind) {
        case Form1Layout::Kind::Canvas:
            m_picCanvas = new SceneCanvas(parent);
            m_picCanvas->setPicture(&m_editor->canvas());
            control = m_picCanvas;
            break;
        case Form1Layout::Kind::CheckBox:
            control = new QCheckBox(caption, parent);
            break;
        case Form1Layout::Kind::OptionButton:
            control = new QRadioButton(caption, parent);
            break;
        case Form1Layout::Kind::Button: {
            auto *button = new QPushButton(caption, parent);
            // A light blue face in every style (a palette colour alone is not
            // used by all of them); the sheet sits on the button so other
            // controls keep the window's palette.
            button->setStyleSheet(QStringLiteral(
                "QPushButton { background-color: rgb(192, 192, 255); color: black;"
                " border: 1px solid rgb(64, 64, 128); padding: 0px; }"
                "QPushButton:hover { border-color: white; }"
                "QPushButton:pressed { background-color: rgb(150, 150, 230); }"
                "QPushButton:focus { border: 1px dotted black; }"
                "QPushButton:disabled { color: rgb(120, 120, 160); border-color: rgb(120, 120, 180); }"));
            control = button;
            break;
        }
        case Form1Layout::Kind::TextBox: {
            auto *box = new LineBox(caption, parent);
            box->setTextMargins(0, 0, 0, 0);
            // Frames and Delay are 17 pixels wide: a smaller font there, so
            // two digits show whole inside the frame and the box's own margins.
            constexpr int NarrowBox = 20, FrameAndMargins = 6;
            if (item.place.width() < NarrowBox) {
                QFont small = box->font();
                const int room = item.place.width() - FrameAndMargins;
                while (small.pointSizeF() > 5 &&
                       QFontMetrics(small).horizontalAdvance(QStringLiteral("00")) > room)
                    small.setPointSizeF(small.pointSizeF() - 0.5);
                box->setFont(small);
            }
            control = box;
            break;
        }
        default: {
            auto *label = new QLabel(caption, parent);
            if (item.role == Role::Heading) {
                QFont bold = label->font();
                bold.setBold(true);
                label->setFont(bold);
            }
            control = label;
            break;
        }
        }
        control->setObjectName(QLatin1String(item.name));
        control->setGeometry(item.place);
        control->setAccessibleName(item.accessibleName ? layoutText(item.accessibleName) : caption);
        if (item.description)
            control->setAccessibleDescription(layoutText(item.description));
        if (control->focusPolicy() != Qt::NoFocus)
            tabs.emplace_back(item.tab, control);

        // One user action, one call of the editor.
        auto *check = qobject_cast<QCheckBox *>(control);
        auto *button = qobject_cast<QPushButton *>(control);
        SceneEditor &editor = *m_editor;
        const int arg = item.arg;
        switch (item.role) {
        case Role::PartSwitch:
            m_partSwitches[size_t(arg)] = check;
            connect(check, &QCheckBox::toggled, this,
                    [&editor, arg](bool on) { editor.switchPart(arg, on); });
            break;
        case Role::PartOption:
            m_options[size_t(arg)] = static_cast<QRadioButton *>(control);
            connect(m_options[size_t(arg)], &QRadioButton::toggled, this, [&editor, arg](bool on) {
                if (on)
                    editor.selectPart(arg);
            });
            break;
        case Role::PartLoad:
            m_partLoads[size_t(arg)] = button;
            connect(button, &QPushButton::clicked, this,
                    [this, arg] { loadPicture(SceneEditor::LoadTarget(arg)); });
            break;
        case Role::BackgroundLoad:
            connect(button, &QPushButton::clicked, this,
                    [this] { loadPicture(SceneEditor::LoadBackground); });
            break;
        case Role::AlternativeLoad:
            m_alternativeLoad = button;
            connect(button, &QPushButton::clicked, this,
                    [this] { loadPicture(SceneEditor::LoadAlternative); });
            break;
        case Role::NudeSwitch:
            m_nudeSwitch = check;
            connect(check, &QCheckBox::toggled, &editor, &SceneEditor::setNudeImageOn);
            break;
        case Role::AlternativeSwitch:
            m_alternativeSwitch = check;
            connect(check, &QCheckBox::toggled, this, &Form1::swapBackground);
            break;
        case Role::ShowHide:
            m_showHide = check;
            connect(check, &QCheckBox::toggled, &editor, &SceneEditor::setShowPart);
            break;
        case Role::UseOutline:
            m_useOutline = check;
            connect(check, &QCheckBox::toggled, &editor, &SceneEditor::setUseOutline);
            break;
        case Role::Nudge: {
            static const int dxs[] = {0, 0, -1, 1};
            static const int dys[] = {-1, 1, 0, 0};
            button->setAutoRepeat(true);
            connect(button, &QPushButton::clicked, this,
                    [this, button, arg] { nudgeClicked(button, dxs[arg], dys[arg]); });
            break;
        }
        case Role::ShownName:
            m_shownName = static_cast<QLineEdit *>(control);
            break;
        case Role::AnimationText: {
            auto *box = static_cast<QLineEdit *>(control);
            m_animationTexts[size_t(arg)] = box;
            // Every change of the text, typed or set, is the record's text. The
            // box's own text is taken, not the signal's: a paste is cut to its
            // first line while the signal for the whole paste is still on its way.
            connect(box, &QLineEdit::textChanged, this, [&editor, arg, box] {
                editor.setAnimationText(SceneEditor::AnimationText(arg), box->text());
            });
            // Leaving the box ends its typing step.
            box->installEventFilter(this);
            break;
        }
        case Role::Help:
            connect(button, &QPushButton::clicked, this, &Form1::showHelp);
            break;
        case Role::NewScene:
            connect(button, &QPushButton::clicked, this, &Form1::newScene);
            break;
        case Role::LoadScene:
            connect(button, &QPushButton::clicked, this, &Form1::loadScene);
            break;
        case Role::SaveScene:
            connect(button, &QPushButton::clicked, this, &Form1::saveScene);
            break;
        case Role::Canvas:
        case Role::Caption:
        case Role::Heading:
            break;
        }
    }
    std::stable_sort(tabs.begin(), tabs.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 1; i < tabs.size(); ++i)
        setTabOrder(tabs[i - 1].second, tabs[i].second);

    SceneEditor &editor = *m_editor;
    connect(m_picCanvas, &SceneCanvas::mousePressed, &editor,
            [&editor](Qt::MouseButton, Qt::KeyboardModifiers, QPointF position) { editor.press(position); });
    connect(m_picCanvas, &SceneCanvas::mouseMoved, &editor,
            [&editor](Qt::MouseButtons, Qt::KeyboardModifiers, QPointF position) { editor.move(position); });
    connect(m_picCanvas, &SceneCanvas::mouseReleased, &editor,
            [&editor](Qt::MouseButton, Qt::KeyboardModifiers, QPointF) { editor.release(); });
    connect(m_picCanvas, &SceneCanvas::arrowPressed, &editor, &SceneEditor::nudge);

    // Undo and redo anywhere in the window; inside a text box they edit its text.
    const QKeySequence undoKeys[] = {QKeySequence(Qt::CTRL | Qt::Key_Z)};
    const QKeySequence redoKeys[] = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                     QKeySequence(Qt::CTRL | Qt::Key_Y)};
    for (const QKeySequence &keys : undoKeys)
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] { undoOrRedo(true); });
    for (const QKeySequence &keys : redoKeys)
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] { undoOrRedo(false); });

    fitCaptions();
}

// The captions' places were measured for the classic 8.25-point dialog font.
// A wider face (the only one on many desktops) is narrowed just enough for
// every caption to fit its place.
void Form1::fitCaptions()
{
    auto tightest = [this] {
        // How much of its caption the tightest control can show (1 = all).
        double fit = 1.0;
        for (QWidget *control : m_content->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            QString caption;
            if (auto *label = qobject_cast<QLabel *>(control))
                caption = label->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(control);
                     button && !qobject_cast<QPushButton *>(control))
                caption = button->text();
            if (caption.isEmpty())
                continue;
            const int text = control->fontMetrics().horizontalAdvance(caption);
            const int room = control->width() - (control->sizeHint().width() - text);
            if (text > room && room > 0)
                fit = std::min(fit, double(room) / text);
        }
        return fit;
    };
    // Font metrics do not follow a stretch the face has no variant for, so
    // the narrowing is worked out once, from the unstretched widths.
    const double fit = tightest();
    if (fit < 1.0) {
        QFont narrowed = font();
        narrowed.setStretch(std::max(60, int(fit * 100) - 1));
        setFont(narrowed);
    }
}

// ---------------------------------------------------------------------------
// Mirroring the editor

void Form1::connectEditor()
{
    connect(m_editor.get(), &SceneEditor::changed, this, &Form1::mirror);
}

void Form1::mirror(SceneEditor::Changes changes)
{
    if (changes & SceneEditor::ControlsChanged)
        mirrorControls();
    if (changes & SceneEditor::ShownNameChanged)
        showText(m_shownName, m_editor->shownName());
    if (changes & SceneEditor::TextsChanged) {
        const SceneRecord &record = m_editor->record();
        const QString *texts[] = {&record.MiscFrames, &record.MiscSpeed, &record.MiscRndm, &record.MiscDelay};
        for (size_t i = 0; i < m_animationTexts.size(); ++i)
            showText(m_animationTexts[i], *texts[i]);
    }
    if (changes & (SceneEditor::RecordChanged | SceneEditor::ControlsChanged))
        updatePlaceTip();
    if (changes & SceneEditor::CanvasChanged)
        m_picCanvas->update(m_editor->changedCanvasArea());
    if (changes & SceneEditor::ModifiedChanged)
        updateTitle();
}

void Form1::mirrorControls()
{
    const SceneEditor &editor = *m_editor;
    auto setChecked = [](QAbstractButton *button, bool on) {
        const QSignalBlocker blocker(button);
        button->setChecked(on);
    };
    for (int id = 0; id < ScenePart::Count; ++id) {
        const bool enabled = editor.partEnabled(id);
        m_options[size_t(id)]->setEnabled(enabled);
        m_partLoads[size_t(id)]->setEnabled(enabled);
        if (m_partSwitches[size_t(id)])
            setChecked(m_partSwitches[size_t(id)], editor.record().part(id).on);
    }
    if (editor.selectedPart() >= 0) {
        setChecked(m_options[size_t(editor.selectedPart())], true);
    } else {
        // Option buttons in a group never all turn off by themselves.
        for (QRadioButton *option : m_options) {
            option->setAutoExclusive(false);
            setChecked(option, false);
            option->setAutoExclusive(true);
        }
    }
    for (QLineEdit *box : m_animationTexts)
        box->setEnabled(editor.partEnabled(ScenePart::Misc));
    setChecked(m_showHide, editor.showsPart());
    setChecked(m_nudeSwitch, editor.record().NudeImageOn);
    setChecked(m_alternativeSwitch, editor.alternativeShown());
    m_alternativeSwitch->setEnabled(editor.alternativeEnabled());
    m_alternativeLoad->setEnabled(editor.alternativeEnabled());
}

// A text box shows its text with its signals blocked. A text of more than
// 32,768 characters (only a damaged scene file has one) would take seconds to
// lay out in a one-line box; the box shows its beginning and cannot be edited,
// while the scene keeps the whole text and saves it as it was.
void Form1::showText(QLineEdit *box, const QString &text)
{
    constexpr qsizetype LongestShown = 32768;
    const bool tooLong = text.size() > LongestShown;
    const QString shown = tooLong ? text.left(LongestShown) : text;
    if (box->text() == shown && box->isReadOnly() == tooLong)
        return;
    const QSignalBlocker blocker(box);
    box->setText(shown);
    box->setReadOnly(tooLong);
    box->setToolTip(tooLong ? tr("%L1 characters, too many to edit here; kept as they are.").arg(text.size())
                            : QString());
}

// A "*" after the name while the scene differs from the one last saved or loaded.
void Form1::updateTitle()
{
    setWindowTitle(m_editor->isModified() ? Title + QLatin1Char('*') : Title);
}

// The selected part's place and size, shown where the pointer rests on the canvas.
void Form1::updatePlaceTip()
{
    const int id = m_editor->selectedPart();
    QString tip;
    if (id >= 0) {
        const SceneRecord::Part &part = m_editor->record().part(id);
        tip = QStringLiteral("%1: x %2, y %3, w %4, h %5")
                  .arg(m_options[size_t(id)]->text(), SceneFile::numberText(part.x),
                       SceneFile::numberText(part.y), SceneFile::numberText(part.w),
                       SceneFile::numberText(part.h));
    }
    if (tip == m_picCanvas->toolTip())
        return;
    m_picCanvas->setToolTip(tip);
    m_picCanvas->setStatusTip(tip);
}

// ---------------------------------------------------------------------------
// Messages and folders

void Form1::showError(const QString &text, const QString &title)
{
    m_platform.showMessage(this, text, title, Platform::MessageIcon::Critical);
}

void Form1::reportFailures(const QString &intro, const QStringList &failures, const QString &title)
{
    if (failures.isEmpty())
        return;
    QStringList lines{intro};
    for (const QString &failure : failures)
        lines << shortened(failure);
    showError(lines.join(QLatin1Char('\n')), title);
}

// A value the scene file could not hold is named, with what is in its way.
bool Form1::refuseUnstorable(const SceneFile::Unstorable &bad, const QString &advice, const QString &title)
{
    if (!bad.found())
        return false;
    QString why;
    if (bad.piece == QLatin1String(";"))
        why = tr("the \";\" in it would end the entry there");
    else if (bad.piece == QLatin1String("CR") || bad.piece == QLatin1String("LF"))
        why = tr("it holds a line break");
    else
        why = tr("a reader of the file would take the \"%1\" in it for the entry \"%1\"").arg(bad.piece);
    showError(tr("\"%1\" cannot be stored in a scene file: %2.\n\n%3").arg(shortened(bad.value), why, advice),
              title);
    return true;
}

// The scene dialogs open in the program folder as a folder name, without the
// trailing separator; a root folder ("/", "C:\") keeps the one it has.
QString Form1::dialogFolder() const
{
    QString folder = m_platform.programFolder();
    if (folder.size() > 1 && folder.endsWith(ProgramFolder::separator()) && !QDir(folder).isRoot())
        folder.chop(1);
    return folder;
}

// ---------------------------------------------------------------------------
// Commands

void Form1::loadPicture(SceneEditor::LoadTarget target)
{
    const QString chosen = m_cdl->askOpen(pictureFilter(), m_editor->pictureFolder());
    if (!chosen.isEmpty())
        takePicture(target, chosen);
}

// The picture is read from wherever it was chosen; the scene keeps only its
// name and looks it up in the Images folder, so a picture from elsewhere is
// offered a copy there. A file that is no picture, or whose name the scene
// file cannot hold, changes nothing (the alternative background's file is
// checked too, so that no unreadable name gets into the scene).
bool Form1::takePicture(SceneEditor::LoadTarget target, const QString &chosen)
{
    const QString title = tr("Load Picture");
    PictureResult loaded = m_platform.loadPicture(chosen);
    if (!loaded.ok()) {
        showError(shortened(loaded.error), title);
        return false;
    }
    QString source = chosen;
    if (loaded.storedTurned && !takeUprightCopy(&source, &loaded))
        return false;
    const QString advice = tr("Rename the picture and load it again.");
    const QString name = ProgramFolder::fileNameWithoutFolder(source);
    // Save Scene would refuse such a name only after the copy into Images
    // was made, and the copy would stay behind.
    const qsizetype uncodable = Cp1252::firstUnstorable(name);
    if (uncodable >= 0) {
        showError(tr("\"%1\" cannot be stored in a scene file: %2.\n\n%3")
                      .arg(shortened(name),
                           tr("it holds the character %1, which an 8-bit text file cannot store")
                               .arg(Cp1252::describeAt(name, uncodable)),
                           advice),
                  title);
        return false;
    }
    if (refuseUnstorable(SceneFile::checkValue(name), advice, title))
        return false;
    const FileQuestions::PlacedPicture placed = FileQuestions::placePicture(
        m_platform, this, title, source, m_editor->pictureFolder(), QStringLiteral("Images"));
    if (!placed.ok || refuseUnstorable(SceneFile::checkValue(placed.name), advice, title))
        return false;
    m_editor->loadPicture(target, loaded.picture, placed.name, source);
    return true;
}

// A photo whose orientation asks to be turned is shown as stored, as the
// companion will show it; an upright copy is offered in its place. Only
// failing to write the copy the user asked for stops the load.
bool Form1::takeUprightCopy(QString *source, PictureResult *loaded)
{
    const QString title = tr("Load Picture");
    const Platform::Answer answer = m_platform.ask(this,
                                                   tr("This photo is stored rotated; the companion shows it "
                                                      "as stored. Save an upright copy into Images?"),
                                                   title, Platform::Question::YesNo, Platform::Answer::Yes);
    if (answer != Platform::Answer::Yes)
        return true;
    const PictureResult upright = PictureLoader::loadUpright(*source);
    if (!upright.ok()) {
        showError(shortened(upright.error), title);
        return false;
    }
    // Lossless, and under a name of its own: the photo itself stays as it is.
    const QString folder = m_editor->pictureFolder();
    QDir().mkpath(folder);
    const QString copy = folder + PartCutOut::freeName(folder, *source, QStringLiteral("upright"));
    const QString error = PartCutOut::writeBmp(upright.picture.image, copy);
    if (!error.isEmpty()) {
        showError(shortened(error), title);
        return false;
    }
    *source = QDir::toNativeSeparators(copy);
    loaded->picture = upright.picture;
    loaded->storedTurned = false;
    return true;
}

void Form1::swapBackground(bool on)
{
    // A picture that cannot be loaded is reported, and the canvas keeps the
    // background it showed.
    const QString error = m_editor->setAlternativeShown(on);
    if (!error.isEmpty())
        showError(shortened(error), tr("Background"));
}

void Form1::nudgeClicked(QAbstractButton *button, int dx, int dy)
{
    // A held button clicks while it is down, and once more when it is
    // released; all of those clicks are one step.
    const bool repeat = m_nudgeHeld;
    m_nudgeHeld = button->isDown();
    m_editor->nudge(dx, dy, repeat);
}

bool Form1::saveScene()
{
    const QString title = tr("Save Scene");
    if (refuseUnstorable(m_editor->unstorableValue(), tr("Nothing was saved."), title))
        return false;
    const QString target = m_cdl->askSave(tr("Scn Files (*.scn)") + QStringLiteral("|*.scn"), dialogFolder());
    // The text is built whether or not a file was chosen.
    m_editor->buildSceneText();
    if (target.isEmpty())
        return false;
    // The scene file this window loaded or saved, changed by another program
    // since, gets the question that says so; a recovered scene gets the
    // recovery's own question about that instead.
    const bool changed =
        target == m_editor->file() && !m_recovery->recovered() && m_editor->fileStamp().changedOnDisk(target);
    if ((changed ? !FileQuestions::mayReplaceChanged(m_platform, this, title, QStringList{target})
                 : !FileQuestions::mayReplace(m_platform, this, title, target)) ||
        !RecoveryQuestions::maySaveOver(m_platform, this, title, m_recovery.get(), target))
        return false;
    const QString error = m_editor->writeScene(target);
    if (!error.isEmpty()) {
        showError(shortened(error), title);
        return false;
    }
    return true;
}

void Form1::loadScene()
{
    const QString source =
        m_cdl->askOpen(tr("Scene Files (*.scn)") + QStringLiteral("|*.scn"), dialogFolder());
    if (!source.isEmpty())
        loadSceneFrom(source);
}

void Form1::loadSceneFrom(const QString &path)
{
    const QString title = tr("Load Scene");
    // A file that cannot be read changes nothing.
    const SceneEditor::LoadResult result = m_editor->loadSceneFile(path);
    if (!result.ok()) {
        showError(shortened(result.error), title);
        return;
    }
    const QString intro = tr("The scene was loaded, but these pictures could not be; their parts show "
                             "the pictures they had before:");
    // Pictures that are not in Images at all can be looked for elsewhere.
    const QStringList missing =
        PictureSearch::missingPictures(m_editor->sceneText(), m_editor->pictureFolder());
    if (missing.isEmpty() || result.failures.isEmpty()) {
        reportFailures(intro, result.failures, title);
        return;
    }
    QStringList lines{intro};
    for (const QString &failure : result.failures)
        lines << shortened(failure);
    if (m_platform.showMessageOffering(this, lines.join(QLatin1Char('\n')), title,
                                       Platform::MessageIcon::Critical, tr("Find Pictures...")))
        findPictures(path, missing);
}

// The missing pictures are looked for in a folder the user chooses; what is
// found is copied into Images (never over a file there) and the scene is
// loaded again, so its parts show them. The new load replaces the one that
// missed them: one undo step in all.
void Form1::findPictures(const QString &scene, const QStringList &missing)
{
    const QString folder = m_cdl->askFolder(dialogFolder());
    if (folder.isEmpty())
        return;
    auto *window = new FindPicturesWindow(PictureSearch::search(folder, missing), folder, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &QDialog::accepted, this, [this, window, scene] {
        const QString title = tr("Find Pictures");
        const QStringList errors = PictureSearch::copyFound(window->search(), m_editor->pictureFolder());
        if (m_editor->undoStack().canUndo() && m_editor->file() == scene)
            m_editor->undo();
        const SceneEditor::LoadResult again = m_editor->loadSceneFile(scene);
        if (!again.ok()) {
            showError(shortened(again.error), title);
            return;
        }
        reportFailures(tr("These pictures could not be copied into Images:"), errors, title);
        reportFailures(tr("These pictures of the scene are still missing; their parts show the pictures they "
                          "had before:"),
                       again.failures, title);
    });
    window->open();
}

void Form1::newScene()
{
    reportFailures(tr("These pictures of the default scene could not be loaded, so their parts "
                      "are empty:"),
                   m_editor->newScene(), tr("New Scene"));
}

void Form1::showHelp()
{
    HelpPage::open(m_platform, this, QStringLiteral("Frameloft.htm"));
}

void Form1::undoOrRedo(bool undo)
{
    // Keys a text box did not take itself still edit its own text.
    if (auto *box = qobject_cast<QLineEdit *>(focusWidget())) {
        if (undo)
            box->undo();
        else
            box->redo();
        return;
    }
    if (undo)
        m_editor->undo();
    else
        m_editor->redo();
}

// ---------------------------------------------------------------------------
// Closing, drops, focus

bool Form1::mayDiscardScene()
{
    if (!m_editor->isModified())
        return true;
    const Platform::Answer answer =
        m_platform.ask(this, tr("The scene has changed. Save it before closing?"), Title,
                       Platform::Question::SaveDiscardCancel, Platform::Answer::Save);
    // A save that fails or is cancelled keeps the window open.
    return answer == Platform::Answer::Discard || (answer == Platform::Answer::Save && saveScene());
}

void Form1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_fitted)
        return;
    m_fitted = true;
    if (const QScreen *shownOn = screen())
        fitInto(shownOn->availableGeometry());
}

void Form1::fitInto(const QRect &room)
{
    // Before the window manager has framed the window its frame is unknown:
    // room is kept for a common one.
    QSize frame = frameGeometry().size() - size();
    if (frame.isEmpty())
        frame = QSize(16, 40);
    const QSize fits = Form1Layout::ClientSize.boundedTo(room.size() - frame);
    if (fits == Form1Layout::ClientSize)
        return;
    // Too small a screen: the window may then be resized, up to the page's size.
    setMinimumSize(QSize(160, 120).boundedTo(fits));
    setMaximumSize(Form1Layout::ClientSize);
    resize(fits);
    QRect place = frameGeometry();
    place.moveRight(std::min(place.right(), room.right()));
    place.moveBottom(std::min(place.bottom(), room.bottom()));
    place.moveLeft(std::max(place.left(), room.left()));
    place.moveTop(std::max(place.top(), room.top()));
    move(place.topLeft());
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (mayDiscardScene()) {
        event->accept();
        m_recovery->closed();
    } else {
        event->ignore();
    }
}

bool Form1::recover(const RecoveryRecord &record)
{
    if (!mayDiscardScene())
        return false;
    const QStringList failures = m_editor->restore(record);
    m_recovery->takeRecovered(record);
    reportFailures(tr("The scene was recovered, but these pictures could not be loaded:"), failures, Title);
    return true;
}

// A scene file anywhere on the window loads it; a picture on the canvas is
// the selected part's LOAD, while that button can be used.
Form1::DropAction Form1::dropAction(const QMimeData *data, QPointF position, QString *path) const
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return DropAction::None;
    const QUrl url = data->urls().first();
    if (!url.isLocalFile())
        return DropAction::None;
    *path = QDir::toNativeSeparators(url.toLocalFile());
    if (isSceneFile(*path))
        return DropAction::Scene;
    const int id = m_editor->selectedPart();
    if (isPictureFile(*path) &&
        m_picCanvas->rect().contains(m_picCanvas->mapFrom(this, position.toPoint())) && id >= 0 &&
        m_partLoads[size_t(id)]->isEnabled())
        return DropAction::Picture;
    return DropAction::None;
}

void Form1::dragEnterEvent(QDragEnterEvent *event)
{
    QString path;
    if (dropAction(event->mimeData(), event->position(), &path) != DropAction::None) {
        event->acceptProposedAction();
        return;
    }
    // Scene files are welcome anywhere; pictures may still move onto the canvas.
    if (event->mimeData() && event->mimeData()->hasUrls())
        event->accept();
    else
        event->ignore();
}

void Form1::dragMoveEvent(QDragMoveEvent *event)
{
    QString path;
    if (dropAction(event->mimeData(), event->position(), &path) != DropAction::None)
        event->acceptProposedAction();
    else
        event->ignore();
}

void Form1::dropEvent(QDropEvent *event)
{
    QString path;
    switch (dropAction(event->mimeData(), event->position(), &path)) {
    case DropAction::Scene:
        event->acceptProposedAction();
        loadSceneFrom(path);
        break;
    case DropAction::Picture:
        event->acceptProposedAction();
        takePicture(SceneEditor::LoadTarget(m_editor->selectedPart()), path);
        break;
    case DropAction::None:
        event->ignore();
        break;
    }
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // Typing into an animation text is one step until the box is left.
    if (event->type() == QEvent::FocusOut)
        m_editor->finishTextEdit();
    return QWidget::eventFilter(watched, event);
}
