#include "Form1.h"

#include "FileDialog.h"
#include "Platform.h"
#include "ProgramFolder.h"
#include "SceneCanvas.h"
#include "SceneFile.h"
#include "ScenePart.h"
#include "TextFile.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using SceneDefaults::MiscPart;
using SceneDefaults::PartCount;
using SceneDefaults::UserBlinkPart;
using SceneDefaults::UserMouthPart;
using SceneDefaults::ZumiBlinkPart;
using SceneDefaults::ZumiMouthPart;

const QColor WindowColour(0, 0, 192);

// The default scene's pictures in the Images folder.
QString defaultBackground()
{
    return QStringLiteral("bg.jpg");
}

const char *const DefaultPartPictures[PartCount] = {"zumimouth.jpg", "zumiblink.jpg", "usermouth.jpg",
                                                    "userblink.jpg", "miscpart.jpg"};

// The record flag each part switch is bound to (the Zumi mouth has none).
bool SceneRecord::*const PartFlags[PartCount] = {nullptr, &SceneRecord::ZumiBlinkOn,
                                                 &SceneRecord::UserMouthOn, &SceneRecord::UserBlinkOn,
                                                 &SceneRecord::MiscOn};

// The order in which the four part switches are turned off.
const SceneDefaults::Part SwitchOffOrder[] = {UserMouthPart, MiscPart, UserBlinkPart, ZumiBlinkPart};

// A scene file can name anything, also a name of millions of characters: keep
// message boxes readable.
QString shortened(const QString &text)
{
    constexpr qsizetype Longest = 300;
    if (text.size() <= Longest)
        return text;
    return text.left(Longest) + QStringLiteral("...");
}

} // namespace

Form1::Form1(Platform &platform, QWidget *parent)
    : QWidget(parent), m_platform(platform), m_cdl(platform.createFileDialog(this))
{
    buildControls();
    connectHandlers();

    // The default scene. The optional parts are off: their controls start
    // disabled, and the check boxes and texts keep their design values.
    disableOptionalControls();
    m_check1->setChecked(true);
    QStringList failures;
    loadDefaultScene(&failures);
    m_options[ZumiMouthPart]->setChecked(true);
    RedrawCanvas();
    // A missing default picture leaves its part empty and 0 x 0; the window
    // opens anyway and says once which pictures were missing.
    reportFailures(QStringLiteral("These pictures of the default scene could not be loaded, so their parts "
                                  "are empty:"),
                   failures, QStringLiteral("Frameloft"));
}

Form1::~Form1() = default;

// ---------------------------------------------------------------------------
// Layout

// Every control of the window: its object name, text and place.
template <class Control> Control *Form1::make(const char *name, const QString &text, const QRect &place)
{
    auto *control = new Control(text, this);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(place);
    return control;
}

QPushButton *Form1::makeButton(const char *name, const QString &text, const QRect &place)
{
    auto *button = make<QPushButton>(name, text, place);
    // A light blue face in every style (a palette colour alone is not used by
    // all of them); the sheet sits on the button so other controls keep the
    // window's palette.
    button->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: rgb(192, 192, 255); color: black;"
        " border: 1px solid rgb(64, 64, 128); padding: 0px; }"
        "QPushButton:hover { border-color: white; }"
        "QPushButton:pressed { background-color: rgb(150, 150, 230); }"
        "QPushButton:focus { border: 1px dotted black; }"
        "QPushButton:disabled { color: rgb(120, 120, 160); border-color: rgb(120, 120, 180); }"));
    return button;
}

QLineEdit *Form1::makeText(const char *name, const QString &text, const QRect &place)
{
    auto *edit = make<QLineEdit>(name, text, place);
    edit->setTextMargins(0, 0, 0, 0);
    return edit;
}

