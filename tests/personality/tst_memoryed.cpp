#include "Controls.h"
#include "MemoryEd.h"
#include "PersonalityFile.h"
#include "ProgramFolderFixture.h"
#include "SamplePersonality.h"
#include "TestFiles.h"
#include "TextArea.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

using namespace TestFiles;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The Personality Editor on a fake platform whose program folder is a fresh
// temporary folder. Files are put there before the window is created.
class Editor : public ProgramFolderFixture
{
public:
    void copySample()
    {
        copyAssets({SamplePersonality::name() + QStringLiteral(".mem"),
                    SamplePersonality::name() + QStringLiteral(".qas")});
    }

    void save(const QString &name, const QString &memory, const QString &qandA = QString())
    {
        QCOMPARE(PersonalityFile::save(folder(), name, memory, QString(), QString(), qandA), QString());
    }

    MemoryEd &open()
    {
        window = std::make_unique<MemoryEd>(platform);
        return *window;
    }

    template <class T> T *get(const char *name) const { return Controls::find<T>(*window, name); }
    TextArea *area() const { return get<TextArea>("RichTextBox1"); }
    QLineEdit *entry() const { return get<QLineEdit>("Text2"); }
    QLabel *label3() const { return get<QLabel>("Label3"); }

    void click(const char *name) const
    {
        auto *button = get<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

    // Chooses a list entry by its text, as a click on it does.
    void select(const QString &entry) const
    {
        auto *list = get<QListWidget>("List1");
        const QList<QListWidgetItem *> items = list->findItems(entry, Qt::MatchExactly);
        QVERIFY2(!items.isEmpty(), qPrintable(entry));
        list->setCurrentItem(items.first());
    }

    void load(const QString &entry) const
    {
        select(entry);
        click("Command1");
    }

    // Types a line into the entry line and presses Enter.
    void enter(const QString &line) const
    {
        QTest::keyClicks(entry(), line);
        QTest::keyClick(entry(), Qt::Key_Return);
    }

    std::unique_ptr<MemoryEd> window;
};

struct Texts
{
    QString memory, matchWords, wontSay, qandA, name, shown;
    bool operator==(const Texts &o) const
    {
        return memory == o.memory && matchWords == o.matchWords && wontSay == o.wontSay && qandA == o.qandA &&
               name == o.name && shown == o.shown;
    }
};

Texts texts(const Editor &e)
{
    const MemoryEd &w = *e.window;
    return {w.Memory(),    w.MatchWords(),      w.WontSayData(),
            w.QandAFile(), w.PersonalityName(), e.area()->text()};
}

} // namespace

// The Personality Editor window, driven through its controls.
class TestMemoryEd : public QObject
{
    Q_OBJECT
private slots:
    void initialState_data();
    void initialState();
    void colours();
    void listsPersonalitiesOnce();
    void loadTakesOutSections();
    void loadWithNothingSelected();
    void loadFailuresChangeNothing_data();
    void loadFailuresChangeNothing();
    void loneLineBreaksInLoadedFile();
    void saveAndLoadRoundTrip();
    void saveBeforeLoadDoesNothing();
    void exportsIntoProgramFolder_data();
    void exportsIntoProgramFolder();
    void cancellingDialogsDoesNothing();
    void failedWritesKeepFilesAndTexts_data();
    void failedWritesKeepFilesAndTexts();
    void unstorableCharacterSavesNothing();
    void statementEntry_data();
    void statementEntry();
    void questionAnswerEntries();
    void switchingViewsBetweenQuestionAndAnswer();
    void typingKeepsTextsInStep();
    void enterKeyReleases_data();
    void enterKeyReleases();
    void entryLinePasteKeepsFirstLine_data();
    void entryLinePasteKeepsFirstLine();
    void screenshot();
};

