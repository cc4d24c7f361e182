// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibilityWalk.h"
#include "Controls.h"
#include "Keyboard.h"
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
#include <QShortcut>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace TestFiles;
using Answer = Platform::Answer;

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

    // Opened, shown and active, for the keyboard.
    MemoryEd &openActive()
    {
        open();
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            QTest::qFail("the window did not become active", __FILE__, __LINE__);
        return *window;
    }

    template <class T> T *get(const char *name) const { return Controls::find<T>(*window, name); }
    TextArea *area() const { return get<TextArea>("RichTextBox1"); }
    QLineEdit *entry() const { return get<QLineEdit>("Text2"); }
    QLabel *label3() const { return get<QLabel>("Label3"); }
    QListWidget *list() const { return get<QListWidget>("List1"); }

    QStringList listed() const
    {
        QStringList entries;
        for (int i = 0; i < list()->count(); ++i)
            entries << list()->item(i)->text();
        return entries;
    }

    void click(const char *name) const
    {
        auto *button = get<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

    // Chooses a list entry by its text, as a click on it does.
    void select(const QString &entry) const
    {
        const QList<QListWidgetItem *> items = list()->findItems(entry, Qt::MatchExactly);
        QVERIFY2(!items.isEmpty(), qPrintable(entry));
        list()->setCurrentItem(items.first());
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

    // Types at the end of the text area, characters beyond ASCII too.
    void type(const QString &text) const
    {
        area()->moveCaretToEnd();
        for (const QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(area(), c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, area(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
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

// The painted captions: a point on each, and the control it belongs to.
struct Caption
{
    const char *text;
    QPoint at;
    const char *control;
};
const Caption kCaptions[] = {{"General", {65, 52}, "Option1"},
                             {"Question/Answer", {258, 53}, "Option2"},
                             {"Use 2nd  Person (You,Your)", {130, 452}, "Check1"}};

} // namespace

// The Personality Editor window, driven through its controls and keys. The
// rules of the personality itself are tested on PersonalityDocument.
class TestMemoryEd : public QObject
{
    Q_OBJECT
private slots:
    void initialState_data();
    void initialState();
    void colours();
    void paintedCaptionsClick_data();
    void paintedCaptionsClick();
    void paintedCaptionsLookTheSame();
    void listShowsWrittenFiles();
    void listIsSorted();
    void loadShowsTheViewsText();
    void loadFailureIsReported();
    void entryLineAddsToTheShownText();
    void enterKeyReleases_data();
    void enterKeyReleases();
    void entryLinePasteKeepsFirstLine_data();
    void entryLinePasteKeepsFirstLine();
    void saveMessages_data();
    void saveMessages();
    void saveAsksWhenChangedOnDisk_data();
    void saveAsksWhenChangedOnDisk();
    void unsavedWorkQuestion_data();
    void unsavedWorkQuestion();
    void failedSaveKeepsTheWindowOpen_data();
    void failedSaveKeepsTheWindowOpen();
    void saveWithoutPersonalityAsksForName_data();
    void saveWithoutPersonalityAsksForName();
    void exportsAskAboutTheRealTarget_data();
    void exportsAskAboutTheRealTarget();
    void cancellingDialogsDoesNothing();
    void tabOrder();
    void keys_data();
    void keys();
    void mnemonicsDoNotClash();
    void screenReaderNames();
    void screenshot();
};

void TestMemoryEd::initialState_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption"); // as shown
    QTest::addColumn<QString>("mnemonic");

    const QString none;
    QTest::newRow("RichTextBox1") << QStringLiteral("RichTextBox1") << QRect(15, 101, 365, 281) << QString()
                                  << none;
    QTest::newRow("List1") << QStringLiteral("List1") << QRect(410, 3, 135, 173) << QString() << none;
    QTest::newRow("Command1") << QStringLiteral("Command1") << QRect(396, 184, 167, 18)
                              << QStringLiteral("Load Personality") << QStringLiteral("Alt+L");
    QTest::newRow("Command5") << QStringLiteral("Command5") << QRect(396, 204, 167, 18)
                              << QStringLiteral("Save Personality") << QStringLiteral("Alt+S");
    QTest::newRow("Command3") << QStringLiteral("Command3") << QRect(396, 227, 171, 18)
                              << QStringLiteral("Save Personality As...") << QStringLiteral("Alt+P");
    QTest::newRow("Command4") << QStringLiteral("Command4") << QRect(396, 246, 172, 18)
                              << QStringLiteral("Save Q/A As...") << QStringLiteral("Alt+A");
    // The hidden captions carry no "&": their mnemonics are the window's keys.
    QTest::newRow("Option1") << QStringLiteral("Option1") << QRect(20, 46, 14, 13) << QString() << none;
    QTest::newRow("Option2") << QStringLiteral("Option2") << QRect(181, 47, 16, 14)
                             << QStringLiteral("Question/Answer") << none;
    QTest::newRow("Text2") << QStringLiteral("Text2") << QRect(14, 408, 368, 23) << QString() << none;
    QTest::newRow("Label3") << QStringLiteral("Label3") << QRect(387, 407, 16, 24) << QStringLiteral("?")
                            << none;
    QTest::newRow("Check1") << QStringLiteral("Check1") << QRect(22, 446, 13, 13)
                            << QStringLiteral("Use 2nd  Person (You,Your)") << none;
}

void TestMemoryEd::initialState()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(QString, mnemonic);
    Editor e;
    MemoryEd &w = e.open();
    QCOMPARE(w.windowTitle(), QStringLiteral("Personality Editor"));
    QCOMPARE(QPixmap(QStringLiteral(":/personality/memoryed_background.png")).size(), QSize(563, 469));
    QCOMPARE(w.size(), QSize(563, 469));
    auto *control = w.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        QCOMPARE(Keyboard::visibleCaption(button->text()), caption);
        QCOMPARE(QKeySequence::mnemonic(button->text()).toString(), mnemonic);
    }
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

void TestMemoryEd::paintedCaptionsClick_data()
{
    QTest::addColumn<int>("caption");
    for (int i = 0; i < 3; ++i)
        QTest::newRow(kCaptions[i].text) << i;
}

void TestMemoryEd::paintedCaptionsClick()
{
    QFETCH(int, caption);
    const Caption &c = kCaptions[caption];
    Editor e;
    MemoryEd &w = e.openActive();
    // Start where a click on the caption changes something.
    if (caption == 0)
        e.click("Option2");
    QWidget *target = w.childAt(c.at);
    QVERIFY(target);
    QVERIFY2(qobject_cast<QAbstractButton *>(target) == nullptr, target->metaObject()->className());
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&w, c.at));
    auto *control = e.get<QAbstractButton>(c.control);
    QVERIFY(control->isChecked());
    QVERIFY(control->hasFocus());
    const PersonalityDocument &doc = w.document();
    if (caption == 2) {
        QVERIFY(doc.secondPerson());
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&w, c.at));
        QVERIFY(!control->isChecked());
        QVERIFY(!doc.secondPerson());
    } else {
        QCOMPARE(doc.view(), caption == 0 ? PersonalityDocument::View::General
                                          : PersonalityDocument::View::QuestionAnswer);
    }
}

