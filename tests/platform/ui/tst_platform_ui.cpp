// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibilityWalk.h"
#include "Controls.h"
#include "FakePlatform.h"
#include "FileQuestions.h"
#include "FindDialog.h"
#include "LineBox.h"
#include "PlainTextDocument.h"
#include "QtPlatform.h"
#include "SessionEnd.h"
#include "TestFiles.h"
#include "TextArea.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

// The shared text area and the fake platform's dialog script.
class TestPlatformUi : public QObject
{
    Q_OBJECT
private slots:
    void unsavedWorkButtonsHaveMnemonics();
    void textAreaRoundTrip_data();
    void textAreaRoundTrip();
    void textAreaAppend();
    void shiftEnterTypesCrLf();
    void textAreaTextFollowsEveryChange();
    void textAreaShowsAnotherDocument();
    void textAreaTextFollowsRandomEdits();
    void documentWithoutViewFollowsEdits();
    void pastedLineEndsBecomeCrLf_data();
    void pastedLineEndsBecomeCrLf();
    void tabLeavesTheArea();
    void findSelectsEachMatch_data();
    void findSelectsEachMatch();
    void findKeys();
    void findScrollsToTheMatch();
    void lineBoxKeepsFirstLine_data();
    void lineBoxKeepsFirstLine();
    void lineBoxHoldsLongTexts();
    void dialogScript();
    void mayReplaceAsksOnlyAboutExistingFiles();
    void placePicture_data();
    void placePicture();
    void sessionEndClosesEveryWindow_data();
    void sessionEndClosesEveryWindow();
    void picturesExpectedTwiceLoadAsUsual();
};

void TestPlatformUi::textAreaRoundTrip_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("nine crlf") << QStringLiteral("I like cats.\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n")
                               << QStringLiteral("I like cats.\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    QTest::newRow("lone lf kept") << QStringLiteral("a\nb\r\nc") << QStringLiteral("a\nb\r\nc");
    QTest::newRow("lone cr becomes crlf") << QStringLiteral("a\rb") << QStringLiteral("a\r\nb");
    QTest::newRow("no-break space and tab") << QStringLiteral("a\u00a0b\tc") << QStringLiteral("a\u00a0b\tc");
    QTest::newRow("nul") << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"))
                         << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
    QTest::newRow("cr crlf") << QStringLiteral("\r\r\n") << QStringLiteral("\r\n\r\n");
}

void TestPlatformUi::textAreaRoundTrip()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    TextArea area;
    area.setText(in);
    QCOMPARE(area.text(), out);
    QCOMPARE(area.textLength(), out.size());
}

void TestPlatformUi::textAreaAppend()
{
    TextArea area;
    QSignalSpy changed(&area, &QPlainTextEdit::textChanged);
    area.setText(QStringLiteral("First.\r\n\r\n"));
    area.appendText(QStringLiteral("\nSecond.\r\n\r\n"));
    QCOMPARE(area.text(), QStringLiteral("First.\r\n\r\n\nSecond.\r\n\r\n"));
    QCOMPARE(area.textLength(), qsizetype(22));
    QVERIFY(changed.count() >= 2);
    area.moveCaretToEnd();
    QCOMPARE(area.textCursor().position(), area.document()->characterCount() - 1);
}