void TestMemoryEd::initialState_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");

    QTest::newRow("RichTextBox1") << QStringLiteral("RichTextBox1") << QRect(15, 101, 365, 281) << QString();
    QTest::newRow("List1") << QStringLiteral("List1") << QRect(410, 3, 135, 173) << QString();
    QTest::newRow("Command1") << QStringLiteral("Command1") << QRect(396, 184, 167, 18)
                              << QStringLiteral("Load Personality");
    QTest::newRow("Command5") << QStringLiteral("Command5") << QRect(396, 204, 167, 18)
                              << QStringLiteral("Save Personality");
    QTest::newRow("Command3") << QStringLiteral("Command3") << QRect(396, 227, 171, 18)
                              << QStringLiteral("Save Personality As...");
    QTest::newRow("Command4") << QStringLiteral("Command4") << QRect(396, 246, 172, 18)
                              << QStringLiteral("Save Q/A As...");
    QTest::newRow("Option1") << QStringLiteral("Option1") << QRect(20, 46, 14, 13) << QString();
    QTest::newRow("Option2") << QStringLiteral("Option2") << QRect(181, 47, 16, 14)
                             << QStringLiteral("Question/Answer");
    QTest::newRow("Text2") << QStringLiteral("Text2") << QRect(14, 408, 368, 23) << QString();
    QTest::newRow("Label3") << QStringLiteral("Label3") << QRect(387, 407, 16, 24) << QStringLiteral("?");
    QTest::newRow("Check1") << QStringLiteral("Check1") << QRect(22, 446, 13, 13)
                            << QStringLiteral("Use 2nd  Person (You,Your)");
}

void TestMemoryEd::initialState()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    Editor e;
    MemoryEd &w = e.open();
    QCOMPARE(w.windowTitle(), QStringLiteral("Personality Editor"));
    QCOMPARE(QPixmap(QStringLiteral(":/personality/memoryed_background.png")).size(), QSize(563, 469));
    QCOMPARE(w.size(), QSize(563, 469));
    auto *control = w.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        QCOMPARE(button->text(), caption);
    if (auto *label = qobject_cast<QLabel *>(control)) {
        QCOMPARE(label->text(), caption);
        QVERIFY(label->isHidden());
        QCOMPARE(label->font().pointSize(), 18);
    }
    if (auto *line = qobject_cast<QLineEdit *>(control))
        QVERIFY(line->text().isEmpty());

    QVERIFY(e.get<QRadioButton>("Option1")->isChecked());
    QVERIFY(!e.get<QRadioButton>("Option2")->isChecked());
    QVERIFY(!e.get<QCheckBox>("Check1")->isChecked());
    QCOMPARE(texts(e), Texts{});
    QCOMPARE(w.quest(), 0);
}

void TestMemoryEd::colours()
{
    Editor e;
    MemoryEd &w = e.open();
    e.label3()->show();
    const QImage shot = w.grab().toImage();
    const QColor button(255, 192, 255);
    const QColor box(255, 227, 249);
    const struct
    {
        const char *name;
        QColor colour;
    } samples[] = {{"Command1", button}, {"Command4", button}, {"RichTextBox1", box},
                   {"List1", box},       {"Text2", box},       {"Label3", box}};
    for (const auto &sample : samples) {
        const QRect r = e.get<QWidget>(sample.name)->geometry();
        // Just inside the frame, away from any text.
        QCOMPARE(QColor(shot.pixel(r.left() + 3, r.bottom() - 3)), sample.colour);
    }
}

void TestMemoryEd::listsPersonalitiesOnce()
{
    Editor e;
    for (const char *name : {"Alice.mem", ".mem", "notes.memo", "Alice.qas", "readme.txt"})
        writeBytes(e.folder() + QLatin1String(name), "x\r\n");
    e.open();
    auto *list = e.get<QListWidget>("List1");
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    entries.sort();
    QCOMPARE(entries, (QStringList{QString(), QStringLiteral("Alice"), QStringLiteral("notes.")}));
    // Saving under a new name does not refresh the list.
    e.save(QStringLiteral("Later"), QStringLiteral("x"));
    e.platform.dialogAnswers << e.folder() + QStringLiteral("Other.mem");
    e.click("Command3");
    QCOMPARE(list->count(), 3);
}