void TestMemoryEd::paintedCaptionsLookTheSame()
{
    // The click targets paint nothing and lie beside the controls, not over them.
    Editor e;
    MemoryEd &w = e.open();
    const QImage shot = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage background =
        QImage(QStringLiteral(":/personality/memoryed_background.png")).convertToFormat(QImage::Format_RGB32);
    const QList<QWidget *> controls = AccessibilityWalk::interactiveControls(w);
    for (const Caption &c : kCaptions) {
        QWidget *target = w.childAt(c.at);
        QVERIFY(target && !controls.contains(target));
        const QRect area = target->geometry();
        QCOMPARE(shot.copy(area), background.copy(area));
        for (QWidget *control : controls)
            QVERIFY2(!control->geometry().intersects(area), qPrintable(control->objectName()));
    }
}

void TestMemoryEd::listShowsWrittenFiles()
{
    Editor e;
    for (const char *name : {"Alice.mem", ".mem", "notes.memo", "Alice.qas", "readme.txt"})
        writeBytes(e.path(QLatin1String(name)), "x\r\n");
    e.open();
    QCOMPARE(e.listed(), (QStringList{QString(), QStringLiteral("Alice"), QStringLiteral("notes.")}));

    // What the window writes shows at once, as the list would show it when
    // the window opens again: once, and only what the list shows.
    e.platform.dialogAnswers << e.elsewhere(QStringLiteral("Export.mem")) << QStringLiteral("Plain")
                             << QStringLiteral("Export.qas") << QStringLiteral("Export.mem");
    e.platform.answers << Answer::Yes;
    for (const char *button : {"Command3", "Command3", "Command4", "Command3"})
        e.click(button);
    // "Plain" typed without an extension is saved as "Plain.mem".
    QCOMPARE(e.listed(), (QStringList{QString(), QStringLiteral("Alice"), QStringLiteral("Export"),
                                      QStringLiteral("notes."), QStringLiteral("Plain")}));
    QCOMPARE(e.platform.questions.size(), 1); // the second Export.mem
    QVERIFY(e.platform.messages.isEmpty());

    // So does a new personality.
    e.type(QStringLiteral("typed"));
    e.platform.dialogAnswers << QStringLiteral("Fresh.mem");
    e.click("Command5");
    QVERIFY(e.listed().contains(QStringLiteral("Fresh")));
}

