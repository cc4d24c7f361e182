#include "MemoryEd.h"

#include "EntryLine.h"

#include "FileDialog.h"
#include "MemoryEdLayout.h"
#include "PersonalityFile.h"
#include "PhraseModule.h"
#include "Platform.h"
#include "ProgramFolder.h"
#include "TextArea.h"
#include "TextFile.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <utility>

namespace {

const QLatin1String kCrLf("\r\n");

QString errorTitle()
{
    return QStringLiteral("Error!!");
}

} // namespace

MemoryEd::MemoryEd(Platform &platform, QWidget *parent)
    : EditorWindow(platform, parent), cdl(platform.createFileDialog(this)),
      m_background(QStringLiteral(":/personality/memoryed_background.png"))
{
    setObjectName(QStringLiteral("MemoryEd"));
    setWindowTitle(QStringLiteral("Personality Editor"));
    setFixedSize(MemoryEdLayout::ClientSize);
    createControls();
    styleControls();

    connect(Command1, &QPushButton::clicked, this, &MemoryEd::loadPersonality);
    connect(Command5, &QPushButton::clicked, this, &MemoryEd::savePersonality);
    connect(Command3, &QPushButton::clicked, this, &MemoryEd::savePersonalityAs);
    connect(Command4, &QPushButton::clicked, this, &MemoryEd::saveQandAAs);
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            showGeneralView();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            showQuestionAnswerView();
    });
    connect(RichTextBox1, &TextArea::textChanged, this, &MemoryEd::keepTextsInStep);
    connect(Text2, &EntryLine::entered, this, &MemoryEd::takeEntryLine);
    Text2->installEventFilter(this);

    // Window load.
    listPersonalities();
    Label3->hide();
}

MemoryEd::~MemoryEd() = default;

void MemoryEd::createControls()
{
    // Places (and the buttons' captions) come from the layout table the
    // background picture is painted for.
    auto place = [this](QWidget *control, const char *name) {
        control->setParent(this);
        control->setObjectName(QLatin1String(name));
        control->setGeometry(WindowLayout::find(MemoryEdLayout::Controls, name).place);
    };
    auto button = [&](const char *name) {
        auto *b = new QPushButton(QLatin1String(WindowLayout::find(MemoryEdLayout::Controls, name).caption));
        place(b, name);
        b->setFocusPolicy(Qt::TabFocus);
        return b;
    };

    RichTextBox1 = new TextArea;
    place(RichTextBox1, "RichTextBox1");
    List1 = new QListWidget;
    place(List1, "List1");
    Command1 = button("Command1");
    Command5 = button("Command5");
    Command3 = button("Command3");
    Command4 = button("Command4");
    // The option buttons and the check box are only as large as their marks;
    // their labels are painted in the background picture.
    Option1 = new QRadioButton;
    place(Option1, "Option1");
    Option1->setChecked(true);
    Option2 = new QRadioButton(QStringLiteral("Question/Answer"));
    place(Option2, "Option2");
    Text2 = new EntryLine;
    place(Text2, "Text2");
    Label3 = new QLabel(QStringLiteral("?"));
    place(Label3, "Label3");
    Check1 = new QCheckBox(QStringLiteral("Use 2nd  Person (You,Your)"));
    place(Check1, "Check1");

    // Tab order follows the way the window is used.
    setTabOrder(List1, Command1);
    setTabOrder(Command1, Option1);
    setTabOrder(Option1, Option2);
    setTabOrder(Option2, RichTextBox1);
    setTabOrder(RichTextBox1, Text2);
    setTabOrder(Text2, Check1);
    setTabOrder(Check1, Command5);
    setTabOrder(Command5, Command3);
    setTabOrder(Command3, Command4);
}

