// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibilityWalk.h"
#include "Controls.h"
#include "Keyboard.h"
#include "ProgramFolderFixture.h"
#include "TestFiles.h"
#include "TextArea.h"

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

// The shared test helpers themselves.
class TestSupport : public QObject
{
    Q_OBJECT
private slots:
    void walkReportsUnnamedControls();
    void fixtureFolder_data();
    void fixtureFolder();
    void copyAssets();
    void fileBytes();
    void keyboard();
};

void TestSupport::walkReportsUnnamedControls()
{
    QWidget window;
    const auto add = [&window](QWidget *widget, const char *name, QWidget *parent = nullptr) {
        widget->setParent(parent ? parent : &window);
        widget->setObjectName(QLatin1String(name));
        return widget;
    };
    add(new QPushButton(QStringLiteral("&Save")), "captioned");
    add(new QPushButton, "Picture1");
    add(new QPushButton, "named")->setAccessibleName(QStringLiteral("Knowledge Base"));
    auto *label = static_cast<QLabel *>(add(new QLabel(QStringLiteral("&Find what:")), "label"));
    label->setBuddy(add(new QLineEdit, "withBuddy"));
    add(new QLineEdit, "Text2");
    add(new TextArea, "RichTextBox1"); // its scroll bars and viewport are parts of it
    add(new QCheckBox(QStringLiteral("Match case")), "check");
    add(new QRadioButton, "Option1");
    add(new QListWidget, "List1");
    add(new QSpinBox, "spin"); // not its line edit
    add(new QSlider, "slider");
    add(new QWidget, "canvas")->setFocusPolicy(Qt::StrongFocus);
    add(new QWidget, "frame"); // takes no focus
    add(new QPushButton, "Command5")->hide();
    add(new QPushButton, ""); // no object name
    auto *scroll = static_cast<QScrollArea *>(add(new QScrollArea, "scroll"));
    auto *inner = new QWidget;
    add(new QPushButton, "inScrollArea", inner);
    scroll->setWidget(inner);
    auto *dialog = static_cast<QDialog *>(add(new QDialog, "dialog")); // another window
    dialog->setParent(&window, Qt::Dialog);
    add(new QPushButton, "inDialog", dialog);
    window.resize(400, 300);

    QCOMPARE(
        AccessibilityWalk::unnamedControls(window),
        QStringList({QStringLiteral("QPushButton \"Picture1\""), QStringLiteral("QLineEdit \"Text2\""),
                     QStringLiteral("TextArea \"RichTextBox1\""), QStringLiteral("QRadioButton \"Option1\""),
                     QStringLiteral("QListWidget \"List1\""), QStringLiteral("QSpinBox \"spin\""),
                     QStringLiteral("QSlider \"slider\""), QStringLiteral("QWidget \"canvas\""),
                     QStringLiteral("QPushButton \"Command5\""), QStringLiteral("QPushButton at 0,0"),
                     QStringLiteral("QPushButton \"inScrollArea\"")}));
    QCOMPARE(AccessibilityWalk::accessibleName(Controls::find<QPushButton>(window, "captioned")),
             QStringLiteral("Save"));
    QCOMPARE(AccessibilityWalk::accessibleName(Controls::find<QLineEdit>(window, "withBuddy")),
             QStringLiteral("Find what:"));
    QCOMPARE(AccessibilityWalk::interactiveControls(*dialog).size(), 1);
}

void TestSupport::fixtureFolder_data()
{
    QTest::addColumn<QString>("subfolder");
    QTest::newRow("temporary folder") << QString();
    QTest::newRow("subfolder with a space") << QStringLiteral("My Kit");
}

void TestSupport::fixtureFolder()
{
    QFETCH(QString, subfolder);
    ProgramFolderFixture fixture(subfolder);
    QCOMPARE(fixture.platform.programFolder(), fixture.folder());
    QVERIFY(fixture.folder().endsWith(QDir::separator()));
    QVERIFY(fixture.folder().endsWith(subfolder + QDir::separator()));
    QVERIFY(QFileInfo(fixture.folder()).isDir());
    QCOMPARE(fixture.path(QStringLiteral("a.kba")), fixture.folder() + QStringLiteral("a.kba"));
    const QString outside = fixture.elsewhere(QStringLiteral("a.kba"));
    QVERIFY(!outside.startsWith(fixture.folder()));
    QVERIFY(QFileInfo(QFileInfo(outside).path()).isDir());
    QCOMPARE(fixture.entries(), QStringList());
}

