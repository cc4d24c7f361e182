// SPDX-License-Identifier: GPL-3.0-or-later
#include "KBEd.h"

#include "DocumentRecovery.h"
#include "EntryLine.h"
#include "FileDialog.h"
#include "FileQuestions.h"
#include "KBEdLayout.h"
#include "KnowledgeBase.h"
#include "LineSpelling.h"
#include "Platform.h"
#include "SpellingUnderline.h"
#include "TextArea.h"
#include "WrappingButton.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

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

// The dialogs' filter: the description is translated, the pattern is not.
QString kbaFilter()
{
    return QCoreApplication::translate("KBEd", "KBA Files (*.kba)") + QStringLiteral("|*.kba");
}

// Places come from the layout table the background picture is painted for.
QRect placeOf(const char *name)
{
    return WindowLayout::find(KBEdLayout::Controls, name).place;
}

// The captions carry their mnemonics; the letter is underlined, no "&" shows.
QPushButton *makeButton(QPushButton *button, const char *name, const QString &description)
{
    button->setObjectName(QLatin1String(name));
    button->setGeometry(placeOf(name));
    button->setAutoDefault(false);
    button->setAccessibleDescription(description);
    return button;
}

QLabel *makeLabel(QWidget *parent, const char *name, Qt::Alignment alignment, const QString &accessibleName)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(placeOf(name));
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setAccessibleName(accessibleName);
    return label;
}

} // namespace