void Form1::buildControls()
{
    setWindowTitle(QStringLiteral("Frameloft"));
    setFixedSize(700, 589);

    // The desktop's small dialog font. The captions were measured for it, so
    // where it is missing a narrow sans-serif face keeps them inside their places.
    QFont windowFont = font();
    windowFont.setFamilies({QStringLiteral("MS Shell Dlg 2"), QStringLiteral("Tahoma"),
                            QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans Narrow"),
                            QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Arial")});
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

    m_picCanvas = new SceneCanvas(this);
    m_picCanvas->setGeometry(0, 0, 700, 500);

    const QString load = QStringLiteral("LOAD");
    std::vector<std::pair<int, QWidget *>> tabs;
    auto tab = [&tabs](int order, QWidget *widget) { tabs.emplace_back(order, widget); };
    tab(2, m_picCanvas);

    // Left block: part switches and LOAD buttons.
    m_partSwitches[ZumiBlinkPart] = make<QCheckBox>("Check5", QStringLiteral("Zumi Blink"), {4, 502, 65, 17});
    tab(39, m_partSwitches[ZumiBlinkPart]);
    m_partSwitches[UserMouthPart] =
        make<QCheckBox>("Check2", QStringLiteral("User Mouth"), {72, 502, 81, 17});
    tab(29, m_partSwitches[UserMouthPart]);
    m_partSwitches[UserBlinkPart] =
        make<QCheckBox>("Check4", QStringLiteral("User Blink"), {152, 502, 73, 17});
    tab(38, m_partSwitches[UserBlinkPart]);
    m_partSwitches[MiscPart] = make<QCheckBox>("Check3", QStringLiteral("Misc. Part"), {224, 502, 73, 17});
    tab(33, m_partSwitches[MiscPart]);
    make<QLabel>("Label1", QStringLiteral("Background"), {8, 520, 65, 17});
    m_command2 = makeButton("Command2", load, {72, 520, 65, 13});
    tab(7, m_command2);
    m_check6 = make<QCheckBox>("Check6", QStringLiteral("Nude BG"), {152, 519, 72, 17});
    tab(40, m_check6);
    m_check7 = make<QCheckBox>("Check7", QString(), {224, 520, 17, 13});
    tab(42, m_check7);
    m_command14 = makeButton("Command14", load, {240, 520, 49, 13});
    tab(41, m_command14);
    make<QLabel>("Label2", QStringLiteral("Zumi Mouth"), {8, 536, 57, 17});
    m_partLoads[ZumiMouthPart] = makeButton("Command1", load, {72, 536, 65, 13});
    tab(4, m_partLoads[ZumiMouthPart]);
    make<QLabel>("Label4", QStringLiteral("User Mouth"), {144, 536, 57, 17});
    m_partLoads[UserMouthPart] = makeButton("Command4", load, {208, 536, 65, 13});
    tab(11, m_partLoads[UserMouthPart]);
    make<QLabel>("Label3", QStringLiteral("Zumi Blink"), {8, 552, 73, 17});
    m_partLoads[ZumiBlinkPart] = makeButton("Command3", load, {72, 552, 65, 13});
    tab(9, m_partLoads[ZumiBlinkPart]);
    make<QLabel>("Label5", QStringLiteral("User Blink"), {144, 552, 57, 17});
    m_partLoads[UserBlinkPart] = makeButton("Command5", load, {208, 552, 65, 13});
    tab(13, m_partLoads[UserBlinkPart]);
    make<QLabel>("Label7", QStringLiteral("Misc. Part"), {8, 568, 57, 17});
    m_partLoads[MiscPart] = makeButton("Command13", load, {72, 568, 65, 13});
    tab(31, m_partLoads[MiscPart]);
    m_text3 = makeText("Text3", QString(), {184, 568, 105, 19});
    tab(37, m_text3);

    // Middle block: part selection and nudging.
    m_options[ZumiMouthPart] =
        make<QRadioButton>("Option1", QStringLiteral("Zumi Mouth"), {296, 504, 89, 17});
    tab(14, m_options[ZumiMouthPart]);
    m_options[ZumiBlinkPart] =
        make<QRadioButton>("Option2", QStringLiteral("Zumi Blink"), {296, 520, 73, 17});
    tab(15, m_options[ZumiBlinkPart]);
    m_options[UserMouthPart] =
        make<QRadioButton>("Option3", QStringLiteral("User Mouth"), {296, 536, 89, 17});
    tab(16, m_options[UserMouthPart]);
    m_options[UserBlinkPart] =
        make<QRadioButton>("Option4", QStringLiteral("User Blink"), {296, 555, 73, 13});
    tab(17, m_options[UserBlinkPart]);
    m_options[MiscPart] =
        make<QRadioButton>("Option5", QStringLiteral("Miscellaneous Part"), {296, 571, 113, 17});
    tab(30, m_options[MiscPart]);
    tab(21, makeButton("Command6", QStringLiteral("Up"), {416, 512, 25, 17}));
    tab(23, makeButton("Command8", QStringLiteral("Lft"), {392, 528, 25, 17}));
    tab(24, makeButton("Command9", QStringLiteral("Rt"), {440, 528, 25, 17}));
    tab(22, makeButton("Command7", QStringLiteral("Dw"), {416, 544, 25, 17}));

    // Right block: display options, help, scene files, animation texts.
    m_check1 = make<QCheckBox>("Check1", QStringLiteral("Show/Hide Image"), {488, 504, 113, 17});
    tab(25, m_check1);
    m_chkUseOutline = make<QCheckBox>("chkUseOutline", QStringLiteral("Use Outline"), {488, 520, 97, 17});
    tab(3, m_chkUseOutline);
    tab(28, makeButton("Command12", QStringLiteral("HELP"), {504, 544, 73, 17}));
    tab(50, makeButton("Command15", QStringLiteral("New Scene..."), {616, 504, 81, 17}));
    tab(27, makeButton("Command11", QStringLiteral("Load Scene..."), {616, 520, 81, 17}));
    tab(26, makeButton("Command10", QStringLiteral("Save Scene..."), {616, 536, 81, 17}));
    QLabel *misc = make<QLabel>("Label8", QStringLiteral("Misc:"), {416, 572, 89, 17});
    QFont bold; // only the weight: family and size still come from the window
    bold.setBold(true);
    misc->setFont(bold);
    make<QLabel>("Label6", QStringLiteral("Frames"), {450, 572, 36, 17});
    m_text2 = makeText("Text2", QStringLiteral("8"), {488, 570, 17, 19});
    tab(43, m_text2);
    make<QLabel>("Label9", QStringLiteral("Speed"), {510, 572, 36, 17});
    m_text5 = makeText("Text5", QStringLiteral("100"), {544, 568, 25, 19});
    tab(45, m_text5);
    make<QLabel>("Label10", QStringLiteral("Rndm"), {576, 572, 33, 17});
    m_text1 = makeText("Text1", QStringLiteral("100"), {608, 568, 25, 19});
    tab(34, m_text1);
    make<QLabel>("Label11", QStringLiteral("Delay"), {640, 572, 28, 17});
    m_text4 = makeText("Text4", QStringLiteral("3"), {672, 568, 17, 19});
    tab(44, m_text4);

    fitCaptions();

    // Labels lie beneath the controls they overlap ("Misc:" reaches under
    // "Frames" and the Frames box), so every box and button stays clickable.
    for (QLabel *label : findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly))
        label->lower();

    std::sort(tabs.begin(), tabs.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 1; i < tabs.size(); ++i)
        setTabOrder(tabs[i - 1].second, tabs[i].second);
}

// The captions' places were measured for the classic 8.25-point dialog font.
// A wider face (the only one on many desktops) is narrowed just enough for
// every caption to fit its place.
void Form1::fitCaptions()
{
    auto tightest = [this] {
        // How much of its caption the tightest control can show (1 = all).
        double fit = 1.0;
        for (QWidget *control : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
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

void Form1::connectHandlers()
{
    for (int p = 0; p < PartCount; ++p) {
        const auto part = Part(p);
        // Option buttons act when turned on, by a click or by code.
        connect(m_options[p], &QRadioButton::toggled, this, [this, part](bool on) {
            if (on)
                optionSelected(part);
        });
        // Part switches act on every change of value, by a click or by code.
        if (m_partSwitches[p])
            connect(m_partSwitches[p], &QCheckBox::toggled, this,
                    [this, part](bool on) { partSwitchChanged(part, on); });
        const LoadTarget target{&m_picImages[p], ScenePart::nameField(part), p, true};
        connect(m_partLoads[p], &QPushButton::clicked, this, [this, target] { loadPicture(target); });
    }
    connect(m_command2, &QPushButton::clicked, this, [this] {
        loadPicture({&m_picBackground, &SceneRecord::Background, -1, true});
    });
    connect(m_command14, &QPushButton::clicked, this, [this] {
        loadPicture({nullptr, &SceneRecord::NudeImage, -1, false});
    });

    connect(m_check1, &QCheckBox::toggled, this, [this] { RedrawCanvas(); });
    connect(m_check6, &QCheckBox::toggled, this, &Form1::nudeBackgroundChanged);
    connect(m_check7, &QCheckBox::toggled, this, &Form1::backgroundSwapChanged);

    auto button = [this](const char *name) { return findChild<QPushButton *>(QLatin1String(name)); };
    connect(button("Command6"), &QPushButton::clicked, this, [this] { nudge(0, -1); });
    connect(button("Command7"), &QPushButton::clicked, this, [this] { nudge(0, 1); });
    connect(button("Command8"), &QPushButton::clicked, this, [this] { nudge(-1, 0); });
    connect(button("Command9"), &QPushButton::clicked, this, [this] { nudge(1, 0); });
    connect(button("Command10"), &QPushButton::clicked, this, &Form1::saveScene);
    connect(button("Command11"), &QPushButton::clicked, this, &Form1::loadScene);
    connect(button("Command12"), &QPushButton::clicked, this, &Form1::showHelp);
    connect(button("Command15"), &QPushButton::clicked, this, &Form1::newScene);

    // The animation boxes are the record's four texts, kept exactly as typed.
    connect(m_text1, &QLineEdit::textChanged, this, [this](const QString &text) { m_scene.MiscRndm = text; });
    connect(m_text2, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_scene.MiscFrames = text; });
    connect(m_text4, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_scene.MiscDelay = text; });
    connect(m_text5, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_scene.MiscSpeed = text; });

    connect(m_picCanvas, &SceneCanvas::mousePressed, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPointF position) { canvasPressed(position); });
    connect(m_picCanvas, &SceneCanvas::mouseMoved, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPointF position) { canvasMoved(position); });
    connect(m_picCanvas, &SceneCanvas::mouseReleased, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, QPointF) { canvasReleased(); });
}

