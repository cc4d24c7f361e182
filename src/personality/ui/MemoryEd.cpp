// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryEd.h"

#include "CaptionTarget.h"
#include "DocumentRecovery.h"
#include "EntryLine.h"
#include "FileDialog.h"
#include "FileQuestions.h"
#include "LineSpelling.h"
#include "MemoryEdLayout.h"
#include "PersonalityFile.h"
#include "Platform.h"
#include "ProgramFolder.h"
#include "RecoveryQuestions.h"
#include "SpellingUnderline.h"
#include "TextArea.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>

namespace {

using View = PersonalityDocument::View;

QString errorTitle()
{
    return MemoryEd::tr("Error!!");
}

// Places come from the layout table the background picture is painted for.
QRect placeOf(const char *name)
{
    return WindowLayout::find(MemoryEdLayout::Controls, name).place;
}

// Read when asked, so that they follow the language of the session.
QString memoryFilter()
{
    return MemoryEd::tr("MEM Files (*.mem)") + QStringLiteral("|*.mem");
}

QString qandAFilter()
{
    return MemoryEd::tr("QAS Files (*.qas)") + QStringLiteral("|*.qas");
}

} // namespace

MemoryEd::MemoryEd(Platform &platform, QWidget *parent)
    : EditorWindow(platform, parent), cdl(platform.createFileDialog(this)),
      m_background(QStringLiteral(":/personality/memoryed_background.png"))
{
    setObjectName(QStringLiteral("MemoryEd"));
    setWindowTitle(tr("Personality Editor"));
    setFixedSize(MemoryEdLayout::ClientSize);
    createControls();
    createKeys();
    styleControls();
    translatePaintedCaptions();
    RichTextBox1->showDocument(m_document.shownText());

    connect(Command1, &QPushButton::clicked, this, &MemoryEd::loadPersonality);
    connect(Command5, &QPushButton::clicked, this, &MemoryEd::savePersonality);
    connect(Command3, &QPushButton::clicked, this, &MemoryEd::savePersonalityAs);
    connect(Command4, &QPushButton::clicked, this, &MemoryEd::saveQandAAs);
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_document.setView(View::General);
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_document.setView(View::QuestionAnswer);
    });
    connect(Check1, &QCheckBox::toggled, this, [this](bool on) { m_document.setSecondPerson(on); });
    connect(Text2, &EntryLine::entered, this, &MemoryEd::takeEntryLine);

    connect(&m_document, &PersonalityDocument::viewChanged, this, &MemoryEd::showState);
    connect(&m_document, &PersonalityDocument::entryStateChanged, this, &MemoryEd::showState);
    connect(&m_document, &PersonalityDocument::shownTextReplaced, this,
            [this] { RichTextBox1->moveCursor(QTextCursor::Start); });

    // The personality's own name and its MatchWords are no misspellings.
    auto *textSpelling = new SpellingUnderline(RichTextBox1, platform);
    auto *lineSpelling = new LineSpelling(Text2, platform);
    const auto followExceptions = [this, textSpelling, lineSpelling] {
        const SpellingExceptions exceptions = SpellingExceptions::of({PersonalityName(), MatchWords()});
        textSpelling->setExceptions(exceptions);
        lineSpelling->setExceptions(exceptions);
    };
    connect(&m_document, &PersonalityDocument::shownTextReplaced, this, followExceptions);
    connect(&m_document, &PersonalityDocument::modifiedChanged, this, followExceptions);
    m_recovery = std::make_unique<DocumentRecovery>(
        DocumentRecovery::Document{RecoveryKind::Personality, [this] { return m_document.recoveryTexts(); },
                                   [this] { return m_document.modified(); },
                                   [this] { return m_document.memoryFile(m_platform.programFolder()); }},
        nullptr);
    m_recovery->follow(&m_document, &PersonalityDocument::contentChanged,
                       &PersonalityDocument::modifiedChanged);
    connect(this, &EditorWindow::closedByUser, m_recovery.get(), &DocumentRecovery::closed);

    // Window load.
    listPersonalities();
    showState();
}

bool MemoryEd::recover(const RecoveryRecord &record)
{
    if (!mayDiscardWork())
        return false;
    m_document.restore(record.texts);
    m_recovery->takeRecovered(record);
    return true;
}

MemoryEd::~MemoryEd()
{
    // The document goes before the area that shows it.
    RichTextBox1->showDocument(nullptr);
}

