// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibilityWalk.h"
#include "ChatFace.h"
#include "Controls.h"
#include "FakePlatform.h"
#include "KBEd.h"
#include "Keyboard.h"
#include "KnowledgeBase.h"
#include "Locs.h"
#include "MemoryEd.h"
#include "PlainTextDocument.h"
#include "ProgramFolderFixture.h"
#include "SuiteMain.h"
#include "TestChat.h"
#include "TestFiles.h"
#include "TextArea.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

// The Test Chat window, opened from the launcher and the editors, with the
// shipped personality and knowledge base in a program folder of its own.
class TestTestChat : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensFromEachWindow_data();
    void opensFromEachWindow();
    void followsUnsavedEditsAndGoesToSources();
    void keepAddsToTheMemory();
    void saveAsTestWritesAPassingTest();
    void namesAndKeys();
    void faceTalksByTheReply();
    void textAreaMenuOpensIt();
    void sourcesOpenTheirEditors();
    void f1OpensTheHelpPage_data();
    void f1OpensTheHelpPage();
    void ctrlLBringsTheLauncherBack();

private:
    TestChat *chat() const;
    MemoryEd *openPersonality();
    QString say(const QString &line);
    QListWidgetItem *itemStarting(const QString &start) const;

    std::unique_ptr<ProgramFolderFixture> m_folder;
    std::unique_ptr<SuiteMain> m_launcher;
};

namespace {

template <class Window> Window *topLevel()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

int visibleChats()
{
    int n = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        n += qobject_cast<TestChat *>(widget) && widget->isVisible() ? 1 : 0;
    return n;
}

} // namespace

void TestTestChat::init()
{
    m_folder = std::make_unique<ProgramFolderFixture>();
    m_folder->copyAssets({u"Juniper.mem"_s, u"Juniper.qas"_s, u"Astronomy.kba"_s, u"Images"_s});
    m_launcher = std::make_unique<SuiteMain>(m_folder->platform);
    m_launcher->show();
}

void TestTestChat::cleanup()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget != m_launcher.get())
            delete widget;
    }
    m_launcher.reset();
    m_folder.reset();
}

TestChat *TestTestChat::chat() const
{
    return topLevel<TestChat>();
}

MemoryEd *TestTestChat::openPersonality()
{
    Controls::find<QAbstractButton>(*m_launcher, "Picture3")->click();
    MemoryEd *editor = topLevel<MemoryEd>();
    auto *list = Controls::find<QListWidget>(*editor, "List1");
    list->setCurrentItem(list->findItems(u"Juniper"_s, Qt::MatchExactly).value(0));
    Controls::find<QAbstractButton>(*editor, "Command1")->click();
    return editor;
}

QString TestTestChat::say(const QString &line)
{
    auto *box = Controls::find<QLineEdit>(*chat(), "txtSay");
    box->setText(line);
    QTest::keyClick(box, Qt::Key_Return);
    auto *list = Controls::find<QListWidget>(*chat(), "lstChat");
    for (int i = list->count() - 1; i >= 0; --i) {
        if (list->item(i)->text().startsWith(u"Reply"_s))
            return list->item(i)->text();
    }
    return QString();
}

QListWidgetItem *TestTestChat::itemStarting(const QString &start) const
{
    auto *list = Controls::find<QListWidget>(*chat(), "lstChat");
    for (int i = list->count() - 1; i >= 0; --i) {
        if (list->item(i)->text().trimmed().startsWith(start))
            return list->item(i);
    }
    return nullptr;
}

void TestTestChat::opensFromEachWindow_data()
{
    QTest::addColumn<int>("picture"); // 0: the launcher itself
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("launcher, F5") << 0 << QKeySequence(Qt::Key_F5);
    QTest::newRow("launcher, Ctrl+T") << 0 << QKeySequence(Qt::CTRL | Qt::Key_T);
    QTest::newRow("Knowledge Base Editor, F5") << 2 << QKeySequence(Qt::Key_F5);
    QTest::newRow("Personality Editor, Ctrl+T") << 3 << QKeySequence(Qt::CTRL | Qt::Key_T);
}