void TestPlatformUi::shiftEnterTypesCrLf()
{
    TextArea area;
    area.setText(QStringLiteral("ab"));
    area.moveCaretToEnd();
    QTest::keyClick(&area, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(&area, Qt::Key_C);
    QCOMPARE(area.text(), QStringLiteral("ab\r\nc"));
}

void TestPlatformUi::textAreaTextFollowsEveryChange()
{
    // text() is kept between changes; after each kind of change it must still
    // be what the document holds.
    TextArea area;
    const auto documentText = [&] { return TextArea::fromDocumentText(area.document()->toRawText()); };
    const auto check = [&](const char *step) {
        QVERIFY2(area.text() == documentText(), step);
        QVERIFY2(area.textLength() == area.text().size(), step);
    };
    QString held;
    QObject::connect(&area, &QPlainTextEdit::textChanged, &area, [&] { held = area.text(); });
    area.setText(QStringLiteral("One\r\nTwo"));
    QCOMPARE(held, QStringLiteral("One\r\nTwo"));
    check("setText");
    area.moveCaretToEnd();
    QTest::keyClicks(&area, QStringLiteral("x"));
    QCOMPARE(held, QStringLiteral("One\r\nTwox"));
    check("typing");
    area.appendText(QStringLiteral("\r\nThree"));
    check("append");
    const QString kept = area.text();
    area.appendText(QStringLiteral("\nFour"));
    QCOMPARE(kept, QStringLiteral("One\r\nTwox\r\nThree")); // a copy taken earlier stays as it was
    check("append while the text is held elsewhere");
    area.undo();
    check("undo");
    area.setText(QStringLiteral("a\rb\u2028c\u2029d"));
    QCOMPARE(held, documentText());
    check("setText with breaks the document changes");
    area.appendText(QStringLiteral("e\r"));
    check("append with a lone CR");
    area.selectAll();
    area.insertPlainText(QStringLiteral("pasted\r\n"));
    check("replace all");
}

void TestPlatformUi::textAreaShowsAnotherDocument()
{
    // A model owns the text; the area shows and edits it in place.
    auto document = std::make_unique<PlainTextDocument>();
    document->setText(QStringLiteral("Model text\r\n"));
    TextArea area;
    area.showDocument(document.get());
    QCOMPARE(area.text(), QStringLiteral("Model text\r\n"));
    area.moveCaretToEnd();
    QTest::keyClicks(&area, QStringLiteral("typed"));
    QCOMPARE(document->text(), QStringLiteral("Model text\r\ntyped"));
    document->appendText(QStringLiteral("\r\nappended"));
    QCOMPARE(area.text(), QStringLiteral("Model text\r\ntyped\r\nappended"));
    area.setText(QStringLiteral("Set\r\nthrough the area"));
    QCOMPARE(document->text(), QStringLiteral("Set\r\nthrough the area"));
    QCOMPARE(area.textCursor().position(), 0);

    // Given its own document back, the area lets the model's go.
    area.showDocument(nullptr);
    QCOMPARE(area.text(), QString());
    document.reset();
    QTest::keyClicks(&area, QStringLiteral("own"));
    QCOMPARE(area.text(), QStringLiteral("own"));
}

void TestPlatformUi::textAreaTextFollowsRandomEdits()
{
    // Runs of edits at random places, near each other and far apart, with
    // text() asked for only after each run: it must be what the document holds.
    QRandomGenerator random(77);
    TextArea area;
    const QString pieces[] = {QStringLiteral("a"),      QStringLiteral("bc"),       QStringLiteral("\r\n"),
                              QStringLiteral("x\r\ny"), QStringLiteral("\n"),       QStringLiteral("\r"),
                              QStringLiteral("\u00a0"), QStringLiteral("\r\n\r\nz")};
    const auto somewhere = [&] { return int(random.bounded(area.document()->characterCount())); };
    area.setText(QStringLiteral("First line.\r\nSecond\nline.\r\n\r\nThird."));
    for (int run = 0; run < 400; ++run) {
        const int edits = 1 + random.bounded(6);
        QString done;
        for (int e = 0; e < edits; ++e) {
            QTextCursor cursor(area.document());
            cursor.setPosition(somewhere());
            switch (random.bounded(9)) {
            case 0:
            case 1: // typed here, or right after the last edit
                area.setTextCursor(cursor);
                QTest::keyClicks(&area, QStringLiteral("ty"));
                done += QStringLiteral("type ");
                break;
            case 2:
                cursor.insertText(
                    QString(pieces[random.bounded(8)]).replace(QLatin1Char('\n'), QChar::LineSeparator));
                done += QStringLiteral("insert ");
                break;
            case 3:
                cursor.setPosition(somewhere(), QTextCursor::KeepAnchor);
                cursor.removeSelectedText();
                done += QStringLiteral("remove ");
                break;
            case 4:
                area.setTextCursor(cursor);
                QTest::keyClick(&area, random.bounded(2) ? Qt::Key_Backspace : Qt::Key_Delete);
                done += QStringLiteral("erase ");
                break;
            case 5:
                area.setTextCursor(cursor);
                QTest::keyClick(&area, Qt::Key_Return,
                                random.bounded(2) ? Qt::ShiftModifier : Qt::NoModifier);
                done += QStringLiteral("enter ");
                break;
            case 6:
                area.appendText(pieces[random.bounded(8)]);
                done += QStringLiteral("append ");
                break;
            case 7:
                cursor.setPosition(somewhere(), QTextCursor::KeepAnchor);
                area.setTextCursor(cursor);
                QGuiApplication::clipboard()->setText(pieces[random.bounded(8)]);
                area.paste();
                done += QStringLiteral("paste ");
                break;
            case 8:
                if (random.bounded(2))
                    area.undo();
                else
                    area.redo();
                done += QStringLiteral("undo/redo ");
                break;
            }
        }
        const QString expected = TextArea::fromDocumentText(area.document()->toRawText());
        QVERIFY2(area.text() == expected, qPrintable(QStringLiteral("run %1: %2").arg(run).arg(done)));
        QCOMPARE(area.textLength(), expected.size());
    }
}

void TestPlatformUi::documentWithoutViewFollowsEdits()
{
    // A model's document that no area shows is not told where it changed.
    PlainTextDocument document;
    document.setText(QStringLiteral("One\r\nTwo"));
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("Zero "));
    QCOMPARE(document.text(), QStringLiteral("Zero One\r\nTwo"));
    document.appendText(QStringLiteral("\r\nThree"));
    QCOMPARE(document.text(), QStringLiteral("Zero One\r\nTwo\r\nThree"));
    document.undo();
    QCOMPARE(document.text(), QStringLiteral("Zero One\r\nTwo"));
}