void MemoryEd::createControls()
{
    // Places come from the layout table the background picture is painted for.
    auto place = [this](QWidget *control, const char *name) {
        control->setParent(this);
        control->setObjectName(QLatin1String(name));
        control->setGeometry(placeOf(name));
    };
    // The captions carry their mnemonics: the letter is underlined, no "&"
    // shows, and none clashes with another or with Alt+G, Alt+Q and Alt+U of
    // the painted captions.
    auto button = [&](const char *name, const char *caption) {
        auto *b = new QPushButton(tr(caption));
        place(b, name);
        b->setFocusPolicy(Qt::TabFocus);
        return b;
    };

    RichTextBox1 = new TextArea;
    place(RichTextBox1, "RichTextBox1");
    List1 = new QListWidget;
    place(List1, "List1");
    Command1 = button("Command1", QT_TR_NOOP("&Load Personality"));
    Command5 = button("Command5", QT_TR_NOOP("&Save Personality"));
    Command3 = button("Command3", QT_TR_NOOP("Save &Personality As..."));
    Command4 = button("Command4", QT_TR_NOOP("Save Q/A &As..."));
    // The option buttons and the check box are only as large as their marks;
    // their labels are painted in the background picture beside them, and a
    // click on a painted label clicks its control.
    Option1 = new QRadioButton;
    place(Option1, "Option1");
    Option1->setChecked(true);
    Option2 = new QRadioButton(tr("Question/Answer"));
    place(Option2, "Option2");
    Text2 = new EntryLine;
    place(Text2, "Text2");
    Label3 = new QLabel(QStringLiteral("?"));
    place(Label3, "Label3");
    Check1 = new QCheckBox(tr("Use 2nd  Person (You,Your)"));
    place(Check1, "Check1");
    // From just right of the mark over the painted caption's text.
    const auto beside = [](const char *name, int width) {
        const QRect mark = placeOf(name);
        return QRect(mark.x() + mark.width() + 1, mark.y() - 2, width, 17);
    };
    new CaptionTarget(Option1, beside("Option1", 60), this);
    new CaptionTarget(Option2, beside("Option2", 122), this);
    new CaptionTarget(Check1, beside("Check1", 190), this);

    // What a screen reader says. The text area and the entry line are named
    // after what they hold and take at the moment (showState()).
    List1->setAccessibleName(tr("Personalities"));
    List1->setAccessibleDescription(
        tr("The personalities in the program folder. Load Personality loads the chosen one."));
    Option1->setAccessibleName(tr("General"));
    Option1->setAccessibleDescription(tr("Shows the memory."));
    Option2->setAccessibleName(tr("Question/Answer"));
    Option2->setAccessibleDescription(tr("Shows the questions and answers."));
    Check1->setAccessibleName(tr("Use 2nd Person (You,Your)"));
    Check1->setAccessibleDescription(
        tr("Statements and questions from the entry line are turned into the second person."));
    Command3->setAccessibleDescription(tr("Writes the memory as plain text into the program folder."));
    Command4->setAccessibleDescription(
        tr("Writes the questions and answers as plain text into the program folder."));
    Label3->setAccessibleName(tr("Entry indicator"));

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

void MemoryEd::createKeys()
{
    const auto key = [this](QKeySequence sequence, auto action) {
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, action);
    };
    key(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { Command5->click(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { Command1->click(); });
    // The painted captions' mnemonics: focus the control and click it, as a
    // control's own mnemonic does.
    const auto mnemonic = [&](Qt::Key letter, QAbstractButton *control) {
        key(QKeySequence(Qt::ALT | letter), [control] {
            control->setFocus(Qt::ShortcutFocusReason);
            control->click();
        });
    };
    mnemonic(Qt::Key_G, Option1);
    mnemonic(Qt::Key_Q, Option2);
    mnemonic(Qt::Key_U, Check1);
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
        // The keyboard focus shows as a heavier, darker frame.
        "QPushButton:focus { border: 2px solid rgb(90,30,90); }"
        "QPlainTextEdit, QLineEdit, QListWidget { background-color: rgb(255,227,249); color: black;"
        " border: 1px solid rgb(150,80,150); selection-background-color: rgb(190,90,170);"
        " selection-color: white; }"
        "QPlainTextEdit:focus, QLineEdit:focus, QListWidget:focus { border: 2px solid rgb(112,52,170); }"
        "QLabel#Label3 { background-color: rgb(255,227,249); color: black; }"));
    QFont big = Label3->font();
    big.setPointSize(18);
    Label3->setFont(big);
    Label3->setAlignment(Qt::AlignCenter);
}

