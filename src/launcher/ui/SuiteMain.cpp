// SPDX-License-Identifier: GPL-3.0-or-later
#include "SuiteMain.h"

#include "EditorWindow.h"
#include "HelpPage.h"
#include "KBEd.h"
#include "KitFile.h"
#include "Locs.h"
#include "MemoryEd.h"
#include "PictureButton.h"
#include "Platform.h"
#include "ProgramFolder.h"
#include "RecoveryRecord.h"
#include "SuiteMainLayout.h"
#include "TestChatOpener.h"

#include <QCoreApplication>
#include <QPainter>
#include <QResource>
#include <QtEndian>

#include <functional>
#include <type_traits>
#include <utility>

namespace {

QString title()
{
    return QStringLiteral("Mindloom 2G");
}

// Shows a window without blocking, restored if it was minimised, in front.
void bringForward(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

// The background as the resource holds it: an uncompressed 24-bit bitmap,
// taken straight from the program's own memory. The general reader costs
// about a quarter of the launcher's start-up for it; any other form of the
// picture still goes through that reader.
QPixmap background(const QString &path)
{
    const QResource resource(path);
    const uchar *file = resource.data();
    constexpr qint64 HeaderSize = 54;
    if (resource.compressionAlgorithm() != QResource::NoCompression || resource.size() < HeaderSize ||
        file[0] != 'B' || file[1] != 'M')
        return QPixmap(path);
    const quint32 offset = qFromLittleEndian<quint32>(file + 10);
    const quint32 infoSize = qFromLittleEndian<quint32>(file + 14);
    const qint32 width = qFromLittleEndian<qint32>(file + 18);
    const qint32 height = qFromLittleEndian<qint32>(file + 22);
    const quint16 bits = qFromLittleEndian<quint16>(file + 28);
    const quint32 compression = qFromLittleEndian<quint32>(file + 30);
    const qint64 rowBytes = (qint64(width) * 3 + 3) / 4 * 4;
    // Rows stored bottom-up, without compression or colour table.
    if (infoSize != 40 || bits != 24 || compression != 0 || width <= 0 || height <= 0 ||
        offset < HeaderSize || offset + rowBytes * height > resource.size())
        return QPixmap(path);
    // One pass, blue-green-red bytes to 0xffRRGGBB: the toolkit's own
    // conversion spreads a picture this size over worker threads. Read as a
    // little-endian word, a pixel's three bytes are already in place; the
    // fourth byte belongs to the next pixel, so a row's last pixel, which may
    // end the file, is put together byte by byte.
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const uchar *from = file + offset + rowBytes * (height - 1 - y);
        auto *to = reinterpret_cast<QRgb *>(image.scanLine(y));
        const int last = width - 1;
        for (int x = 0; x < last; ++x, from += 3)
            to[x] = 0xff000000u | qFromLittleEndian<quint32>(from);
        to[last] = 0xff000000u | from[0] | (QRgb(from[1]) << 8) | (QRgb(from[2]) << 16);
    }
    return QPixmap::fromImage(std::move(image));
}

} // namespace

// Creates the window on first use and shows it without blocking; an existing
// one is brought forward as it is. The window has no parent, so it stays open
// when the launcher closes, and it is destroyed when it is closed. An editor's
// Ctrl+L brings the launcher back, also after the launcher was closed.
template <class Window> void SuiteMain::showOne(QPointer<Window> &window)
{
    if (!window) {
        window = new Window(m_platform);
        window->setAttribute(Qt::WA_DeleteOnClose);
        // A window still open when the program quits is deleted with it.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, &QObject::deleteLater);
        if constexpr (std::is_base_of_v<EditorWindow, Window>)
            connect(window, &EditorWindow::launcherRequested, this, [this] { bringForward(this); });
        // The editors' texts are what the Test Chat reads.
        if constexpr (std::is_same_v<Window, MemoryEd> || std::is_same_v<Window, KBEd>)
            m_testChat->follow(window.data());
    }
    bringForward(window);
}

bool SuiteMain::recover(const RecoveryRecord &record)
{
    if (record.kind == RecoveryKind::Personality) {
        showOne(m_memoryEd);
        return m_memoryEd->recover(record);
    }
    if (record.kind == RecoveryKind::KnowledgeBase) {
        showOne(m_kbEd);
        return m_kbEd->recover(record);
    }
    if (record.kind == RecoveryKind::Locations) {
        showOne(m_locs);
        return m_locs->recover(record);
    }
    return false;
}

