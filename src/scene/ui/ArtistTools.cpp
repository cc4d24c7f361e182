// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArtistTools.h"

#include "CutOutWindow.h"
#include "FileDialog.h"
#include "FileQuestions.h"
#include "PartCutOut.h"
#include "PartStrip.h"
#include "PlaceWindow.h"
#include "Platform.h"
#include "ProgramFolder.h"
#include "SceneCanvas.h"
#include "SceneDefaults.h"
#include "SceneEditor.h"
#include "SceneGhosts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

namespace {

QString pictureFilter()
{
    return ArtistTools::tr("Images Files (*.bmp;*.jpg)") + QStringLiteral("|*.bmp;*.jpg");
}

const QString ShowOtherPartsChoice = QStringLiteral("Frameloft.ShowOtherParts");

// The LOAD buttons of the parts, in part order.
const char *const PartLoads[] = {"Command1", "Command3", "Command4", "Command5", "Command13"};
// The parts as the composer's captions name them.
const char *const PartCaptions[] = {
    QT_TRANSLATE_NOOP("Form1Layout", "Zumi Mouth"), QT_TRANSLATE_NOOP("Form1Layout", "Zumi Blink"),
    QT_TRANSLATE_NOOP("Form1Layout", "User Mouth"), QT_TRANSLATE_NOOP("Form1Layout", "User Blink"),
    QT_TRANSLATE_NOOP("Form1Layout", "Misc. Part")};

// "zumimouth" for the Zumi mouth: the part's default picture without its extension.
QString partStem(int part)
{
    return QFileInfo(SceneDefaults::partPicture(ScenePart::Id(part))).completeBaseName();
}

} // namespace

ArtistTools::ArtistTools(QWidget &composer, SceneCanvas &canvas, QMenu &menu, SceneEditor &editor,
                         Platform &platform)
    : QObject(&composer), m_composer(composer), m_canvas(canvas), m_editor(editor), m_platform(platform),
      m_cdl(platform.createFileDialog(&composer))
{
    menu.addSeparator();
    // The keys are the composer's own (below); the menu only names them.
    QAction *cut = menu.addAction(tr("Cut Out From Full Picture...\tCtrl+Shift+L"));
    connect(cut, &QAction::triggered, this, [this] { cutOut(m_editor.selectedPart()); });
    connect(menu.addAction(tr("Make Strip From Pictures...")), &QAction::triggered, this,
            &ArtistTools::makeStrip);
    QAction *place = menu.addAction(tr("Position and Size...\tEnter"));
    connect(place, &QAction::triggered, this, &ArtistTools::positionAndSize);
    m_showOthers = menu.addAction(tr("Show Other Parts\tG"));
    m_showOthers->setCheckable(true);
    connect(m_showOthers, &QAction::toggled, this, &ArtistTools::setShowOtherParts);

    // The keys work in the whole composer (Enter on the canvas only, where it
    // means nothing else).
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L), &composer), &QShortcut::activated,
            this, [this] { cutOut(m_editor.selectedPart()); });
    connect(new QShortcut(QKeySequence(Qt::Key_G), &composer), &QShortcut::activated, this,
            [this] { setShowOtherParts(!m_ghostsOn); });
    canvas.installEventFilter(this);

    for (int part = 0; part < ScenePart::Count; ++part) {
        if (auto *button = composer.findChild<QPushButton *>(QLatin1String(PartLoads[part])))
            addLoadMenu(*button, part);
    }
    connect(&editor, &SceneEditor::changed, this, [this] {
        if (m_ghostsOn)
            updateGhosts();
    });
    setShowOtherParts(m_platform.choice(ShowOtherPartsChoice) == QLatin1String("1"));
}

ArtistTools::~ArtistTools() = default;

void ArtistTools::addLoadMenu(QPushButton &button, int part)
{
    auto *menu = new QMenu(&button);
    menu->setObjectName(QStringLiteral("mnuLoad%1").arg(part + 1));
    connect(menu->addAction(tr("Cut Out From Full Picture...")), &QAction::triggered, this,
            [this, part] { cutOut(part); });
    if (part == ScenePart::Misc)
        connect(menu->addAction(tr("Make Strip From Pictures...")), &QAction::triggered, this,
                &ArtistTools::makeStrip);
    button.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&button, &QWidget::customContextMenuRequested, menu,
            [menu, &button](const QPoint &at) { menu->popup(button.mapToGlobal(at)); });
}

bool ArtistTools::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_canvas && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            positionAndSize();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QString ArtistTools::imagesFolder() const
{
    return m_editor.pictureFolder();
}