// ---------------------------------------------------------------------------
// Drawing

int Form1::selectedPart() const
{
    for (int p = 0; p < PartCount; ++p) {
        if (m_options[p]->isChecked())
            return p;
    }
    return -1;
}

void Form1::RedrawCanvas()
{
    ++m_drawCounts.redraws;
    m_picCanvas->setBasePicture(m_picBackground.image);
    if (!m_check1->isChecked())
        return;
    const int p = selectedPart();
    if (p < 0)
        return;
    ScenePart part(m_scene, Part(p));
    m_picCanvas->copyPicture(m_picImages[p].image, part.x(), part.y(), part.w(), part.h());
}

void Form1::DrawOutline()
{
    ++m_drawCounts.outlines;
    const int p = selectedPart();
    if (p < 0)
        return;
    ScenePart part(m_scene, Part(p));
    m_picCanvas->invertOutline(part.x(), part.y(), part.w(), part.h());
}

// ---------------------------------------------------------------------------
// Folders and messages

QString Form1::myPath() const
{
    return ProgramFolder::withTrailingSeparator(m_platform.programFolder());
}

QString Form1::pictureFolder() const
{
    return ProgramFolder::subfolder(myPath(), QStringLiteral("Images"));
}

// The scene dialogs open in the program folder as a folder name, without the
// trailing separator; a root folder ("/", "C:\") keeps the one it has.
QString Form1::dialogFolder() const
{
    QString folder = myPath();
    if (folder.size() > 1 && folder.endsWith(ProgramFolder::separator()) && !QDir(folder).isRoot())
        folder.chop(1);
    return folder;
}

