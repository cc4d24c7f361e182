// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibilityWalk.h"
#include "Controls.h"
#include "KBEd.h"
#include "Keyboard.h"
#include "KnowledgeBase.h"
#include "ProgramFolderFixture.h"
#include "SampleTexts.h"
#include "SentenceSplitter.h"
#include "SessionEnd.h"
#include "TestFiles.h"
#include "TextArea.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using Answer = Platform::Answer;

// The Knowledge Base Editor driven through its controls and keys: how it
// shows the knowledge base and forwards the commands; the rules themselves
// are the model's (tst_knowledge_base).
class TestKBEd : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void opensIdle();
    void accessibility();

    void load();
    void loadCancelledChangesNothing();
    void loadFailureIsReported();
    void save_data();
    void save();
    void loadThenSaveGivesTheBytesBack_data();
    void loadThenSaveGivesTheBytesBack();
    void saveAsksWhenChangedOnDisk_data();
    void saveAsksWhenChangedOnDisk();
    void saveAsksBeforeReplacing_data();
    void saveAsksBeforeReplacing();
    void saveCancelledWritesNothing();
    void saveFailureIsReported();

    void unsavedWorkQuestion_data();
    void unsavedWorkQuestion();
    void keys_data();
    void keys();

    void entryLine_data();
    void entryLine();
    void entryLineKeepsOneLine_data();
    void entryLineKeepsOneLine();
    void newKBaseKeepsTextData();

    void import_data();
    void import();
    void importOfALinuxText();
    void importCancelledChangesNothing();
    void importFailureChangesNothing();
    void importedUtf8SavesInCodePage_data();
    void importedUtf8SavesInCodePage();
    void enterConfirmingTheDialogAddsNoFact();
    void percentageShownWhileSplitting();

    void busyStateBlocksSecondImport();
    void commandsActBetweenSlices();
    void splitWaitsWhileMessageIsOpen();
    void stopEndsSplit();
    void closingMidSplit_data();
    void closingMidSplit();
    void closingMidSplitDeletesCleanly();

private:
    // A file outside the program folder, holding these bytes.
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        return TestFiles::writeBytes(m_fixture->elsewhere(name), bytes);
    }
    // The window shows text as a knowledge base just loaded: nothing changed.
    void showLoaded(const QString &text);
    // Text typed at the end of the area: a change.
    void typeInArea(const QString &text);
    void startImport(const QString &text);
    void waitIdle(KBEd &window);

    template <class T> T *control(const char *name, QWidget *window = nullptr)
    {
        return Controls::find<T>(window ? *window : *m_window, name);
    }
    TextArea *area() { return control<TextArea>("RichTextBox1"); }
    KnowledgeBase &kb() { return m_window->knowledgeBase(); }
    QString folder() const { return m_fixture->folder(); }

    std::unique_ptr<ProgramFolderFixture> m_fixture;
    FakePlatform *m_platform = nullptr;
    // How much text the area held while a message was shown.
    QList<qsizetype> m_lengthsWhileOpen;
    KBEd *m_window = nullptr;
};

void TestKBEd::init()
{
    m_fixture = std::make_unique<ProgramFolderFixture>();
    m_platform = &m_fixture->platform;
    m_lengthsWhileOpen.clear();
    m_window = new KBEd(*m_platform);
    // The window handles its events while a message box is open, as a real
    // modal box lets it.
    m_platform->whileMessageShown = [this](const FakePlatform::Message &) {
        for (int i = 0; i < 5; ++i) {
            QTest::qWait(10);
            m_lengthsWhileOpen << area()->textLength();
        }
    };
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestKBEd::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_platform = nullptr;
    m_fixture.reset();
}

void TestKBEd::showLoaded(const QString &text)
{
    // As a save writes it: the text and one CR LF.
    const QString path =
        TestFiles::writeBytes(m_fixture->path(QStringLiteral("shown.kba")), text.toLatin1() + "\r\n");
    QCOMPARE(kb().load(path), QString());
    QVERIFY(!kb().modified());
}

void TestKBEd::typeInArea(const QString &text)
{
    area()->moveCaretToEnd();
    area()->insertPlainText(text);
    QVERIFY(kb().modified());
}

void TestKBEd::startImport(const QString &text)
{
    m_platform->dialogAnswers << writeFile(QStringLiteral("source.txt"), text.toLatin1());
    control<QPushButton>("Command3")->click();
}

void TestKBEd::waitIdle(KBEd &window)
{
    QTRY_VERIFY_WITH_TIMEOUT(!window.knowledgeBase().isSplitting(), 120000);
    QVERIFY(control<QLabel>("Label1", &window)->text().isEmpty());
    QVERIFY(control<QLabel>("Label2", &window)->text().isEmpty());
    QVERIFY(control<QPushButton>("Command5", &window)->isHidden());
    QVERIFY(control<QPushButton>("Command3", &window)->isEnabled());
}

void TestKBEd::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::newRow("RichTextBox1") << QStringLiteral("RichTextBox1") << QRect(15, 20, 396, 356) << QString();
    QTest::newRow("Text2") << QStringLiteral("Text2") << QRect(11, 393, 397, 22) << QString();
    QTest::newRow("Command4") << QStringLiteral("Command4") << QRect(432, 24, 81, 18)
                              << QStringLiteral("New KBase...");
    QTest::newRow("Command1") << QStringLiteral("Command1") << QRect(432, 42, 81, 18)
                              << QStringLiteral("Load KBase...");
    QTest::newRow("Command2") << QStringLiteral("Command2") << QRect(432, 60, 81, 19)
                              << QStringLiteral("Save KBase...");
    QTest::newRow("Command3") << QStringLiteral("Command3") << QRect(432, 79, 81, 29)
                              << QStringLiteral("Read From Text File");
    QTest::newRow("Label1") << QStringLiteral("Label1") << QRect(427, 125, 73, 25) << QString();
    QTest::newRow("Label2") << QStringLiteral("Label2") << QRect(498, 125, 33, 25) << QString();
    QTest::newRow("Command5") << QStringLiteral("Command5") << QRect(438, 159, 81, 18)
                              << QStringLiteral("STOP");
}