void TestTestChat::opensFromEachWindow()
{
    QFETCH(int, picture);
    QFETCH(QKeySequence, keys);
    QWidget *from = m_launcher.get();
    if (picture > 0) {
        Controls::find<QAbstractButton>(*m_launcher, QStringLiteral("Picture%1").arg(picture))->click();
        from = picture == 2 ? static_cast<QWidget *>(topLevel<KBEd>()) : topLevel<MemoryEd>();
    }
    Keyboard::press(*from, keys);
    QVERIFY(chat());
    QCOMPARE(chat()->windowTitle(), u"Test Chat"_s);
    // One at a time: the keys again bring the same window forward.
    TestChat *first = chat();
    Keyboard::press(*from, keys);
    QCOMPARE(visibleChats(), 1);
    QCOMPARE(chat(), first);
    // The editors' texts are in its lists.
    if (picture == 2)
        QCOMPARE(Controls::find<QListWidget>(*chat(), "lstKnowledge")->item(0)->text(),
                 TestChat::knowledgeEditorEntry());
    if (picture == 3)
        QCOMPARE(Controls::find<QComboBox>(*chat(), "cboPersonality")->currentText(),
                 TestChat::personalityEditorEntry());
}

void TestTestChat::followsUnsavedEditsAndGoesToSources()
{
    MemoryEd *editor = openPersonality();
    Keyboard::press(*editor, QKeySequence(Qt::Key_F5));
    QCOMPARE(say(u"what is your name"_s), u"Reply: My name is Juniper."_s);
    // An unsaved question counts from the next line.
    editor->document().setView(PersonalityDocument::View::QuestionAnswer);
    editor->document().takeEntry(u"What is your favourite colour?"_s);
    editor->document().takeEntry(u"Blue, like the sky."_s);
    QCOMPARE(say(u"What is your favourite colour?"_s), u"Reply: Blue, like the sky."_s);
    QListWidgetItem *source = itemStarting(u"from Q/A line"_s);
    QVERIFY(source);
    QVERIFY2(source->text().contains(u"What is your favourite colour?"_s), qPrintable(source->text()));
    // A click on the source shows the entry selected in the editor.
    editor->document().setView(PersonalityDocument::View::General);
    Controls::find<QListWidget>(*chat(), "lstChat")->itemClicked(source);
    QCOMPARE(editor->document().view(), PersonalityDocument::View::QuestionAnswer);
    auto *area = Controls::find<TextArea>(*editor, "RichTextBox1");
    QCOMPARE(area->textCursor().selectedText(), u"#What is your favourite colour?&Blue, like the sky.%"_s);

    // The knowledge base open in its editor, unsaved, and a fact of it.
    Controls::find<QAbstractButton>(*m_launcher, "Picture2")->click();
    KBEd *kbEd = topLevel<KBEd>();
    kbEd->knowledgeBase().addFact(u"Quasars are the bright cores of distant galaxies."_s);
    chat()->refreshSources();
    QCOMPARE(say(u"What is a quasar?"_s).contains(u"Quasars"_s), false); // "quasar" is not "quasars"
    QCOMPARE(say(u"Tell me about quasars."_s), u"Reply: Quasars are the bright cores of distant galaxies."_s);
    QListWidgetItem *fact = itemStarting(u"from Knowledge Base Editor, fact 1 (line 1)"_s);
    QVERIFY(fact);
    Controls::find<QListWidget>(*chat(), "lstChat")->itemActivated(fact);
    QCOMPARE(Controls::find<TextArea>(*kbEd, "RichTextBox1")->textCursor().selectedText(),
             u"Quasars are the bright cores of distant galaxies."_s);
}

void TestTestChat::keepAddsToTheMemory()
{
    MemoryEd *editor = openPersonality();
    Keyboard::press(*editor, QKeySequence(Qt::CTRL | Qt::Key_T));
    auto *keep = Controls::find<QPushButton>(*chat(), "cmdKeep");
    QVERIFY(!keep->isEnabled());
    say(u"I collect shells on the beach."_s);
    QVERIFY(itemStarting(u"would keep: You collect shells on the beach."_s));
    QVERIFY(keep->isEnabled());
    QVERIFY(!editor->document().modified());
    keep->click();
    QVERIFY(editor->document().memory().endsWith(u"You collect shells on the beach.\r\n\r\n"_s));
    QVERIFY(editor->document().modified());
    QVERIFY(!keep->isEnabled());
    // A question keeps nothing.
    say(u"Do you collect shells?"_s);
    QVERIFY(!keep->isEnabled());
}