PictureResult Form1::loadNamedPicture(const QString &name)
{
    return m_platform.loadPicture(pictureFolder() + name);
}

void Form1::reportFailures(const QString &intro, const QStringList &failures, const QString &title)
{
    if (failures.isEmpty())
        return;
    QStringList lines{intro};
    for (const QString &failure : failures)
        lines << shortened(failure);
    m_platform.showMessage(this, lines.join(QLatin1Char('\n')), title, Platform::MessageIcon::Critical);
}

// ---------------------------------------------------------------------------
// Part controls

void Form1::optionSelected(Part part)
{
    RedrawCanvas();
    m_text3->setText(ScenePart(m_scene, part).name());
}

void Form1::partSwitchChanged(Part part, bool on)
{
    m_scene.*PartFlags[part] = on;
    if (part == MiscPart) {
        for (QWidget *control : {static_cast<QWidget *>(m_partLoads[part]), static_cast<QWidget *>(m_text1),
                                 static_cast<QWidget *>(m_options[part]), static_cast<QWidget *>(m_text2),
                                 static_cast<QWidget *>(m_text4), static_cast<QWidget *>(m_text5)})
            control->setEnabled(on);
    } else {
        m_partLoads[part]->setEnabled(on);
        m_options[part]->setEnabled(on);
    }
    // Switching a part on selects it; switching it off leaves the selection
    // alone, so a part switched off while selected is still drawn and dragged.
    if (on)
        m_options[part]->setChecked(true);
    m_check1->setChecked(true);
    RedrawCanvas();
}