void TestKBEd::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    auto *widget = m_window->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(Keyboard::visibleCaption(button->text()), caption);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), caption);
    else if (auto *line = qobject_cast<QLineEdit *>(widget))
        QCOMPARE(line->text(), caption);
    else
        QCOMPARE(qobject_cast<TextArea *>(widget)->text(), caption);
    // Every box and button can be clicked in its middle.
    if (!qobject_cast<QLabel *>(widget) && name != QLatin1String("Command5")) {
        QWidget *hit = m_window->childAt(geometry.center());
        QVERIFY(hit == widget || widget->isAncestorOf(hit));
    }
}

void TestKBEd::opensIdle()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Knowledge Base Editor"));
    QCOMPARE(m_window->size(), QSize(537, 449));
    QVERIFY(!QPixmap(QStringLiteral(":/knowledge/kbed_background.png")).isNull());
    QVERIFY(control<QPushButton>("Command5")->isHidden());
    QVERIFY(kb().textData().isEmpty());
    QVERIFY(!kb().isSplitting());
    QVERIFY(!kb().modified());
    QCOMPARE(area()->plainDocument(), kb().document());
    // The entry line comes first in the tab order and has the focus; the
    // others follow in reading order.
    QCOMPARE(m_window->focusWidget(), control<QLineEdit>("Text2"));
    QCOMPARE(Keyboard::tabOrder(*m_window),
             QStringList({QStringLiteral("Text2"), QStringLiteral("RichTextBox1"), QStringLiteral("Command4"),
                          QStringLiteral("Command1"), QStringLiteral("Command2"), QStringLiteral("Command3"),
                          QStringLiteral("Command5")}));
}

void TestKBEd::accessibility()
{
    QCOMPARE(AccessibilityWalk::unnamedControls(*m_window), QStringList());
    QCOMPARE(AccessibilityWalk::accessibleName(area()), QStringLiteral("Knowledge base"));
    QCOMPARE(AccessibilityWalk::accessibleName(control<QLineEdit>("Text2")), QStringLiteral("New fact"));
    QCOMPARE(AccessibilityWalk::accessibleName(control<QPushButton>("Command3")),
             QStringLiteral("Read From Text File"));
    for (QWidget *widget : AccessibilityWalk::interactiveControls(*m_window))
        QVERIFY2(!widget->accessibleDescription().isEmpty(), qPrintable(widget->objectName()));
    QCOMPARE(Keyboard::mnemonicClashes(*m_window), QStringList());
}

void TestKBEd::load()
{
    showLoaded(QStringLiteral("old text"));
    m_platform->dialogAnswers << writeFile(QStringLiteral("facts.kba"),
                                           "Stars shine.\r\n\r\nMoons orbit.\r\n");
    control<QPushButton>("Command1")->click();
    QCOMPARE(area()->text(), QStringLiteral("Stars shine.\r\n\r\nMoons orbit."));
    QCOMPARE(area()->textCursor().position(), 0);
    QCOMPARE(m_platform->dialogCalls.size(), 1);
    const FakePlatform::DialogCall &call = m_platform->dialogCalls.first();
    QCOMPARE(call.mode, FileDialog::Mode::Open);
    QCOMPARE(call.filter, QStringLiteral("KBA Files (*.kba)|*.kba"));
    QCOMPARE(call.initDir, folder()); // where Save KBase puts them
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(m_platform->questions.isEmpty());
}

void TestKBEd::loadCancelledChangesNothing()
{
    showLoaded(QStringLiteral("keep\r\n"));
    m_platform->dialogAnswers << QString();
    control<QPushButton>("Command1")->click();
    QCOMPARE(area()->text(), QStringLiteral("keep\r\n"));
    QVERIFY(m_platform->messages.isEmpty());
}

void TestKBEd::loadFailureIsReported()
{
    showLoaded(QStringLiteral("keep\r\n\r\n"));
    const QString path = m_fixture->elsewhere(QStringLiteral("missing.kba"));
    m_platform->dialogAnswers << path;
    control<QPushButton>("Command1")->click();
    QCOMPARE(area()->text(), QStringLiteral("keep\r\n\r\n"));
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY2(m_platform->messages.first().text.contains(QDir::toNativeSeparators(path)),
             qPrintable(m_platform->messages.first().text));
    QCOMPARE(m_platform->messages.first().icon, Platform::MessageIcon::Critical);
    QCOMPARE(m_platform->messages.first().title, QStringLiteral("Load KBase"));
}

void TestKBEd::save_data()
{
    QTest::addColumn<bool>("elsewhere");
    QTest::newRow("chosen in the program folder") << false;
    QTest::newRow("chosen in another folder") << true;
}

void TestKBEd::save()
{
    QFETCH(bool, elsewhere);
    typeInArea(QStringLiteral("Stars shine.\r\n\r\n"));
    const QString name = QStringLiteral("facts.kba");
    m_platform->dialogAnswers << (elsewhere ? m_fixture->elsewhere(name) : m_fixture->path(name));
    control<QPushButton>("Command2")->click();

    QCOMPARE(m_platform->dialogCalls.size(), 1);
    const FakePlatform::DialogCall &call = m_platform->dialogCalls.last();
    QCOMPARE(call.mode, FileDialog::Mode::Save);
    QCOMPARE(call.filter, QStringLiteral("KBA Files (*.kba)|*.kba"));
    QCOMPARE(call.initDir, folder()); // opens where it writes
    // Into the program folder, whatever folder the dialog showed.
    QCOMPARE(TestFiles::readBytes(folder() + name), QByteArray("Stars shine.\r\n\r\n\r\n"));
    QVERIFY(!QFile::exists(m_fixture->elsewhere(name)));
    QCOMPARE(area()->text(), QStringLiteral("Stars shine.\r\n\r\n"));
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(m_platform->questions.isEmpty());
    QVERIFY(!kb().modified());
}

