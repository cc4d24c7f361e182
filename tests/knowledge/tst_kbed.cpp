#include "Controls.h"
#include "KBEd.h"
#include "ProgramFolderFixture.h"
#include "SentenceSplitter.h"
#include "TestFiles.h"
#include "TextArea.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {

// Long enough that a split takes many slices, whatever the machine.
QString manySentences()
{
    QString text;
    for (int i = 0; i < 30000; ++i)
        text += QStringLiteral("Fact number %1 is about the stars.%2")
                    .arg(i)
                    .arg(i % 5 ? QStringLiteral(" ") : QStringLiteral("\r\n"));
    return text + QStringLiteral("Trailing words");
}

} // namespace

// The Knowledge Base Editor driven through its controls.
class TestKBEd : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void opensIdle();

    void load_data();
    void load();
    void loadCancelledChangesNothing();
    void loadFailure_data();
    void loadFailure();

    void save_data();
    void save();
    void saveCancelledWritesNothing();
    void saveFailure_data();
    void saveFailure();
    void sampleKnowledgeBase();
    void everyByteLoadsAndSavesBack();

    void entryLine_data();
    void entryLine();
    void entryLineKeepsOneLine_data();
    void entryLineKeepsOneLine();
    void newKBaseKeepsTextData();

    void import_data();
    void import();
    void importCancelledSplitsTextReadLast();
    void importCancelledWithNothingRead();
    void importFailureChangesNothing();
    void enterConfirmingTheDialogAddsNoFact();
    void percentageShownWhileSplitting();

    void busyStateBlocksSecondImport();
    void commandsActBetweenSlices();
    void splitWaitsWhileMessageIsOpen();
    void stopEndsSplit();
    void closingMidSplit();
    void closingMidSplitDeletesCleanly();

private:
    // A file outside the program folder, holding these bytes.
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        return TestFiles::writeBytes(m_fixture->elsewhere(name), bytes);
    }
    void startImport(const QString &text);
    void waitIdle(KBEd &window);

    template <class T> T *control(const char *name, QWidget *window = nullptr)
    {
        return Controls::find<T>(window ? *window : *m_window, name);
    }
    TextArea *area() { return control<TextArea>("RichTextBox1"); }
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

void TestKBEd::startImport(const QString &text)
{
    m_platform->dialogAnswers << writeFile(QStringLiteral("source.txt"), text.toLatin1());
    control<QPushButton>("Command3")->click();
}

void TestKBEd::waitIdle(KBEd &window)
{
    QTRY_VERIFY_WITH_TIMEOUT(!window.isSplitting(), 120000);
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
        QCOMPARE(button->text(), caption);
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
    QVERIFY(m_window->textData().isEmpty());
    QVERIFY(!m_window->isSplitting());
    // The entry line comes first in the tab order and has the focus.
    QCOMPARE(m_window->focusWidget(), control<QLineEdit>("Text2"));
    QCOMPARE(control<QLineEdit>("Text2")->nextInFocusChain(), area());
}

void TestKBEd::load_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("saved facts with final crlf")
        << QByteArray("Stars shine.\r\n\r\nMoons orbit.\r\n\r\n\r\n")
        << QStringLiteral("Stars shine.\r\n\r\nMoons orbit.\r\n\r\n\r\n");
    QTest::newRow("markup stays plain text") << QByteArray("{\\rtf1\\ansi {\\b bold}}<b>x</b>")
                                             << QStringLiteral("{\\rtf1\\ansi {\\b bold}}<b>x</b>");
    QTest::newRow("8-bit characters")
        << QByteArray("Caf\xe9 \x80 5\r\n") << QStringLiteral("Caf\u00e9 \u20ac 5\r\n");
}

void TestKBEd::load()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    area()->setText(QStringLiteral("old text"));
    m_platform->dialogAnswers << writeFile(QStringLiteral("facts.kba"), bytes);
    control<QPushButton>("Command1")->click();
    QCOMPARE(area()->text(), expected);
    QCOMPARE(m_platform->dialogCalls.size(), 1);
    const FakePlatform::DialogCall &call = m_platform->dialogCalls.first();
    QCOMPARE(call.mode, FileDialog::Mode::Open);
    QCOMPARE(call.filter, QStringLiteral("KBA Files (*.kba)|*.kba"));
    QCOMPARE(call.initDir, folder()); // where Save KBase puts them
    QVERIFY(m_platform->messages.isEmpty());
}