void TestMemoryEd::listIsSorted()
{
    // Letter case aside, numbers by their value; a file written later goes
    // into its place.
    Editor e;
    for (const char *name : {"rosa 10.mem", "Rosa 2.mem", "bea.mem", "Zed.mem", "rosa 2.mem"})
        writeBytes(e.path(QLatin1String(name)), "x\r\n");
    e.open();
    QCOMPARE(e.listed(),
             (QStringList{QStringLiteral("bea"), QStringLiteral("Rosa 2"), QStringLiteral("rosa 2"),
                          QStringLiteral("rosa 10"), QStringLiteral("Zed")}));
    e.platform.dialogAnswers << QStringLiteral("Rosa 3");
    e.click("Command3");
    QCOMPARE(e.listed().indexOf(QStringLiteral("Rosa 3")), 3);
}

void TestMemoryEd::loadShowsTheViewsText()
{
    Editor e;
    e.copySample();
    MemoryEd &w = e.open();
    e.load(SamplePersonality::name());
    QVERIFY(e.platform.messages.isEmpty());
    QCOMPARE(e.area()->text(), SamplePersonality::memory());
    QCOMPARE(e.area()->textCursor().position(), 0);
    QCOMPARE(w.MatchWords(), SamplePersonality::matchWords());

    // In the question/answer view a load shows the question/answer text.
    e.click("Option2");
    QCOMPARE(e.area()->text(), SamplePersonality::qandA());
    e.area()->setText(QStringLiteral("edited"));
    e.platform.answers << Answer::Discard;
    e.load(SamplePersonality::name());
    QCOMPARE(e.area()->text(), SamplePersonality::qandA());
    QCOMPARE(w.Memory(), SamplePersonality::memory());
}

void TestMemoryEd::loadFailureIsReported()
{
    Editor e;
    e.save(QStringLiteral("NoQandA"), QStringLiteral("x"));
    QVERIFY(QFile::remove(e.path(QStringLiteral("NoQandA.qas"))));
    e.open();
    e.area()->setText(QStringLiteral("shown"));
    e.platform.answers << Answer::Discard;
    e.load(QStringLiteral("NoQandA"));
    QCOMPARE(e.platform.messages.size(), 1);
    const FakePlatform::Message &message = e.platform.messages.first();
    QCOMPARE(message.text,
             QStringLiteral("The Personality's .qas file is missing! Unable to load Personality. Sorry!"));
    QCOMPARE(message.title, QStringLiteral("Error!!"));
    QCOMPARE(message.icon, Platform::MessageIcon::Critical);
    QCOMPARE(e.area()->text(), QStringLiteral("shown"));
}