void TestKBEd::loadThenSaveGivesTheBytesBack_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("saved"); // after load and save
    QTest::newRow("as the kit writes it")
        << QByteArray("Stars.\r\n\r\nMoons.\r\n\r\n\r\n") << QByteArray("Stars.\r\n\r\nMoons.\r\n\r\n\r\n");
    QTest::newRow("empty knowledge base") << QByteArray("\r\n") << QByteArray("\r\n");
    // A file without the final CR LF loses nothing; the save adds it.
    QTest::newRow("no final CR LF") << QByteArray("Stars.") << QByteArray("Stars.\r\n");
    QTest::newRow("empty file") << QByteArray() << QByteArray("\r\n");
}

void TestKBEd::loadThenSaveGivesTheBytesBack()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, saved);
    const QString path = TestFiles::writeBytes(m_fixture->path(QStringLiteral("facts.kba")), file);
    for (int cycle = 0; cycle < 2; ++cycle) {
        m_platform->dialogAnswers << path << QStringLiteral("facts");
        m_platform->answers << Answer::Yes;
        control<QPushButton>("Command1")->click();
        control<QPushButton>("Command2")->click();
        // Typed without its extension, the name gets ".kba".
        QCOMPARE(TestFiles::readBytes(path), saved);
        QVERIFY(m_platform->messages.isEmpty());
    }
    // A save that changed the bytes kept the old ones among the backups.
    QStringList entries = m_fixture->entries();
    entries.removeOne(QStringLiteral("Backups"));
    QCOMPARE(entries, QStringList{QStringLiteral("facts.kba")});
}

void TestKBEd::saveAsksWhenChangedOnDisk_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("No keeps the other program's file") << int(Answer::No);
    QTest::newRow("Yes replaces it") << int(Answer::Yes);
}

void TestKBEd::saveAsksWhenChangedOnDisk()
{
    QFETCH(int, answer);
    const QString path = TestFiles::writeBytes(m_fixture->path(QStringLiteral("facts.kba")), "Stars.\r\n");
    m_platform->dialogAnswers << path;
    control<QPushButton>("Command1")->click();
    typeInArea(QStringLiteral(" Mine."));
    TestFiles::writeBytes(path, "Theirs, longer.\r\n");
    m_platform->dialogAnswers << path;
    m_platform->answers << Answer(answer);
    control<QPushButton>("Command2")->click();
    QCOMPARE(m_platform->questions.size(), 1);
    QCOMPARE(
        m_platform->questions.first().text,
        QStringLiteral("facts.kba was changed by another program since it was loaded. Replace it with your "
                       "version?"));
    QCOMPARE(m_platform->questions.first().defaultAnswer, Answer::No);
    const bool replaced = Answer(answer) == Answer::Yes;
    QCOMPARE(TestFiles::readBytes(path) == "Theirs, longer.\r\n", !replaced);
    QCOMPARE(kb().modified(), !replaced);
}

void TestKBEd::saveAsksBeforeReplacing_data()
{
    QTest::addColumn<bool>("inProgramFolder"); // where the file of the chosen name exists
    QTest::addColumn<int>("answer");           // -1: no question expected
    QTest::addColumn<bool>("written");
    QTest::newRow("exists, Yes replaces") << true << int(Answer::Yes) << true;
    QTest::newRow("exists, No writes nothing") << true << int(Answer::No) << false;
    // The dialog showed another folder, where a file of that name exists; the
    // file really written does not exist yet, so nothing is asked.
    QTest::newRow("exists only where the dialog showed") << false << -1 << true;
}

void TestKBEd::saveAsksBeforeReplacing()
{
    QFETCH(bool, inProgramFolder);
    QFETCH(int, answer);
    QFETCH(bool, written);
    const QString name = QStringLiteral("facts.kba");
    const QString target = folder() + name;
    const QString shown = m_fixture->elsewhere(name);
    TestFiles::writeBytes(inProgramFolder ? target : shown, "Old.\r\n");
    typeInArea(QStringLiteral("New."));
    if (answer >= 0)
        m_platform->answers << Answer(answer);
    m_platform->dialogAnswers << shown;
    control<QPushButton>("Command2")->click();

    if (answer >= 0) {
        QCOMPARE(m_platform->questions.size(), 1);
        const FakePlatform::Asked &asked = m_platform->questions.first();
        QCOMPARE(asked.text, QStringLiteral("Replace %1?").arg(QDir::toNativeSeparators(target)));
        QCOMPARE(asked.question, Platform::Question::YesNo);
        QCOMPARE(asked.defaultAnswer, Answer::No);
    } else {
        QVERIFY(m_platform->questions.isEmpty());
    }
    QCOMPARE(TestFiles::readBytes(target), QByteArray(written ? "New.\r\n" : "Old.\r\n"));
    QCOMPARE(kb().modified(), !written);
}

void TestKBEd::saveCancelledWritesNothing()
{
    typeInArea(QStringLiteral("X."));
    m_platform->dialogAnswers << QString();
    control<QPushButton>("Command2")->click();
    QVERIFY(m_fixture->entries().isEmpty());
    QCOMPARE(area()->text(), QStringLiteral("X."));
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(kb().modified());
}

