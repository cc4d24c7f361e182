// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScenePreviewWindow.h"

#include "CanvasPicture.h"
#include "FileDialog.h"
#include "FileQuestions.h"
#include "Platform.h"
#include "ScenePreviewPicture.h"
#include "SceneRender.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

const char *const ScenePreviewWindow::Title = QT_TRANSLATE_NOOP("ScenePreviewWindow", "Scene Preview");

namespace {

struct AnimationSwitch
{
    const char *name;
    const char *caption;
    const char *accessibleName;
    const char *description;
};
// In the order of ScenePreview::Animation.
const AnimationSwitch AnimationSwitches[] = {
    {"chkTalking", QT_TRANSLATE_NOOP("ScenePreviewWindow", "Talking"),
     QT_TRANSLATE_NOOP("ScenePreviewWindow", "Talking animation"),
     QT_TRANSLATE_NOOP("ScenePreviewWindow",
                       "The mouths open and close at a steady syllable rate; off: they are drawn steadily")},
    {"chkBlinking", QT_TRANSLATE_NOOP("ScenePreviewWindow", "Blinking"),
     QT_TRANSLATE_NOOP("ScenePreviewWindow", "Blinking animation"),
     QT_TRANSLATE_NOOP("ScenePreviewWindow",
                       "The blink parts appear briefly now and then; off: they are drawn steadily")},
    {"chkStrip", QT_TRANSLATE_NOOP("ScenePreviewWindow", "Misc. Part"),
     QT_TRANSLATE_NOOP("ScenePreviewWindow", "Miscellaneous part animation"),
     QT_TRANSLATE_NOOP(
         "ScenePreviewWindow",
         "The miscellaneous part's picture is played as a strip of frames; off: it is drawn whole")},
};

struct ReadingBox
{
    const char *name;
    const char *caption;
    const char *unit; // shown after the box; may be empty
    const char *accessibleName;
};
// In the order of ScenePreview::Reading.
const ReadingBox ReadingBoxes[] = {
    {"txtFrames", QT_TRANSLATE_NOOP("ScenePreviewWindow", "Frames"), "",
     QT_TRANSLATE_NOOP("ScenePreviewWindow", "Frames in the miscellaneous part's strip (preview only)")},
    {"txtSpeed", QT_TRANSLATE_NOOP("ScenePreviewWindow", "Speed"),
     QT_TRANSLATE_NOOP("ScenePreviewWindow", "ms"),
     QT_TRANSLATE_NOOP("ScenePreviewWindow", "Milliseconds per frame (preview only)")},
    {"txtRndm", QT_TRANSLATE_NOOP("ScenePreviewWindow", "Rndm"), "",
     QT_TRANSLATE_NOOP("ScenePreviewWindow", "One-in-N chance per second of an early run (preview only)")},
    {"txtDelay", QT_TRANSLATE_NOOP("ScenePreviewWindow", "Delay"),
     QT_TRANSLATE_NOOP("ScenePreviewWindow", "s"),
     QT_TRANSLATE_NOOP("ScenePreviewWindow", "Seconds between runs (preview only)")},
};

constexpr double ZoomScales[] = {1.0, 2.0, 4.0};

} // namespace

ScenePreviewWindow::ScenePreviewWindow(SceneEditor &editor, Platform &platform, QWidget *owner)
    : QWidget(owner, Qt::Window), m_editor(editor), m_platform(platform),
      m_cdl(platform.createFileDialog(this))
{
    setObjectName(QStringLiteral("ScenePreview"));
    setWindowTitle(tr(Title));
    // Closing the preview ends it; a new one starts afresh. The program ends
    // with the composer, whether or not a preview is open.
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);

    buildControls();

    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ScenePreviewWindow::advance);
    connect(&m_editor, &SceneEditor::changed, this, &ScenePreviewWindow::follow);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    // The text boxes keep these keys for typing.
    for (const int key : {int(Qt::Key_Plus), int(Qt::Key_Equal)})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, [this] { stepZoom(1); });
    connect(new QShortcut(QKeySequence(Qt::Key_Minus), this), &QShortcut::activated, this,
            [this] { stepZoom(-1); });
    connect(new QShortcut(QKeySequence(Qt::Key_0), this), &QShortcut::activated, this,
            [this] { setZoom(ZoomFit); });

    m_clock.start();
    follow();
}