void TestMemoryEd::loadTakesOutSections()
{
    Editor e;
    e.copySample();
    MemoryEd &w = e.open();
    e.load(SamplePersonality::name());
    QVERIFY(e.platform.messages.isEmpty());
    // A file written by Save Personality: seven more CR LF pairs at the end of
    // the memory text, one at the end of the question/answer text.
    QCOMPARE(w.Memory(), SamplePersonality::memory() + crlfs(7));
    QCOMPARE(w.MatchWords(), SamplePersonality::matchWords());
    QCOMPARE(w.WontSayData(), SamplePersonality::wontSay());
    QCOMPARE(w.QandAFile(), SamplePersonality::qandA() + kCrLf);
    QCOMPARE(w.PersonalityName(), SamplePersonality::name());
    QCOMPARE(e.area()->text(), w.Memory());

    // In the question/answer view a load shows the question/answer text.
    e.click("Option2");
    QCOMPARE(e.area()->text(), w.QandAFile());
    e.area()->setText(QStringLiteral("edited"));
    e.load(SamplePersonality::name());
    QCOMPARE(e.area()->text(), SamplePersonality::qandA() + kCrLf);
    QCOMPARE(w.QandAFile(), SamplePersonality::qandA() + kCrLf);
    QCOMPARE(w.Memory(), SamplePersonality::memory() + crlfs(7));
}

void TestMemoryEd::loadWithNothingSelected()
{
    for (const bool emptyEntry : {false, true}) {
        Editor e;
        e.copySample();
        writeBytes(e.folder() + QStringLiteral(".mem"), "x\r\n");
        MemoryEd &w = e.open();
        e.load(SamplePersonality::name());
        const QString shown = e.area()->text();
        if (emptyEntry)
            e.select(QString());
        else
            e.get<QListWidget>("List1")->clearSelection();
        e.click("Command1");
        QCOMPARE(texts(e), (Texts{QString(), QString(), QString(), QString(), QString(), shown}));
        QVERIFY(e.platform.messages.isEmpty());
        // Any key in the entry line brings Memory back in step with the text area.
        QTest::keyClick(e.entry(), Qt::Key_A);
        QCOMPARE(w.Memory(), shown);
    }
}

void TestMemoryEd::loadFailuresChangeNothing_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("text");

    QTest::newRow("q/a file missing")
        << QStringLiteral("NoQandA")
        << QStringLiteral("The Personality's .qas file is missing! Unable to load Personality. Sorry!");
    QTest::newRow("q/a file is a folder")
        << QStringLiteral("QandAFolder")
        << QStringLiteral("The Personality's .qas file is missing! Unable to load Personality. Sorry!");
    QTest::newRow("entry from a name not ending in .mem")
        << QStringLiteral("notes.") << QStringLiteral("notes..mem");
    QTest::newRow("memory file deleted after listing")
        << QStringLiteral("Gone") << QStringLiteral("Gone.mem");
}

void TestMemoryEd::loadFailuresChangeNothing()
{
    QFETCH(QString, entry);
    QFETCH(QString, text);
    Editor e;
    e.copySample();
    e.save(QStringLiteral("NoQandA"), QStringLiteral("x"));
    e.save(QStringLiteral("QandAFolder"), QStringLiteral("x"));
    e.save(QStringLiteral("Gone"), QStringLiteral("x"));
    QVERIFY(QFile::remove(e.folder() + QStringLiteral("NoQandA.qas")));
    QVERIFY(QFile::remove(e.folder() + QStringLiteral("QandAFolder.qas")));
    QVERIFY(QDir().mkdir(e.folder() + QStringLiteral("QandAFolder.qas")));
    writeBytes(e.folder() + QStringLiteral("notes.memo"), "x\r\n");
    writeBytes(e.folder() + QStringLiteral("notes..qas"), "x\r\n");
    e.open();
    QVERIFY(QFile::remove(e.folder() + QStringLiteral("Gone.mem")));

    e.load(SamplePersonality::name());
    e.click("Option2");
    e.click("Option1");
    const Texts before = texts(e);
    e.load(entry);
    QCOMPARE(texts(e), before);
    QCOMPARE(e.platform.messages.size(), 1);
    const FakePlatform::Message &message = e.platform.messages.first();
    if (text.startsWith(QStringLiteral("The Personality")))
        QCOMPARE(message.text, text);
    else
        QVERIFY2(message.text.contains(text), qPrintable(message.text));
    QCOMPARE(message.title, QStringLiteral("Error!!"));
    QCOMPARE(message.icon, Platform::MessageIcon::Critical);
}