void SuiteMain::openFile(const QString &file)
{
    switch (KitFile::kind(file)) {
    case KitFile::Kind::KnowledgeBase:
        showOne(m_kbEd);
        m_kbEd->openKBase(file);
        break;
    case KitFile::Kind::Personality:
        showOne(m_memoryEd);
        m_memoryEd->openPersonality(KitFile::personalityEntry(file));
        break;
    case KitFile::Kind::Settings:
        showOne(m_locs);
        break;
    case KitFile::Kind::None:
        break;
    }
}

SuiteMain::SuiteMain(Platform &platform, QWidget *parent) : QWidget(parent), m_platform(platform)
{
    QStringList labels;
    for (int n = 1; n <= 4; ++n)
        labels << QStringLiteral(":/launcher/picture%1_label.png").arg(n);
    // Decoded while the background is made and the window built and shown;
    // the buttons take them at their first paint.
    platform.expectPictures(labels);
    // Stored uncompressed: decoding a PNG took longer than the rest of the
    // window's start-up.
    m_background = background(QStringLiteral(":/launcher/suitemain_background.bmp"));

    setObjectName(QStringLiteral("SuiteMain"));
    setWindowTitle(title());
    setFixedSize(SuiteMainLayout::ClientSize);
    m_testChat = new TestChatOpener(platform, this, [this](const QString &file) { openFile(file); });
    HelpPage::addKey(platform, this, QStringLiteral("Mindloom.htm"));

    // The screen reader names each picture by what it opens; the label
    // images say the same.
    const struct
    {
        const char *name;
        const char *description;
        std::function<void()> action;
    } buttons[] = {
        {QT_TR_NOOP("Scene Composer"), QT_TR_NOOP("Starts the scene composer."),
         [this] { startFrameloft(); }},
        {QT_TR_NOOP("Knowledge Base"), QT_TR_NOOP("Shows the Knowledge Base Editor."),
         [this] { showOne(m_kbEd); }},
        {QT_TR_NOOP("Personality"), QT_TR_NOOP("Shows the Personality Editor."),
         [this] { showOne(m_memoryEd); }},
        // The way in to the Locations window, in the style of the other three.
        {QT_TR_NOOP("Locations"), QT_TR_NOOP("Shows the Locations window."), [this] { showOne(m_locs); }},
    };
    QWidget *previous = nullptr;
    for (int i = 0; i < 4; ++i) {
        const int n = i + 1;
        auto *button = new PictureButton(platform, labels[i], this);
        button->setObjectName(QStringLiteral("Picture%1").arg(n));
        // In the slots the background picture paints at the same places.
        button->setGeometry(SuiteMainLayout::Controls[i].place);
        button->setAccessibleName(tr(buttons[i].name));
        button->setAccessibleDescription(tr(buttons[i].description));
        connect(button, &PictureButton::clicked, this, buttons[i].action);
        if (previous)
            setTabOrder(previous, button);
        previous = button;
    }
}

SuiteMain::~SuiteMain() = default;

QString SuiteMain::frameloftPath() const
{
#ifdef Q_OS_WIN
    const QString program = QStringLiteral("Frameloft.exe");
#else
    const QString program = QStringLiteral("Frameloft");
#endif
    return ProgramFolder::withTrailingSeparator(m_platform.executableFolder()) + program;
}

void SuiteMain::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}

void SuiteMain::reportDataFolder(const QString &problem)
{
    if (!problem.isEmpty())
        m_platform.showMessage(this, problem, tr("Data Folder"), Platform::MessageIcon::Critical);
}

void SuiteMain::startFrameloft()
{
    // Each click starts one more composer; the launcher does not wait for it.
    // The composer works in the launcher's folder, whichever that is.
    const QString program = frameloftPath();
    if (!m_platform.startProcess(program, {QStringLiteral("--folder"), m_platform.programFolder()})) {
        m_platform.showMessage(this,
                               tr("The scene composer could not be started from \"%1\".\n\nCheck that "
                                  "it is installed in the same folder as Mindloom.")
                                   .arg(program),
                               title(), Platform::MessageIcon::Critical);
    }
}