void ArtistTools::showError(const QString &text, const QString &title)
{
    m_platform.showMessage(&m_composer, text, title, Platform::MessageIcon::Critical);
}

// ---------------------------------------------------------------------------
// Cut Out From Full Picture

void ArtistTools::cutOut(int part)
{
    if (part < 0 || part >= ScenePart::Count)
        return;
    const QString title = CutOutWindow::tr(CutOutWindow::Title);
    const QString chosen = m_cdl->askOpen(pictureFilter(), imagesFolder());
    if (chosen.isEmpty())
        return;
    const PictureResult loaded = m_platform.loadPicture(chosen);
    if (!loaded.ok()) {
        showError(loaded.error, title);
        return;
    }
    const QImage background = m_editor.pictures().background.image;
    const QString name = ProgramFolder::fileNameWithoutFolder(QDir::toNativeSeparators(chosen));
    // A picture that cannot be cut from is refused before the window opens.
    const PartCutOut::Difference first =
        PartCutOut::findDifference(background, loaded.picture.image, PartCutOut::Settings(), name);
    if (!first.ok() && (background.isNull() || loaded.picture.image.size() != background.size() ||
                        loaded.picture.image == background)) {
        showError(first.error, title);
        return;
    }
    auto *window =
        new CutOutWindow(background, loaded.picture.image, name,
                         QCoreApplication::translate("Form1Layout", PartCaptions[part]), &m_composer);
    window->setAttribute(Qt::WA_DeleteOnClose);
    const QImage full = loaded.picture.image;
    connect(window, &QDialog::accepted, this, [this, window, part, chosen, full, title] {
        const QRect rect = window->rect();
        if (rect.isEmpty())
            return;
        const QString folder = imagesFolder();
        QDir().mkpath(folder);
        const QString stored = PartCutOut::freeName(folder, chosen, partStem(part));
        const QImage pixels = full.copy(rect);
        const QString error = PartCutOut::writeBmp(pixels, folder + stored);
        if (!error.isEmpty()) {
            showError(error, title);
            return;
        }
        m_editor.placeCutOut(part, PictureLoader::fromImage(pixels), stored, rect);
    });
    window->open();
}

// ---------------------------------------------------------------------------
// Make Strip From Pictures

void ArtistTools::makeStrip()
{
    const QString title = tr("Make Strip From Pictures");
    // The frames one after another, in the order they play; Cancel ends the list.
    QList<QImage> frames;
    QStringList names;
    QString first;
    for (;;) {
        const QString chosen = m_cdl->askOpen(pictureFilter(), imagesFolder());
        if (chosen.isEmpty())
            break;
        const PictureResult loaded = m_platform.loadPicture(chosen);
        if (!loaded.ok()) {
            showError(loaded.error, title);
            return;
        }
        if (first.isEmpty())
            first = chosen;
        frames << loaded.picture.image;
        names << ProgramFolder::fileNameWithoutFolder(QDir::toNativeSeparators(chosen));
    }
    if (frames.isEmpty())
        return;
    const PartStrip::Result built = PartStrip::build(frames, names);
    if (!built.ok()) {
        showError(built.error, title);
        return;
    }
    const QString folder = imagesFolder();
    QDir().mkpath(folder);
    const QString stored = PartCutOut::freeName(folder, first, partStem(ScenePart::Misc));
    const QString error = PartCutOut::writeBmp(built.strip, folder + stored);
    if (!error.isEmpty()) {
        showError(error, title);
        return;
    }
    m_editor.loadStrip(PictureLoader::fromImage(built.strip), stored, folder + stored, int(frames.size()));
}

// ---------------------------------------------------------------------------
// Position and Size, Show Other Parts

void ArtistTools::positionAndSize()
{
    if (m_editor.selectedPart() < 0 || m_editor.placing() || m_editor.dragging())
        return;
    auto *window = new PlaceWindow(m_editor, &m_composer);
    window->open();
}

void ArtistTools::setShowOtherParts(bool on)
{
    if (m_ghostsOn == on)
        return;
    m_ghostsOn = on;
    m_showOthers->setChecked(on);
    m_platform.setChoice(ShowOtherPartsChoice, on ? QStringLiteral("1") : QStringLiteral("0"));
    if (on) {
        updateGhosts();
    } else {
        m_ghosts = QImage();
        m_canvas.setPicture(&m_editor.canvas());
    }
}

void ArtistTools::updateGhosts()
{
    m_ghosts = SceneGhosts::compose(m_editor.canvas(), m_editor.state());
    m_canvas.setPicture(&m_ghosts);
}