void TestMemoryEd::loneLineBreaksInLoadedFile()
{
    // A plain memory file with a lone CR and a lone LF: the text area keeps the
    // LF and shows the CR as a line break, which Memory then holds as CR LF.
    Editor e;
    writeBytes(e.folder() + QStringLiteral("Odd.mem"), "a\rb\nc\r\n");
    writeBytes(e.folder() + QStringLiteral("Odd.qas"), "q\ra\n");
    MemoryEd &w = e.open();
    e.load(QStringLiteral("Odd"));
    QCOMPARE(w.Memory(), QStringLiteral("a\r\nb\nc\r\n"));
    QCOMPARE(w.QandAFile(), QStringLiteral("q\ra\n"));
    e.click("Option2");
    QCOMPARE(w.QandAFile(), QStringLiteral("q\r\na\n"));
    QCOMPARE(w.Memory(), QStringLiteral("a\r\nb\nc\r\n"));
}

void TestMemoryEd::saveAndLoadRoundTrip()
{
    Editor e;
    e.save(QStringLiteral("Cats"), QStringLiteral("Something else"), QStringLiteral("\r\n#q&a%"));
    MemoryEd &w = e.open();
    e.load(QStringLiteral("Cats"));
    e.area()->setText(QStringLiteral("I like cats.\r\n\r\n"));
    e.click("Option2");
    e.area()->setText(QString());
    e.click("Option1");
    const Texts before = texts(e);

    e.click("Command5");
    QCOMPARE(e.platform.messages.size(), 1);
    QCOMPARE(e.platform.messages[0].text, QStringLiteral("Personality Saved"));
    QCOMPARE(e.platform.messages[0].title, QStringLiteral("Personality Saved"));
    QCOMPARE(e.platform.messages[0].icon, Platform::MessageIcon::None);
    QCOMPARE(texts(e), before); // saving works on copies
    const QByteArray stored = readBytes(e.folder() + QStringLiteral("Cats.mem"));
    QCOMPARE(stored.size(), 47);
    QCOMPARE(stored, readBytes(QStringLiteral(MINDLOOM_TEST_DATA "/Cats.mem")));
    QCOMPARE(readBytes(e.folder() + QStringLiteral("Cats.qas")), QByteArray("\r\n"));

    e.load(QStringLiteral("Cats"));
    QCOMPARE(w.Memory(), QStringLiteral("I like cats.") + crlfs(9));
    QCOMPARE(e.area()->text(), w.Memory());
    QCOMPARE(w.QandAFile(), kCrLf);
}

void TestMemoryEd::saveBeforeLoadDoesNothing()
{
    Editor e;
    e.save(QStringLiteral("Cats"), QStringLiteral("x"));
    e.open();
    e.area()->setText(QStringLiteral("typed"));
    const QByteArray old = readBytes(e.folder() + QStringLiteral("Cats.mem"));
    e.click("Command5");
    QVERIFY(e.platform.messages.isEmpty());
    // A failed load does not give a name to save under either.
    QVERIFY(QFile::remove(e.folder() + QStringLiteral("Cats.qas")));
    e.load(QStringLiteral("Cats"));
    QCOMPARE(e.platform.messages.size(), 1);
    e.click("Command5");
    QCOMPARE(e.platform.messages.size(), 1);
    QCOMPARE(e.entries(), QStringList{QStringLiteral("Cats.mem")});
    QCOMPARE(readBytes(e.folder() + QStringLiteral("Cats.mem")), old);
}

void TestMemoryEd::exportsIntoProgramFolder_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");

    // The loaded memory text (with the empty lines a load adds) and both sections, plain.
    const QByteArray memory = "I like cats." + QByteArray("\r\n").repeated(9) +
                              "* MatchWords:\r\ncat dog\r\n\r\n\r\n* WontSay:\r\nno\r\n\r\n\r\n\r\n";
    const QString otherFolder = QDir::tempPath() + QStringLiteral("/elsewhere/");
    QTest::newRow("memory, another folder")
        << QStringLiteral("Command3") << otherFolder + QStringLiteral("Export.mem")
        << QStringLiteral("MEM Files (*.mem)|*.mem") << QStringLiteral("Export.mem") << memory;
    QTest::newRow("memory, no extension")
        << QStringLiteral("Command3") << otherFolder + QStringLiteral("Plain")
        << QStringLiteral("MEM Files (*.mem)|*.mem") << QStringLiteral("Plain") << memory;
    QTest::newRow("q/a, another folder")
        << QStringLiteral("Command4") << otherFolder + QStringLiteral("Export.qas")
        << QStringLiteral("QAS Files (*.qas)|*.qas") << QStringLiteral("Export.qas")
        << QByteArray("\r\n#q&a%\r\n\r\n");
}