void TestTestChat::saveAsTestWritesAPassingTest()
{
    Keyboard::press(*m_launcher, QKeySequence(Qt::Key_F5));
    say(u"Where do you live?"_s);
    say(u"Is it *?"_s);
    const QString file = m_folder->path(u"Mine.chat"_s);
    m_folder->platform.dialogAnswers << file;
    Controls::find<QPushButton>(*chat(), "cmdSaveTest")->click();
    QCOMPARE(m_folder->platform.dialogCalls.value(0).filter, u"Chat Tests (*.chat)|*.chat"_s);
    QCOMPARE(
        TestFiles::readBytes(file),
        QByteArray("personality: Juniper\r\nknowledge: Astronomy.kba\r\n> Where do you live?\r\n"
                   "< In a little cottage at the edge of a pine forest.\r\n> Is it [*]?\r\n< (no answer)\r\n")
            .replace("> Is it [*]?", "> Is it *?"));
    // Clear starts over.
    Controls::find<QPushButton>(*chat(), "cmdClear")->click();
    QCOMPARE(Controls::find<QListWidget>(*chat(), "lstChat")->count(), 0);
    QVERIFY(chat()->session().exchanges().isEmpty());
}

void TestTestChat::namesAndKeys()
{
    Keyboard::press(*m_launcher, QKeySequence(Qt::Key_F5));
    QCOMPARE(AccessibilityWalk::unnamedControls(*chat()), QStringList());
    QCOMPARE(Keyboard::mnemonicClashes(*chat()), QStringList());
    QCOMPARE(Keyboard::tabOrder(*chat()),
             (QStringList{u"txtSay"_s, u"cmdKeep"_s, u"cmdSaveTest"_s, u"cmdClear"_s, u"lstChat"_s,
                          u"cboPersonality"_s, u"lstKnowledge"_s, u"cboScene"_s}));
    // The line to say has the focus when the window opens.
    QCOMPARE(chat()->focusWidget(), Controls::find<QLineEdit>(*chat(), "txtSay"));
}

void TestTestChat::faceTalksByTheReply()
{
    Keyboard::press(*m_launcher, QKeySequence(Qt::Key_F5));
    const auto *face = Controls::find<ChatFace>(*chat(), "picFace");
    QCOMPARE(face->preview().frame().size(), QSize(700, 500));
    QVERIFY(!face->preview().saying());
    say(u"What is your name?"_s);
    QVERIFY(face->preview().saying());
    // The scenes of the folder are in the list, after the start-up scene.
    TestFiles::writeBytes(m_folder->path(u"Other.scn"_s), "BG=bg.jpg;\r\n");
    chat()->refreshSources();
    auto *scenes = Controls::find<QComboBox>(*chat(), "cboScene");
    QCOMPARE(scenes->itemText(0), TestChat::startupSceneEntry());
    QCOMPARE(scenes->itemText(1), u"Other.scn"_s);
}

void TestTestChat::textAreaMenuOpensIt()
{
    Controls::find<QAbstractButton>(*m_launcher, "Picture2")->click();
    auto *area = Controls::find<TextArea>(*topLevel<KBEd>(), "RichTextBox1");
    QStringList entries;
    QTimer::singleShot(0, this, [&entries] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QAction *chosen = nullptr;
        for (QAction *action : menu->actions()) {
            entries << action->text();
            if (action->text() == u"Test Chat..."_s)
                chosen = action;
        }
        // The area's own entries stay, with the Test Chat's after them.
        if (chosen)
            chosen->trigger();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5), area->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(area->viewport(), &event);
    QVERIFY2(entries.size() > 2 && entries.constLast() == u"Test Chat..."_s,
             qPrintable(entries.join(u", "_s)));
    QVERIFY(chat());
}