void TestKBEd::loadCancelledChangesNothing()
{
    area()->setText(QStringLiteral("keep\r\n"));
    m_platform->dialogAnswers << QString();
    control<QPushButton>("Command1")->click();
    QCOMPARE(area()->text(), QStringLiteral("keep\r\n"));
    QVERIFY(m_platform->messages.isEmpty());
}

void TestKBEd::loadFailure_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isFolder");
    QTest::newRow("missing file") << QStringLiteral("missing.kba") << false;
    QTest::newRow("a folder") << QStringLiteral("folder.kba") << true;
}

void TestKBEd::loadFailure()
{
    QFETCH(QString, name);
    QFETCH(bool, isFolder);
    const QString path = m_fixture->elsewhere(name);
    if (isFolder)
        QVERIFY(QDir().mkdir(path));
    area()->setText(QStringLiteral("keep\r\n\r\n"));
    m_platform->dialogAnswers << path;
    control<QPushButton>("Command1")->click();
    QCOMPARE(area()->text(), QStringLiteral("keep\r\n\r\n"));
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY2(m_platform->messages.first().text.contains(QDir::toNativeSeparators(path)),
             qPrintable(m_platform->messages.first().text));
    QCOMPARE(m_platform->messages.first().icon, Platform::MessageIcon::Critical);
    QVERIFY(!m_platform->messages.first().title.isEmpty());
}

void TestKBEd::save_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("answerFolder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty area writes crlf")
        << QString() << QStringLiteral("program") << QStringLiteral("empty.kba") << QByteArray("\r\n");
    QTest::newRow("facts get one more crlf")
        << QStringLiteral("Stars shine.\r\n\r\n") << QStringLiteral("program") << QStringLiteral("facts.kba")
        << QByteArray("Stars shine.\r\n\r\n\r\n");
    QTest::newRow("other folder ignored") << QStringLiteral("X.") << QStringLiteral("other")
                                          << QStringLiteral("facts.kba") << QByteArray("X.\r\n");
    QTest::newRow("no extension added")
        << QStringLiteral("X.") << QStringLiteral("other") << QStringLiteral("facts") << QByteArray("X.\r\n");
    QTest::newRow("8-bit characters") << QStringLiteral("Caf\u00e9 \u20ac") << QStringLiteral("program")
                                      << QStringLiteral("cafe.kba") << QByteArray("Caf\xe9 \x80\r\n");
}

void TestKBEd::save()
{
    QFETCH(QString, text);
    QFETCH(QString, answerFolder);
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    // A load first leaves a name in the dialog; the save must empty it.
    m_platform->dialogAnswers << writeFile(QStringLiteral("prior.kba"), QByteArray());
    control<QPushButton>("Command1")->click();
    area()->setText(text);

    m_platform->dialogAnswers << (answerFolder == QLatin1String("program") ? m_fixture->path(name)
                                                                           : m_fixture->elsewhere(name));
    control<QPushButton>("Command2")->click();

    QCOMPARE(m_platform->dialogCalls.size(), 2);
    const FakePlatform::DialogCall &call = m_platform->dialogCalls.last();
    QCOMPARE(call.mode, FileDialog::Mode::Save);
    QCOMPARE(call.filter, QStringLiteral("KBA Files (*.kba)|*.kba"));
    QCOMPARE(call.initDir, folder()); // opens where it writes

    QCOMPARE(TestFiles::readBytes(folder() + name), bytes);
    QCOMPARE(QDir(folder()).entryList(QDir::Files), QStringList{name});
    QVERIFY(!QFile::exists(m_fixture->elsewhere(name)));
    if (!name.endsWith(QLatin1String(".kba")))
        QVERIFY(!QFile::exists(folder() + name + QStringLiteral(".kba")));
    QCOMPARE(area()->text(), text);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestKBEd::saveCancelledWritesNothing()
{
    area()->setText(QStringLiteral("X."));
    m_platform->dialogAnswers << QString();
    control<QPushButton>("Command2")->click();
    QVERIFY(m_fixture->entries().isEmpty());
    QCOMPARE(area()->text(), QStringLiteral("X."));
    QVERIFY(m_platform->messages.isEmpty());
}

void TestKBEd::saveFailure_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mentions");
    // The target exists as a folder (permissions do not stop root).
    QTest::newRow("target is a folder") << QStringLiteral("Stars.\r\n") << QStringLiteral("facts.kba");
    QTest::newRow("unstorable character") << QStringLiteral("Stars \u4e2d.\r\n") << QStringLiteral("U+4E2D");
}