// The background picture paints the captions of the view marks and of the
// second-person switch in English, beside the marks. In another language the
// translation is painted over them, on the colour of their panel, in the
// picture's own letters.
void MemoryEd::translatePaintedCaptions()
{
    const struct
    {
        const char *name;
        int gap; // between the mark and the caption, as the picture has it
        const char *english;
        QString shown;
    } painted[] = {
        {"Option1", 5, "General", tr("General")},
        {"Option2", 4, "Question/Answer", tr("Question/Answer")},
        {"Check1", 5, "Use 2nd  Person (You,Your)", tr("Use 2nd  Person (You,Your)")},
    };
    QFont letters(QStringLiteral("DejaVu Sans"));
    letters.setPixelSize(12);
    letters.setBold(true);
    letters.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetrics metrics(letters);
    const QImage art = m_background.toImage();
    QPainter p(&m_background);
    p.setFont(letters);
    for (const auto &caption : painted) {
        if (caption.shown == QLatin1String(caption.english))
            continue;
        const QRect mark = placeOf(caption.name);
        const int left = mark.x() + mark.width() + caption.gap;
        const QColor panel = art.pixelColor(left - 2, mark.center().y());
        const int englishWidth = metrics.horizontalAdvance(QLatin1String(caption.english));
        p.fillRect(QRect(left - 1, mark.y() - 3, englishWidth + 3, 19), panel);
        const QRect box(left, mark.y() - 2, 250, 17);
        p.setPen(Qt::white);
        p.drawText(box.translated(0, 1), Qt::AlignLeft | Qt::AlignVCenter, caption.shown);
        p.setPen(QColor(112, 52, 170));
        p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, caption.shown);
    }
}

void MemoryEd::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_background);
}

// Mirrors the document's view and entry state into the controls.
void MemoryEd::showState()
{
    const bool general = m_document.view() == View::General;
    {
        const QSignalBlocker blockOption1(Option1), blockOption2(Option2), blockCheck1(Check1);
        Option1->setChecked(general);
        Option2->setChecked(!general);
        Check1->setChecked(m_document.secondPerson());
    }
    Label3->setVisible(!general);
    Label3->setText(m_document.entryMark());

    RichTextBox1->setAccessibleName(general ? tr("Memory") : tr("Questions and answers"));
    if (general)
        Text2->setAccessibleName(tr("New statement"));
    else
        Text2->setAccessibleName(m_document.quest() == 1 ? tr("Answer") : tr("New question"));
    Text2->setAccessibleDescription(tr("Press Enter to add it."));
}

QString MemoryEd::unsavedWorkQuestion() const
{
    const QString name = m_document.personalityName();
    if (name.isEmpty())
        return tr("Save the changes as a new personality?");
    return tr("Save the changes to the personality \"%1\"?").arg(name);
}

// Listing and loading.

void MemoryEd::listPersonalities()
{
    List1->clear();
    List1->addItems(PersonalityDocument::list(m_platform.programFolder()));
}

void MemoryEd::addToList(const QString &fileName)
{
    // A file this window wrote into the program folder shows in the list at
    // once, as it would after the window was opened again.
    if (!PersonalityDocument::listed(fileName))
        return;
    const QString entry = PersonalityFile::listEntry(fileName);
    if (!List1->findItems(entry, Qt::MatchExactly).isEmpty())
        return;
    int row = 0;
    while (row < List1->count() && !PersonalityFile::entryBefore(entry, List1->item(row)->text()))
        ++row;
    List1->insertItem(row, entry);
}

void MemoryEd::openPersonality(const QString &entry)
{
    if (!mayDiscardWork())
        return;
    // A .qas file without its .mem is not listed; the load then says what is
    // missing.
    const QList<QListWidgetItem *> found = List1->findItems(entry, Qt::MatchFixedString);
    if (!found.isEmpty())
        List1->setCurrentItem(found.first());
    const QString error =
        m_document.load(m_platform.programFolder(), found.isEmpty() ? entry : found.first()->text());
    if (!error.isEmpty())
        showError(error);
}