void Form1::nudeBackgroundChanged(bool on)
{
    m_scene.NudeImageOn = on;
    m_command14->setEnabled(on);
    m_check7->setEnabled(on);
}

void Form1::backgroundSwapChanged(bool on)
{
    const QString &name = on ? m_scene.NudeImage : m_scene.Background;
    if (name.isEmpty()) {
        // No picture named: the canvas shows its plain colour.
        m_picBackground = Picture();
    } else {
        // A picture that cannot be loaded is reported, and the canvas keeps
        // the background it showed.
        const PictureResult loaded = loadNamedPicture(name);
        if (loaded.ok())
            m_picBackground = loaded.picture;
        else
            m_platform.showMessage(this, shortened(loaded.error), QStringLiteral("Background"),
                                   Platform::MessageIcon::Critical);
    }
    RedrawCanvas();
}

void Form1::nudge(int dx, int dy)
{
    const int p = selectedPart();
    if (p >= 0)
        ScenePart(m_scene, Part(p)).nudge(dx, dy);
    RedrawCanvas();
}

void Form1::disableOptionalControls()
{
    for (QWidget *control :
         {static_cast<QWidget *>(m_text2), static_cast<QWidget *>(m_text4), static_cast<QWidget *>(m_check7),
          static_cast<QWidget *>(m_partLoads[UserMouthPart]),
          static_cast<QWidget *>(m_partLoads[UserBlinkPart]),
          static_cast<QWidget *>(m_options[UserMouthPart]), static_cast<QWidget *>(m_options[UserBlinkPart]),
          static_cast<QWidget *>(m_partLoads[MiscPart]), static_cast<QWidget *>(m_text1),
          static_cast<QWidget *>(m_options[MiscPart]), static_cast<QWidget *>(m_partLoads[ZumiBlinkPart]),
          static_cast<QWidget *>(m_options[ZumiBlinkPart]), static_cast<QWidget *>(m_command14),
          static_cast<QWidget *>(m_text5)})
        control->setEnabled(false);
}

// ---------------------------------------------------------------------------
// LOAD buttons

void Form1::loadPicture(const LoadTarget &target)
{
    const QString path = myPath();
    const QString chosen = m_cdl->askOpen(QStringLiteral("Images Files (*.bmp;*.jpg)|*.bmp;*.jpg"),
                                          ProgramFolder::subfolder(path, QStringLiteral("Images")));
    if (chosen.isEmpty())
        return;

    // The picture comes from wherever it was chosen; only its name is kept,
    // and scenes look it up in the Images folder. A file that is no picture
    // changes nothing (the alternative background's file is checked too, so
    // that no unreadable name gets into the scene).
    const PictureResult loaded = m_platform.loadPicture(chosen);
    if (!loaded.ok()) {
        m_platform.showMessage(this, shortened(loaded.error), QStringLiteral("Load Picture"),
                               Platform::MessageIcon::Critical);
        return;
    }
    if (target.holder)
        *target.holder = loaded.picture;
    if (target.part >= 0) {
        ScenePart part(m_scene, Part(target.part));
        part.h() = SceneDefaults::loadedSize(loaded.picture.Height);
        part.w() = SceneDefaults::loadedSize(loaded.picture.Width);
    }
    const QString name = ProgramFolder::fileNameWithoutFolder(chosen);
    m_scratch = {chosen, chosen.size() - name.size() + 1, name};
    m_scene.*target.name = name;
    if (target.part >= 0) {
        m_text3->setText(name);
        m_options[target.part]->setChecked(true);
    }
    if (target.redraw)
        RedrawCanvas();
}