void TestMemoryEd::entryLineAddsToTheShownText()
{
    Editor e;
    MemoryEd &w = e.open();
    e.area()->setText(QStringLiteral("Before.\r\n\r\n"));
    e.click("Check1");
    e.enter(QStringLiteral("I love you."));
    QCOMPARE(e.area()->text(), QStringLiteral("Before.\r\n\r\nYou love me.\r\n\r\n"));
    QCOMPARE(w.Memory(), e.area()->text());
    QVERIFY(e.entry()->text().isEmpty());
    QCOMPARE(e.area()->textCursor().position(), e.area()->document()->characterCount() - 1);
    QVERIFY(e.label3()->isHidden());

    // The question/answer view shows its indicator, which follows the entries.
    e.click("Option2");
    QVERIFY(!e.label3()->isHidden());
    QCOMPARE(e.label3()->text(), QStringLiteral("?"));
    e.enter(QStringLiteral("Do you like me?"));
    QCOMPARE(e.label3()->text(), QStringLiteral("!"));
    QCOMPARE(e.area()->text(), QStringLiteral("\r\n#Do I like you?&"));
    e.enter(QStringLiteral("Yes."));
    QCOMPARE(e.label3()->text(), QStringLiteral("?"));
    QCOMPARE(w.QandAFile(), QStringLiteral("\r\n#Do I like you?&Yes.%"));
    QCOMPARE(e.area()->textCursor().position(), e.area()->document()->characterCount() - 1);
    e.click("Option1");
    QVERIFY(e.label3()->isHidden());
    QCOMPARE(e.area()->text(), QStringLiteral("Before.\r\n\r\nYou love me.\r\n\r\n"));
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

void TestMemoryEd::saveMessages_data()
{
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("critical");
    QTest::addColumn<QString>("selected"); // what the text area shows selected afterwards
    QTest::newRow("saved") << false << QString() << QStringLiteral("Personality Saved")
                           << QStringLiteral("Personality Saved") << false << QString();
    QTest::newRow("the disk is full") << true << QString() << QStringLiteral("Juniper.qas\": File too large")
                                      << QStringLiteral("Error!!") << true << QString();
    QTest::newRow("a character the code page cannot store")
        << false << QStringLiteral("\u2665") << QStringLiteral("U+2665") << QStringLiteral("Error!!") << true
        << QStringLiteral("\u2665");
    QTest::newRow("the line-break character")
        << false << QStringLiteral("Section \u00b6 3") << QStringLiteral("U+00B6")
        << QStringLiteral("Error!!") << true << QStringLiteral("\u00b6");
    // The next load would take the typed line for the section's start.
    QTest::newRow("a line reading a section marker")
        << false << QStringLiteral("\r* WontSay:\rMore.") << QStringLiteral("Line ")
        << QStringLiteral("Error!!") << true << QStringLiteral("* WontSay:");
}

void TestMemoryEd::saveMessages()
{
    QFETCH(bool, diskFull);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(bool, critical);
    QFETCH(QString, selected);
    Editor e;
    e.copySample();
    MemoryEd &w = e.open();
    e.load(SamplePersonality::name());
    e.type(QStringLiteral("New line.") + typed);
    const Texts before = texts(e);
    const QString memoryFile = e.path(SamplePersonality::name() + QStringLiteral(".mem"));
    const QByteArray storedBefore = readBytes(memoryFile);
    {
        const FileSizeLimit full(diskFull ? 16 : std::numeric_limits<qint64>::max());
        e.click("Command5");
    }
    QCOMPARE(e.platform.messages.size(), 1);
    const FakePlatform::Message &message = e.platform.messages.first();
    QVERIFY2(message.text.contains(text), qPrintable(message.text));
    QCOMPARE(message.title, title);
    QCOMPARE(message.icon, critical ? Platform::MessageIcon::Critical : Platform::MessageIcon::None);
    QCOMPARE(texts(e), before);
    QCOMPARE(w.document().modified(), critical);
    if (critical)
        QCOMPARE(readBytes(memoryFile), storedBefore);
    if (!selected.isEmpty())
        QCOMPARE(e.area()->textCursor().selectedText(), selected);
}

void TestMemoryEd::saveAsksWhenChangedOnDisk_data()
{
    QTest::addColumn<QString>("changed"); // the file another program rewrites; empty: none
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saved");
    QTest::newRow("nothing changed") << QString() << -1 << true;
    QTest::newRow("memory file changed, No") << QStringLiteral("Juniper.mem") << int(Answer::No) << false;
    QTest::newRow("q/a file changed, No") << QStringLiteral("Juniper.qas") << int(Answer::No) << false;
    QTest::newRow("memory file changed, Yes") << QStringLiteral("Juniper.mem") << int(Answer::Yes) << true;
}

void TestMemoryEd::saveAsksWhenChangedOnDisk()
{
    QFETCH(QString, changed);
    QFETCH(int, answer);
    QFETCH(bool, saved);
    Editor e;
    e.copySample();
    MemoryEd &w = e.open();
    e.load(SamplePersonality::name());
    e.type(QStringLiteral("Mine."));
    if (!changed.isEmpty())
        writeBytes(e.path(changed), "theirs\r\n");
    if (answer >= 0)
        e.platform.answers << Answer(answer);
    e.click("Command5");
    if (changed.isEmpty()) {
        QVERIFY(e.platform.questions.isEmpty());
    } else {
        QCOMPARE(e.platform.questions.size(), 1);
        const FakePlatform::Asked &asked = e.platform.questions.first();
        QCOMPARE(asked.text, changed + QStringLiteral(" was changed by another program since it was loaded. "
                                                      "Replace it with your version?"));
        QCOMPARE(asked.defaultAnswer, Answer::No);
        QCOMPARE(readBytes(e.path(changed)) == "theirs\r\n", !saved);
    }
    QCOMPARE(w.document().modified(), !saved);
    // After a save the files are the window's own again: no question.
    if (saved) {
        e.type(QStringLiteral("More."));
        e.click("Command5");
        QCOMPARE(e.platform.questions.size(), changed.isEmpty() ? 0 : 1);
    }
}

void TestMemoryEd::unsavedWorkQuestion_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("goesOn"); // the window closes, or the other personality loads
    QTest::addColumn<bool>("saved");

    for (const char *command : {"close", "Ctrl+W", "Load Personality", "Ctrl+O"}) {
        const QString c = QLatin1String(command);
        QTest::addRow("%s, nothing changed", command) << c << false << -1 << true << false;
        QTest::addRow("%s, Save", command) << c << true << int(Answer::Save) << true << true;
        QTest::addRow("%s, Discard", command) << c << true << int(Answer::Discard) << true << false;
        QTest::addRow("%s, Cancel", command) << c << true << int(Answer::Cancel) << false << false;
    }
}

