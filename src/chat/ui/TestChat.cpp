// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestChat.h"

#include "ChatFace.h"
#include "ChatFiles.h"
#include "ChatTestFile.h"
#include "FileDialog.h"
#include "FileQuestions.h"
#include "KBEd.h"
#include "KnowledgeBase.h"
#include "MemoryEd.h"
#include "Platform.h"
#include "TextArea.h"
#include "TextFile.h"

#include <QDir>
#include <QFileInfo>

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// What a transcript line that names a source carries.
constexpr int ExchangeRole = Qt::UserRole;
constexpr int CandidateRole = Qt::UserRole + 1; // 0: the reply's own source, 1.. the runners-up

QString scoreText(ChatReply::Rule rule, double score)
{
    switch (rule) {
    case ChatReply::Rule::Exact:
        return TestChat::tr("same words");
    case ChatReply::Rule::Close:
        return TestChat::tr("%1% of the question's weight").arg(qRound(score * 100));
    default:
        return TestChat::tr("score %1").arg(score, 0, 'f', 2);
    }
}

// The reply as the window shows it. A test saved from the chat expects the
// reply's own text, which is the same in every language.
QString shownText(const ChatReply &reply)
{
    return reply.answered() ? reply.text : TestChat::tr("(no answer)");
}

} // namespace

QString TestChat::personalityEditorEntry()
{
    return tr("(Personality Editor)");
}

QString TestChat::startupSceneEntry()
{
    return tr("(start-up scene)");
}

QString TestChat::knowledgeEditorEntry()
{
    return tr("Knowledge Base Editor");
}

TestChat::TestChat(Platform &platform, QWidget *parent) : EditorWindow(platform, parent)
{
    setObjectName(QStringLiteral("TestChat"));
    setWindowTitle(tr("Test Chat"));
    createControls();
    resize(900, 520);
}

void TestChat::createControls()
{
    auto *grid = new QGridLayout(this);
    auto *personalityLabel = new QLabel(tr("&Personality:"), this);
    cboPersonality = new QComboBox(this);
    cboPersonality->setObjectName(QStringLiteral("cboPersonality"));
    cboPersonality->setAccessibleName(tr("Personality"));
    personalityLabel->setBuddy(cboPersonality);
    auto *knowledgeLabel = new QLabel(tr("Knowledge &bases:"), this);
    lstKnowledge = new QListWidget(this);
    lstKnowledge->setObjectName(QStringLiteral("lstKnowledge"));
    lstKnowledge->setAccessibleName(tr("Knowledge bases"));
    lstKnowledge->setMaximumHeight(90);
    knowledgeLabel->setBuddy(lstKnowledge);
    lstChat = new QListWidget(this);
    lstChat->setObjectName(QStringLiteral("lstChat"));
    lstChat->setAccessibleName(tr("Conversation"));
    lstChat->setAccessibleDescription(
        tr("Each reply with where it comes from; activate a source to go to it."));
    lstChat->setWordWrap(true);
    auto *sayLabel = new QLabel(tr("&Say:"), this);
    txtSay = new QLineEdit(this);
    txtSay->setObjectName(QStringLiteral("txtSay"));
    txtSay->setAccessibleName(tr("Say"));
    sayLabel->setBuddy(txtSay);
    cmdKeep = new QPushButton(tr("&Keep"), this);
    cmdKeep->setObjectName(QStringLiteral("cmdKeep"));
    cmdKeep->setAccessibleDescription(
        tr("Adds what the companion would keep of the statement to the memory in "
           "the Personality Editor."));
    cmdKeep->setEnabled(false);
    cmdSaveTest = new QPushButton(tr("Save as &Test..."), this);
    cmdSaveTest->setObjectName(QStringLiteral("cmdSaveTest"));
    cmdClear = new QPushButton(tr("C&lear"), this);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    auto *sceneLabel = new QLabel(tr("Sc&ene:"), this);
    cboScene = new QComboBox(this);
    cboScene->setObjectName(QStringLiteral("cboScene"));
    cboScene->setAccessibleName(tr("Scene"));
    sceneLabel->setBuddy(cboScene);
    picFace = new ChatFace(this);

    grid->addWidget(personalityLabel, 0, 0);
    grid->addWidget(cboPersonality, 0, 1, 1, 3);
    grid->addWidget(knowledgeLabel, 1, 0, Qt::AlignTop);
    grid->addWidget(lstKnowledge, 1, 1, 1, 3);
    grid->addWidget(lstChat, 2, 0, 1, 4);
    grid->addWidget(sayLabel, 3, 0);
    grid->addWidget(txtSay, 3, 1, 1, 3);
    grid->addWidget(cmdKeep, 4, 1);
    grid->addWidget(cmdSaveTest, 4, 2);
    grid->addWidget(cmdClear, 4, 3);
    grid->addWidget(lblStatus, 5, 0, 1, 4);
    auto *face = new QVBoxLayout;
    auto *sceneRow = new QHBoxLayout;
    sceneRow->addWidget(sceneLabel);
    sceneRow->addWidget(cboScene, 1);
    face->addLayout(sceneRow);
    face->addWidget(picFace, 1);
    grid->addLayout(face, 0, 4, 6, 1);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(2, 1);
    setTabOrder(txtSay, cmdKeep);
    setTabOrder(cmdKeep, cmdSaveTest);
    setTabOrder(cmdSaveTest, cmdClear);
    setTabOrder(cmdClear, lstChat);
    setTabOrder(lstChat, cboPersonality);
    setTabOrder(cboPersonality, lstKnowledge);
    setTabOrder(lstKnowledge, cboScene);

    connect(txtSay, &QLineEdit::returnPressed, this, &TestChat::say);
    connect(cmdKeep, &QPushButton::clicked, this, &TestChat::keep);
    connect(cmdSaveTest, &QPushButton::clicked, this, &TestChat::saveAsTest);
    connect(cmdClear, &QPushButton::clicked, this, &TestChat::clear);
    connect(lstChat, &QListWidget::itemActivated, this, &TestChat::goToSource);
    connect(lstChat, &QListWidget::itemClicked, this, &TestChat::goToSource);
    connect(cboScene, &QComboBox::currentIndexChanged, this, &TestChat::showScene);
    txtSay->setFocus();
}