void TestKBEd::saveFailure()
{
    QFETCH(QString, text);
    QFETCH(QString, mentions);
    const QString target = folder() + QStringLiteral("facts.kba");
    const bool folderTarget = mentions == QLatin1String("facts.kba");
    if (folderTarget)
        QVERIFY(QDir().mkdir(target));
    area()->setText(text);
    m_platform->dialogAnswers << m_fixture->elsewhere(QStringLiteral("facts.kba"));
    control<QPushButton>("Command2")->click();

    QCOMPARE(m_platform->messages.size(), 1);
    const FakePlatform::Message &message = m_platform->messages.first();
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(target)), qPrintable(message.text));
    QVERIFY2(message.text.contains(mentions), qPrintable(message.text));
    QCOMPARE(message.icon, Platform::MessageIcon::Critical);
    QCOMPARE(area()->text(), text);
    QCOMPARE(QFileInfo(target).isDir(), folderTarget);
    QCOMPARE(QDir(folder()).entryList(QDir::Files), QStringList());
}

void TestKBEd::everyByteLoadsAndSavesBack()
{
    // One character per byte, NUL and the other control characters included,
    // and a save gives the same bytes back with the one CR LF it appends.
    QByteArray bytes;
    for (int i = 0; i < 256; ++i) {
        if (i != '\r')
            bytes += char(i);
    }
    bytes += "\r\nend";
    m_platform->dialogAnswers << writeFile(QStringLiteral("bytes.kba"), bytes)
                              << m_fixture->elsewhere(QStringLiteral("bytes.kba"));
    control<QPushButton>("Command1")->click();
    QCOMPARE(area()->text().size(), bytes.size());
    QCOMPARE(area()->textLength(), bytes.size());
    control<QPushButton>("Command2")->click();
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(TestFiles::readBytes(folder() + QStringLiteral("bytes.kba")), bytes + "\r\n");
}

void TestKBEd::sampleKnowledgeBase()
{
    // The shipped knowledge base is what the editor writes: facts as
    // paragraphs with one empty line between them, and the final CR LF of the
    // save. Loading and saving it again adds one more CR LF.
    const QString sample = QStringLiteral(MINDLOOM_ASSETS_DIR "/Astronomy.kba");
    const QByteArray bytes = TestFiles::readBytes(sample);
    m_platform->dialogAnswers << sample << m_fixture->elsewhere(QStringLiteral("Copy.kba"));
    control<QPushButton>("Command1")->click();
    const QString text = area()->text();
    QVERIFY(text.endsWith(QStringLiteral(".\r\n\r\n\r\n")));
    const QStringList facts = text.chopped(6).split(QStringLiteral("\r\n\r\n"));
    QVERIFY(facts.size() >= 10);
    for (const QString &fact : facts)
        QVERIFY2(!fact.isEmpty() && !fact.contains(QLatin1Char('\r')) && !fact.contains(QLatin1Char('\n')),
                 qPrintable(fact));
    control<QPushButton>("Command2")->click();
    QCOMPARE(TestFiles::readBytes(folder() + QStringLiteral("Copy.kba")), bytes + "\r\n");
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
    control<QPushButton>("Command4")->click();
    QVERIFY(area()->text().isEmpty());
    QCOMPARE(m_window->textData(), QStringLiteral("Stars shine. Moons orbit."));
    QCOMPARE(control<QLineEdit>("Text2")->text(), QStringLiteral("half typed"));
    QVERIFY(m_platform->dialogCalls.size() == 1);
}