void TestKBEd::saveFailureIsReported()
{
    // The target exists as a folder (permissions do not stop root); the
    // replace question comes first and is answered Yes.
    const QString target = folder() + QStringLiteral("facts.kba");
    QVERIFY(QDir().mkdir(target));
    typeInArea(QStringLiteral("Stars.\r\n"));
    m_platform->answers << Answer::Yes;
    m_platform->dialogAnswers << m_fixture->elsewhere(QStringLiteral("facts.kba"));
    control<QPushButton>("Command2")->click();

    QCOMPARE(m_platform->messages.size(), 1);
    const FakePlatform::Message &message = m_platform->messages.first();
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(target)), qPrintable(message.text));
    QCOMPARE(message.icon, Platform::MessageIcon::Critical);
    QCOMPARE(message.title, QStringLiteral("Save KBase"));
    QCOMPARE(area()->text(), QStringLiteral("Stars.\r\n"));
    QVERIFY(kb().modified());
}

void TestKBEd::unsavedWorkQuestion_data()
{
    // command: what the user does; changed: whether the knowledge base holds
    // unsaved work; answer: to Save / Discard / Cancel (-1: none expected);
    // saveAs: the name given to the save dialog after Save ("" cancels it);
    // goesOn: whether the command then does its work.
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("saveAs");
    QTest::addColumn<bool>("goesOn");
    for (const char *command :
         {"close", "Ctrl+W", "session end", "New KBase...", "Load KBase...", "Read From Text File"}) {
        const auto row = [command](const char *what) -> QTestData & {
            return QTest::addRow("%s, %s", command, what) << QString::fromLatin1(command);
        };
        row("nothing changed") << false << -1 << QString() << true;
        row("Cancel") << true << int(Answer::Cancel) << QString() << false;
        row("Discard") << true << int(Answer::Discard) << QString() << true;
        row("Save") << true << int(Answer::Save) << QStringLiteral("saved.kba") << true;
        row("Save, dialog cancelled") << true << int(Answer::Save) << QString() << false;
    }
}

void TestKBEd::unsavedWorkQuestion()
{
    QFETCH(QString, command);
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(QString, saveAs);
    QFETCH(bool, goesOn);
    showLoaded(QStringLiteral("Mine.\r\n"));
    if (changed)
        typeInArea(QStringLiteral("More."));
    const QString before = area()->text();
    if (answer >= 0)
        m_platform->answers << Answer(answer);
    if (answer == int(Answer::Save))
        m_platform->dialogAnswers << (saveAs.isEmpty() ? QString() : m_fixture->path(saveAs));
    // The command's own dialog, for the commands that have one.
    m_platform->dialogAnswers << (command == QLatin1String("Read From Text File")
                                      ? writeFile(QStringLiteral("book.txt"), "One. Two.")
                                      : writeFile(QStringLiteral("other.kba"), "Other.\r\n"));

    if (command == QLatin1String("close"))
        m_window->close();
    else if (command == QLatin1String("Ctrl+W"))
        Keyboard::press(*m_window, QKeySequence(Qt::CTRL | Qt::Key_W));
    else if (command == QLatin1String("session end"))
        QCOMPARE(SessionEnd::closeAllWindows(), goesOn);
    else if (command == QLatin1String("New KBase..."))
        control<QPushButton>("Command4")->click();
    else if (command == QLatin1String("Load KBase..."))
        control<QPushButton>("Command1")->click();
    else
        control<QPushButton>("Command3")->click();
    waitIdle(*m_window);

    if (answer < 0) {
        QVERIFY(m_platform->questions.isEmpty());
    } else {
        QCOMPARE(m_platform->questions.size(), 1);
        const FakePlatform::Asked &asked = m_platform->questions.first();
        QCOMPARE(asked.question, Platform::Question::SaveDiscardCancel);
        QCOMPARE(asked.defaultAnswer, Answer::Save);
        QCOMPARE(asked.title, QStringLiteral("Knowledge Base Editor"));
        QVERIFY2(asked.text.contains(QStringLiteral("knowledge base")), qPrintable(asked.text));
    }
    if (!saveAs.isEmpty())
        QCOMPARE(TestFiles::readBytes(m_fixture->path(saveAs)), before.toLatin1() + "\r\n");

    QString after = before;
    if (goesOn) {
        if (command == QLatin1String("New KBase..."))
            after = QString();
        else if (command == QLatin1String("Load KBase..."))
            after = QStringLiteral("Other.");
        else if (command == QLatin1String("Read From Text File"))
            after = SentenceSplitter::facts(QStringLiteral("One. Two."));
    }
    QCOMPARE(area()->text(), after);
    const bool closes = command == QLatin1String("close") || command == QLatin1String("Ctrl+W") ||
                        command == QLatin1String("session end");
    QCOMPARE(m_window->isVisible(), !(closes && goesOn));
    // The command's own dialog comes only once the question let it go on.
    const int ownDialogs = !closes && command != QLatin1String("New KBase...") && goesOn ? 1 : 0;
    QCOMPARE(m_platform->dialogCalls.size(), ownDialogs + (answer == int(Answer::Save) ? 1 : 0));
}