void TestSupport::copyAssets()
{
    ProgramFolderFixture some;
    some.copyAssets({QStringLiteral("Juniper.mem"), QStringLiteral("Images")});
    QCOMPARE(some.entries(), QStringList({QStringLiteral("Images"), QStringLiteral("Juniper.mem")}));
    const QString bg = QStringLiteral("Images/bg.jpg");
    QCOMPARE(TestFiles::readBytes(some.path(bg)),
             TestFiles::readBytes(ProgramFolderFixture::assetsFolder() + bg));
    QVERIFY(QFileInfo(some.path(bg)).isWritable());

    ProgramFolderFixture all;
    all.copyAssets();
    QCOMPARE(all.entries(),
             QDir(ProgramFolderFixture::assetsFolder())
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name));
    QVERIFY(QFileInfo::exists(all.path(QStringLiteral("Docs/Frameloft.htm"))));
}

void TestSupport::fileBytes()
{
    ProgramFolderFixture fixture;
    const QString path = fixture.path(QStringLiteral("x.bin"));
    QVERIFY(TestFiles::readBytes(path) != QByteArray()); // a missing file never reads as empty
    QCOMPARE(TestFiles::writeBytes(path, QByteArray("a\0b", 3)), path);
    QCOMPARE(TestFiles::readBytes(path), QByteArray("a\0b", 3));
    TestFiles::writeBytes(path, QByteArray());
    QCOMPARE(TestFiles::readBytes(path), QByteArray());
}

void TestSupport::keyboard()
{
    QCOMPARE(Keyboard::visibleCaption(QStringLiteral("&Save KBase...")), QStringLiteral("Save KBase..."));
    QCOMPARE(Keyboard::visibleCaption(QStringLiteral("S&TOP")), QStringLiteral("STOP"));
    QCOMPARE(Keyboard::visibleCaption(QStringLiteral("Salt && &Pepper")), QStringLiteral("Salt & Pepper"));

    QWidget window;
    const auto button = [&window](const char *caption, const char *name) {
        auto *widget = new QPushButton(QLatin1String(caption), &window);
        widget->setObjectName(QLatin1String(name));
        return widget;
    };
    QPushButton *open = button("&Open...", "open");
    button("&Options", "options")->hide(); // hidden: clashes once shown
    button("Save && &Quit", "quit");
    auto *label = new QLabel(QStringLiteral("&Query:"), &window);
    auto *line = new QLineEdit(&window);
    line->setObjectName(QStringLiteral("line"));
    label->setBuddy(line);
    new QLabel(QStringLiteral("&Other"), &window); // no buddy: no mnemonic
    QCOMPARE(Keyboard::mnemonicClashes(window),
             QStringList({QStringLiteral("Alt+O: open, options"), QStringLiteral("Alt+Q: quit, line")}));

    // Tab visits what takes the focus by Tab, in the chain's order; labels
    // take no focus.
    QCOMPARE(Keyboard::tabOrder(window), QStringList({QStringLiteral("open"), QStringLiteral("options"),
                                                      QStringLiteral("quit"), QStringLiteral("line")}));
    QWidget::setTabOrder(open, line);
    QCOMPARE(Keyboard::tabOrder(window), QStringList({QStringLiteral("open"), QStringLiteral("line"),
                                                      QStringLiteral("options"), QStringLiteral("quit")}));

    int clicks = 0;
    QObject::connect(open, &QPushButton::clicked, [&clicks] { ++clicks; });
    line->setFocus();
    Keyboard::press(window, QKeySequence(Qt::Key_Backtab));
    QCOMPARE(window.focusWidget(), open);
    Keyboard::press(window, QKeySequence(Qt::Key_Space));
    QCOMPARE(clicks, 1);
}

QTEST_MAIN(TestSupport)
#include "tst_support.moc"