void TestKBEd::import_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("question mark inside") << QByteArray("Hello there. How are you? Fine.")
                                          << QStringLiteral("Hello there.\r\n\r\nHow are you? Fine.\r\n\r\n");
    QTest::newRow("fragment dropped")
        << QByteArray("A b. C d. E f") << QStringLiteral("A b.\r\n\r\nC d.\r\n\r\n");
    QTest::newRow("letter left out") << QByteArray("One.Two.") << QStringLiteral("One.\r\n\r\nwo.\r\n\r\n");
    QTest::newRow("ellipsis") << QByteArray("Wait... what.")
                              << QStringLiteral("Wait.\r\n\r\n\r\n\r\n\r\n\r\nwhat.\r\n\r\n");
    QTest::newRow("no full stop") << QByteArray("No end here") << QString();
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("lines of a book") << QByteArray("Line one.\r\nLine\r\ntwo. Caf\xe9.\r\n")
                                     << QStringLiteral(
                                            "Line one.\r\n\r\n\nLine\r\ntwo.\r\n\r\nCaf\u00e9.\r\n\r\n");
}

void TestKBEd::import()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    area()->setText(QStringLiteral("replaced"));
    const QString path = writeFile(QStringLiteral("book.txt"), bytes);
    m_platform->dialogAnswers << path;
    control<QPushButton>("Command3")->click();
    waitIdle(*m_window);

    QCOMPARE(area()->text(), expected);
    QCOMPARE(m_window->textData(), QString::fromLatin1(bytes));
    QCOMPARE(m_platform->dialogCalls.size(), 1);
    const FakePlatform::DialogCall &call = m_platform->dialogCalls.first();
    QCOMPARE(call.mode, FileDialog::Mode::Open);
    QCOMPARE(call.filter, QStringLiteral("Text Files (*.txt)|*.txt"));
    QVERIFY(call.initDir.isEmpty());
    QVERIFY(m_platform->messages.isEmpty());
}

void TestKBEd::importCancelledSplitsTextReadLast()
{
    startImport(QStringLiteral("A b. C d. E f"));
    waitIdle(*m_window);
    area()->setText(QStringLiteral("edited"));
    m_platform->dialogAnswers << QString();
    control<QPushButton>("Command3")->click();
    waitIdle(*m_window);
    QCOMPARE(area()->text(), QStringLiteral("A b.\r\n\r\nC d.\r\n\r\n"));
    QCOMPARE(m_window->textData(), QStringLiteral("A b. C d. E f"));
}

void TestKBEd::importCancelledWithNothingRead()
{
    area()->setText(QStringLiteral("Typed.\r\n\r\n"));
    m_platform->dialogAnswers << QString();
    control<QPushButton>("Command3")->click();
    waitIdle(*m_window);
    QVERIFY(area()->text().isEmpty());
    QVERIFY(m_window->textData().isEmpty());
}

void TestKBEd::importFailureChangesNothing()
{
    startImport(QStringLiteral("First. Second."));
    waitIdle(*m_window);
    area()->setText(QStringLiteral("Mine.\r\n\r\n"));
    const QString missing = m_fixture->elsewhere(QStringLiteral("missing.txt"));
    m_platform->dialogAnswers << missing;
    control<QPushButton>("Command3")->click();

    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages.first().text.contains(QDir::toNativeSeparators(missing)));
    QCOMPARE(m_platform->messages.first().icon, Platform::MessageIcon::Critical);
    QVERIFY(!m_window->isSplitting());
    QCOMPARE(area()->text(), QStringLiteral("Mine.\r\n\r\n"));
    QCOMPARE(m_window->textData(), QStringLiteral("First. Second."));
    QVERIFY(control<QLabel>("Label1")->text().isEmpty());
    QVERIFY(control<QPushButton>("Command5")->isHidden());
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
    QVERIFY(m_window->isSplitting());
    QCOMPARE(area()->text(), QStringLiteral("First.\r\n\r\n"));
    QCOMPARE(area()->textLength(), qsizetype(10));
    QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral("Working..."));
    QCOMPARE(control<QLabel>("Label2")->text(), QStringLiteral("100%"));
    QVERIFY(control<QPushButton>("Command5")->isVisible());
    waitIdle(*m_window);
    QCOMPARE(area()->text(), QStringLiteral("First.\r\n\r\n"));
}