void TestKBEd::keys_data()
{
    // effect: what the keys must do.
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("focus"); // the control that has the focus
    QTest::addColumn<QString>("effect");
    const struct
    {
        QKeySequence keys;
        const char *effect;
    } keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), "new"},   {QKeySequence(Qt::ALT | Qt::Key_N), "new"},
        {QKeySequence(Qt::CTRL | Qt::Key_O), "load"},  {QKeySequence(Qt::ALT | Qt::Key_L), "load"},
        {QKeySequence(Qt::CTRL | Qt::Key_S), "save"},  {QKeySequence(Qt::ALT | Qt::Key_S), "save"},
        {QKeySequence(Qt::ALT | Qt::Key_R), "read"},   {QKeySequence(Qt::Key_Escape), "stop"},
        {QKeySequence(Qt::ALT | Qt::Key_T), "stop"},   {QKeySequence(Qt::CTRL | Qt::Key_L), "launcher"},
        {QKeySequence(Qt::CTRL | Qt::Key_W), "close"},
    };
    for (const char *focus : {"Text2", "RichTextBox1"}) {
        for (const auto &key : keys) {
            QTest::addRow("%s in %s", qPrintable(key.keys.toString()), focus)
                << key.keys << QString::fromLatin1(focus) << QString::fromLatin1(key.effect);
        }
    }
}

void TestKBEd::keys()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, focus);
    QFETCH(QString, effect);
    showLoaded(QStringLiteral("Mine.\r\n"));
    if (effect == QLatin1String("stop"))
        startImport(SampleTexts::manySentences());
    QSignalSpy launcher(m_window, &EditorWindow::launcherRequested);
    Controls::find<QWidget>(*m_window, focus)->setFocus();
    Keyboard::press(*m_window, keys);

    // A mnemonic clicks its button after showing it pressed for a moment.
    const QList<FakePlatform::DialogCall> &dialogs = m_platform->dialogCalls;
    if (effect == QLatin1String("new")) {
        QTRY_VERIFY(area()->text().isEmpty());
    } else if (effect == QLatin1String("load") || effect == QLatin1String("read")) {
        QTRY_COMPARE(dialogs.size(), 1);
        QCOMPARE(dialogs.last().mode, FileDialog::Mode::Open);
        QCOMPARE(dialogs.last().filter.left(3),
                 QLatin1String(effect == QLatin1String("load") ? "KBA" : "Tex"));
    } else if (effect == QLatin1String("save")) {
        QTRY_COMPARE(dialogs.size(), 1);
        QCOMPARE(dialogs.last().mode, FileDialog::Mode::Save);
    } else if (effect == QLatin1String("stop")) {
        QTRY_VERIFY(!kb().isSplitting());
        QVERIFY(control<QPushButton>("Command5")->isHidden());
    } else if (effect == QLatin1String("launcher")) {
        QCOMPARE(launcher.size(), 1);
    } else {
        QVERIFY(!m_window->isVisible());
    }
    if (effect != QLatin1String("launcher"))
        QCOMPARE(launcher.size(), 0);
    if (effect != QLatin1String("new") && effect != QLatin1String("stop"))
        QCOMPARE(area()->text(), QStringLiteral("Mine.\r\n"));
    QVERIFY(m_platform->questions.isEmpty());
}

void TestKBEd::entryLine_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("autoRepeat");
    // Whether the key's press reached the entry line before its release, and
    // whether the entry line lost the focus in between.
    QTest::addColumn<bool>("pressedHere");
    QTest::addColumn<bool>("focusLost");
    QTest::addColumn<bool>("appends");
    QTest::newRow("return") << QStringLiteral("  I like stars. ") << int(Qt::Key_Return) << false << true
                            << false << true;
    QTest::newRow("keypad enter") << QStringLiteral("Moons.") << int(Qt::Key_Enter) << false << true << false
                                  << true;
    QTest::newRow("empty line") << QString() << int(Qt::Key_Return) << false << true << false << true;
    QTest::newRow("other key") << QStringLiteral("Moons") << int(Qt::Key_Tab) << false << true << false
                               << false;
    QTest::newRow("letter") << QStringLiteral("Moons") << int(Qt::Key_A) << false << true << false << false;
    QTest::newRow("held enter repeating")
        << QStringLiteral("Moons.") << int(Qt::Key_Return) << true << true << false << false;
    // Enter pressed to close a file dialog or message box, or on the launcher's
    // button that opened this window, is released here once the focus is back.
    QTest::newRow("release of a press made elsewhere")
        << QStringLiteral("Moons.") << int(Qt::Key_Return) << false << false << false << false;
    QTest::newRow("press here, focus gone before the release")
        << QStringLiteral("Moons.") << int(Qt::Key_Return) << false << true << true << false;
}

void TestKBEd::entryLine()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(bool, autoRepeat);
    QFETCH(bool, pressedHere);
    QFETCH(bool, focusLost);
    QFETCH(bool, appends);
    auto *entry = control<QLineEdit>("Text2");
    area()->setText(QStringLiteral("Old.\r\n\r\n"));
    entry->setText(typed);

    if (pressedHere) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(entry, &press);
    }
    if (focusLost) {
        QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(entry, &out);
    }
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(entry, &release);

    if (appends) {
        QCOMPARE(area()->text(), QStringLiteral("Old.\r\n\r\n") + typed + QStringLiteral("\r\n\r\n"));
        QVERIFY(entry->text().isEmpty());
        QCOMPARE(area()->textCursor().position(), area()->document()->characterCount() - 1);
    } else {
        QCOMPARE(area()->text(), QStringLiteral("Old.\r\n\r\n"));
        QCOMPARE(entry->text(), typed);
    }

    // Typing and releasing Enter through the keyboard does the same.
    if (appends && !autoRepeat) {
        QTest::keyClicks(entry, QStringLiteral("Next."));
        QTest::keyClick(entry, Qt::Key(key));
        QVERIFY(area()->text().endsWith(QStringLiteral("\r\n\r\nNext.\r\n\r\n")));
    }
}