void TestPlatformUi::pastedLineEndsBecomeCrLf_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("clipboard"); // null: copy the area's own text first
    QTest::addColumn<QString>("after");
    // The clipboard hands text over with LF line ends, whatever its source held.
    QTest::newRow("LF lines from another program")
        << QStringLiteral("x") << QStringLiteral("a\nb\n") << QStringLiteral("xa\r\nb\r\n");
    QTest::newRow("CR LF lines") << QStringLiteral("x") << QStringLiteral("a\r\nb")
                                 << QStringLiteral("xa\r\nb");
    QTest::newRow("lone CR") << QStringLiteral("x") << QStringLiteral("a\rb") << QStringLiteral("xa\r\nb");
    QTest::newRow("copied from the area itself")
        << QStringLiteral("one\r\ntwo") << QString() << QStringLiteral("one\r\ntwoone\r\ntwo");
    QTest::newRow("no-break space copied from the area itself")
        << QStringLiteral("a\u00a0b") << QString() << QStringLiteral("a\u00a0ba\u00a0b");
}

void TestPlatformUi::pastedLineEndsBecomeCrLf()
{
    QFETCH(QString, before);
    QFETCH(QString, clipboard);
    QFETCH(QString, after);
    TextArea area;
    area.setText(before);
    if (clipboard.isNull()) {
        area.selectAll();
        area.copy();
    } else {
        QGuiApplication::clipboard()->setText(clipboard);
    }
    area.moveCaretToEnd();
    area.paste();
    QCOMPARE(area.text(), after);
    QCOMPARE(area.textLength(), after.size());
}

