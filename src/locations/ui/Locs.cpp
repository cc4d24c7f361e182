// SPDX-License-Identifier: GPL-3.0-or-later
#include "Locs.h"

#include "DocumentRecovery.h"
#include "FileDialog.h"
#include "FileQuestions.h"
#include "LineBox.h"
#include "LineSpelling.h"
#include "LocationSettings.h"
#include "LocationsDocument.h"
#include "LocsLayout.h"
#include "Platform.h"
#include "ProgramFolder.h"
#include "RecoveryQuestions.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

namespace {

QString title()
{
    return QCoreApplication::translate("Locs", "Locations");
}

// The caption of an "Open..." button: the one in the row that has the focus
// carries the mnemonic, so Alt+O opens that row's picture and no other.
QString openCaption(bool withMnemonic)
{
    return withMnemonic ? QCoreApplication::translate("Locs", "&Open...")
                        : QCoreApplication::translate("Locs", "Open...");
}

} // namespace

static_assert(LocationsDocument::Count == LocsLayout::Rows, "one row of controls per location");

Locs::Locs(Platform &platform, QWidget *parent)
    : EditorWindow(platform, parent), m_document(std::make_unique<LocationsDocument>()),
      cdl(platform.createFileDialog(this)), m_background(QStringLiteral(":/locations/locs_background.png"))
{
    setObjectName(QStringLiteral("Locs"));
    setWindowTitle(title());
    setFixedSize(LocsLayout::ClientSize);
    // A small font, so that the captions fit the window's narrow boxes and buttons.
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);

    QWidget *previous = nullptr;
    for (int i = 0; i < LocationsDocument::Count; ++i) {
        const int n = i + 1;
        // Alt+n goes to the row's text; the digit is underlined, no "&" shows.
        auto *label = new QLabel(tr("Location &%1").arg(n), this);
        label->setObjectName(QStringLiteral("Label%1").arg(n));
        // Places come from the layout table the background picture is painted for.
        label->setGeometry(LocsLayout::rowControl(n, LocsLayout::RowLabel).place);

        auto *image = new QLabel(this);
        image->setObjectName(QStringLiteral("Image%1").arg(n));
        image->setGeometry(LocsLayout::rowControl(n, LocsLayout::RowImage).place);
        image->setFrameShape(QFrame::Box);
        image->setScaledContents(true); // the picture is stretched to the frame
        image->setAlignment(Qt::AlignCenter);
        image->setWordWrap(true);
        image->setAccessibleName(tr("Location %1 picture").arg(n));
        m_images[i] = image;

        auto *text = new LineBox(this);
        text->setObjectName(QStringLiteral("Text%1").arg(n));
        text->setGeometry(LocsLayout::rowControl(n, LocsLayout::RowText).place);
        text->setAccessibleName(tr("Location %1 text").arg(n));
        text->setAccessibleDescription(tr("The text shown with the picture of Location %1.").arg(n));
        // The box's text, not the edit's: a pasted text is down to its first
        // line by now.
        connect(text, &LineBox::textEdited, this, [this, n, text] { m_document->setText(n, text->text()); });
        label->setBuddy(text);
        new LineSpelling(text, platform);
        m_texts[i] = text;

        auto *open = new QPushButton(openCaption(false), this);
        open->setObjectName(QStringLiteral("Command%1").arg(n));
        open->setGeometry(LocsLayout::rowControl(n, LocsLayout::RowOpen).place);
        open->setAutoDefault(false);
        open->setAccessibleName(tr("Open Location %1 picture").arg(n));
        open->setAccessibleDescription(tr("Chooses the picture of Location %1 (Alt+O in its row).").arg(n));
        connect(open, &QPushButton::clicked, this, [this, n] { openPicture(n); });
        m_opens[i] = open;

        label->lower();
        for (QWidget *control : {static_cast<QWidget *>(text), static_cast<QWidget *>(open)}) {
            if (previous)
                setTabOrder(previous, control);
            previous = control;
        }
    }

    auto *save = new QPushButton(tr("&Save Settings"), this);
    save->setObjectName(QStringLiteral("Command6"));
    save->setGeometry(WindowLayout::find(LocsLayout::Controls, "Command6").place);
    save->setAutoDefault(false);
    save->setAccessibleDescription(tr("Writes the five locations into Options.Cfg (Ctrl+S)."));
    connect(save, &QPushButton::clicked, this, &Locs::saveSettings);
    setTabOrder(previous, save);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated, this,
            &Locs::saveSettings);

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { followFocus(now); });
    followFocus(m_texts[0]);
    m_texts[0]->setFocus();

    loadSettings();

    m_recovery = std::make_unique<DocumentRecovery>(
        DocumentRecovery::Document{RecoveryKind::Locations, [this] { return m_document->recoveryTexts(); },
                                   [this] { return m_document->modified(); },
                                   [this] { return m_document->settingsFile(); }},
        nullptr);
    m_recovery->follow(m_document.get(), &LocationsDocument::contentChanged,
                       &LocationsDocument::modifiedChanged);
    connect(this, &EditorWindow::closedByUser, m_recovery.get(), &DocumentRecovery::closed);
}

