// SPDX-License-Identifier: GPL-3.0-or-later
#include "Controls.h"
#include "EntryLine.h"
#include "FakePlatform.h"
#include "KBEd.h"
#include "LineSpelling.h"
#include "MemoryEd.h"
#include "PersonalityFile.h"
#include "ProgramFolderFixture.h"
#include "SpellChecker.h"
#include "SpellingUnderline.h"
#include "TestFiles.h"
#include "TextArea.h"

#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

// The underline, the context menu entries and F7 of the text boxes, on the
// tests' own dictionary (xx_TEST).
class TestSpellingUi : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void underlined_data();
    void underlined();
    void textAndUndoHistoryStay();
    void suggestionIsOneUndoStep();
    void addToDictionaryAndIgnore();
    void nextAndPreviousMisspelling();
    void onlyWhatIsOnScreenIsChecked();
    void openedTextIsPaintedFirst();
    void spellingMenu();
    void noDictionaryInstalled();
    void lineBox();
    void personalityWords();

private:
    // Shows an area with the text, underlined, and waits until it is painted.
    TextArea *showArea(const QString &text);
    // The underlined words of the area's paragraphs, as their layouts show them.
    static QStringList underlinedWords(const TextArea *area);
    static QAction *action(QMenu *menu, const char *name);

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<QWidget> m_window;
};

void TestSpellingUi::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    m_platform = std::make_unique<FakePlatform>();
    m_platform->folder = m_home->path() + QLatin1Char('/');
    m_platform->spelling.dictionaryFolders = {QStringLiteral(MINDLOOM_TEST_DATA "/latin")};
    m_platform->spelling.personalWordList = m_home->filePath(QStringLiteral("words.txt"));
}

void TestSpellingUi::cleanup()
{
    m_window.reset();
    m_platform.reset();
}

TextArea *TestSpellingUi::showArea(const QString &text)
{
    m_window = std::make_unique<QWidget>();
    m_window->resize(300, 200);
    auto *area = new TextArea(m_window.get());
    area->setGeometry(0, 0, 300, 200);
    auto *underline = new SpellingUnderline(area, *m_platform);
    area->setText(text);
    m_window->show();
    // The underline takes the checker once the first screen is painted.
    if (!QTest::qWaitForWindowExposed(m_window.get()) ||
        !QTest::qWaitFor([underline] { return underline->isReady(); }))
        return nullptr;
    QCoreApplication::processEvents();
    return area;
}

QStringList TestSpellingUi::underlinedWords(const TextArea *area)
{
    QStringList words;
    for (QTextBlock block = area->document()->firstBlock(); block.isValid(); block = block.next()) {
        for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
            if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
                words << block.text().mid(range.start, range.length);
        }
    }
    return words;
}

QAction *TestSpellingUi::action(QMenu *menu, const char *name)
{
    for (QAction *action : menu->findChildren<QAction *>(QLatin1String(name))) {
        if (action->isVisible())
            return action;
    }
    return nullptr;
}

void TestSpellingUi::underlined_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("underlined");
    QTest::newRow("known words") << QStringLiteral("Hello world.\r\n\r\nThe cat.") << QStringList();
    QTest::newRow("in several paragraphs") << QStringLiteral("the wrod\r\n\r\nteh cat\r\n")
                                           << QStringList{QStringLiteral("wrod"), QStringLiteral("teh")};
    QTest::newRow("digits and capitals")
        << QStringLiteral("mp3 NASA 2nd wrod") << QStringList{QStringLiteral("wrod")};
    QTest::newRow("apostrophes") << QStringLiteral("don't don\u2019t wrod's")
                                 << QStringList{QStringLiteral("wrod's")};
    QTest::newRow("Windows-1252 letters")
        << QStringLiteral("caf\u00e9 na\u00efve cafe") << QStringList{QStringLiteral("cafe")};
    QTest::newRow("markers") << QStringLiteral("\r\n#do you like me?&yes%\r\n#wrod&teh%")
                             << QStringList{QStringLiteral("wrod"), QStringLiteral("teh")};
}

void TestSpellingUi::underlined()
{
    QFETCH(QString, text);
    QFETCH(QStringList, underlined);
    TextArea *area = showArea(text);
    QVERIFY(area);
    QCOMPARE(underlinedWords(area), underlined);
}