void TestKBEd::entryLineKeepsOneLine_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::newRow("crlf") << QStringLiteral("Stars ") << 6 << QStringLiteral("shine.\r\nMoons orbit.\r\n")
                          << QStringLiteral("Stars shine.");
    QTest::newRow("lone lf") << QString() << 0 << QStringLiteral("One\nTwo") << QStringLiteral("One");
    QTest::newRow("lone cr") << QString() << 0 << QStringLiteral("One\rTwo") << QStringLiteral("One");
    QTest::newRow("into the middle") << QStringLiteral("AB") << 1 << QStringLiteral("x\r\ny")
                                     << QStringLiteral("AxB");
    QTest::newRow("starting with a break")
        << QStringLiteral("AB") << 2 << QStringLiteral("\r\nz") << QStringLiteral("AB");
    QTest::newRow("one line stays whole")
        << QStringLiteral("A") << 1 << QStringLiteral(" b c") << QStringLiteral("A b c");
}

void TestKBEd::entryLineKeepsOneLine()
{
    // Like any one-line box, the entry line keeps the first line of a text
    // pasted into it, so a fact never brings line breaks of its own (a lone LF
    // would otherwise reach the saved file).
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    auto *entry = control<QLineEdit>("Text2");
    entry->setText(before);
    entry->setCursorPosition(cursor);
    QGuiApplication::clipboard()->setText(pasted);
    entry->paste();
    QCOMPARE(entry->text(), after);
    QTest::keyClick(entry, Qt::Key_Return);
    QCOMPARE(area()->text(), after + QStringLiteral("\r\n\r\n"));
}

void TestKBEd::newKBaseKeepsTextData()
{
    startImport(QStringLiteral("Stars shine. Moons orbit."));
    waitIdle(*m_window);
    control<QLineEdit>("Text2")->setText(QStringLiteral("half typed"));
    m_platform->answers << Answer::Discard;
    control<QPushButton>("Command4")->click();
    QVERIFY(area()->text().isEmpty());
    QCOMPARE(kb().textData(), QStringLiteral("Stars shine. Moons orbit."));
    QCOMPARE(control<QLineEdit>("Text2")->text(), QStringLiteral("half typed"));
    QVERIFY(m_platform->dialogCalls.size() == 1);
}

void TestKBEd::import_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("source"); // TextData
    QTest::addColumn<QString>("expected");
    QTest::newRow("every rule at once")
        << QByteArray("Hello there. How are you?\r\nFine. One.Two. Wait... what. E f")
        << QStringLiteral("Hello there. How are you?\r\nFine. One.Two. Wait... what. E f")
        << QStringLiteral("Hello there.\r\n\r\nHow are you? Fine.\r\n\r\nOne.Two.\r\n\r\n"
                          "Wait...\r\n\r\nwhat.\r\n\r\nE f\r\n\r\n");
    QTest::newRow("question mark inside")
        << QByteArray("Hello there. How are you? Fine.") << QStringLiteral("Hello there. How are you? Fine.")
        << QStringLiteral("Hello there.\r\n\r\nHow are you? Fine.\r\n\r\n");
    QTest::newRow("no full stop") << QByteArray("No end here") << QStringLiteral("No end here")
                                  << QStringLiteral("No end here\r\n\r\n");
    QTest::newRow("empty file") << QByteArray() << QString() << QString();
    QTest::newRow("lines of a book") << QByteArray("Line one.\r\nLine\r\ntwo. Caf\xe9.\r\n")
                                     << QStringLiteral("Line one.\r\nLine\r\ntwo. Caf\u00e9.\r\n")
                                     << QStringLiteral(
                                            "Line one.\r\n\r\nLine two.\r\n\r\nCaf\u00e9.\r\n\r\n");
    QTest::newRow("utf-8") << QByteArray("It\xe2\x80\x99s late. Caf\xc3\xa9?")
                           << QStringLiteral("It\u2019s late. Caf\u00e9?")
                           << QStringLiteral("It\u2019s late.\r\n\r\nCaf\u00e9?\r\n\r\n");
    QTest::newRow("utf-8 byte-order mark")
        << QByteArray("\xef\xbb\xbfStars.") << QStringLiteral("Stars.") << QStringLiteral("Stars.\r\n\r\n");
}

void TestKBEd::import()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, source);
    QFETCH(QString, expected);
    showLoaded(QStringLiteral("replaced"));
    const QString path = writeFile(QStringLiteral("book.txt"), bytes);
    m_platform->dialogAnswers << path;
    control<QPushButton>("Command3")->click();
    waitIdle(*m_window);

    QCOMPARE(area()->text(), expected);
    QCOMPARE(kb().textData(), source);
    QCOMPARE(m_platform->dialogCalls.size(), 1);
    const FakePlatform::DialogCall &call = m_platform->dialogCalls.first();
    QCOMPARE(call.mode, FileDialog::Mode::Open);
    QCOMPARE(call.filter, QStringLiteral("Text Files (*.txt)|*.txt"));
    QVERIFY(call.initDir.isEmpty());
    QVERIFY(m_platform->messages.isEmpty());
}

void TestKBEd::importOfALinuxText()
{
    // Hard-wrapped with LF, a heading, and NULs: facts one a line, CR LF
    // only in the file saved, and a note of what was left out.
    static const char bytes[] =
        "Stars\n\nA star is a ball\nof hot gas.\0 Its light\ntakes years\n\0to reach us.\n";
    const QByteArray source(bytes, sizeof bytes - 1);
    m_platform->dialogAnswers << writeFile(QStringLiteral("stars.txt"), source);
    control<QPushButton>("Command3")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!kb().isSplitting(), 10000);
    const QString facts = QStringLiteral(
        "Stars\r\n\r\nA star is a ball of hot gas.\r\n\r\nIts light takes years to reach us.\r\n\r\n");
    QCOMPARE(area()->text(), facts);
    auto *status = control<QLabel>("Label1");
    QCOMPARE(status->text(), QStringLiteral("NULs cut"));
    QVERIFY2(status->sizeHint().width() <= status->width(),
             qPrintable(QString::number(status->sizeHint().width())));
    QVERIFY2(status->toolTip().endsWith(QStringLiteral(": 2")), qPrintable(status->toolTip()));
    QVERIFY(m_platform->messages.isEmpty());

    const QString saved = m_fixture->path(QStringLiteral("stars.kba"));
    m_platform->dialogAnswers << saved;
    control<QPushButton>("Command2")->click();
    QCOMPARE(TestFiles::readBytes(saved), facts.toLatin1() + "\r\n");

    // A new knowledge base has nothing left out.
    control<QPushButton>("Command4")->click();
    QVERIFY(status->text().isEmpty());
    QVERIFY(status->toolTip().isEmpty());
}