void TestTestChat::sourcesOpenTheirEditors()
{
    // No editor open: the chat reads the folder's files.
    Keyboard::press(*m_launcher, QKeySequence(Qt::Key_F5));
    auto *knowledge = Controls::find<QListWidget>(*chat(), "lstKnowledge");
    QCOMPARE(knowledge->count(), 1);
    const QString factText = say(u"Tell me about the rings of Saturn."_s).mid(int(qstrlen("Reply: ")));
    QVERIFY2(factText.startsWith(u"The rings of Saturn"_s), qPrintable(factText));
    Controls::find<QListWidget>(*chat(), "lstChat")->itemClicked(itemStarting(u"from Astronomy.kba, fact"_s));
    KBEd *kbEd = topLevel<KBEd>();
    QVERIFY(kbEd);
    QCOMPARE(QFileInfo(kbEd->knowledgeBase().path()).fileName(), u"Astronomy.kba"_s);
    QCOMPARE(Controls::find<TextArea>(*kbEd, "RichTextBox1")->textCursor().selectedText(), factText);
    // The file open in the editor counts once, as the editor's text.
    QCOMPARE(knowledge->count(), 1);
    QCOMPARE(knowledge->item(0)->text(), TestChat::knowledgeEditorEntry());
    Controls::find<QPushButton>(*chat(), "cmdClear")->click();
    say(u"Tell me about the rings of Saturn."_s);
    QVERIFY(itemStarting(u"from Knowledge Base Editor, fact"_s));
    QVERIFY(!itemStarting(u"runner-up: Astronomy.kba"_s));

    // A question of the personality chosen in the list opens the Personality
    // Editor with that personality, the entry selected; the chat reads the
    // editor from then on.
    QCOMPARE(say(u"what is your name"_s), u"Reply: My name is Juniper."_s);
    Controls::find<QListWidget>(*chat(), "lstChat")->itemActivated(itemStarting(u"from Q/A line"_s));
    MemoryEd *memoryEd = topLevel<MemoryEd>();
    QVERIFY(memoryEd);
    QCOMPARE(memoryEd->PersonalityName(), u"Juniper"_s);
    QCOMPARE(memoryEd->document().view(), PersonalityDocument::View::QuestionAnswer);
    QVERIFY2(Controls::find<TextArea>(*memoryEd, "RichTextBox1")
                 ->textCursor()
                 .selectedText()
                 .startsWith(u"#What is your name?&My name is Juniper."_s),
             qPrintable(Controls::find<TextArea>(*memoryEd, "RichTextBox1")->textCursor().selectedText()));
    QCOMPARE(Controls::find<QComboBox>(*chat(), "cboPersonality")->currentText(),
             TestChat::personalityEditorEntry());

    QVERIFY(m_folder->platform.messages.isEmpty());
}

void TestTestChat::f1OpensTheHelpPage_data()
{
    QTest::addColumn<int>("picture"); // 0: the launcher, 5: the Test Chat
    QTest::newRow("launcher") << 0;
    QTest::newRow("Knowledge Base Editor") << 2;
    QTest::newRow("Personality Editor") << 3;
    QTest::newRow("Locations") << 4;
    QTest::newRow("Test Chat") << 5;
}

void TestTestChat::f1OpensTheHelpPage()
{
    QFETCH(int, picture);
    QWidget *window = m_launcher.get();
    if (picture == 5) {
        Keyboard::press(*m_launcher, QKeySequence(Qt::Key_F5));
        window = chat();
    } else if (picture > 0) {
        Controls::find<QAbstractButton>(*m_launcher, QStringLiteral("Picture%1").arg(picture))->click();
        window = picture == 2   ? static_cast<QWidget *>(topLevel<KBEd>())
                 : picture == 3 ? static_cast<QWidget *>(topLevel<MemoryEd>())
                                : static_cast<QWidget *>(topLevel<Locs>());
    }
    QVERIFY(window);
    FakePlatform &platform = m_folder->platform;
    // Without the page: a message names it, and no browser is asked.
    Keyboard::press(*window, QKeySequence(Qt::Key_F1));
    QCOMPARE(platform.openedDocuments, QStringList());
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY2(platform.messages.constFirst().text.contains(u"Mindloom.htm"_s),
             qPrintable(platform.messages.constFirst().text));
    m_folder->copyAssets({u"Docs"_s});
    Keyboard::press(*window, QKeySequence(Qt::Key_F1));
    QCOMPARE(platform.openedDocuments, QStringList{m_folder->path(u"Docs/Mindloom.htm"_s)});
    // The desktop failing to open it is told too.
    platform.browserSucceeds = false;
    Keyboard::press(*window, QKeySequence(Qt::Key_F1));
    QCOMPARE(platform.messages.size(), 2);
    QVERIFY(platform.messages.constLast().text.contains(u"could not be opened"_s));
}

void TestTestChat::ctrlLBringsTheLauncherBack()
{
    Keyboard::press(*m_launcher, QKeySequence(Qt::Key_F5));
    m_launcher->hide();
    Keyboard::press(*chat(), QKeySequence(Qt::CTRL | Qt::Key_L));
    QVERIFY(m_launcher->isVisible());
}

QTEST_MAIN(TestTestChat)
#include "tst_test_chat.moc"