void MemoryEd::styleControls()
{
    // Buttons in RGB(255,192,255); text boxes, the list and the label on
    // RGB(255,227,249).
    setStyleSheet(QStringLiteral(
        "QPushButton { background-color: rgb(255,192,255); color: black; border: 1px solid rgb(150,80,150);"
        " border-radius: 3px; padding: 0px 4px; }"
        "QPushButton:hover { background-color: rgb(255,206,255); }"
        "QPushButton:pressed { background-color: rgb(235,165,235); }"
        "QPushButton:focus { border: 1px solid rgb(90,30,90); }"
        "QPlainTextEdit, QLineEdit, QListWidget { background-color: rgb(255,227,249); color: black;"
        " border: 1px solid rgb(150,80,150); selection-background-color: rgb(190,90,170);"
        " selection-color: white; }"
        "QLabel#Label3 { background-color: rgb(255,227,249); color: black; }"));
    QFont big = Label3->font();
    big.setPointSize(18);
    Label3->setFont(big);
    Label3->setAlignment(Qt::AlignCenter);
}

void MemoryEd::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_background);
}

// The texts.

QString MemoryEd::Memory() const
{
    return m_held == HeldByArea::Memory ? RichTextBox1->text() : m_memory;
}

QString MemoryEd::QandAFile() const
{
    return m_held == HeldByArea::QandAFile ? RichTextBox1->text() : m_qandAFile;
}

void MemoryEd::setMemory(QString text)
{
    m_memory = std::move(text);
    if (m_held == HeldByArea::Memory)
        m_held = HeldByArea::None;
}

void MemoryEd::setQandAFile(QString text)
{
    m_qandAFile = std::move(text);
    if (m_held == HeldByArea::QandAFile)
        m_held = HeldByArea::None;
}

void MemoryEd::keepTextsInStep()
{
    // The text of the shown view becomes the text area's; its own copy is let
    // go, and it is read from the area when it is next needed.
    if (m_view == View::General) {
        m_held = HeldByArea::Memory;
        m_memory.clear();
    } else {
        m_held = HeldByArea::QandAFile;
        m_qandAFile.clear();
    }
}

// Listing and loading.

void MemoryEd::listPersonalities()
{
    List1->clear();
    List1->addItems(PersonalityFile::list(m_platform.programFolder()));
}

void MemoryEd::loadPersonality()
{
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    const QString name = selected.isEmpty() ? QString() : selected.first()->text();
    if (name.isEmpty()) {
        m_personalityName.clear();
        setMemory(QString());
        setQandAFile(QString());
        m_matchWords.clear();
        m_wontSayData.clear();
        return;
    }

    PersonalityFile::ReadResult read = PersonalityFile::read(m_platform.programFolder(), name);
    using Status = PersonalityFile::ReadResult::Status;
    switch (read.status) {
    case Status::QandAMissing:
        showError(
            QStringLiteral("The Personality's .qas file is missing! Unable to load Personality. Sorry!"));
        return;
    case Status::MemoryUnreadable:
    case Status::QandAUnreadable:
        // Nothing in the window changes when a file cannot be read.
        showError(read.error + QStringLiteral("\nUnable to load Personality."));
        return;
    case Status::Loaded:
        break;
    }

    m_personalityName = name;
    m_matchWords.clear();
    m_wontSayData.clear();
    setMemory(std::move(read.memory));
    setQandAFile(std::move(read.qandA));
    GetStoredMatchWords();
    GetWontSayData();
    // A copy, since showing it hands the shown text over to the text area.
    const QString shown = m_view == View::General ? m_memory : m_qandAFile;
    RichTextBox1->setText(shown);
}

void MemoryEd::GetStoredMatchWords()
{
    takeOutSection(m_matchWords, PersonalityFile::kMatchWordsMarker);
}

void MemoryEd::GetWontSayData()
{
    takeOutSection(m_wontSayData, PersonalityFile::kWontSayMarker);
}

void MemoryEd::takeOutSection(QString &section, QLatin1String marker)
{
    // Moved out rather than copied, so that cutting the section out of a large
    // memory text does not copy it first.
    QString memory = m_held == HeldByArea::Memory ? RichTextBox1->text() : std::exchange(m_memory, QString());
    const bool found = PersonalityFile::takeOutSection(memory, section, marker);
    if (found || m_held != HeldByArea::Memory)
        setMemory(std::move(memory));
}