void TestKBEd::importCancelledChangesNothing()
{
    // Neither the typed facts nor the text read before are touched, and no
    // split runs.
    startImport(QStringLiteral("A b. C d."));
    waitIdle(*m_window);
    m_platform->answers << Answer::Discard;
    typeInArea(QStringLiteral("Typed.\r\n\r\n"));
    const QString before = area()->text();
    m_platform->dialogAnswers << QString();
    control<QPushButton>("Command3")->click();
    QVERIFY(!kb().isSplitting());
    QVERIFY(control<QPushButton>("Command5")->isHidden());
    QCOMPARE(area()->text(), before);
    QCOMPARE(kb().textData(), QStringLiteral("A b. C d."));
    QTest::qWait(20);
    QCOMPARE(area()->text(), before);
}

void TestKBEd::importFailureChangesNothing()
{
    showLoaded(QStringLiteral("Mine.\r\n\r\n"));
    const QString missing = m_fixture->elsewhere(QStringLiteral("missing.txt"));
    m_platform->dialogAnswers << missing;
    control<QPushButton>("Command3")->click();

    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages.first().text.contains(QDir::toNativeSeparators(missing)));
    QCOMPARE(m_platform->messages.first().icon, Platform::MessageIcon::Critical);
    QVERIFY(!kb().isSplitting());
    QCOMPARE(area()->text(), QStringLiteral("Mine.\r\n\r\n"));
    QVERIFY(control<QLabel>("Label1")->text().isEmpty());
    QVERIFY(control<QPushButton>("Command5")->isHidden());
}

void TestKBEd::importedUtf8SavesInCodePage_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("saved"); // empty: nothing written
    QTest::addColumn<QString>("message");  // what the message names, or empty
    QTest::newRow("quote in the code page")
        << QByteArray("It\xe2\x80\x99s late.") << QByteArray("It\x92s late.\r\n\r\n\r\n") << QString();
    QTest::newRow("character outside it")
        << QByteArray("It\xe2\x80\x99s \xe4\xb8\xad.") << QByteArray() << QStringLiteral("U+4E2D");
}

void TestKBEd::importedUtf8SavesInCodePage()
{
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, saved);
    QFETCH(QString, message);
    m_platform->dialogAnswers << writeFile(QStringLiteral("utf8.txt"), source);
    control<QPushButton>("Command3")->click();
    waitIdle(*m_window);
    m_platform->dialogAnswers << folder() + QStringLiteral("facts.kba");
    control<QPushButton>("Command2")->click();

    const QString target = folder() + QStringLiteral("facts.kba");
    if (message.isEmpty()) {
        QVERIFY(m_platform->messages.isEmpty());
        QCOMPARE(TestFiles::readBytes(target), saved);
    } else {
        QCOMPARE(m_platform->messages.size(), 1);
        QVERIFY2(m_platform->messages.first().text.contains(message),
                 qPrintable(m_platform->messages.first().text));
        QVERIFY(!QFile::exists(target));
    }
}

void TestKBEd::enterConfirmingTheDialogAddsNoFact()
{
    // Enter pressed in the file dialog closes it; its release reaches whatever
    // has the focus afterwards. Read From Text File is disabled during the
    // split, so the focus moves on, to the entry line.
    auto *read = control<QPushButton>("Command3");
    read->setFocus();
    QVERIFY(read->hasFocus());
    startImport(QStringLiteral("One. Two."));
    waitIdle(*m_window);
    QVERIFY(QApplication::focusWidget());
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(QApplication::focusWidget(), &release);
    QCOMPARE(area()->text(), QStringLiteral("One.\r\n\r\nTwo.\r\n\r\n"));
}

void TestKBEd::percentageShownWhileSplitting()
{
    // 10 characters in the area against 6 read: 166, shown as 100%.
    startImport(QStringLiteral("First."));
    QVERIFY(kb().isSplitting());
    QCOMPARE(area()->text(), QStringLiteral("First.\r\n\r\n"));
    QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral("Working..."));
    QCOMPARE(control<QLabel>("Label2")->text(), QStringLiteral("100%"));
    QVERIFY(control<QPushButton>("Command5")->isVisible());
    QVERIFY(!control<QPushButton>("Command3")->isEnabled());
    waitIdle(*m_window);
    QCOMPARE(area()->text(), QStringLiteral("First.\r\n\r\n"));
}

void TestKBEd::busyStateBlocksSecondImport()
{
    const QString text = SampleTexts::manySentences();
    startImport(text);
    auto *read = control<QPushButton>("Command3");
    QVERIFY(kb().isSplitting());
    QVERIFY(!read->isEnabled());
    QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral("Working..."));
    const QString percent = control<QLabel>("Label2")->text();
    QVERIFY2(percent.endsWith(QLatin1Char('%')) && percent.chopped(1).toInt() < 100, qPrintable(percent));

    m_platform->dialogAnswers << writeFile(QStringLiteral("other.txt"), "Other. Text.");
    QTest::mouseClick(read, Qt::LeftButton);
    Keyboard::press(*m_window, QKeySequence(Qt::ALT | Qt::Key_R));
    QTest::qWait(20);
    QCOMPARE(m_platform->dialogCalls.size(), 1);

    waitIdle(*m_window);
    QCOMPARE(area()->text(), SentenceSplitter::facts(text));
    QCOMPARE(kb().textData(), text);
}