void TestMemoryEd::exportsIntoProgramFolder()
{
    QFETCH(QString, button);
    QFETCH(QString, answer);
    QFETCH(QString, filter);
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    Editor e;
    QCOMPARE(PersonalityFile::save(e.folder(), QStringLiteral("Cats"), QStringLiteral("I like cats.\r\n\r\n"),
                                   QStringLiteral("cat dog"), QStringLiteral("no"),
                                   QStringLiteral("\r\n#q&a%")),
             QString());
    MemoryEd &w = e.open();
    e.load(QStringLiteral("Cats"));
    const Texts before = texts(e);
    for (int round = 0; round < 2; ++round) {
        e.platform.dialogAnswers << answer;
        e.click(button.toLatin1().constData());
        QCOMPARE(e.platform.dialogCalls.size(), round + 1);
        const FakePlatform::DialogCall &call = e.platform.dialogCalls.last();
        QCOMPARE(call.mode, FileDialog::Mode::Save);
        QCOMPARE(call.filter, filter);
        // Opens where it writes: in the program folder.
        QCOMPARE(call.initDir, e.folder());
        QCOMPARE(readBytes(e.folder() + file), content);
    }
    QVERIFY(e.platform.messages.isEmpty());
    QVERIFY(!QFileInfo::exists(QDir::tempPath() + QStringLiteral("/elsewhere")));
    QCOMPARE(texts(e), before);
    QCOMPARE(w.PersonalityName(), QStringLiteral("Cats"));
}

void TestMemoryEd::cancellingDialogsDoesNothing()
{
    Editor e;
    e.copySample();
    e.open();
    e.load(SamplePersonality::name());
    const Texts before = texts(e);
    const QStringList files = e.entries();
    for (const char *button : {"Command3", "Command4"}) {
        e.platform.dialogAnswers << QString();
        e.click(button);
    }
    QCOMPARE(e.platform.dialogCalls.size(), 2);
    QVERIFY(e.platform.messages.isEmpty());
    QCOMPARE(e.entries(), files);
    QCOMPARE(texts(e), before);
}

void TestMemoryEd::failedWritesKeepFilesAndTexts_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("blocked");
    QTest::newRow("Save Personality, .qas is a folder")
        << QStringLiteral("Command5") << QStringLiteral("Juniper.qas");
    QTest::newRow("Save Personality, .mem is a folder")
        << QStringLiteral("Command5") << QStringLiteral("Juniper.mem");
    QTest::newRow("Save Personality As...") << QStringLiteral("Command3") << QStringLiteral("Blocked.mem");
    QTest::newRow("Save Q/A As...") << QStringLiteral("Command4") << QStringLiteral("Blocked.qas");
}

void TestMemoryEd::failedWritesKeepFilesAndTexts()
{
    QFETCH(QString, button);
    QFETCH(QString, blocked);
    Editor e;
    e.copySample();
    e.open();
    e.load(SamplePersonality::name());
    QTest::keyClicks(e.area(), QStringLiteral("New line."));
    const Texts before = texts(e);
    // The folder that stands where the file should go; the other file of the
    // personality keeps its old bytes when the .qas file fails first.
    const QByteArray oldMemory = readBytes(e.folder() + QStringLiteral("Juniper.mem"));
    QFile::remove(e.folder() + blocked);
    QVERIFY(QDir().mkdir(e.folder() + blocked));
    e.platform.dialogAnswers << e.folder() + blocked;
    e.click(button.toLatin1().constData());

    QCOMPARE(e.platform.messages.size(), 1);
    QVERIFY2(e.platform.messages[0].text.contains(blocked), qPrintable(e.platform.messages[0].text));
    QCOMPARE(e.platform.messages[0].title, QStringLiteral("Error!!"));
    QCOMPARE(e.platform.messages[0].icon, Platform::MessageIcon::Critical);
    QVERIFY(QFileInfo(e.folder() + blocked).isDir());
    if (blocked == QStringLiteral("Juniper.qas"))
        QCOMPARE(readBytes(e.folder() + QStringLiteral("Juniper.mem")), oldMemory);
    QCOMPARE(texts(e), before);
}