bool Locs::recover(const RecoveryRecord &record)
{
    if (!mayDiscardWork())
        return false;
    loadSettings();
    m_document->restore(record);
    m_recovery->takeRecovered(record);
    showLocations();
    return true;
}

Locs::~Locs()
{
    // The focus moves while the controls go; this window no longer follows it.
    disconnect(qApp, nullptr, this, nullptr);
}

void Locs::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}

bool Locs::hasUnsavedWork() const
{
    return m_document->modified();
}

bool Locs::saveWork()
{
    return saveSettings();
}

QString Locs::unsavedWorkQuestion() const
{
    return tr("The locations have changed. Save them in Options.Cfg?");
}

void Locs::followFocus(QWidget *now)
{
    for (int i = 0; i < LocationsDocument::Count; ++i) {
        if (now == m_texts[i] || now == m_opens[i]) {
            for (int j = 0; j < LocationsDocument::Count; ++j)
                m_opens[j]->setText(openCaption(j == i));
            return;
        }
    }
}

void Locs::loadSettings()
{
    const QString error = m_document->load(m_platform.programFolder());
    if (!error.isEmpty()) {
        m_platform.showMessage(
            this,
            error + tr("\n\nThe locations start empty, and \"Save Settings\" will not replace the file."),
            title(), Platform::MessageIcon::Critical);
    }
    showLocations();
}

void Locs::showLocations()
{
    for (int n = 1; n <= LocationsDocument::Count; ++n) {
        // Every location shows its own text, with or without its picture, so
        // that saving writes back what was read. A location without an entry
        // has an empty text.
        LineBox *text = m_texts[n - 1];
        text->setText(m_document->text(n));
        text->setCursorPosition(0); // the narrow box shows the text's beginning

        QLabel *image = m_images[n - 1];
        image->clear();
        image->setToolTip(QString());
        if (m_document->file(n).isEmpty())
            continue; // names no picture: the frame stays empty
        if (m_document->pictureMissing(n)) {
            showNoPicture(n, tr("The picture %1 is not in the Locations folder.").arg(m_document->file(n)));
            continue;
        }
        // A picture that cannot be decoded is reported on its frame, not in a
        // message at opening; the file name is kept for saving.
        const PictureResult result = m_platform.loadPicture(m_document->picturePath(n));
        if (result.ok())
            m_images[n - 1]->setPixmap(QPixmap::fromImage(result.picture.image));
        else
            showNoPicture(n, result.error);
    }
}

void Locs::showNoPicture(int n, const QString &why)
{
    // The frame names the picture it cannot show, and says why on hovering.
    QLabel *image = m_images[n - 1];
    image->setText(m_document->file(n));
    image->setToolTip(why);
    image->setAccessibleDescription(why);
}

void Locs::openPicture(int n)
{
    // Location pictures are looked for in the "Locations" folder, so the
    // dialog opens there.
    const QString folder = m_document->picturesFolder();
    const QString chosen =
        cdl->askOpen(tr("Images Files (*.bmp;*.jpg)") + QStringLiteral("|*.bmp;*.jpg"), folder);
    if (chosen.isEmpty())
        return;

    const PictureResult result = m_platform.loadPicture(chosen);
    if (!result.ok()) {
        m_platform.showMessage(this, result.error + tr("\n\nThe picture of Location %1 is unchanged.").arg(n),
                               title(), Platform::MessageIcon::Critical);
        return;
    }
    // A name the setting cannot hold is refused before anything is copied.
    const QString name = ProgramFolder::fileNameWithoutFolder(chosen);
    const QString why = LocationSettings::whyUnstorableName(name);
    if (!why.isEmpty()) {
        m_platform.showMessage(this,
                               tr("The name \"%1\" cannot be stored in %2: it holds %3. Rename the "
                                  "picture and open it again. Nothing was copied.")
                                   .arg(name, LocationSettings::fileName(), why),
                               title(), Platform::MessageIcon::Critical);
        return;
    }
    // The setting keeps only the name, which is looked for in the "Locations"
    // folder the next time the window opens: a picture from elsewhere is
    // copied there when the user agrees.
    const FileQuestions::PlacedPicture placed =
        FileQuestions::placePicture(m_platform, this, title(), chosen, folder, QStringLiteral("Locations"));
    if (!placed.ok)
        return;
    m_document->setFile(n, placed.name);
    QLabel *image = m_images[n - 1];
    image->setPixmap(QPixmap::fromImage(result.picture.image));
    image->setToolTip(QString());
    image->setAccessibleDescription(placed.name);
}

bool Locs::saveSettings()
{
    if (!RecoveryQuestions::maySaveOver(m_platform, this, title(), m_recovery.get(),
                                        m_document->settingsFile()))
        return false;
    const QString problem = m_document->save();
    if (!problem.isEmpty()) {
        m_platform.showMessage(this, problem, title(), Platform::MessageIcon::Critical);
        return false;
    }
    return true;
}