void TestMemoryEd::unsavedWorkQuestion()
{
    QFETCH(QString, command);
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(bool, goesOn);
    QFETCH(bool, saved);
    Editor e;
    e.copySample();
    e.save(QStringLiteral("Other"), QStringLiteral("Other memory.\r\n"));
    MemoryEd &w = e.openActive();
    e.load(SamplePersonality::name());
    if (changed)
        e.type(QStringLiteral("Typed."));
    const QByteArray stored = readBytes(e.path(QStringLiteral("Juniper.mem")));
    if (answer >= 0)
        e.platform.answers << Answer(answer);
    e.select(QStringLiteral("Other"));

    e.entry()->setFocus();
    if (command == QStringLiteral("close"))
        w.close();
    else if (command == QStringLiteral("Ctrl+W"))
        Keyboard::press(w, QKeySequence(Qt::CTRL | Qt::Key_W));
    else if (command == QStringLiteral("Ctrl+O"))
        Keyboard::press(w, QKeySequence(Qt::CTRL | Qt::Key_O));
    else
        e.click("Command1");

    QCOMPARE(e.platform.questions.size(), changed ? 1 : 0);
    if (changed) {
        const FakePlatform::Asked &asked = e.platform.questions.first();
        QVERIFY2(asked.text.contains(QStringLiteral("\"Juniper\"")), qPrintable(asked.text));
        QCOMPARE(asked.title, QStringLiteral("Personality Editor"));
        QCOMPARE(asked.question, Platform::Question::SaveDiscardCancel);
        QCOMPARE(asked.defaultAnswer, Answer::Save);
    }
    QCOMPARE(readBytes(e.path(QStringLiteral("Juniper.mem"))) != stored, saved);
    if (command.contains(QStringLiteral("O")) || command.startsWith(QStringLiteral("Load"))) {
        QVERIFY(w.isVisible());
        QCOMPARE(w.PersonalityName(), goesOn ? QStringLiteral("Other") : QStringLiteral("Juniper"));
        QCOMPARE(w.Memory().contains(QStringLiteral("Typed.")), changed && !goesOn);
    } else {
        QCOMPARE(w.isVisible(), !goesOn);
    }
}

void TestMemoryEd::failedSaveKeepsTheWindowOpen_data()
{
    QTest::addColumn<bool>("loaded");
    QTest::newRow("the save fails") << true;
    QTest::newRow("no name given for a new personality") << false;
}

void TestMemoryEd::failedSaveKeepsTheWindowOpen()
{
    QFETCH(bool, loaded);
    Editor e;
    e.copySample();
    MemoryEd &w = e.openActive();
    if (loaded)
        e.load(SamplePersonality::name());
    e.type(QStringLiteral("Typed."));
    e.platform.answers << Answer::Save;
    {
        const FileSizeLimit full(16);
        w.close();
    }
    QVERIFY(w.isVisible());
    QCOMPARE(e.platform.messages.size(), loaded ? 1 : 0);
    QCOMPARE(e.platform.dialogCalls.size(), loaded ? 0 : 1);
    QVERIFY(w.document().modified());
}

void TestMemoryEd::saveWithoutPersonalityAsksForName_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QStringList>("asked"); // about these files, in this order
    QTest::addColumn<bool>("saved");

    const QList<Answer> none;
    QTest::newRow("name with .mem, in another folder")
        << QStringLiteral("/elsewhere/Fresh.mem") << QStringList() << none << QStringList() << true;
    QTest::newRow("name without extension")
        << QStringLiteral("Fresh") << QStringList() << none << QStringList() << true;
    QTest::newRow("both files there, replaced")
        << QStringLiteral("Fresh.mem")
        << QStringList{QStringLiteral("Fresh.mem"), QStringLiteral("Fresh.qas")}
        << QList<Answer>{Answer::Yes, Answer::Yes}
        << QStringList{QStringLiteral("Fresh.mem"), QStringLiteral("Fresh.qas")} << true;
    QTest::newRow("memory file there, kept")
        << QStringLiteral("Fresh.mem") << QStringList{QStringLiteral("Fresh.mem")}
        << QList<Answer>{Answer::No} << QStringList{QStringLiteral("Fresh.mem")} << false;
    QTest::newRow("q/a file there, kept")
        << QStringLiteral("Fresh.mem") << QStringList{QStringLiteral("Fresh.qas")}
        << QList<Answer>{Answer::No} << QStringList{QStringLiteral("Fresh.qas")} << false;
    QTest::newRow("dialog cancelled") << QString() << QStringList() << none << QStringList() << false;
}

