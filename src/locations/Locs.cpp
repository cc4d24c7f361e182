#include "Locs.h"

#include "FileDialog.h"
#include "LocsLayout.h"
#include "Platform.h"
#include "ProgramFolder.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {

QString title()
{
    return QStringLiteral("Locations");
}

} // namespace

Locs::Locs(Platform &platform, QWidget *parent)
    : QWidget(parent), m_platform(platform), cdl(platform.createFileDialog(this)),
      m_background(QStringLiteral(":/locations/locs_background.png"))
{
    setObjectName(QStringLiteral("Locs"));
    setWindowTitle(title());
    setFixedSize(LocsLayout::ClientSize);
    // A small font, so that the captions fit the window's narrow boxes and buttons.
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);

    for (int i = 0; i < LocationSettings::Count; ++i) {
        const int n = i + 1;
        auto *label = new QLabel(QStringLiteral("Location %1").arg(n), this);
        label->setObjectName(QStringLiteral("Label%1").arg(n));
        // Places come from the layout table the background picture is painted for.
        label->setGeometry(LocsLayout::rowControl(n, LocsLayout::RowLabel).place);

        auto *image = new QLabel(this);
        image->setObjectName(QStringLiteral("Image%1").arg(n));
        image->setGeometry(LocsLayout::rowControl(n, LocsLayout::RowImage).place);
        image->setFrameShape(QFrame::Box);
        image->setScaledContents(true); // the picture is stretched to the frame
        m_images[i] = image;

        auto *text = new QLineEdit(QStringLiteral("Text1"), this);
        text->setObjectName(QStringLiteral("Text%1").arg(n));
        text->setGeometry(LocsLayout::rowControl(n, LocsLayout::RowText).place);
        m_texts[i] = text;

        auto *open = new QPushButton(QStringLiteral("Open..."), this);
        open->setObjectName(QStringLiteral("Command%1").arg(n));
        open->setGeometry(LocsLayout::rowControl(n, LocsLayout::RowOpen).place);
        connect(open, &QPushButton::clicked, this, [this, n] { openPicture(n); });

        label->lower();
    }

    auto *save = new QPushButton(QStringLiteral("Save Settings"), this);
    save->setObjectName(QStringLiteral("Command6"));
    save->setGeometry(WindowLayout::find(LocsLayout::Controls, "Command6").place);
    connect(save, &QPushButton::clicked, this, &Locs::saveSettings);

    loadSettings();
}

Locs::~Locs() = default;

void Locs::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}

void Locs::loadSettings()
{
    const QString folder = m_platform.programFolder();
    m_settings = LocationSettings::load(folder, &m_readError);
    if (!m_readError.isEmpty()) {
        m_platform.showMessage(this,
                               m_readError +
                                   QStringLiteral("\n\nThe locations start empty, and \"Save Settings\" "
                                                  "will not replace the file."),
                               title(), Platform::MessageIcon::Critical);
    }

    const QString pictures = ProgramFolder::subfolder(folder, QStringLiteral("Locations"));
    for (int i = 0; i < LocationSettings::Count; ++i) {
        // Every location shows its own text, with or without its picture, so
        // that saving writes back what was read. A location without an entry
        // has an empty text.
        m_texts[i]->setText(m_settings.LocationText[i]);
        m_texts[i]->setCursorPosition(0); // the narrow box shows the text's beginning

        const QString &file = m_settings.LocationFile[i];
        if (file.isEmpty() || !QFileInfo(pictures + file).isFile())
            continue; // a missing picture is not an error: the frame stays empty
        const PictureResult result = m_platform.loadPicture(pictures + file);
        if (result.ok()) {
            m_images[i]->setPixmap(QPixmap::fromImage(result.picture.image));
        } else {
            // A picture that cannot be decoded leaves the frame empty without a
            // message at opening; the frame's tool tip tells why, and the file
            // name is kept for saving.
            m_images[i]->setToolTip(result.error);
        }
    }
}

void Locs::openPicture(int n)
{
    // Location pictures are looked for in the "Locations" folder, so the
    // dialog opens there.
    const QString chosen =
        cdl->askOpen(QStringLiteral("Images Files (*.bmp;*.jpg)|*.bmp;*.jpg"),
                     ProgramFolder::subfolder(m_platform.programFolder(), QStringLiteral("Locations")));
    if (chosen.isEmpty())
        return;

    const PictureResult result = m_platform.loadPicture(chosen);
    if (!result.ok()) {
        m_platform.showMessage(
            this, result.error + QStringLiteral("\n\nThe picture of Location %1 is unchanged.").arg(n),
            title(), Platform::MessageIcon::Critical);
        return;
    }
    // Shown from wherever it was chosen; the setting keeps only the name, which
    // is looked for in the "Locations" folder the next time the window opens.
    m_images[n - 1]->setPixmap(QPixmap::fromImage(result.picture.image));
    m_images[n - 1]->setToolTip(QString());
    m_settings.LocationFile[n - 1] = ProgramFolder::fileNameWithoutFolder(chosen);
}

QString Locs::unstorableValueMessage() const
{
    for (int i = 0; i < LocationSettings::Count; ++i) {
        const struct
        {
            QString what;
            const QString &value;
        } values[] = {{QStringLiteral("picture file name"), m_settings.LocationFile[i]},
                      {QStringLiteral("text"), m_settings.LocationText[i]}};
        for (const auto &entry : values) {
            const QString reason = LocationSettings::whyUnstorable(entry.value);
            if (reason.isEmpty())
                continue;
            return QStringLiteral(
                       "The settings were not saved: the %1 of Location %2, \"%3\", holds %4, which "
                       "\"%5\" cannot store.\n\nChange it and save again.")
                .arg(entry.what)
                .arg(i + 1)
                .arg(entry.value, reason, LocationSettings::fileName());
        }
    }
    return QString();
}

void Locs::saveSettings()
{
    for (int i = 0; i < LocationSettings::Count; ++i)
        m_settings.LocationText[i] = m_texts[i]->text();

    QString problem;
    if (!m_readError.isEmpty()) {
        problem =
            QStringLiteral("The settings were not saved, because saving would replace the other settings "
                           "of \"%1\", which could not be read when this window opened:\n%2\n\nClose the "
                           "window and open it again once the file can be read.")
                .arg(LocationSettings::fileName(), m_readError);
    } else {
        problem = unstorableValueMessage();
        if (problem.isEmpty()) {
            const QString error = m_settings.save(m_platform.programFolder());
            if (!error.isEmpty())
                problem = error + QStringLiteral("\n\nThe settings were not saved.");
        }
    }
    if (!problem.isEmpty())
        m_platform.showMessage(this, problem, title(), Platform::MessageIcon::Critical);
}