// ---------------------------------------------------------------------------
// Default scene, New Scene

void Form1::loadDefaultScene(QStringList *failures)
{
    const QString folder = pictureFolder();
    auto load = [&](const QString &name) {
        const PictureResult loaded = m_platform.loadPicture(folder + name);
        if (!loaded.ok())
            *failures << loaded.error;
        return loaded.picture; // the empty picture when it failed: the part is 0 x 0
    };
    m_picBackground = load(defaultBackground());
    for (int p = 0; p < PartCount; ++p)
        m_picImages[p] = load(QLatin1String(DefaultPartPictures[p]));

    m_scene.Background = defaultBackground();
    for (int p = 0; p < PartCount; ++p)
        ScenePart(m_scene, Part(p)).name() = QLatin1String(DefaultPartPictures[p]);

    m_canvasWidth = float(m_picCanvas->drawableWidth());
    m_canvasHeight = float(m_picCanvas->drawableHeight());

    std::array<SceneDefaults::HimetricSize, PartCount> sizes;
    for (int p = 0; p < PartCount; ++p)
        sizes[p] = {m_picImages[p].Width, m_picImages[p].Height};
    SceneDefaults::setDefaultGeometry(m_scene, sizes);
}

void Form1::resetOptionalParts()
{
    m_text2->setText(QStringLiteral("8"));
    m_text5->setText(QStringLiteral("100"));
    m_text1->setText(QStringLiteral("100"));
    m_text4->setText(QStringLiteral("3"));
    for (Part part : SwitchOffOrder)
        m_partSwitches[part]->setChecked(false);
    m_options[ZumiMouthPart]->setChecked(true);
}

void Form1::newScene()
{
    resetOptionalParts();
    disableOptionalControls();
    m_check1->setChecked(true);
    QStringList failures;
    loadDefaultScene(&failures);
    m_options[ZumiMouthPart]->setChecked(true);
    m_text3->clear();
    RedrawCanvas();
    reportFailures(QStringLiteral("These pictures of the default scene could not be loaded, so their parts "
                                  "are empty:"),
                   failures, QStringLiteral("New Scene"));
}

// ---------------------------------------------------------------------------
// Scene files

void Form1::saveScene()
{
    const QString target = m_cdl->askSave(QStringLiteral("Scn Files (*.scn)|*.scn"), dialogFolder());
    m_sceneText = BuildSceneText(m_scene);
    if (target.isEmpty())
        return;
    const QString error = TextFile::write(target, m_sceneText);
    if (!error.isEmpty())
        m_platform.showMessage(this, shortened(error), QStringLiteral("Save Scene"),
                               Platform::MessageIcon::Critical);
}