void TestChat::setEditors(MemoryEd *memoryEd, KBEd *kbEd)
{
    // A Personality Editor that has just opened is what the chat reads from
    // now on, as when it was open before the chat.
    const bool newPersonalityEditor = memoryEd && memoryEd != m_memoryEd;
    m_memoryEd = memoryEd;
    m_kbEd = kbEd;
    refreshSources();
    if (newPersonalityEditor)
        cboPersonality->setCurrentIndex(0);
}

void TestChat::setFileOpener(std::function<void(const QString &file)> openFile)
{
    m_openFile = std::move(openFile);
}

QString TestChat::editorsFolderFile() const
{
    if (!m_kbEd || m_kbEd->knowledgeBase().path().isEmpty())
        return QString();
    const QFileInfo file(m_kbEd->knowledgeBase().path());
    const QFileInfo inFolder(QDir(m_platform.programFolder()).filePath(file.fileName()));
    return file.exists() && inFolder.exists() && file.canonicalFilePath() == inFolder.canonicalFilePath()
               ? file.fileName()
               : QString();
}

void TestChat::showEvent(QShowEvent *event)
{
    refreshSources();
    EditorWindow::showEvent(event);
}

void TestChat::refreshSources()
{
    const QString folder = m_platform.programFolder();
    const QString chosen = cboPersonality->currentText();
    cboPersonality->clear();
    if (m_memoryEd)
        cboPersonality->addItem(personalityEditorEntry());
    cboPersonality->addItems(PersonalityDocument::list(folder));
    const int again = cboPersonality->findText(chosen);
    cboPersonality->setCurrentIndex(again >= 0 && !chosen.isEmpty() ? again : 0);

    QStringList unticked;
    for (int i = 0; i < lstKnowledge->count(); ++i) {
        if (lstKnowledge->item(i)->checkState() == Qt::Unchecked)
            unticked << lstKnowledge->item(i)->text();
    }
    lstKnowledge->clear();

    const QString scene = cboScene->currentText();
    {
        const QSignalBlocker quiet(cboScene);
        cboScene->clear();
        cboScene->addItem(startupSceneEntry());
        cboScene->addItems(
            QDir(folder).entryList({QStringLiteral("*.scn")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
        cboScene->setCurrentIndex(std::max(0, cboScene->findText(scene)));
    }
    showScene();

    QStringList names = ChatFiles::knowledgeBases(folder);
    // The file open in the editor counts once, as the editor's text.
    names.removeAll(editorsFolderFile());
    if (m_kbEd)
        names.prepend(knowledgeEditorEntry());
    for (const QString &name : names) {
        auto *item = new QListWidgetItem(name, lstKnowledge);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(unticked.contains(name) ? Qt::Unchecked : Qt::Checked);
    }
}

bool TestChat::fromEditor() const
{
    return m_memoryEd && cboPersonality->currentText() == personalityEditorEntry();
}

void TestChat::say()
{
    const QString line = txtSay->text();
    const QString folder = m_platform.programFolder();
    QString qandA;
    QString memory;
    QStringList problems;
    if (fromEditor()) {
        qandA = m_memoryEd->document().qandA();
        memory = m_memoryEd->document().memory();
    } else if (cboPersonality->count() > 0) {
        const ChatFiles files = ChatFiles::readPersonality(folder, cboPersonality->currentText());
        if (files.ok()) {
            qandA = files.qandA;
            memory = files.memory;
        } else {
            problems << files.error;
        }
    }
    QList<ChatDocument> knowledge;
    // The editor may have loaded one of the listed files since the list was made.
    const QString inEditor = editorsFolderFile();
    for (int i = 0; i < lstKnowledge->count(); ++i) {
        const QListWidgetItem *item = lstKnowledge->item(i);
        if (item->checkState() != Qt::Checked || (!inEditor.isEmpty() && item->text() == inEditor))
            continue;
        if (m_kbEd && item->text() == knowledgeEditorEntry()) {
            knowledge << ChatDocument{item->text(), m_kbEd->knowledgeBase().text()};
            continue;
        }
        ChatDocument document;
        const QString error = m_files.read(folder, item->text(), &document);
        if (error.isEmpty())
            knowledge << document;
        else
            problems << error;
    }
    const ChatReply &reply = m_session.say(line, qandA, memory, knowledge);
    picFace->say(shownText(reply));
    addReply(m_session.exchanges().constLast(), int(m_session.exchanges().size() - 1));
    cmdKeep->setEnabled(!reply.kept.isEmpty() && m_memoryEd);
    lblStatus->setText(problems.join(QLatin1Char('\n')));
    txtSay->clear();
}

void TestChat::showScene()
{
    QString text;
    QString error;
    if (cboScene->currentIndex() > 0) {
        const TextFile::ReadResult read =
            TextFile::read(QDir(m_platform.programFolder()).filePath(cboScene->currentText()));
        text = read.text;
        error = read.error;
    }
    if (error.isEmpty())
        error = picFace->setScene(text, m_platform.programFolder());
    if (!error.isEmpty())
        lblStatus->setText(error);
}

void TestChat::addReply(const ChatSession::Exchange &exchange, int index)
{
    const ChatReply &reply = exchange.reply;
    new QListWidgetItem(tr("You: %1").arg(exchange.said), lstChat);
    auto *answer = new QListWidgetItem(reply.rule == ChatReply::Rule::Close
                                           ? tr("Reply (close match): %1").arg(shownText(reply))
                                           : tr("Reply: %1").arg(shownText(reply)),
                                       lstChat);
    QFont bold = answer->font();
    bold.setBold(true);
    answer->setFont(bold);
    const auto source = [&](const QString &text, int candidate) {
        auto *item = new QListWidgetItem(text, lstChat);
        item->setData(ExchangeRole, index);
        item->setData(CandidateRole, candidate);
        item->setToolTip(tr("Click to go there in the editor."));
    };
    if (reply.answered())
        source(tr("    from %1 (%2)").arg(reply.source.describe(), scoreText(reply.rule, reply.score)), 0);
    else
        new QListWidgetItem(tr("    %1").arg(reply.reason), lstChat);
    for (int i = 0; i < reply.runnersUp.size(); ++i) {
        const ChatReply::Candidate &c = reply.runnersUp.at(i);
        const ChatReply::Rule rule =
            c.source.kind == ChatSource::Kind::QandA ? ChatReply::Rule::Close : ChatReply::Rule::Paragraph;
        source(tr("    runner-up: %1 (%2)").arg(c.source.describe(), scoreText(rule, c.score)), i + 1);
    }
    if (!reply.kept.isEmpty())
        new QListWidgetItem(tr("    would keep: %1").arg(reply.kept), lstChat);
    lstChat->scrollToBottom();
}

void TestChat::goToSource(QListWidgetItem *item)
{
    if (!item || !item->data(ExchangeRole).isValid())
        return;
    // A copy: opening an editor refreshes the lists.
    const ChatReply reply = m_session.exchanges().at(item->data(ExchangeRole).toInt()).reply;
    const int candidate = item->data(CandidateRole).toInt();
    const ChatSource source = candidate == 0 ? reply.source : reply.runnersUp.at(candidate - 1).source;
    QWidget *editor = editorFor(source);
    if (!editor)
        return;
    if (source.kind != ChatSource::Kind::Knowledge)
        m_memoryEd->document().setView(source.kind == ChatSource::Kind::QandA
                                           ? PersonalityDocument::View::QuestionAnswer
                                           : PersonalityDocument::View::General);
    if (auto *area = editor->findChild<TextArea *>(QStringLiteral("RichTextBox1")))
        area->selectText(source.position, source.length);
    editor->show();
    editor->raise();
    editor->activateWindow();
    lblStatus->clear();
}

QWidget *TestChat::editorFor(const ChatSource &source)
{
    const QDir folder(m_platform.programFolder());
    const bool knowledge = source.kind == ChatSource::Kind::Knowledge;
    const QString personality = cboPersonality->currentText();
    const auto open = [&]() -> QWidget * {
        if (knowledge)
            return m_kbEd && (source.document == knowledgeEditorEntry() ||
                              source.document == editorsFolderFile())
                       ? static_cast<QWidget *>(m_kbEd)
                       : nullptr;
        return m_memoryEd && (fromEditor() || m_memoryEd->PersonalityName() == personality)
                   ? static_cast<QWidget *>(m_memoryEd)
                   : nullptr;
    };
    if (QWidget *editor = open())
        return editor;
    // Not open in an editor: the launcher opens the file, which may first
    // ask about the editor's unsaved work.
    const QString file = folder.filePath(knowledge ? source.document : personality + QStringLiteral(".mem"));
    if (m_openFile && source.document != knowledgeEditorEntry() && QFileInfo(file).isFile()) {
        m_openFile(file);
        // The file now open in the editor counts as the editor's text.
        refreshSources();
    }
    if (knowledge ? m_kbEd && editorsFolderFile() == source.document
                  : m_memoryEd && m_memoryEd->PersonalityName() == personality)
        return knowledge ? static_cast<QWidget *>(m_kbEd) : m_memoryEd;
    lblStatus->setText(tr("%1 is not open in an editor.").arg(knowledge ? source.document : personality));
    return nullptr;
}

void TestChat::keep()
{
    const QList<ChatSession::Exchange> &exchanges = m_session.exchanges();
    if (!m_memoryEd || exchanges.isEmpty() || exchanges.constLast().reply.kept.isEmpty())
        return;
    m_memoryEd->document().appendStatement(exchanges.constLast().reply.kept);
    cmdKeep->setEnabled(false);
    lblStatus->setText(tr("Kept in the Personality Editor's memory (not saved yet)."));
}

void TestChat::saveAsTest()
{
    const std::unique_ptr<FileDialog> dialog = m_platform.createFileDialog(this);
    const QString path = dialog->askSave(tr("Chat Tests (*.chat)|*.chat"), m_platform.programFolder());
    if (path.isEmpty() || !FileQuestions::mayReplace(m_platform, this, windowTitle(), path))
        return;
    QString personality = cboPersonality->currentText();
    if (fromEditor())
        personality = m_memoryEd->PersonalityName();
    // The editor's text is in the test as the folder's file it was loaded
    // from, if it was; a test reads files only.
    const QString inEditor = editorsFolderFile();
    QStringList knowledge;
    for (int i = 0; i < lstKnowledge->count(); ++i) {
        const QListWidgetItem *item = lstKnowledge->item(i);
        if (item->checkState() != Qt::Checked)
            continue;
        const QString name = m_kbEd && item->text() == knowledgeEditorEntry() ? inEditor : item->text();
        if (!name.isEmpty() && !knowledge.contains(name))
            knowledge << name;
    }
    const QString error = ChatTestFile::write(path, m_session.toTest(personality, knowledge));
    if (!error.isEmpty())
        m_platform.showMessage(this, error, windowTitle(), Platform::MessageIcon::Critical);
    else
        lblStatus->setText(tr("Saved %1.").arg(path));
}

void TestChat::clear()
{
    m_session.clear();
    lstChat->clear();
    cmdKeep->setEnabled(false);
    lblStatus->clear();
    txtSay->setFocus();
}
