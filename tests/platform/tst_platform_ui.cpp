#include "FakePlatform.h"
#include "TextArea.h"

#include <QClipboard>
#include <QSignalSpy>
#include <QtTest>

// The shared text area and the fake platform's dialog script.
class TestPlatformUi : public QObject
{
    Q_OBJECT
private slots:
    void textAreaRoundTrip_data();
    void textAreaRoundTrip();
    void textAreaAppend();
    void shiftEnterTypesCrLf();
    void textAreaTextFollowsEveryChange();
    void pastedLineEndsBecomeCrLf_data();
    void pastedLineEndsBecomeCrLf();
    void dialogScript();
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

void TestPlatformUi::dialogScript()
{
    FakePlatform platform;
    platform.dialogAnswers << QStringLiteral("/x/y.kba") << QString();
    auto dialog = platform.createFileDialog(nullptr);
    dialog->Filter = QStringLiteral("KBA Files (*.kba)|*.kba");
    dialog->ShowOpen();
    QCOMPARE(dialog->FileName, QStringLiteral("/x/y.kba"));
    QCOMPARE(dialog->FileTitle(), QStringLiteral("y.kba"));
    dialog->FileName.clear();
    dialog->ShowSave();
    QVERIFY(dialog->FileName.isEmpty());
    dialog->ShowOpen(); // exhausted script: cancel
    QVERIFY(dialog->FileName.isEmpty());
    QCOMPARE(platform.dialogCalls.size(), 3);
    QCOMPARE(platform.dialogCalls[1].mode, FileDialog::Mode::Save);
    QCOMPARE(platform.dialogCalls[0].filter, QStringLiteral("KBA Files (*.kba)|*.kba"));
}

QTEST_MAIN(TestPlatformUi)
#include "tst_platform_ui.moc"