ScenePreviewWindow::~ScenePreviewWindow() = default;

void ScenePreviewWindow::buildControls()
{
    auto *toolbar = new QVBoxLayout;
    toolbar->setContentsMargins(6, 4, 6, 4);
    toolbar->setSpacing(4);

    auto *animations = new QHBoxLayout;
    for (size_t i = 0; i < m_animations.size(); ++i) {
        const AnimationSwitch &item = AnimationSwitches[i];
        auto *box = new QCheckBox(tr(item.caption), this);
        box->setObjectName(QLatin1String(item.name));
        box->setAccessibleName(tr(item.accessibleName));
        box->setAccessibleDescription(tr(item.description));
        box->setChecked(m_preview.animation(ScenePreview::Animation(i)));
        connect(box, &QCheckBox::toggled, this, [this, i](bool on) {
            catchUp();
            paintChanged(m_preview.setAnimation(ScenePreview::Animation(i), on));
            updateStatus();
            schedule();
        });
        animations->addWidget(box);
        m_animations[i] = box;
    }
    animations->addSpacing(12);
    auto *paceCaption = new QLabel(tr("Animation speed:"), this);
    animations->addWidget(paceCaption);
    m_pace = new QSlider(Qt::Horizontal, this);
    m_pace->setObjectName(QStringLiteral("sldPace"));
    m_pace->setAccessibleName(tr("Animation speed"));
    m_pace->setAccessibleDescription(tr("Per cent of real time, for every animation"));
    m_pace->setRange(ScenePreview::SlowestPace, ScenePreview::FastestPace);
    m_pace->setSingleStep(25);
    m_pace->setPageStep(25);
    m_pace->setValue(m_preview.pace());
    m_pace->setFixedWidth(120);
    paceCaption->setBuddy(m_pace);
    connect(m_pace, &QSlider::valueChanged, this, &ScenePreviewWindow::setPace);
    animations->addWidget(m_pace);
    m_paceShown = new QLabel(this);
    m_paceShown->setObjectName(QStringLiteral("lblPace"));
    m_paceShown->setMinimumWidth(m_paceShown->fontMetrics().horizontalAdvance(QStringLiteral("400 %")) + 4);
    animations->addWidget(m_paceShown);
    animations->addSpacing(12);
    auto *zoomCaption = new QLabel(tr("&Zoom:"), this);
    animations->addWidget(zoomCaption);
    m_zoomBox = new QComboBox(this);
    m_zoomBox->setObjectName(QStringLiteral("cboZoom"));
    m_zoomBox->setAccessibleName(tr("Zoom"));
    m_zoomBox->setAccessibleDescription(
        tr("The picture's size on the screen, its pixels kept sharp: + and - zoom in and out, 0 fits it "
           "to the window"));
    m_zoomBox->addItems(
        {QStringLiteral("1\u00d7"), QStringLiteral("2\u00d7"), QStringLiteral("4\u00d7"), tr("Fit")});
    zoomCaption->setBuddy(m_zoomBox);
    connect(m_zoomBox, &QComboBox::activated, this, [this](int index) { setZoom(Zoom(index)); });
    animations->addWidget(m_zoomBox);
    animations->addStretch(1);
    m_saveFrame = new QPushButton(tr("Save Frame..."), this);
    m_saveFrame->setObjectName(QStringLiteral("cmdSaveFrame"));
    m_saveFrame->setAccessibleName(tr("Save Frame"));
    m_saveFrame->setAccessibleDescription(tr("Saves the picture shown now as a PNG file"));
    connect(m_saveFrame, &QPushButton::clicked, this, &ScenePreviewWindow::saveFrame);
    animations->addWidget(m_saveFrame);
    toolbar->addLayout(animations);

    auto *readings = new QHBoxLayout;
    readings->addWidget(new QLabel(tr("Misc. Part, preview only:"), this));
    for (size_t i = 0; i < m_readings.size(); ++i) {
        const ReadingBox &item = ReadingBoxes[i];
        auto *caption = new QLabel(tr(item.caption), this);
        auto *box = new QLineEdit(this);
        box->setObjectName(QLatin1String(item.name));
        box->setAccessibleName(tr(item.accessibleName));
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 10);
        caption->setBuddy(box);
        // Only what the user types here is the preview's own; the scene's
        // texts reach the box through the preview.
        connect(box, &QLineEdit::textEdited, this, [this, i](const QString &text) {
            catchUp();
            paintChanged(m_preview.setReading(ScenePreview::Reading(i), text));
            updateStatus();
            schedule();
        });
        readings->addSpacing(6);
        readings->addWidget(caption);
        readings->addWidget(box);
        if (*item.unit)
            readings->addWidget(new QLabel(tr(item.unit), this));
        m_readings[i] = box;
    }
    readings->addSpacing(12);
    auto *sayCaption = new QLabel(tr("Say:"), this);
    readings->addWidget(sayCaption);
    m_say = new QLineEdit(this);
    m_say->setObjectName(QStringLiteral("txtSay"));
    m_say->setAccessibleName(tr("Say"));
    m_say->setAccessibleDescription(
        tr("Type a line and press Enter: the talking mouths move by its syllables, then rest"));
    sayCaption->setBuddy(m_say);
    connect(m_say, &QLineEdit::returnPressed, this, &ScenePreviewWindow::say);
    readings->addWidget(m_say, 1);
    toolbar->addLayout(readings);

    m_picture = new ScenePreviewPicture(&m_preview.frame(), this);
    m_picture->setAccessibleName(tr("Scene preview, 700 by 500"));
    m_picture->setAccessibleDescription(
        tr("The background with every part of the scene, as the companion shows it"));

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setAccessibleName(tr("Preview status"));
    m_status->setContentsMargins(6, 2, 6, 4);
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText); // notes quote what the user typed
    // Room for a note of two lines always, so the window never grows when one appears.
    m_status->setMinimumHeight(m_status->fontMetrics().height() * 2 + 6);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scrPreview"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setWidget(m_picture);
    m_scroll->viewport()->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(toolbar);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(m_status);

    // The window opens with the picture one to one and can then be resized
    // freely: the picture scrolls, or fits the window when asked to.
    m_scroll->setMinimumSize(m_picture->size());
    adjustSize();
    m_scroll->setMinimumSize(160, 120);

    m_paceShown->setText(QStringLiteral("%1 %").arg(m_pace->value()));
}