KBEd::KBEd(Platform &platform, QWidget *parent)
    : EditorWindow(platform, parent), m_knowledgeBase(std::make_unique<KnowledgeBase>()),
      cdl(platform.createFileDialog(this)), m_background(QStringLiteral(":/knowledge/kbed_background.png"))
{
    setObjectName(QStringLiteral("KBEd"));
    setWindowTitle(tr("Knowledge Base Editor"));
    setFixedSize(KBEdLayout::ClientSize);
    setStyleSheet(QLatin1String(kStyle));

    RichTextBox1 = new TextArea(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setGeometry(placeOf("RichTextBox1"));
    RichTextBox1->showDocument(m_knowledgeBase->document());
    RichTextBox1->setAccessibleName(tr("Knowledge base"));
    RichTextBox1->setAccessibleDescription(
        tr("The facts of the knowledge base, one paragraph each. Tab leaves the text."));

    Text2 = new EntryLine(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(placeOf("Text2"));
    Text2->setAccessibleName(tr("New fact"));
    Text2->setAccessibleDescription(
        tr("Type a fact and press Enter to add it at the end of the knowledge base."));
    connect(Text2, &EntryLine::entered, this, &KBEd::addEntry);
    new SpellingUnderline(RichTextBox1, platform);
    new LineSpelling(Text2, platform);

    Command4 = makeButton(new QPushButton(tr("&New KBase..."), this), "Command4",
                          tr("Starts an empty knowledge base (Ctrl+N)."));
    Command1 = makeButton(new QPushButton(tr("&Load KBase..."), this), "Command1",
                          tr("Loads a knowledge base file (Ctrl+O)."));
    Command2 = makeButton(new QPushButton(tr("&Save KBase..."), this), "Command2",
                          tr("Saves the knowledge base into the program folder (Ctrl+S)."));
    Command3 = makeButton(new WrappingButton(tr("&Read From Text File"), this), "Command3",
                          tr("Builds a knowledge base from a text file, one sentence per fact."));
    Command5 =
        makeButton(new QPushButton(tr("S&TOP"), this), "Command5", tr("Ends the running import (Escape)."));
    Command5->hide();

    // The two labels overlap by a few pixels; they lie beneath the buttons.
    Label1 = makeLabel(this, "Label1", Qt::AlignLeft, tr("Import status"));
    Label2 = makeLabel(this, "Label2", Qt::AlignRight, tr("Import progress"));
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
    connect(Command5, &QPushButton::clicked, this, &KBEd::stopImport);

    // Window-wide, so they work wherever the focus is.
    const auto shortcut = [this](QKeySequence keys, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_N), [this] { newKBase(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { loadKBase(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { saveKBase(); });
    shortcut(QKeySequence(Qt::Key_Escape), [this] { stopImport(); });

    connect(m_knowledgeBase.get(), &KnowledgeBase::splittingChanged, this, &KBEd::showSplitting);
    connect(m_knowledgeBase.get(), &KnowledgeBase::percentageChanged, this, &KBEd::showPercentage);

    m_recovery = std::make_unique<DocumentRecovery>(
        DocumentRecovery::Document{
            RecoveryKind::KnowledgeBase, [this] { return m_knowledgeBase->recoveryTexts(); },
            [this] { return m_knowledgeBase->modified(); }, [this] { return m_knowledgeBase->file(); }},
        nullptr);
    m_recovery->follow(m_knowledgeBase.get(), &KnowledgeBase::contentChanged,
                       &KnowledgeBase::modifiedChanged);
    connect(this, &EditorWindow::closedByUser, m_recovery.get(), &DocumentRecovery::closed);
}

bool KBEd::recover(const RecoveryRecord &record)
{
    const KnowledgeBase::Hold hold(*m_knowledgeBase);
    if (!mayDiscardWork())
        return false;
    m_knowledgeBase->restore(record);
    m_recovery->takeRecovered(record);
    RichTextBox1->moveCursor(QTextCursor::Start);
    return true;
}

KBEd::~KBEd()
{
    // The area lets the knowledge base's document go before it goes.
    RichTextBox1->showDocument(nullptr);
}

void KBEd::GetFacts()
{
    m_knowledgeBase->getFacts();
}

bool KBEd::hasUnsavedWork() const
{
    return m_knowledgeBase->modified();
}

bool KBEd::saveWork()
{
    return saveKBase();
}

QString KBEd::unsavedWorkQuestion() const
{
    return m_knowledgeBase->isSplitting()
               ? tr("The import is still running. Save the knowledge base as it is now?")
               : tr("The knowledge base has changed. Save it?");
}

void KBEd::newKBase()
{
    const KnowledgeBase::Hold hold(*m_knowledgeBase);
    if (!mayDiscardWork())
        return;
    m_knowledgeBase->clear();
    if (!m_knowledgeBase->isSplitting())
        showNote(QString(), QString());
}

void KBEd::loadKBase()
{
    const KnowledgeBase::Hold hold(*m_knowledgeBase);
    if (!mayDiscardWork())
        return;
    // Knowledge bases are saved into the program folder, so that is where
    // the dialog looks for them.
    const QString chosen = cdl->askOpen(kbaFilter(), m_platform.programFolder());
    if (!chosen.isEmpty())
        loadChosen(chosen);
}

void KBEd::openKBase(const QString &file)
{
    const KnowledgeBase::Hold hold(*m_knowledgeBase);
    if (mayDiscardWork())
        loadChosen(file);
}

void KBEd::loadChosen(const QString &chosen)
{
    const QString error = m_knowledgeBase->load(chosen);
    if (!error.isEmpty())
        showError(error, tr("Load KBase"));
    else
        RichTextBox1->moveCursor(QTextCursor::Start);
    if (error.isEmpty() && !m_knowledgeBase->isSplitting())
        showNote(QString(), QString());
}

bool KBEd::saveKBase()
{
    const KnowledgeBase::Hold hold(*m_knowledgeBase);
    const QString title = tr("Save KBase");
    const QString folder = m_platform.programFolder();
    const QString chosen = cdl->askSave(kbaFilter(), folder);
    if (chosen.isEmpty())
        return false;
    const QString target = KnowledgeBase::saveTarget(folder, chosen);
    // The file this window loaded or saved, changed by another program since,
    // gets the question that says so.
    const bool changed = target == m_knowledgeBase->path() && m_knowledgeBase->stamp().changedOnDisk(target);
    if (changed ? !FileQuestions::mayReplaceChanged(m_platform, this, title, QStringList{target})
                : !FileQuestions::mayReplace(m_platform, this, title, target))
        return false;
    const QString error = m_knowledgeBase->save(target);
    if (!error.isEmpty()) {
        showError(error, title);
        return false;
    }
    return true;
}

void KBEd::readFromTextFile()
{
    // The button is disabled while a split runs, so a second split never starts
    // on top of the first.
    if (m_knowledgeBase->isSplitting())
        return;
    if (!mayDiscardWork())
        return;
    const QString chosen = cdl->askOpen(tr("Text Files (*.txt)") + QStringLiteral("|*.txt"));
    if (chosen.isEmpty())
        return; // cancelled: nothing changes
    const QString error = m_knowledgeBase->importFile(chosen);
    if (!error.isEmpty())
        showError(error, tr("Read From Text File"));
}

void KBEd::addEntry()
{
    m_knowledgeBase->addFact(Text2->text());
    RichTextBox1->moveCaretToEnd();
    Text2->clear();
}

void KBEd::stopImport()
{
    m_knowledgeBase->stop();
}

void KBEd::showSplitting(bool splitting)
{
    Command3->setEnabled(!splitting);
    Command5->setVisible(splitting);
    if (splitting) {
        showNote(tr("Working..."), QString());
        return;
    }
    Label2->clear();
    // The status line is short: the note, and its whole text on hovering.
    const qsizetype nuls = m_knowledgeBase->droppedNuls();
    if (nuls > 0)
        showNote(tr("NULs cut"), tr("NUL characters of the text file left out, since a knowledge base "
                                    "cannot hold them: %1")
                                     .arg(nuls));
    else
        showNote(QString(), QString());
}

void KBEd::showNote(const QString &note, const QString &details)
{
    Label1->setText(note);
    Label1->setToolTip(details);
    Label1->setAccessibleDescription(details);
}

void KBEd::showPercentage(int percentage)
{
    Label2->setText(QString::number(percentage) + QLatin1Char('%'));
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
    // The split waits while the question is open; closing ends it.
    const KnowledgeBase::Hold hold(*m_knowledgeBase);
    EditorWindow::closeEvent(event);
    if (event->isAccepted())
        m_knowledgeBase->stop();
}