void TestMemoryEd::saveWithoutPersonalityAsksForName()
{
    QFETCH(QString, chosen);
    QFETCH(QStringList, existing);
    QFETCH(QList<Answer>, answers);
    QFETCH(QStringList, asked);
    QFETCH(bool, saved);
    Editor e;
    for (const QString &file : existing)
        writeBytes(e.path(file), "old\r\n");
    MemoryEd &w = e.open();
    e.enter(QStringLiteral("I like cats."));
    e.platform.dialogAnswers << chosen;
    e.platform.answers = answers;
    e.click("Command5");

    QCOMPARE(e.platform.dialogCalls.size(), 1);
    const FakePlatform::DialogCall &call = e.platform.dialogCalls.first();
    QCOMPARE(call.mode, FileDialog::Mode::Save);
    QCOMPARE(call.filter, QStringLiteral("MEM Files (*.mem)|*.mem"));
    QCOMPARE(call.initDir, e.folder());
    QStringList askedAbout;
    for (const FakePlatform::Asked &question : e.platform.questions) {
        QCOMPARE(question.question, Platform::Question::YesNo);
        askedAbout << question.text;
    }
    QStringList expected;
    for (const QString &file : asked)
        expected << QStringLiteral("Replace %1?").arg(QDir::toNativeSeparators(e.path(file)));
    QCOMPARE(askedAbout, expected);

    if (saved) {
        QCOMPARE(w.PersonalityName(), QStringLiteral("Fresh"));
        QVERIFY(e.listed().contains(QStringLiteral("Fresh")));
        QCOMPARE(e.platform.messages.size(), 1);
        QCOMPARE(e.platform.messages.first().title, QStringLiteral("Personality Saved"));
        QVERIFY(readBytes(e.path(QStringLiteral("Fresh.mem"))).startsWith("I\x01l"));
        // From now on it is the personality saved to.
        e.enter(QStringLiteral("More."));
        e.click("Command5");
        QCOMPARE(e.platform.dialogCalls.size(), 1);
        QCOMPARE(e.platform.messages.size(), 2);
    } else {
        QCOMPARE(w.PersonalityName(), QString());
        QVERIFY(e.platform.messages.isEmpty());
        for (const QString &file : existing)
            QCOMPARE(readBytes(e.path(file)), QByteArray("old\r\n"));
        QCOMPARE(e.entries(), [&] {
            QStringList sorted = existing;
            sorted.sort();
            return sorted;
        }());
        QVERIFY(w.document().modified());
    }
}

void TestMemoryEd::exportsAskAboutTheRealTarget_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("content"); // of the file afterwards

    // The loaded memory text (with the empty lines a load adds) and both sections, plain.
    const QByteArray memory =
        "I like cats.\r\n\r\n\r\n\r\n* MatchWords:\r\ncat dog\r\n\r\n* WontSay:\r\nno\r\n\r\n\r\n";
    const QByteArray qandA = "\r\n#q&a%\r\n";
    const QString mem = QStringLiteral("MEM Files (*.mem)|*.mem");
    const QString qas = QStringLiteral("QAS Files (*.qas)|*.qas");
    QTest::newRow("memory, new file")
        << QStringLiteral("Command3") << mem << QStringLiteral("Export.mem") << false << -1 << memory;
    QTest::newRow("memory, replaced") << QStringLiteral("Command3") << mem << QStringLiteral("Export.mem")
                                      << true << int(Answer::Yes) << memory;
    QTest::newRow("memory, kept") << QStringLiteral("Command3") << mem << QStringLiteral("Export.mem") << true
                                  << int(Answer::No) << QByteArray("old\r\n");
    QTest::newRow("memory, no extension")
        << QStringLiteral("Command3") << mem << QStringLiteral("Plain.mem") << false << -1 << memory;
    QTest::newRow("q/a, new file") << QStringLiteral("Command4") << qas << QStringLiteral("Export.qas")
                                   << false << -1 << qandA;
    QTest::newRow("q/a, replaced") << QStringLiteral("Command4") << qas << QStringLiteral("Export.qas")
                                   << true << int(Answer::Yes) << qandA;
    QTest::newRow("q/a, kept") << QStringLiteral("Command4") << qas << QStringLiteral("Export.qas") << true
                               << int(Answer::No) << QByteArray("old\r\n");
}