void TestSpellingUi::textAndUndoHistoryStay()
{
    const QString text = QStringLiteral("the wrod\r\n\r\nteh cat");
    TextArea *area = showArea(text);
    QVERIFY(area);
    QCOMPARE(underlinedWords(area), (QStringList{QStringLiteral("wrod"), QStringLiteral("teh")}));
    // Underlining anew marks nothing as changed.
    area->document()->setModified(false);
    m_platform->spellChecker().ignore(QStringLiteral("teh"));
    QCoreApplication::processEvents();
    QCOMPARE(underlinedWords(area), QStringList{QStringLiteral("wrod")});
    QVERIFY(!area->document()->isModified());
    QVERIFY(!area->document()->isUndoAvailable());
    m_platform->spellChecker().addToDictionary(QStringLiteral("wrod"));
    QCoreApplication::processEvents();
    QCOMPARE(underlinedWords(area), QStringList());
    QSignalSpy changes(area->document(), &QTextDocument::contentsChanged);
    QSignalSpy textChanges(area, &QPlainTextEdit::textChanged);
    // Typing underlines the new word in the paragraph typed in.
    area->moveCaretToEnd();
    QTest::keyClicks(area, QStringLiteral(" dgo"));
    QCoreApplication::processEvents();
    QCOMPARE(underlinedWords(area), QStringList{QStringLiteral("dgo")});
    QCOMPARE(area->text(), text + QStringLiteral(" dgo"));
    // Four keys, four changes: the underline made none of its own.
    QCOMPARE(changes.count(), 4);
    QCOMPARE(textChanges.count(), 4);
    area->document()->undo();
    QCOMPARE(area->text(), text);
    QVERIFY(!area->document()->isUndoAvailable());
    QCOMPARE(underlinedWords(area), QStringList());
}

void TestSpellingUi::suggestionIsOneUndoStep()
{
    TextArea *area = showArea(QStringLiteral("the wrod cat"));
    QVERIFY(area);
    const QPoint onWord = area->cursorRect(area->document()->find(QStringLiteral("wrod"))).center();
    std::unique_ptr<QMenu> menu(area->createContextMenu(onWord));
    QAction *suggestion = action(menu.get(), "spellingSuggestion");
    QVERIFY(suggestion);
    QCOMPARE(suggestion->text(), QStringLiteral("word"));
    QVERIFY(menu->actions().indexOf(suggestion) <
            menu->actions().indexOf(action(menu.get(), "addToDictionary")));
    suggestion->trigger();
    QCOMPARE(area->text(), QStringLiteral("the word cat"));
    QCOMPARE(underlinedWords(area), QStringList());
    area->document()->undo();
    QCOMPARE(area->text(), QStringLiteral("the wrod cat"));
    QVERIFY(!area->document()->isUndoAvailable());

    // On a known word the menu has no word entries, only the Spelling submenu.
    std::unique_ptr<QMenu> other(
        area->createContextMenu(area->cursorRect(area->document()->find(QStringLiteral("cat"))).center()));
    QVERIFY(!action(other.get(), "spellingSuggestion"));
    QVERIFY(!action(other.get(), "addToDictionary"));
    QVERIFY(other->findChild<QMenu *>(QStringLiteral("spellingMenu")));
}

void TestSpellingUi::addToDictionaryAndIgnore()
{
    TextArea *area = showArea(QStringLiteral("blorp wrod blorp"));
    QVERIFY(area);
    const auto menuAt = [area](const QString &word) {
        return std::unique_ptr<QMenu>(
            area->createContextMenu(area->cursorRect(area->document()->find(word)).center()));
    };
    std::unique_ptr<QMenu> menu = menuAt(QStringLiteral("blorp"));
    action(menu.get(), "addToDictionary")->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(underlinedWords(area), QStringList{QStringLiteral("wrod")});
    QCOMPARE(TestFiles::readBytes(m_platform->spelling.personalWordList), QByteArray("blorp\r\n"));

    menu = menuAt(QStringLiteral("wrod"));
    action(menu.get(), "ignoreWord")->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(underlinedWords(area), QStringList());
    QCOMPARE(TestFiles::readBytes(m_platform->spelling.personalWordList), QByteArray("blorp\r\n"));
    QCOMPARE(area->text(), QStringLiteral("blorp wrod blorp"));
}