void Form1::loadScene()
{
    resetOptionalParts();

    const QString source = m_cdl->askOpen(QStringLiteral("Scene Files (*.scn)|*.scn"), dialogFolder());
    if (source.isEmpty())
        return;

    const TextFile::ReadResult read = TextFile::read(source);
    if (!read.ok()) {
        m_platform.showMessage(this, shortened(read.error), QStringLiteral("Load Scene"),
                               Platform::MessageIcon::Critical);
        return;
    }
    m_sceneText = read.text;
    QStringList failures;

    const SceneFile::SceneContent content = SceneFile::readScene(m_sceneText);
    const SceneFile::EntryPosition &background = content.background;
    if (background.found) {
        m_scene.Background = background.value;
        const PictureResult loaded = loadNamedPicture(background.value);
        if (loaded.ok())
            m_picBackground = loaded.picture;
        else
            failures << loaded.error;
        m_scratch = {QString::number(background.valueStart), background.semicolon, background.value};
    }
    applyLoadedPart(ZumiMouthPart, content.zumiMouth, &failures);
    applyLoadedPart(UserMouthPart, content.userMouth, &failures);
    applyLoadedPart(ZumiBlinkPart, content.zumiBlink, &failures);
    applyLoadedPart(UserBlinkPart, content.userBlink, &failures);
    if (content.miscPart.present) {
        m_text1->setText(content.miscRndm);
        m_text2->setText(content.miscFrames);
        m_text4->setText(content.miscDelay);
        m_text5->setText(content.miscSpeed);
    }
    applyLoadedPart(MiscPart, content.miscPart, &failures);
    RedrawCanvas();

    // A picture the scene names but that cannot be loaded keeps the part's
    // previous picture; its name and place are taken all the same, so saving
    // again keeps the scene as it was written.
    reportFailures(QStringLiteral("The scene was loaded, but these pictures could not be; their parts show "
                                  "the pictures they had before:"),
                   failures, QStringLiteral("Load Scene"));
}

// One part of a scene file: nothing when its picture entry is absent, else
// its name, switch, picture and geometry.
void Form1::applyLoadedPart(Part part, const SceneFile::PartEntry &entry, QStringList *failures)
{
    if (!entry.present)
        return;
    ScenePart fields(m_scene, part);
    fields.name() = entry.name;
    if (m_partSwitches[part])
        m_partSwitches[part]->setChecked(true);
    const PictureResult loaded = loadNamedPicture(entry.name);
    if (loaded.ok())
        m_picImages[part] = loaded.picture;
    else
        *failures << loaded.error;
    fields.w() = entry.width;
    fields.h() = entry.height;
    fields.x() = entry.left;
    fields.y() = entry.top;
}

// ---------------------------------------------------------------------------
// Help

void Form1::showHelp()
{
    const QString document =
        ProgramFolder::subfolder(myPath(), QStringLiteral("Docs")) + QStringLiteral("Frameloft.htm");
    const QString shown = QDir::toNativeSeparators(document);
    if (!QFileInfo(document).isFile()) {
        m_platform.showMessage(this, QStringLiteral("The help document \"%1\" was not found.").arg(shown),
                               QStringLiteral("Help"), Platform::MessageIcon::Critical);
        return;
    }
    if (!m_platform.openInBrowser(document))
        m_platform.showMessage(
            this, QStringLiteral("The help document \"%1\" could not be opened in a browser.").arg(shown),
            QStringLiteral("Help"), Platform::MessageIcon::Critical);
}

// ---------------------------------------------------------------------------
// Mouse editing

void Form1::canvasPressed(QPointF position)
{
    if (!m_check1->isChecked())
        return;
    const int p = selectedPart();
    if (p < 0)
        return;
    const float pointerX = float(position.x());
    const float pointerY = float(position.y());
    ScenePart part(m_scene, Part(p));
    m_dragOffsets[p] = {part.x() - pointerX, part.y() - pointerY};
    m_outlineOn = m_chkUseOutline->isChecked();
    if (m_outlineOn)
        DrawOutline();
    m_dragging = true;
}

void Form1::canvasMoved(QPointF position)
{
    if (!m_dragging)
        return;
    if (m_outlineOn)
        DrawOutline(); // erases the outline at the old place
    const int p = selectedPart();
    if (p < 0)
        return;
    const float n = m_dragOffsets[p].x + float(position.x());
    const float m = m_dragOffsets[p].y + float(position.y());
    ScenePart(m_scene, Part(p)).dragTo(n, m, m_canvasWidth, m_canvasHeight);
    if (m_outlineOn)
        DrawOutline();
    else
        RedrawCanvas();
}

void Form1::canvasReleased()
{
    // OutlineOn stays as the last press left it, so a release without a drag
    // after an outlined drag just rebuilds the canvas once more.
    if (m_outlineOn)
        RedrawCanvas();
    m_dragging = false;
}
