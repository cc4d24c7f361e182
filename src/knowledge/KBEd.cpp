#include "KBEd.h"

#include "EntryLine.h"

#include "FileDialog.h"
#include "KBEdLayout.h"
#include "Platform.h"
#include "ProgramFolder.h"
#include "TextArea.h"
#include "TextFile.h"
#include "WrappingButton.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

const char *const kStyle = R"(
QPushButton {
    font-size: 8pt;
    color: #5a3422;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff4e8, stop:1 #f7d9bd);
    border: 1px solid #b98460;
    border-radius: 4px;
    padding: 0px 2px;
}
QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fffaf3, stop:1 #fbe5cf); }
QPushButton:pressed { background: #eec4a0; }
QPushButton:focus { border: 1px solid #8a5634; }
QPushButton:disabled { color: #b3a093; background: #f3e8de; border-color: #d6c2b2; }
QPushButton#Command5 { font-weight: bold; color: #fff8f0; background: #d9795e; border-color: #a8503a; }
QPushButton#Command5:hover { background: #e48a6f; }
QPushButton#Command5:pressed { background: #c0634a; }
QPlainTextEdit, QLineEdit {
    font-size: 10pt;
    color: #3d2b22;
    background: #fffcf7;
    selection-background-color: #f2b48f;
    selection-color: #2c1d16;
    border: 1px solid #c49a7a;
    border-radius: 3px;
}
QPlainTextEdit:focus, QLineEdit:focus { border: 1px solid #9a6240; }
QLabel { font-size: 8pt; color: #6d3a24; background: transparent; }
QLabel#Label1 { font-style: italic; padding-left: 3px; }
QLabel#Label2 { font-weight: bold; }
)";

// Each slice of the split (cutting and appending) aims at this much time, so
// the window handles its events many times a second, STOP included, while
// large slices keep the fixed cost per append small. The first slice of a run
// has no measurement yet and takes a fixed number of characters.
constexpr double kSliceNs = 10e6;
constexpr qsizetype kFirstSliceChars = 64 * 1024;
constexpr qsizetype kMinSliceChars = 1024;
constexpr qsizetype kMaxSliceChars = 32 * 1024 * 1024;

const QString kKbaFilter = QStringLiteral("KBA Files (*.kba)|*.kba");

// Places come from the layout table the background picture is painted for.
QRect placeOf(const char *name)
{
    return WindowLayout::find(KBEdLayout::Controls, name).place;
}

QPushButton *makeButton(QPushButton *button, const char *name)
{
    button->setObjectName(QLatin1String(name));
    button->setGeometry(placeOf(name));
    button->setAutoDefault(false);
    return button;
}

QLabel *makeLabel(QWidget *parent, const char *name, Qt::Alignment alignment)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(placeOf(name));
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

// The split grows the text area's document by many megabytes in small steps,
// and the document grows its buffers by reallocation. glibc raises its mmap
// threshold to the largest block freed so far (a file read whole, a batch of
// sentences), after which every growth of a multi-megabyte buffer is a copy into
// fresh heap pages that stalls the window for 100 ms and more. A fixed threshold
// keeps large blocks mapped, where growing them remaps instead of copying.
void keepLargeBlocksMapped()
{
#if defined(__GLIBC__)
    static const bool once = mallopt(M_MMAP_THRESHOLD, 128 * 1024) != 0;
    Q_UNUSED(once);
#endif
}

} // namespace

KBEd::KBEd(Platform &platform, QWidget *parent)
    : QWidget(parent), m_platform(platform), cdl(platform.createFileDialog(this)),
      m_splitTimer(new QTimer(this)), m_background(QStringLiteral(":/knowledge/kbed_background.png"))
{
    setObjectName(QStringLiteral("KBEd"));
    setWindowTitle(QStringLiteral("Knowledge Base Editor"));
    setFixedSize(KBEdLayout::ClientSize);
    keepLargeBlocksMapped();
    setStyleSheet(QLatin1String(kStyle));

    RichTextBox1 = new TextArea(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setGeometry(placeOf("RichTextBox1"));

    Text2 = new EntryLine(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(placeOf("Text2"));
    connect(Text2, &EntryLine::entered, this, &KBEd::addEntry);

    Command4 = makeButton(new QPushButton(QStringLiteral("New KBase..."), this), "Command4");
    Command1 = makeButton(new QPushButton(QStringLiteral("Load KBase..."), this), "Command1");
    Command2 = makeButton(new QPushButton(QStringLiteral("Save KBase..."), this), "Command2");
    Command3 = makeButton(new WrappingButton(QStringLiteral("Read From Text File"), this), "Command3");
    Command5 = makeButton(new QPushButton(QStringLiteral("STOP"), this), "Command5");
    Command5->hide();

    // The two labels overlap by a few pixels; they lie beneath the buttons.
    Label1 = makeLabel(this, "Label1", Qt::AlignLeft);
    Label2 = makeLabel(this, "Label2", Qt::AlignRight);
    Label1->lower();
    Label2->lower();

    setTabOrder(Text2, RichTextBox1);
    setTabOrder(RichTextBox1, Command4);
    setTabOrder(Command4, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command5);
    Text2->setFocus();

    connect(Command4, &QPushButton::clicked, this, &KBEd::newKBase);
    connect(Command1, &QPushButton::clicked, this, &KBEd::loadKBase);
    connect(Command2, &QPushButton::clicked, this, &KBEd::saveKBase);
    connect(Command3, &QPushButton::clicked, this, &KBEd::readFromTextFile);
    connect(Command5, &QPushButton::clicked, this, &KBEd::endSplit);

    // The split goes on from a zero timer rather than a nested event loop, so
    // that whatever the window's events do (closing and deleting the window
    // included) happens between two slices and never under a running one.
    m_splitTimer->setInterval(0);
    connect(m_splitTimer, &QTimer::timeout, this, &KBEd::splitSlice);
}

KBEd::~KBEd() = default;

bool KBEd::isSplitting() const
{
    return m_splitting;
}

void KBEd::newKBase()
{
    RichTextBox1->setText(QString());
}

void KBEd::loadKBase()
{
    const bool held = holdSplit();
    // Knowledge bases are saved into the program folder, so that is where
    // the dialog looks for them.
    const QString chosen = cdl->askOpen(kKbaFilter, m_platform.programFolder());
    if (!chosen.isEmpty()) {
        const TextFile::ReadResult file = TextFile::read(chosen);
        if (file.ok())
            RichTextBox1->setText(file.text);
        else
            showError(file.error, QStringLiteral("Load KBase"));
    }
    resumeSplit(held);
}

void KBEd::saveKBase()
{
    const bool held = holdSplit();
    const QString folder = m_platform.programFolder();
    const QString chosen = cdl->askSave(kKbaFilter, folder);
    if (!chosen.isEmpty()) {
        // Knowledge bases live in the program folder: the folder chosen in the
        // dialog is ignored and the name is used as typed.
        const QString path = folder + ProgramFolder::fileNameWithoutFolder(chosen);
        const QString error = TextFile::write(path, RichTextBox1->text());
        if (!error.isEmpty())
            showError(error, QStringLiteral("Save KBase"));
    }
    resumeSplit(held);
}

void KBEd::readFromTextFile()
{
    // The button is disabled while a split runs, so a second split never starts
    // on top of the first.
    if (m_splitting)
        return;
    const QString chosen = cdl->askOpen(QStringLiteral("Text Files (*.txt)|*.txt"));
    if (!chosen.isEmpty()) {
        TextFile::ReadResult file = TextFile::read(chosen);
        if (!file.ok()) {
            showError(file.error, QStringLiteral("Read From Text File"));
            return;
        }
        TextData = std::move(file.text);
    }
    // A cancelled dialog still empties the area and splits the text read last.
    RichTextBox1->setText(QString());
    GetFacts();
}

void KBEd::addEntry()
{
    RichTextBox1->appendText(Text2->text() + SentenceSplitter::factEnd());
    RichTextBox1->moveCaretToEnd();
    Text2->clear();
}

void KBEd::GetFacts()
{
    m_splitTimer->stop();
    m_splitter = SentenceSplitter(TextData);
    m_nsPerChar = 0;
    m_splitting = true;
    Command3->setEnabled(false);
    Command5->show();
    Label1->setText(QStringLiteral("Working..."));
    splitSlice();
    if (m_splitting)
        m_splitTimer->start();
}

void KBEd::splitSlice()
{
    QElapsedTimer clock;
    clock.start();
    const qsizetype chars = m_nsPerChar > 0
                                ? qBound(kMinSliceChars, qsizetype(kSliceNs / m_nsPerChar), kMaxSliceChars)
                                : kFirstSliceChars;
    m_batch.truncate(0);
    // The run ends in the slice that finds no sentence, so the percentage of
    // the last sentences stays on show until the window has handled its events.
    if (m_splitter.appendFacts(&m_batch, chars) == 0) {
        endSplit();
        return;
    }
    RichTextBox1->appendText(m_batch);
    Label1->setText(QStringLiteral("Working..."));
    Label2->setText(
        QString::number(SentenceSplitter::percentage(RichTextBox1->textLength(), TextData.size())) +
        QLatin1Char('%'));
    const double nsPerChar = double(clock.nsecsElapsed()) / double(m_batch.size());
    m_nsPerChar = m_nsPerChar > 0 ? (m_nsPerChar + nsPerChar) / 2 : nsPerChar;
}

void KBEd::endSplit()
{
    m_splitTimer->stop();
    m_splitting = false;
    m_splitter = SentenceSplitter();
    m_batch = QString();
    Label1->clear();
    Label2->clear();
    Command5->hide();
    Command3->setEnabled(true);
}

bool KBEd::holdSplit()
{
    const bool held = m_splitTimer->isActive();
    m_splitTimer->stop();
    return held;
}

void KBEd::resumeSplit(bool held)
{
    if (held && m_splitting)
        m_splitTimer->start();
}

void KBEd::showError(const QString &text, const QString &title)
{
    m_platform.showMessage(this, text, title, Platform::MessageIcon::Critical);
}

void KBEd::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_background);
}

void KBEd::closeEvent(QCloseEvent *event)
{
    // Closing discards the document; a running split ends with it.
    if (m_splitting)
        endSplit();
    QWidget::closeEvent(event);
}