void TestPlatformUi::tabLeavesTheArea()
{
    QWidget window;
    auto *area = new TextArea(&window);
    auto *button = new QPushButton(QStringLiteral("Save"), &window);
    button->move(0, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    area->setFocus();
    area->setText(QStringLiteral("ab"));
    area->moveCaretToEnd();
    QTest::keyClick(area, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(area->text(), QStringLiteral("ab\t"));
    QCOMPARE(QApplication::focusWidget(), area);
    QTest::keyClick(area, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button);
    QTest::keyClick(button, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), area);
    QCOMPARE(area->text(), QStringLiteral("ab\t"));
}

void TestPlatformUi::findSelectsEachMatch_data()
{
    // The area's text holds CR LF, lone LF and lone CR line ends, which the
    // document holds as one character each: every match must still be
    // selected exactly, wherever it lies.
    QTest::addColumn<QString>("steps");     // "n" find next, "p" find previous
    QTest::addColumn<QList<int>>("starts"); // where each step's selection starts in text(), -1: not found
    QTest::addColumn<bool>("wrap");
    QTest::newRow("forwards, round the end") << "nnnnn" << QList<int>{7, 16, 27, 36, 7} << true;
    QTest::newRow("backwards, round the start") << "ppppp" << QList<int>{36, 27, 16, 7, 36} << true;
    QTest::newRow("there and back") << "nnp" << QList<int>{7, 16, 7} << true;
    QTest::newRow("no wrap stops at the end") << "nnnnnp" << QList<int>{7, 16, 27, 36, -1, 27} << false;
}

void TestPlatformUi::findSelectsEachMatch()
{
    QFETCH(QString, steps);
    QFETCH(QList<int>, starts);
    QFETCH(bool, wrap);
    TextArea area;
    // text() gives the lone CR back as CR LF: "beta" stands at 7, 16, 27 and 36.
    area.setText(QStringLiteral("Alpha\r\nbeta \r\n\r\nBETA\nGamma beta\rx\r\nbeta!"));
    const QString text = area.text();
    for (int i = 0; i < steps.size(); ++i) {
        const QTextCursor before = area.textCursor();
        const TextSearch::Match match = area.find(
            QStringLiteral("beta"),
            steps[i] == QLatin1Char('n') ? TextSearch::Direction::Forward : TextSearch::Direction::Backward,
            Qt::CaseInsensitive, wrap);
        QCOMPARE(match.position, qsizetype(starts[i]));
        if (starts[i] < 0) {
            QCOMPARE(area.textCursor(), before);
            continue;
        }
        const QTextCursor cursor = area.textCursor();
        QCOMPARE(cursor.selectedText().toLower(), QStringLiteral("beta"));
        QCOMPARE(text.mid(starts[i], 4).toLower(), QStringLiteral("beta"));
        QCOMPARE(cursor.selectionStart() + area.document()->findBlock(cursor.selectionStart()).blockNumber(),
                 starts[i]);
    }
}

void TestPlatformUi::findKeys()
{
    QWidget window;
    auto *area = new TextArea(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    area->setFocus();
    area->setText(QStringLiteral("cat dog cat\r\nDog"));

    // Ctrl+F with a word selected opens the Find window on that word.
    QTextCursor cursor = area->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    area->setTextCursor(cursor);
    QTest::keyClick(area, Qt::Key_F, Qt::ControlModifier);
    FindDialog *dialog = Controls::find<FindDialog>(*area, "findDialog");
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->needle(), QStringLiteral("dog"));
    QCOMPARE(AccessibilityWalk::unnamedControls(*dialog), QStringList());

    // Enter there is Find Next; F3 and Shift+F3 there too.
    auto *text = Controls::find<QLineEdit>(*dialog, "findText");
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(area->textCursor().selectionStart(), 12);
    QCOMPARE(area->textCursor().selectedText(), QStringLiteral("Dog"));
    Controls::find<QCheckBox>(*dialog, "matchCase")->setChecked(true);
    QTest::keyClick(text, Qt::Key_F3);
    QCOMPARE(area->textCursor().selectionStart(), 4); // round the end to the one "dog"
    QCOMPARE(Controls::find<QLabel>(*dialog, "findStatus")->text(),
             QStringLiteral("Continued from the start."));
    Controls::find<QCheckBox>(*dialog, "matchCase")->setChecked(false);
    QTest::keyClick(text, Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(area->textCursor().selectionStart(), 12);

    // F3 and Shift+F3 in the area repeat the search.
    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    area->activateWindow();
    area->setFocus();
    QTest::keyClick(area, Qt::Key_F3);
    QCOMPARE(area->textCursor().selectionStart(), 4);
    QTest::keyClick(area, Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(area->textCursor().selectionStart(), 12);

    // A text found nowhere changes nothing and says so.
    dialog->setNeedle(QStringLiteral("bird"));
    QTest::keyClick(area, Qt::Key_F3);
    QCOMPARE(area->textCursor().selectionStart(), 12);
    QCOMPARE(Controls::find<QLabel>(*dialog, "findStatus")->text(),
             QStringLiteral("\"bird\" was not found."));
    QCOMPARE(area->text(), QStringLiteral("cat dog cat\r\nDog")); // no key typed into the text
}

void TestPlatformUi::findScrollsToTheMatch()
{
    TextArea area;
    area.resize(300, 200);
    QString text;
    for (int i = 0; i < 2000; ++i)
        text += QStringLiteral("Line %1 of the memory.\r\n").arg(i);
    area.setText(text + QStringLiteral("The needle."));
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QVERIFY(area.find(QStringLiteral("needle"), TextSearch::Direction::Forward, Qt::CaseSensitive, false)
                .found());
    QVERIFY(area.viewport()->rect().contains(area.cursorRect()));
    QCOMPARE(area.textCursor().selectedText(), QStringLiteral("needle"));
}

void TestPlatformUi::lineBoxKeepsFirstLine_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::newRow("one line") << QString() << 0 << QStringLiteral("100") << QStringLiteral("100");
    QTest::newRow("trailing line end") << QString() << 0 << QStringLiteral("100\n") << QStringLiteral("100");
    QTest::newRow("second line dropped")
        << QString() << 0 << QStringLiteral("5\r\nUB=x.jpg") << QStringLiteral("5");
    QTest::newRow("inside a text") << QStringLiteral("ab") << 1 << QStringLiteral("X\rY")
                                   << QStringLiteral("aXb");
}

void TestPlatformUi::lineBoxKeepsFirstLine()
{
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    LineBox box(before);
    box.setCursorPosition(cursor);
    QGuiApplication::clipboard()->setText(pasted);
    box.paste();
    QCOMPARE(box.text(), after);
}

void TestPlatformUi::lineBoxHoldsLongTexts()
{
    const QString text(40000, QLatin1Char('x'));
    LineBox box(text);
    QCOMPARE(box.text().size(), text.size());
    box.setText(text + text);
    QCOMPARE(box.text().size(), 2 * text.size());
}

void TestPlatformUi::dialogScript()
{
    FakePlatform platform;
    platform.dialogAnswers << QStringLiteral("/x/y.kba") << QString();
    auto dialog = platform.createFileDialog(nullptr);
    const QString filter = QStringLiteral("KBA Files (*.kba)|*.kba");
    QCOMPARE(dialog->askOpen(filter, QStringLiteral("/x/")), QStringLiteral("/x/y.kba"));
    QVERIFY(dialog->askSave(filter).isEmpty());
    QVERIFY(dialog->askOpen(filter).isEmpty()); // exhausted script: cancel
    QCOMPARE(platform.dialogCalls.size(), 3);
    QCOMPARE(platform.dialogCalls[1].mode, FileDialog::Mode::Save);
    QCOMPARE(platform.dialogCalls[0].filter, filter);
    QCOMPARE(platform.dialogCalls[0].initDir, QStringLiteral("/x/"));
}

void TestPlatformUi::mayReplaceAsksOnlyAboutExistingFiles()
{
    QTemporaryDir dir;
    FakePlatform platform;
    const QString path = dir.filePath(QStringLiteral("facts.kba"));
    QVERIFY(FileQuestions::mayReplace(platform, nullptr, QStringLiteral("Save KBase"), path));
    QVERIFY(platform.questions.isEmpty());

    TestFiles::writeBytes(path, QByteArray());
    platform.answers << Platform::Answer::Yes << Platform::Answer::No;
    QVERIFY(FileQuestions::mayReplace(platform, nullptr, QStringLiteral("Save KBase"), path));
    QVERIFY(!FileQuestions::mayReplace(platform, nullptr, QStringLiteral("Save KBase"), path));
    QCOMPARE(platform.questions.size(), 2);
    const FakePlatform::Asked &asked = platform.questions.first();
    QCOMPARE(asked.text, QStringLiteral("Replace %1?").arg(QDir::toNativeSeparators(path)));
    QCOMPARE(asked.title, QStringLiteral("Save KBase"));
    QCOMPARE(asked.question, Platform::Question::YesNo);
    QCOMPARE(asked.defaultAnswer, Platform::Answer::No);
}

void TestPlatformUi::placePicture_data()
{
    QTest::addColumn<bool>("inside");
    QTest::addColumn<int>("answer");   // -1: no question expected
    QTest::addColumn<bool>("blocked"); // the folder cannot be made
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("copied");
    QTest::newRow("already inside") << true << -1 << false << true << false;
    QTest::newRow("outside, yes") << false << int(Platform::Answer::Yes) << false << true << true;
    QTest::newRow("outside, no") << false << int(Platform::Answer::No) << false << true << false;
    QTest::newRow("copy fails") << false << int(Platform::Answer::Yes) << true << false << false;
}

void TestPlatformUi::placePicture()
{
    QFETCH(bool, inside);
    QFETCH(int, answer);
    QFETCH(bool, blocked);
    QFETCH(bool, ok);
    QFETCH(bool, copied);
    QTemporaryDir dir;
    const QString images = dir.filePath(blocked ? QStringLiteral("file/Images") : QStringLiteral("Images"));
    QVERIFY(blocked || QDir().mkpath(images));
    if (blocked)
        TestFiles::writeBytes(dir.filePath(QStringLiteral("file")), QByteArray());
    const QString chosen = (inside ? images : dir.path()) + QStringLiteral("/m.bmp");
    TestFiles::writeBytes(chosen, "bytes");

    FakePlatform platform;
    if (answer >= 0)
        platform.answers << Platform::Answer(answer);
    const FileQuestions::PlacedPicture placed = FileQuestions::placePicture(
        platform, nullptr, QStringLiteral("Load Picture"), chosen, images, QStringLiteral("Images"));
    QCOMPARE(placed.ok, ok);
    QCOMPARE(platform.questions.size(), answer >= 0 ? 1 : 0);
    if (answer >= 0) {
        QCOMPARE(platform.questions.first().text, QStringLiteral("Copy m.bmp into Images?"));
        QCOMPARE(platform.questions.first().defaultAnswer, Platform::Answer::Yes);
    }
    QCOMPARE(platform.messages.size(), ok ? 0 : 1);
    if (!ok)
        return;
    QCOMPARE(placed.name, QStringLiteral("m.bmp"));
    QCOMPARE(QFileInfo::exists(images + QStringLiteral("/m.bmp")), inside || copied);
    QCOMPARE(placed.path, copied ? QDir(images).filePath(QStringLiteral("m.bmp")) : chosen);
}

namespace {

// A window with unsaved work: closing asks, and the answer decides.
class AskingWindow : public QWidget
{
public:
    explicit AskingWindow(bool stays) : m_stays(stays) {}
    int asked = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++asked;
        event->setAccepted(!m_stays);
    }

private:
    bool m_stays;
};

} // namespace

void TestPlatformUi::sessionEndClosesEveryWindow_data()
{
    QTest::addColumn<bool>("secondStays");
    QTest::newRow("every window closes") << false;
    QTest::newRow("a window stays open") << true;
}

void TestPlatformUi::sessionEndClosesEveryWindow()
{
    QFETCH(bool, secondStays);
    AskingWindow first(false);
    AskingWindow second(secondStays);
    AskingWindow hidden(true);
    first.show();
    second.show();

    QCOMPARE(SessionEnd::closeAllWindows(), !secondStays);
    // Every visible window was asked, as closing it by hand would; a hidden one was not.
    QCOMPARE(second.asked, 1);
    QCOMPARE(second.isVisible(), secondStays);
    QCOMPARE(hidden.asked, 0);
    if (!secondStays) {
        QCOMPARE(first.asked, 1);
        QVERIFY(!first.isVisible());
    }
}

void TestPlatformUi::unsavedWorkButtonsHaveMnemonics()
{
    // Discard answers to Alt and its underlined letter, as Save and Cancel do
    // where the desktop's style gives them one.
    QtPlatform platform(QDir::tempPath());
    QStringList captions;
    QTimer::singleShot(0, [&captions] {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *box = qobject_cast<QMessageBox *>(top)) {
                for (QAbstractButton *button : box->buttons())
                    captions << button->text();
                box->reject();
            }
        }
    });
    QCOMPARE(platform.ask(nullptr, QStringLiteral("Save?"), QStringLiteral("T"),
                          Platform::Question::SaveDiscardCancel, Platform::Answer::Save),
             Platform::Answer::Cancel);
    QCOMPARE(captions.size(), 3);
    QVERIFY2(captions.contains(QStringLiteral("&Discard")), qPrintable(captions.join(QLatin1Char(' '))));
}

// The program expects its first window's pictures before the window does,
// which then expects them again with others: every one still loads as the
// loader gives it, once from what was decoded ahead and afterwards anew.
void TestPlatformUi::picturesExpectedTwiceLoadAsUsual()
{
    QTemporaryDir dir;
    QStringList paths;
    for (int n = 0; n < 3; ++n) {
        QImage image(40 + n, 30, QImage::Format_RGB32);
        image.fill(qRgb(60 * n, 90, 200 - 60 * n));
        paths << dir.filePath(QStringLiteral("p%1.bmp").arg(n));
        QVERIFY(image.save(paths.last()));
    }
    QtPlatform platform(dir.path());
    platform.expectPictures({paths.at(0), paths.at(1)});
    platform.expectPictures({paths.at(1), paths.at(2)});
    for (int round = 0; round < 2; ++round) {
        for (const QString &path : paths) {
            const PictureResult loaded = platform.loadPicture(path);
            QVERIFY2(loaded.ok(), qPrintable(path));
            QCOMPARE(loaded.picture.image, PictureLoader::load(path).picture.image);
        }
    }
}

QTEST_MAIN(TestPlatformUi)
#include "tst_platform_ui.moc"