void TestSpellingUi::nextAndPreviousMisspelling()
{
    TextArea *area = showArea(QStringLiteral("wrod cat\r\n\r\nthe teh dog"));
    QVERIFY(area);
    area->moveCaretToEnd();
    const auto selected = [area] { return area->textCursor().selectedText(); };
    QTest::keyClick(area, Qt::Key_F7); // round past the end
    QCOMPARE(selected(), QStringLiteral("wrod"));
    QTest::keyClick(area, Qt::Key_F7);
    QCOMPARE(selected(), QStringLiteral("teh"));
    QTest::keyClick(area, Qt::Key_F7);
    QCOMPARE(selected(), QStringLiteral("wrod"));
    QTest::keyClick(area, Qt::Key_F7, Qt::ShiftModifier);
    QCOMPARE(selected(), QStringLiteral("teh"));
    QTest::keyClick(area, Qt::Key_F7, Qt::ShiftModifier);
    QCOMPARE(selected(), QStringLiteral("wrod"));
    QCOMPARE(area->textCursor().selectionStart(), 0);
    QCOMPARE(area->text(), QStringLiteral("wrod cat\r\n\r\nthe teh dog"));

    // Nothing to go to: the selection stays.
    area->setText(QStringLiteral("the cat"));
    area->moveCaretToEnd();
    QTest::keyClick(area, Qt::Key_F7);
    QCOMPARE(selected(), QString());
    QCOMPARE(area->textCursor().position(), 7);
}

void TestSpellingUi::onlyWhatIsOnScreenIsChecked()
{
    QString text;
    for (int i = 0; i < 2000; ++i)
        text += QStringLiteral("the wrod %1\r\n").arg(i);
    TextArea *area = showArea(text);
    QVERIFY(area);
    const int shown = int(underlinedWords(area).size());
    QVERIFY2(shown > 0 && shown < 100, qPrintable(QString::number(shown)));
    const QTextBlock last = area->document()->lastBlock().previous();
    QVERIFY(last.layout()->formats().isEmpty());
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    QCoreApplication::processEvents();
    QCOMPARE(last.layout()->formats().size(), 1);
}

void TestSpellingUi::openedTextIsPaintedFirst()
{
    TextArea *area = showArea(QStringLiteral("the cat"));
    QVERIFY(area);
    // A text opened whole: its first screen is painted before the check, and
    // the underline follows without anything done.
    area->setText(QStringLiteral("the cat\r\n\r\nthe wrod\r\n\r\nteh\r\n\r\nthe cat"));
    area->document()->setModified(false);
    area->viewport()->repaint();
    QVERIFY(!underlinedWords(area).contains(QStringLiteral("wrod")));
    QTRY_COMPARE(underlinedWords(area), (QStringList{QStringLiteral("wrod"), QStringLiteral("teh")}));
    QVERIFY(!area->document()->isModified());
}

void TestSpellingUi::spellingMenu()
{
    m_platform->spelling.dictionaryFolders << QStringLiteral(MINDLOOM_TEST_DATA "/utf8");
    TextArea *area = showArea(QStringLiteral("wrod teh"));
    QVERIFY(area);
    std::unique_ptr<QMenu> menu(area->createContextMenu(QPoint(1, 1)));
    auto *spelling = menu->findChild<QMenu *>(QStringLiteral("spellingMenu"));
    QVERIFY(spelling);
    QVERIFY(action(spelling, "dictionary_xx_TEST")->isChecked());
    action(spelling, "dictionary_yy_TEST")->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(underlinedWords(area), QStringList{QStringLiteral("teh")});

    menu.reset(area->createContextMenu(QPoint(1, 1)));
    spelling = menu->findChild<QMenu *>(QStringLiteral("spellingMenu"));
    QVERIFY(action(spelling, "dictionary_yy_TEST")->isChecked());
    QAction *check = action(spelling, "checkSpelling");
    QVERIFY(check->isChecked());
    check->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(underlinedWords(area), QStringList());
    QTest::keyClick(area, Qt::Key_F7);
    QVERIFY(!area->textCursor().hasSelection());
    // Kept for the next start, with the user's other choices.
    QCOMPARE(m_platform->choices.value(SpellChecker::DictionaryChoice), QStringLiteral("yy_TEST"));
    QCOMPARE(m_platform->choices.value(SpellChecker::CheckChoice), QStringLiteral("0"));
}