void MemoryEd::loadPersonality()
{
    if (!mayDiscardWork())
        return;
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    const QString name = selected.isEmpty() ? QString() : selected.first()->text();
    const QString error = m_document.load(m_platform.programFolder(), name);
    if (!error.isEmpty())
        showError(error);
}

// Saving.

bool MemoryEd::savePersonality()
{
    const QString folder = m_platform.programFolder();
    QString name = m_document.personalityName();
    const bool isNew = name.isEmpty();
    // Refused before any question where the name is known, and the character
    // or line is shown where it can be changed.
    if (!isNew && refuseUnsavable(folder, name))
        return false;
    if (isNew) {
        name = askNewPersonalityName(folder);
        if (name.isEmpty() || refuseUnsavable(folder, name))
            return false;
    } else if (!FileQuestions::mayReplaceChanged(m_platform, this, windowTitle(),
                                                 m_document.changedOnDisk(folder, name))) {
        return false;
    }
    if (!RecoveryQuestions::maySaveOver(m_platform, this, windowTitle(), m_recovery.get(),
                                        PersonalityFile::memoryPath(folder, name)))
        return false;
    const QString error = m_document.save(folder, name);
    if (!error.isEmpty()) {
        showError(error);
        return false;
    }
    if (isNew)
        addToList(name + QLatin1String(".mem"));
    m_platform.showMessage(this, tr("Personality Saved"), tr("Personality Saved"),
                           Platform::MessageIcon::None);
    return true;
}

bool MemoryEd::refuseUnsavable(const QString &folder, const QString &name)
{
    using Text = PersonalityFile::SaveCheck::Text;
    const PersonalityFile::SaveCheck check = m_document.checkSave(folder, name);
    if (check.ok())
        return false;
    // The text that holds it is shown, with it selected.
    if (check.text == Text::Memory || check.text == Text::QandA) {
        const View view = check.text == Text::Memory ? View::General : View::QuestionAnswer;
        m_document.setView(view);
        if (check.position >= 0)
            RichTextBox1->selectText(check.position, check.length);
    }
    showError(check.message);
    return true;
}

QString MemoryEd::askNewPersonalityName(const QString &folder)
{
    // Nothing was loaded, so there is no name to save under yet: the user
    // gives one, and the personality is saved in its stored form under it.
    const QString chosen = cdl->askSave(memoryFilter(), folder);
    if (chosen.isEmpty())
        return QString();
    const QString name = PersonalityDocument::nameForSave(chosen);
    if (name.isEmpty()) {
        showError(tr("A personality needs a name in front of \".mem\". Nothing was saved."));
        return QString();
    }
    for (const QString &path :
         {PersonalityFile::memoryPath(folder, name), PersonalityFile::qandAPath(folder, name)}) {
        if (!FileQuestions::mayReplace(m_platform, this, windowTitle(), path))
            return QString();
    }
    return name;
}

void MemoryEd::savePersonalityAs()
{
    const QString target = chooseExportTarget(memoryFilter());
    if (!target.isEmpty())
        exported(m_document.exportMemory(target), target);
}

void MemoryEd::saveQandAAs()
{
    const QString target = chooseExportTarget(qandAFilter());
    if (!target.isEmpty())
        exported(m_document.exportQandA(target), target);
}

QString MemoryEd::chooseExportTarget(const QString &filter)
{
    // Whatever folder the dialog ends in, the file goes into the program
    // folder; the dialog opens there so that the folder shown is the one
    // written, and the question names the file really written.
    const QString folder = m_platform.programFolder();
    const QString chosen = cdl->askSave(filter, folder);
    if (chosen.isEmpty())
        return QString();
    const QString target = PersonalityDocument::exportTarget(folder, chosen);
    if (!FileQuestions::mayReplace(m_platform, this, windowTitle(), target))
        return QString();
    return target;
}

void MemoryEd::exported(const QString &error, const QString &target)
{
    if (!error.isEmpty())
        showError(error);
    else
        addToList(ProgramFolder::fileNameWithoutFolder(target));
}

void MemoryEd::showError(const QString &text)
{
    m_platform.showMessage(this, text, errorTitle(), Platform::MessageIcon::Critical);
}

// The entry line.

void MemoryEd::takeEntryLine()
{
    m_document.takeEntry(Text2->text());
    RichTextBox1->moveCaretToEnd();
    Text2->clear();
}