// ---------------------------------------------------------------------------
// Following the scene and the clock

void ScenePreviewWindow::follow()
{
    // The animations first run up to now, so the new scene starts where they stand.
    catchUp();
    paintChanged(m_preview.setScene(m_editor.record(), m_editor.pictures()));
    mirrorReadings();
    updateStatus();
    schedule();
}

// Lets the animations run up to now, before anything else changes the picture.
void ScenePreviewWindow::catchUp()
{
    paintChanged(m_preview.advanceTo(m_clock.elapsed()));
}

void ScenePreviewWindow::advance()
{
    m_lastTick = m_clock.elapsed();
    catchUp();
    schedule();
}

// The timer waits for the next change of the picture; with nothing moving it
// does not run at all.
void ScenePreviewWindow::schedule()
{
    const qint64 due = m_preview.nextChangeAt();
    if (due < 0) {
        m_timer.stop();
        return;
    }
    // Frames of a few milliseconds (a Speed of 1) are shown at most about 60
    // times a second; the ones in between are skipped, as a screen would.
    constexpr qint64 ShortestTick = 15;
    const qint64 at = std::max(due, m_lastTick + ShortestTick);
    m_timer.start(int(std::clamp<qint64>(at - m_clock.elapsed(), 0, 24 * 3600 * 1000)));
}

void ScenePreviewWindow::paintChanged(const QRegion &changed)
{
    if (!changed.isEmpty())
        m_picture->showChanged(changed);
}

void ScenePreviewWindow::say()
{
    catchUp();
    paintChanged(m_preview.say(m_say->text()));
    // Saying switches the talking on.
    const QSignalBlocker quiet(m_animations[ScenePreview::Talking]);
    m_animations[ScenePreview::Talking]->setChecked(true);
    // The next line typed replaces this one.
    m_say->selectAll();
    schedule();
}

void ScenePreviewWindow::setPace(int percent)
{
    // The time up to now ran at the old pace.
    catchUp();
    m_preview.setPace(percent);
    m_paceShown->setText(QStringLiteral("%1 %").arg(m_preview.pace()));
    schedule();
}