void TestMemoryEd::unstorableCharacterSavesNothing()
{
    Editor e;
    e.copySample();
    e.open();
    e.load(SamplePersonality::name());
    e.click("Option2");
    e.area()->moveCaretToEnd();
    QTest::keyClick(e.area(), Qt::Key_Return);
    QTest::keyClicks(e.area(), QStringLiteral("#Do you like hearts?&"));
    QTest::sendKeyEvent(QTest::Click, e.area(), Qt::Key_unknown, QString(QChar(0x2665)), Qt::NoModifier);
    QTest::keyClicks(e.area(), QStringLiteral("%"));
    QVERIFY(e.window->QandAFile().endsWith(QStringLiteral("\r\n#Do you like hearts?&\u2665%")));
    e.click("Option1");
    const Texts before = texts(e);
    const QStringList files = e.entries();
    const QByteArray memory = readBytes(e.folder() + QStringLiteral("Juniper.mem"));
    const QByteArray qandA = readBytes(e.folder() + QStringLiteral("Juniper.qas"));

    e.click("Command5");
    e.platform.dialogAnswers << e.folder() + QStringLiteral("Hearts.qas");
    e.click("Command4");
    QCOMPARE(e.platform.messages.size(), 2);
    for (const FakePlatform::Message &message : e.platform.messages) {
        QVERIFY2(message.text.contains(QStringLiteral("U+2665")), qPrintable(message.text));
        QCOMPARE(message.icon, Platform::MessageIcon::Critical);
    }
    QCOMPARE(readBytes(e.folder() + QStringLiteral("Juniper.mem")), memory);
    QCOMPARE(readBytes(e.folder() + QStringLiteral("Juniper.qas")), qandA);
    QCOMPARE(e.entries(), files);
    QCOMPARE(texts(e), before);
}

void TestMemoryEd::statementEntry_data()
{
    QTest::addColumn<bool>("secondPerson");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("appended");
    QTest::newRow("as typed") << false << QStringLiteral("I love you.")
                              << QStringLiteral("I love you.\r\n\r\n");
    QTest::newRow("second person") << true << QStringLiteral("I love you.")
                                   << QStringLiteral("You love me.\r\n\r\n");
    QTest::newRow("empty line") << true << QStringLiteral("") << QStringLiteral("\r\n\r\n");
}

void TestMemoryEd::statementEntry()
{
    QFETCH(bool, secondPerson);
    QFETCH(QString, line);
    QFETCH(QString, appended);
    Editor e;
    MemoryEd &w = e.open();
    e.area()->setText(QStringLiteral("Before.\r\n\r\n"));
    if (secondPerson)
        e.click("Check1");
    QCOMPARE(e.get<QCheckBox>("Check1")->isChecked(), secondPerson);
    e.enter(line);
    QCOMPARE(e.area()->text(), QStringLiteral("Before.\r\n\r\n") + appended);
    QCOMPARE(w.Memory(), e.area()->text());
    QCOMPARE(w.InText() + QStringLiteral("\r\n\r\n"), appended);
    QVERIFY(e.entry()->text().isEmpty());
    QCOMPARE(e.area()->textCursor().position(), e.area()->document()->characterCount() - 1);
    QVERIFY(e.label3()->isHidden());
}