void TestSpellingUi::noDictionaryInstalled()
{
    QTemporaryDir empty;
    m_platform->spelling.dictionaryFolders = {empty.path()};
    TextArea *area = showArea(QStringLiteral("wrod teh"));
    QVERIFY(area);
    QCOMPARE(underlinedWords(area), QStringList());
    std::unique_ptr<QMenu> menu(
        area->createContextMenu(area->cursorRect(area->document()->find(QStringLiteral("wrod"))).center()));
    QVERIFY(!action(menu.get(), "spellingSuggestion"));
    auto *spelling = menu->findChild<QMenu *>(QStringLiteral("spellingMenu"));
    QVERIFY(spelling);
    QAction *why = action(spelling, "noDictionary");
    QVERIFY(why);
    QVERIFY(!why->isEnabled());
    QVERIFY2(why->text().contains(QDir::toNativeSeparators(empty.path())), qPrintable(why->text()));
    QVERIFY(!action(spelling, "checkSpelling")->isEnabled());
    QTest::keyClick(area, Qt::Key_F7);
    QVERIFY(!area->textCursor().hasSelection());
}

void TestSpellingUi::lineBox()
{
    m_window = std::make_unique<QWidget>();
    auto *box = new EntryLine(m_window.get());
    box->setGeometry(0, 0, 300, 24);
    auto *spelling = new LineSpelling(box, *m_platform);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("the wrod cat"));
    QCoreApplication::processEvents();
    QCOMPARE(spelling->misspellings(), (QList<SpellingWords::Span>{{4, 4}}));
    // Painting the underline changes neither the text, nor the cursor, nor
    // the undo history: one undo takes the typing back.
    QCOMPARE(box->text(), QStringLiteral("the wrod cat"));
    QCOMPARE(box->cursorPosition(), 12);

    // F7 in the box: the one misspelling, from either side.
    QTest::keyClick(box, Qt::Key_F7);
    QCOMPARE(box->selectedText(), QStringLiteral("wrod"));
    box->setCursorPosition(0);
    QTest::keyClick(box, Qt::Key_F7, Qt::ShiftModifier);
    QCOMPARE(box->selectedText(), QStringLiteral("wrod"));
    box->deselect();

    const QPoint onWord(box->fontMetrics().horizontalAdvance(QStringLiteral("the wr")) + 4,
                        box->height() / 2);
    std::unique_ptr<QMenu> menu(box->createContextMenu(onWord));
    QAction *suggestion = action(menu.get(), "spellingSuggestion");
    QVERIFY(suggestion);
    suggestion->trigger();
    QCOMPARE(box->text(), QStringLiteral("the word cat"));
    box->undo();
    QCOMPARE(box->text(), QStringLiteral("the wrod cat"));
}

void TestSpellingUi::personalityWords()
{
    ProgramFolderFixture fixture;
    fixture.platform.spelling = m_platform->spelling;
    QCOMPARE(PersonalityFile::save(fixture.folder(), QStringLiteral("Zumi"),
                                   QStringLiteral("Zumi likes blorp and wrod."), QStringLiteral("blorp\r\n"),
                                   QString(), QString()),
             QString());
    MemoryEd editor(fixture.platform);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    auto *list = Controls::find<QListWidget>(editor, "List1");
    list->setCurrentRow(0);
    Controls::find<QPushButton>(editor, "Command1")->click();
    QVERIFY(editor.Memory().startsWith(QStringLiteral("Zumi likes blorp")));
    // A text loaded whole is painted first and underlined right after.
    QTRY_COMPARE(underlinedWords(Controls::find<TextArea>(editor, "RichTextBox1")),
                 QStringList{QStringLiteral("wrod")});
}

QTEST_MAIN(TestSpellingUi)
#include "tst_spelling_ui.moc"