void ScenePreviewWindow::mirrorReadings()
{
    // A damaged scene file can hold a text of millions of characters; a box
    // shows its beginning, which is plenty to see that it is no number.
    constexpr qsizetype LongestShown = 256;
    for (size_t i = 0; i < m_readings.size(); ++i) {
        const QString text = m_preview.reading(ScenePreview::Reading(i)).left(LongestShown);
        if (m_readings[i]->text() != text)
            m_readings[i]->setText(text); // setText is no edit: the reading keeps following
    }
}

void ScenePreviewWindow::updateStatus()
{
    const QString text = m_preview.note().isEmpty() ? m_saved : m_preview.note();
    if (m_status->text() != text)
        m_status->setText(text);
}

// ---------------------------------------------------------------------------
// Zoom

void ScenePreviewWindow::setZoom(Zoom zoom)
{
    m_zoom = zoom;
    if (m_zoomBox->currentIndex() != int(zoom))
        m_zoomBox->setCurrentIndex(int(zoom));
    applyZoom();
}

// + and - step through 1x, 2x and 4x; from Fit, to the next of them beyond the fitted size.
void ScenePreviewWindow::stepZoom(int direction)
{
    const double now = m_picture->scale();
    int next = direction > 0 ? Zoom4 : Zoom1;
    if (direction > 0) {
        for (int i = Zoom4; i >= Zoom1; --i)
            if (ZoomScales[i] > now)
                next = i;
    } else {
        for (int i = Zoom1; i <= Zoom4; ++i)
            if (ZoomScales[i] < now)
                next = i;
    }
    setZoom(Zoom(next));
}

void ScenePreviewWindow::applyZoom()
{
    double scale = 1.0;
    if (m_zoom == ZoomFit) {
        // The viewport without scroll bars: fitted, the picture needs none.
        QSize room = m_scroll->viewport()->size();
        if (m_scroll->verticalScrollBar()->isVisible())
            room.rwidth() += m_scroll->verticalScrollBar()->width();
        if (m_scroll->horizontalScrollBar()->isVisible())
            room.rheight() += m_scroll->horizontalScrollBar()->height();
        scale = std::max(0.1, std::min(double(room.width()) / CanvasPicture::Width,
                                       double(room.height()) / CanvasPicture::Height));
    } else {
        scale = ZoomScales[m_zoom];
    }
    // Zooming keeps the middle of what was shown in the middle.
    QScrollBar *across = m_scroll->horizontalScrollBar();
    QScrollBar *down = m_scroll->verticalScrollBar();
    const double old = m_picture->scale();
    const double middleX = (across->value() + m_scroll->viewport()->width() / 2.0) / old;
    const double middleY = (down->value() + m_scroll->viewport()->height() / 2.0) / old;
    m_picture->setScale(scale);
    across->setValue(int(middleX * scale - m_scroll->viewport()->width() / 2.0));
    down->setValue(int(middleY * scale - m_scroll->viewport()->height() / 2.0));
}

bool ScenePreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (m_scroll && watched == m_scroll->viewport() && event->type() == QEvent::Resize && m_zoom == ZoomFit)
        applyZoom();
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Save Frame

void ScenePreviewWindow::saveFrame()
{
    const QString title = tr("Save Frame");
    // The frame on the screen at the click; the animations go on while the
    // dialog is open.
    const QImage frame = m_preview.frame().copy();
    QString target =
        m_cdl->askSave(tr("PNG Files (*.png)") + QStringLiteral("|*.png"), m_platform.programFolder());
    if (target.isEmpty())
        return;
    // The file is a PNG whatever its name; a bare name gets the extension.
    if (QFileInfo(target).suffix().isEmpty())
        target += QStringLiteral(".png");
    if (!FileQuestions::mayReplace(m_platform, this, title, target))
        return;

    const QString error = SceneRender::writePng(frame, target);
    if (!error.isEmpty()) {
        m_platform.showMessage(this, error, title, Platform::MessageIcon::Critical);
        return;
    }
    m_saved = tr("Frame saved as \"%1\".").arg(QDir::toNativeSeparators(target));
    updateStatus();
}