void TestMemoryEd::questionAnswerEntries()
{
    Editor e;
    MemoryEd &w = e.open();
    e.area()->setText(QStringLiteral("Memory."));
    e.click("Option2");
    QVERIFY(!e.label3()->isHidden());
    QCOMPARE(e.label3()->text(), QStringLiteral("?"));
    e.click("Check1");

    e.enter(QStringLiteral("Do you like me?"));
    QCOMPARE(e.area()->text(), QStringLiteral("\r\n#Do I like you?&"));
    QCOMPARE(w.quest(), 1);
    QCOMPARE(e.label3()->text(), QStringLiteral("!"));
    QCOMPARE(w.QandAFile(), e.area()->text());
    QVERIFY(e.entry()->text().isEmpty());

    // The answer keeps its persons.
    e.enter(QStringLiteral("Yes, I do."));
    QCOMPARE(w.InText(), QStringLiteral("Yes, I do."));
    QCOMPARE(e.area()->text(), QStringLiteral("\r\n#Do I like you?&Yes, I do.%"));
    QCOMPARE(w.quest(), 0);
    QCOMPARE(e.label3()->text(), QStringLiteral("?"));

    // Enter on an empty line makes an entry with an empty question and answer.
    e.enter(QString());
    e.enter(QString());
    QCOMPARE(w.QandAFile(), QStringLiteral("\r\n#Do I like you?&Yes, I do.%\r\n#&%"));
    QCOMPARE(e.area()->textCursor().position(), e.area()->document()->characterCount() - 1);
    QCOMPARE(w.Memory(), QStringLiteral("Memory."));
}

void TestMemoryEd::switchingViewsBetweenQuestionAndAnswer()
{
    Editor e;
    MemoryEd &w = e.open();
    e.click("Option2");
    e.enter(QStringLiteral("First?"));
    e.click("Option1");
    QVERIFY(e.label3()->isHidden());
    e.click("Option2");
    // A question comes next, though the label still shows "!".
    QCOMPARE(w.quest(), 0);
    QCOMPARE(e.label3()->text(), QStringLiteral("!"));
    e.enter(QStringLiteral("Second?"));
    QCOMPARE(w.QandAFile(), QStringLiteral("\r\n#First?&\r\n#Second?&"));
    // Choosing the view that is already shown changes nothing.
    e.click("Option2");
    QCOMPARE(w.quest(), 1);
}

void TestMemoryEd::typingKeepsTextsInStep()
{
    Editor e;
    MemoryEd &w = e.open();
    QTest::keyClicks(e.area(), QStringLiteral("Hi"));
    QTest::keyClick(e.area(), Qt::Key_Return);
    QCOMPARE(w.Memory(), QStringLiteral("Hi\r\n"));
    e.click("Option2");
    QCOMPARE(e.area()->text(), QString());
    QTest::keyClicks(e.area(), QStringLiteral("#Q"));
    QCOMPARE(w.QandAFile(), QStringLiteral("#Q"));
    QCOMPARE(w.Memory(), QStringLiteral("Hi\r\n"));
    e.click("Option1");
    QCOMPARE(e.area()->text(), QStringLiteral("Hi\r\n"));
    QCOMPARE(w.QandAFile(), QStringLiteral("#Q"));

    // Keys other than Enter in the entry line add nothing.
    QTest::keyClicks(e.entry(), QStringLiteral("abc"));
    QTest::keyClick(e.entry(), Qt::Key_Backspace);
    QCOMPARE(e.entry()->text(), QStringLiteral("ab"));
    QCOMPARE(e.area()->text(), QStringLiteral("Hi\r\n"));
    QCOMPARE(w.Memory(), QStringLiteral("Hi\r\n"));
    QCOMPARE(w.InText(), QString());
    // The keypad's Enter is Enter too.
    QTest::keyClick(e.entry(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(w.Memory(), QStringLiteral("Hi\r\nab\r\n\r\n"));
}

void TestMemoryEd::enterKeyReleases_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    // Whether the key's press reached the entry line before its release, and
    // whether the entry line lost the focus in between.
    QTest::addColumn<bool>("pressedHere");
    QTest::addColumn<bool>("focusLost");
    QTest::addColumn<bool>("takes");

    const int none = Qt::NoModifier;
    QTest::newRow("return") << int(Qt::Key_Return) << none << true << false << true;
    QTest::newRow("shift+return") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << true << false << true;
    QTest::newRow("ctrl+return") << int(Qt::Key_Return) << int(Qt::ControlModifier) << true << false << true;
    QTest::newRow("alt+return") << int(Qt::Key_Return) << int(Qt::AltModifier) << true << false << true;
    QTest::newRow("shift+keypad enter")
        << int(Qt::Key_Enter) << int(Qt::KeypadModifier | Qt::ShiftModifier) << true << false << true;
    QTest::newRow("tab") << int(Qt::Key_Tab) << none << true << false << false;
    // Enter that closed a message box or a file dialog opened by a button
    // clicked while the entry line kept the focus is released here.
    QTest::newRow("release of a press made elsewhere")
        << int(Qt::Key_Return) << none << false << false << false;
    QTest::newRow("press here, focus gone before the release")
        << int(Qt::Key_Return) << none << true << true << false;
}

void TestMemoryEd::enterKeyReleases()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, pressedHere);
    QFETCH(bool, focusLost);
    QFETCH(bool, takes);
    Editor e;
    MemoryEd &w = e.open();
    e.area()->setText(QStringLiteral("Old.\r\n\r\n"));
    e.entry()->setText(QStringLiteral("half typed"));
    const auto mods = Qt::KeyboardModifiers(modifiers);
    if (pressedHere) {
        QKeyEvent press(QEvent::KeyPress, key, mods);
        QApplication::sendEvent(e.entry(), &press);
    }
    if (focusLost) {
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(e.entry(), &out);
    }
    QKeyEvent release(QEvent::KeyRelease, key, mods);
    QApplication::sendEvent(e.entry(), &release);

    if (takes) {
        QCOMPARE(w.Memory(), QStringLiteral("Old.\r\n\r\nhalf typed\r\n\r\n"));
        QVERIFY(e.entry()->text().isEmpty());
    } else {
        QCOMPARE(w.Memory(), QStringLiteral("Old.\r\n\r\n"));
        QCOMPARE(e.entry()->text(), QStringLiteral("half typed"));
    }
    QCOMPARE(e.area()->text(), w.Memory());
}