void TestKBEd::busyStateBlocksSecondImport()
{
    const QString text = manySentences();
    startImport(text);
    auto *read = control<QPushButton>("Command3");
    QVERIFY(m_window->isSplitting());
    QVERIFY(!read->isEnabled());
    QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral("Working..."));
    const QString percent = control<QLabel>("Label2")->text();
    QVERIFY2(percent.endsWith(QLatin1Char('%')) && percent.chopped(1).toInt() < 100, qPrintable(percent));

    m_platform->dialogAnswers << writeFile(QStringLiteral("other.txt"), "Other. Text.");
    QTest::mouseClick(read, Qt::LeftButton);
    QTest::qWait(20);
    QCOMPARE(m_platform->dialogCalls.size(), 1);

    waitIdle(*m_window);
    QCOMPARE(area()->text(), SentenceSplitter::facts(text));
    QCOMPARE(m_window->textData(), text);
}

void TestKBEd::commandsActBetweenSlices()
{
    const QString text = manySentences();
    const QString facts = SentenceSplitter::facts(text);
    startImport(text);
    const qsizetype first = area()->textLength();
    QVERIFY(first > 0 && first < facts.size());
    QCOMPARE(area()->text(), facts.left(first));

    // New KBase... empties the area; the split goes on into the empty area.
    control<QPushButton>("Command4")->click();
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
    QCOMPARE(area()->text(), QStringLiteral("Loaded.\r\n"));

    waitIdle(*m_window);
    QCOMPARE(area()->text(), QStringLiteral("Loaded.\r\n") + facts.mid(first + appendedAfterNew.size()));
}

void TestKBEd::splitWaitsWhileMessageIsOpen()
{
    startImport(manySentences());
    const qsizetype length = area()->textLength();
    m_platform->dialogAnswers << m_fixture->elsewhere(QStringLiteral("missing.kba"));
    control<QPushButton>("Command1")->click();
    QCOMPARE(m_lengthsWhileOpen, QList<qsizetype>(5, length));
    QVERIFY(m_window->isSplitting());
    waitIdle(*m_window);
}

void TestKBEd::stopEndsSplit()
{
    const QString text = manySentences();
    const QString facts = SentenceSplitter::facts(text);
    startImport(text);
    QTest::qWait(1);
    auto *stop = control<QPushButton>("Command5");
    QVERIFY(stop->isVisible());
    QTest::mouseClick(stop, Qt::LeftButton);

    // Idle at once, with what was appended so far: whole facts.
    QVERIFY(!m_window->isSplitting());
    QVERIFY(control<QLabel>("Label1")->text().isEmpty());
    QVERIFY(control<QLabel>("Label2")->text().isEmpty());
    QVERIFY(stop->isHidden());
    QVERIFY(control<QPushButton>("Command3")->isEnabled());
    const QString kept = area()->text();
    QVERIFY(!kept.isEmpty() && kept.size() < facts.size());
    QCOMPARE(kept, facts.left(kept.size()));
    QVERIFY(kept.endsWith(QStringLiteral(".\r\n\r\n")));
    QTest::qWait(50);
    QCOMPARE(area()->text(), kept);
    QCOMPARE(m_window->textData(), text);

    // The next import starts from the beginning again.
    m_platform->dialogAnswers << QString();
    control<QPushButton>("Command3")->click();
    waitIdle(*m_window);
    QCOMPARE(area()->text(), facts);
}

void TestKBEd::closingMidSplit()
{
    startImport(manySentences());
    const QString kept = area()->text();
    m_window->close();
    QVERIFY(!m_window->isSplitting());
    QTest::qWait(50);
    QCOMPARE(area()->text(), kept);
    QVERIFY(control<QPushButton>("Command5")->isHidden());
}

void TestKBEd::closingMidSplitDeletesCleanly()
{
    FakePlatform platform;
    platform.folder = folder();
    platform.dialogAnswers << writeFile(QStringLiteral("book.txt"), manySentences().toLatin1());
    QPointer<KBEd> window = new KBEd(platform);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    control<QPushButton>("Command3", window.data())->click();
    QTest::qWait(5);
    QVERIFY(window->isSplitting());
    window->close();
    QTRY_VERIFY(window.isNull());
    QTest::qWait(50);
}

QTEST_MAIN(TestKBEd)
#include "tst_kbed.moc"