// Saving.

void MemoryEd::savePersonality()
{
    if (m_personalityName.isEmpty())
        return;
    const QString error = PersonalityFile::save(m_platform.programFolder(), m_personalityName, Memory(),
                                                m_matchWords, m_wontSayData, QandAFile());
    if (!error.isEmpty()) {
        showError(error);
        return;
    }
    m_platform.showMessage(this, QStringLiteral("Personality Saved"), QStringLiteral("Personality Saved"),
                           Platform::MessageIcon::None);
}

void MemoryEd::savePersonalityAs()
{
    const QString target = chooseSaveTarget(QStringLiteral("MEM Files (*.mem)|*.mem"));
    if (!target.isEmpty())
        writeExport(target, PersonalityFile::memoryContent(Memory(), m_matchWords, m_wontSayData));
}

void MemoryEd::saveQandAAs()
{
    const QString target = chooseSaveTarget(QStringLiteral("QAS Files (*.qas)|*.qas"));
    if (!target.isEmpty())
        writeExport(target, QandAFile());
}

QString MemoryEd::chooseSaveTarget(const QString &filter)
{
    // Whatever folder the dialog ends in, the file goes into the program
    // folder; the dialog opens there so that the folder shown is the one written.
    const QString folder = m_platform.programFolder();
    const QString chosen = cdl->askSave(filter, folder);
    if (chosen.isEmpty())
        return QString();
    return folder + ProgramFolder::fileNameWithoutFolder(chosen);
}

void MemoryEd::writeExport(const QString &path, const QString &text)
{
    const QString error = TextFile::write(path, text);
    if (!error.isEmpty())
        showError(error);
}

void MemoryEd::showError(const QString &text)
{
    m_platform.showMessage(this, text, errorTitle(), Platform::MessageIcon::Critical);
}

// The views and the entry line.

void MemoryEd::showGeneralView()
{
    if (m_view == View::General)
        return;
    m_view = View::General;
    setQandAFile(RichTextBox1->text());
    const QString memory = m_memory;
    RichTextBox1->setText(memory);
    Label3->hide();
}

void MemoryEd::showQuestionAnswerView()
{
    if (m_view == View::QuestionAnswer)
        return;
    m_view = View::QuestionAnswer;
    m_quest = 0;
    setMemory(RichTextBox1->text());
    const QString qandA = m_qandAFile;
    RichTextBox1->setText(qandA);
    // The caption stays as it was: it may still show "!" from an unanswered
    // question although a question comes next.
    Label3->show();
}

bool MemoryEd::eventFilter(QObject *watched, QEvent *event)
{
    // Every key released in the entry line keeps the texts in step, before an
    // Enter takes the line (EntryLine::entered follows this filter).
    if (watched == Text2 && event->type() == QEvent::KeyRelease &&
        !static_cast<QKeyEvent *>(event)->isAutoRepeat())
        keepTextsInStep();
    return EditorWindow::eventFilter(watched, event);
}

void MemoryEd::takeEntryLine()
{
    m_inText = Text2->text();
    if (m_view == View::General) {
        if (Check1->isChecked())
            PhraseModule::SwapPerson(m_inText);
        // Appending leaves the text before it as it is: the same as setting the
        // old text followed by the line, without rebuilding the whole area.
        RichTextBox1->appendText(m_inText + kCrLf + kCrLf);
        RichTextBox1->moveCaretToEnd();
        Text2->clear();
    } else if (m_quest == 1) {
        RichTextBox1->appendText(m_inText + QLatin1Char('%'));
        RichTextBox1->moveCaretToEnd();
        m_quest = 0;
        Text2->clear();
        Label3->setText(QStringLiteral("?"));
    } else {
        if (Check1->isChecked())
            PhraseModule::SwapPerson(m_inText);
        RichTextBox1->appendText(QStringLiteral("\r\n#") + m_inText + QLatin1Char('&'));
        RichTextBox1->moveCaretToEnd();
        m_quest = 1;
        Text2->clear();
        Label3->setText(QStringLiteral("!"));
    }
}