void TestMemoryEd::entryLinePasteKeepsFirstLine_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("cursorAfter");

    QTest::newRow("CR LF") << QString() << 0 << QStringLiteral("I like cats.\r\nI like dogs.")
                           << QStringLiteral("I like cats.") << 12;
    QTest::newRow("LF") << QString() << 0 << QStringLiteral("I like cats.\nI like dogs.\n")
                        << QStringLiteral("I like cats.") << 12;
    QTest::newRow("lone CR") << QString() << 0 << QStringLiteral("a\rb") << QStringLiteral("a") << 1;
    QTest::newRow("line break first")
        << QStringLiteral("I ") << 2 << QStringLiteral("\r\nx") << QStringLiteral("I ") << 2;
    QTest::newRow("into the middle keeps what follows")
        << QStringLiteral("I you.") << 2 << QStringLiteral("love \nhate ") << QStringLiteral("I love you.")
        << 7;
    QTest::newRow("one line stays whole")
        << QStringLiteral("I you.") << 2 << QStringLiteral("love ") << QStringLiteral("I love you.") << 7;
}

void TestMemoryEd::entryLinePasteKeepsFirstLine()
{
    QFETCH(QString, typed);
    QFETCH(int, cursor);
    QFETCH(QString, pasted);
    QFETCH(QString, line);
    QFETCH(int, cursorAfter);
    Editor e;
    MemoryEd &w = e.open();
    QTest::keyClicks(e.entry(), typed);
    e.entry()->setCursorPosition(cursor);
    QGuiApplication::clipboard()->setText(pasted);
    e.entry()->paste();
    QCOMPARE(e.entry()->text(), line);
    QCOMPARE(e.entry()->cursorPosition(), cursorAfter);
    QTest::keyClick(e.entry(), Qt::Key_Return);
    QCOMPARE(w.Memory(), line + QStringLiteral("\r\n\r\n"));
}

void TestMemoryEd::screenshot()
{
    // MINDLOOM_SCREENSHOT=<file.png> saves the window with the sample
    // personality loaded.
    const QString path = qEnvironmentVariable("MINDLOOM_SCREENSHOT");
    if (path.isEmpty())
        QSKIP("MINDLOOM_SCREENSHOT not set");
    Editor e;
    e.copySample();
    MemoryEd &w = e.open();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    e.load(SamplePersonality::name());
    e.area()->moveCursor(QTextCursor::Start);
    QTest::keyClicks(e.entry(), QStringLiteral("I love you."));
    e.click("Check1");
    QTest::qWait(200);
    QVERIFY(w.grab().save(path));
}

QTEST_MAIN(TestMemoryEd)
#include "tst_memoryed.moc"