void TestKBEd::commandsActBetweenSlices()
{
    const QString text = SampleTexts::manySentences();
    const QString facts = SentenceSplitter::facts(text);
    startImport(text);
    const qsizetype first = area()->textLength();
    QVERIFY(first > 0 && first < facts.size());
    QCOMPARE(area()->text(), facts.left(first));

    // New KBase... asks (the running split is a change), then empties the
    // area; the split goes on into the empty area.
    m_platform->answers << Answer::Discard << Answer::Discard;
    control<QPushButton>("Command4")->click();
    QCOMPARE(m_platform->questions.size(), 1);
    QVERIFY(area()->text().isEmpty());
    QTest::qWait(1);
    const QString appendedAfterNew = area()->text();
    QVERIFY(facts.mid(first).startsWith(appendedAfterNew));

    // A fact entered on the entry line lands between two sentences.
    auto *entry = control<QLineEdit>("Text2");
    entry->setText(QStringLiteral("Mine."));
    QTest::keyClick(entry, Qt::Key_Return);
    QCOMPARE(area()->text(), appendedAfterNew + QStringLiteral("Mine.\r\n\r\n"));

    // Loading a knowledge base replaces the text; the split appends to it.
    m_platform->dialogAnswers << writeFile(QStringLiteral("loaded.kba"), "Loaded.\r\n");
    control<QPushButton>("Command1")->click();
    QCOMPARE(m_platform->questions.size(), 2);
    QCOMPARE(area()->text(), QStringLiteral("Loaded."));

    waitIdle(*m_window);
    QCOMPARE(area()->text(), QStringLiteral("Loaded.") + facts.mid(first + appendedAfterNew.size()));
}

void TestKBEd::splitWaitsWhileMessageIsOpen()
{
    startImport(SampleTexts::manySentences());
    const qsizetype length = area()->textLength();
    m_platform->answers << Answer::Discard;
    m_platform->dialogAnswers << m_fixture->elsewhere(QStringLiteral("missing.kba"));
    control<QPushButton>("Command1")->click();
    QCOMPARE(m_lengthsWhileOpen, QList<qsizetype>(5, length));
    QVERIFY(kb().isSplitting());
    waitIdle(*m_window);
}

void TestKBEd::stopEndsSplit()
{
    const QString text = SampleTexts::manySentences();
    const QString facts = SentenceSplitter::facts(text);
    startImport(text);
    QTest::qWait(1);
    auto *stop = control<QPushButton>("Command5");
    QVERIFY(stop->isVisible());
    QTest::mouseClick(stop, Qt::LeftButton);

    // Idle at once, with what was appended so far: whole facts.
    QVERIFY(!kb().isSplitting());
    QVERIFY(control<QLabel>("Label1")->text().isEmpty());
    QVERIFY(control<QLabel>("Label2")->text().isEmpty());
    QVERIFY(stop->isHidden());
    QVERIFY(control<QPushButton>("Command3")->isEnabled());
    const QString kept = area()->text();
    QVERIFY(!kept.isEmpty() && kept.size() < facts.size());
    QCOMPARE(kept, facts.left(kept.size()));
    QTest::qWait(50);
    QCOMPARE(area()->text(), kept);
}

void TestKBEd::closingMidSplit_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Discard") << int(Answer::Discard) << true;
    QTest::newRow("Save") << int(Answer::Save) << true;
    QTest::newRow("Cancel") << int(Answer::Cancel) << false;
}

void TestKBEd::closingMidSplit()
{
    // A running split is unsaved work: the question comes while the split
    // waits, and closing ends it with what was appended.
    QFETCH(int, answer);
    QFETCH(bool, closes);
    const QString text = SampleTexts::manySentences();
    startImport(text);
    const QString kept = area()->text();
    const QString saved = folder() + QStringLiteral("partial.kba");
    m_platform->answers << Answer(answer);
    m_platform->dialogAnswers << saved;
    m_window->close();
    QCOMPARE(m_platform->questions.size(), 1);
    QVERIFY2(m_platform->questions.first().text.contains(QStringLiteral("import")),
             qPrintable(m_platform->questions.first().text));
    if (answer == int(Answer::Save))
        QCOMPARE(TestFiles::readBytes(saved), kept.toLatin1() + "\r\n");
    QCOMPARE(m_window->isVisible(), !closes);
    QCOMPARE(kb().isSplitting(), !closes);
    if (closes) {
        QTest::qWait(50);
        QCOMPARE(area()->text(), kept);
        QVERIFY(control<QPushButton>("Command5")->isHidden());
    } else {
        waitIdle(*m_window);
        QCOMPARE(area()->text(), SentenceSplitter::facts(text));
    }
}

void TestKBEd::closingMidSplitDeletesCleanly()
{
    FakePlatform platform;
    platform.folder = folder();
    platform.dialogAnswers << writeFile(QStringLiteral("book.txt"), SampleTexts::manySentences().toLatin1());
    platform.answers << Answer::Discard;
    QPointer<KBEd> window = new KBEd(platform);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    control<QPushButton>("Command3", window.data())->click();
    QTest::qWait(5);
    QVERIFY(window->knowledgeBase().isSplitting());
    window->close();
    QTRY_VERIFY(window.isNull());
    QTest::qWait(50);
}

QTEST_MAIN(TestKBEd)
#include "tst_kbed.moc"