void TestMemoryEd::exportsAskAboutTheRealTarget()
{
    QFETCH(QString, button);
    QFETCH(QString, filter);
    QFETCH(QString, file);
    QFETCH(bool, exists);
    QFETCH(int, answer);
    QFETCH(QByteArray, content);
    Editor e;
    QCOMPARE(PersonalityFile::save(e.folder(), QStringLiteral("Cats"), QStringLiteral("I like cats.\r\n\r\n"),
                                   QStringLiteral("cat dog"), QStringLiteral("no"),
                                   QStringLiteral("\r\n#q&a%")),
             QString());
    if (exists)
        writeBytes(e.path(file), "old\r\n");
    // The file of that name in the folder the dialog ended in is not the one written.
    const QString chosen = TestFiles::writeBytes(e.elsewhere(file), "elsewhere\r\n");
    MemoryEd &w = e.open();
    e.load(QStringLiteral("Cats"));
    const Texts before = texts(e);
    e.platform.dialogAnswers << chosen;
    if (answer >= 0)
        e.platform.answers << Answer(answer);
    e.click(button.toLatin1().constData());

    const FakePlatform::DialogCall &call = e.platform.dialogCalls.value(0);
    QCOMPARE(call.mode, FileDialog::Mode::Save);
    QCOMPARE(call.filter, filter);
    QCOMPARE(call.initDir, e.folder()); // opens where it writes
    QCOMPARE(e.platform.questions.size(), exists ? 1 : 0);
    if (exists)
        QCOMPARE(e.platform.questions.first().text,
                 QStringLiteral("Replace %1?").arg(QDir::toNativeSeparators(e.path(file))));
    QCOMPARE(readBytes(e.path(file)), content);
    QCOMPARE(readBytes(chosen), QByteArray("elsewhere\r\n"));
    QVERIFY(e.platform.messages.isEmpty());
    QCOMPARE(texts(e), before);
    QCOMPARE(w.PersonalityName(), QStringLiteral("Cats"));
}

void TestMemoryEd::cancellingDialogsDoesNothing()
{
    // Save Personality As..., Save Q/A As..., and Save Personality of a
    // personality that has no name yet.
    for (const char *button : {"Command3", "Command4", "Command5"}) {
        Editor e;
        MemoryEd &w = e.open();
        e.type(QStringLiteral("typed"));
        const Texts before = texts(e);
        e.click(button);
        QCOMPARE(e.platform.dialogCalls.size(), 1);
        QVERIFY(e.platform.questions.isEmpty());
        QVERIFY(e.platform.messages.isEmpty());
        QCOMPARE(e.entries(), QStringList());
        QCOMPARE(texts(e), before);
        QVERIFY(w.document().modified());
    }
}

void TestMemoryEd::tabOrder()
{
    // The order the window is used in.
    Editor e;
    MemoryEd &w = e.open();
    QCOMPARE(Keyboard::tabOrder(w),
             (QStringList{QStringLiteral("List1"), QStringLiteral("Command1"), QStringLiteral("Option1"),
                          QStringLiteral("Option2"), QStringLiteral("RichTextBox1"), QStringLiteral("Text2"),
                          QStringLiteral("Check1"), QStringLiteral("Command5"), QStringLiteral("Command3"),
                          QStringLiteral("Command4")}));
}

void TestMemoryEd::keys_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("focus"); // where the keyboard focus is when the keys are pressed
    QTest::addColumn<QString>("effect");

    const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };
    const auto alt = [](Qt::Key key) { return QKeySequence(Qt::ALT | key); };
    const QString entry = QStringLiteral("Text2");
    const QString area = QStringLiteral("RichTextBox1");
    QTest::newRow("Ctrl+S") << ctrl(Qt::Key_S) << entry << QStringLiteral("saved");
    QTest::newRow("Ctrl+S in the text area") << ctrl(Qt::Key_S) << area << QStringLiteral("saved");
    QTest::newRow("Alt+S") << alt(Qt::Key_S) << entry << QStringLiteral("saved");
    QTest::newRow("Ctrl+O") << ctrl(Qt::Key_O) << entry << QStringLiteral("loaded");
    QTest::newRow("Alt+L") << alt(Qt::Key_L) << area << QStringLiteral("loaded");
    QTest::newRow("Alt+P") << alt(Qt::Key_P) << entry << QStringLiteral("MEM Files (*.mem)|*.mem");
    QTest::newRow("Alt+A") << alt(Qt::Key_A) << entry << QStringLiteral("QAS Files (*.qas)|*.qas");
    QTest::newRow("Alt+G") << alt(Qt::Key_G) << entry << QStringLiteral("Option1");
    QTest::newRow("Alt+Q") << alt(Qt::Key_Q) << entry << QStringLiteral("Option2");
    QTest::newRow("Alt+Q in the text area") << alt(Qt::Key_Q) << area << QStringLiteral("Option2");
    QTest::newRow("Alt+U") << alt(Qt::Key_U) << entry << QStringLiteral("Check1");
    QTest::newRow("Ctrl+W") << ctrl(Qt::Key_W) << area << QStringLiteral("closed");
    QTest::newRow("Ctrl+L") << ctrl(Qt::Key_L) << entry << QStringLiteral("launcher");
}

void TestMemoryEd::keys()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, focus);
    QFETCH(QString, effect);
    Editor e;
    e.copySample();
    e.save(QStringLiteral("Other"), QStringLiteral("Other memory.\r\n"));
    MemoryEd &w = e.openActive();
    e.load(SamplePersonality::name());
    // Alt+G must have something to do.
    if (effect == QStringLiteral("Option1"))
        e.click("Option2");
    e.select(QStringLiteral("Other"));
    QSignalSpy launcher(&w, &EditorWindow::launcherRequested);
    e.get<QWidget>(focus.toLatin1().constData())->setFocus();
    const QString shown = e.area()->text();

    Keyboard::press(w, keys);
    // A button's mnemonic clicks it after showing it pressed for a moment.
    const auto happened = [&] {
        if (effect == QStringLiteral("saved"))
            return e.platform.messages.size() == 1;
        if (effect == QStringLiteral("loaded"))
            return w.PersonalityName() == QStringLiteral("Other");
        if (effect.contains(QLatin1Char('|')))
            return e.platform.dialogCalls.size() == 1;
        if (effect == QStringLiteral("closed"))
            return !w.isVisible();
        if (effect == QStringLiteral("launcher"))
            return launcher.size() == 1;
        return e.get<QAbstractButton>(effect.toLatin1().constData())->isChecked();
    };
    QTRY_VERIFY(happened());

    QCOMPARE(e.platform.messages.size(), effect == QStringLiteral("saved") ? 1 : 0);
    QCOMPARE(w.PersonalityName(),
             effect == QStringLiteral("loaded") ? QStringLiteral("Other") : SamplePersonality::name());
    QCOMPARE(e.platform.dialogCalls.size(), effect.contains(QLatin1Char('|')) ? 1 : 0);
    if (effect.contains(QLatin1Char('|')))
        QCOMPARE(e.platform.dialogCalls.first().filter, effect);
    QCOMPARE(w.isVisible(), effect != QStringLiteral("closed"));
    QCOMPARE(launcher.size(), effect == QStringLiteral("launcher") ? 1 : 0);
    if (effect.startsWith(QStringLiteral("Option")) || effect == QStringLiteral("Check1")) {
        auto *control = e.get<QAbstractButton>(effect.toLatin1().constData());
        QVERIFY(control->isChecked());
        QVERIFY(control->hasFocus());
    } else {
        QCOMPARE(e.get<QCheckBox>("Check1")->isChecked(), false);
    }
    // No key typed anything.
    if (effect != QStringLiteral("loaded") && !effect.startsWith(QStringLiteral("Option")))
        QCOMPARE(e.area()->text(), shown);
    QVERIFY(e.entry()->text().isEmpty());
}

void TestMemoryEd::mnemonicsDoNotClash()
{
    // The buttons' mnemonics and the keys of the painted captions.
    Editor e;
    MemoryEd &w = e.open();
    QCOMPARE(Keyboard::mnemonicClashes(w), QStringList());
    QStringList keys;
    for (QAbstractButton *button : w.findChildren<QAbstractButton *>())
        keys << QKeySequence::mnemonic(button->text()).toString();
    for (QShortcut *shortcut : w.findChildren<QShortcut *>()) {
        if (shortcut->key()[0].keyboardModifiers() == Qt::AltModifier)
            keys << shortcut->key().toString();
    }
    keys.removeAll(QString());
    QCOMPARE(keys.size(), QSet<QString>(keys.begin(), keys.end()).size());
    for (const char *key : {"Alt+G", "Alt+Q", "Alt+U", "Alt+L", "Alt+S", "Alt+P", "Alt+A"})
        QVERIFY2(keys.contains(QLatin1String(key)), key);
}

void TestMemoryEd::screenReaderNames()
{
    Editor e;
    MemoryEd &w = e.open();
    QCOMPARE(AccessibilityWalk::unnamedControls(w), QStringList());
    const auto name = [&](const char *control) {
        return AccessibilityWalk::accessibleName(e.get<QWidget>(control));
    };
    QCOMPARE(name("List1"), QStringLiteral("Personalities"));
    QCOMPARE(name("Option1"), QStringLiteral("General"));
    QCOMPARE(name("Option2"), QStringLiteral("Question/Answer"));
    QCOMPARE(name("Check1"), QStringLiteral("Use 2nd Person (You,Your)"));
    QCOMPARE(name("Command3"), QStringLiteral("Save Personality As..."));
    // The text area and the entry line say what they hold and take.
    QCOMPARE(name("RichTextBox1"), QStringLiteral("Memory"));
    QCOMPARE(name("Text2"), QStringLiteral("New statement"));
    e.click("Option2");
    QCOMPARE(name("RichTextBox1"), QStringLiteral("Questions and answers"));
    QCOMPARE(name("Text2"), QStringLiteral("New question"));
    e.enter(QStringLiteral("Why?"));
    QCOMPARE(name("Text2"), QStringLiteral("Answer"));
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
