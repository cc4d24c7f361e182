// SPDX-License-Identifier: GPL-3.0-or-later
#include "CutOutWindow.h"
#include "FindDialog.h"
#include "Form1.h"
#include "KBEd.h"
#include "KitTranslations.h"
#include "Locs.h"
#include "MemoryEd.h"
#include "PlaceWindow.h"
#include "ProgramFolderFixture.h"
#include "SceneEditor.h"
#include "ScenePreviewWindow.h"
#include "SuiteMain.h"
#include "TestChat.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>

#include <functional>
#include <memory>

// The windows in German, as LANGUAGE=de starts them: every caption is
// translated and fits its control at the control's font.
class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void germanCaptions_data();
    void germanCaptions();
    void englishWithoutCatalogue();
};

namespace {

using MakeWindow = std::function<std::unique_ptr<QWidget>(Platform &)>;

// The visible caption of a label or a button, without its mnemonic mark.
QString caption(const QWidget *control)
{
    QString text;
    if (const auto *label = qobject_cast<const QLabel *>(control))
        text = label->text();
    else if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        text = button->text();
    return text.remove(QLatin1Char('&'));
}

QList<QWidget *> captioned(QWidget &window)
{
    QList<QWidget *> controls;
    for (QWidget *control : window.findChildren<QWidget *>())
        if (control->isVisible() && !caption(control).isEmpty())
            controls << control;
    return controls;
}

// A check box or option button only as large as its mark: the window's
// background picture paints its caption beside it.
bool markOnly(const QWidget *control)
{
    return (qobject_cast<const QCheckBox *>(control) || qobject_cast<const QRadioButton *>(control)) &&
           control->width() < 20;
}

// Texts that read the same in German: names, units, coordinates, numbers.
bool sameInEveryLanguage(const QString &text)
{
    static const QStringList names = {QStringLiteral("Frameloft"), QStringLiteral("Mindloom 2G"),
                                      QStringLiteral("Text"), QStringLiteral("Zoom:")};
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    return names.contains(text) || !word.match(text).hasMatch();
}

// A scene editor for the composer's own windows, owned by the window it serves.
SceneEditor *sceneEditor(Platform &platform)
{
    return new SceneEditor(
        SceneEditor::Environment{[&platform] { return platform.programFolder(); },
                                 [&platform](const QString &path) { return platform.loadPicture(path); }});
}

template <class Window> std::unique_ptr<QWidget> owning(Window *window, QObject *dependency)
{
    dependency->setParent(window);
    return std::unique_ptr<QWidget>(window);
}

} // namespace

Q_DECLARE_METATYPE(MakeWindow)

namespace {

// Every window, as the programs open them.
const QList<QPair<const char *, MakeWindow>> &windows()
{
    static const QList<QPair<const char *, MakeWindow>> list = {
        {"Locs", [](Platform &platform) { return std::unique_ptr<QWidget>(new Locs(platform)); }},
        {"KBEd", [](Platform &platform) { return std::unique_ptr<QWidget>(new KBEd(platform)); }},
        {"MemoryEd", [](Platform &platform) { return std::unique_ptr<QWidget>(new MemoryEd(platform)); }},
        {"SuiteMain", [](Platform &platform) { return std::unique_ptr<QWidget>(new SuiteMain(platform)); }},
        {"TestChat", [](Platform &platform) { return std::unique_ptr<QWidget>(new TestChat(platform)); }},
        {"FindDialog", [](Platform &) { return std::unique_ptr<QWidget>(new FindDialog); }},
        {"Form1", [](Platform &platform) { return std::unique_ptr<QWidget>(new Form1(platform)); }},
        {"ScenePreviewWindow",
         [](Platform &platform) {
             SceneEditor *editor = sceneEditor(platform);
             return owning(new ScenePreviewWindow(*editor, platform), editor);
         }},
        {"PlaceWindow",
         [](Platform &platform) {
             SceneEditor *editor = sceneEditor(platform);
             return owning(new PlaceWindow(*editor, nullptr), editor);
         }},
        {"CutOutWindow",
         [](Platform &) {
             QImage background(700, 500, QImage::Format_RGB32);
             background.fill(Qt::blue);
             QImage full = background;
             full.setPixelColor(10, 10, Qt::red);
             return std::unique_ptr<QWidget>(
                 new CutOutWindow(background, full, QStringLiteral("full.bmp"),
                                  QCoreApplication::translate("Form1Layout", "Zumi Mouth"), nullptr));
         }},
    };
    return list;
}

// The window's title, its captions and what a screen reader names its
// controls by, each with the control's name; texts that read the same in
// German are left out.
QStringList captions(QWidget &window)
{
    QStringList list;
    const auto add = [&list](const QString &what, const QString &text) {
        if (!sameInEveryLanguage(text))
            list << what + QLatin1Char('=') + text;
    };
    add(QStringLiteral("title"), window.windowTitle());
    for (QWidget *control : captioned(window))
        add(control->objectName(), caption(control));
    for (QWidget *control : window.findChildren<QWidget *>())
        if (control->isVisible() && !control->accessibleName().isEmpty())
            add(control->objectName() + QStringLiteral(" (accessible)"), control->accessibleName());
    return list;
}

// The room a caption takes: a caption that wraps in width and height, any
// other on one line.
QSize needed(QWidget *control)
{
    const QString text = caption(control);
    const auto *label = qobject_cast<const QLabel *>(control);
    if (control->inherits("WrappingButton") || (label && label->wordWrap()))
        return control->fontMetrics()
            .boundingRect(QRect(0, 0, control->width(), 10000), Qt::TextWordWrap, text)
            .size();
    if (qobject_cast<QCheckBox *>(control) || qobject_cast<QRadioButton *>(control))
        return QSize(control->sizeHint().width(), 0); // the mark, its spacing and the caption
    return QSize(control->fontMetrics().horizontalAdvance(text), 0);
}

QHash<QString, QStringList> english;
// What each English caption needs, by window and control: where the
// desktop's font draws the English caption past its prescribed place already,
// the German one may take as much, no more.
QHash<QString, QHash<QString, QSize>> englishRoom;

} // namespace

void TestTranslations::initTestCase()
{
    // CTest starts the test with LANGUAGE=de, as a German user's session
    // would; the English captions are read before the catalogue is loaded.
    QCOMPARE(QLocale::system().uiLanguages().value(0), QStringLiteral("de"));
    ProgramFolderFixture folder;
    folder.copyAssets();
    for (const auto &[name, make] : windows()) {
        std::unique_ptr<QWidget> window = make(folder.platform);
        window->show();
        english.insert(QLatin1String(name), captions(*window));
        for (QWidget *control : captioned(*window))
            englishRoom[QLatin1String(name)].insert(control->objectName(), needed(control));
    }
    QVERIFY(KitTranslations::install(QLocale::system(), {QStringLiteral(MINDLOOM_TRANSLATIONS)})
                .startsWith(QStringLiteral("de")));
}

void TestTranslations::germanCaptions_data()
{
    QTest::addColumn<MakeWindow>("make");
    for (const auto &[name, make] : windows())
        QTest::newRow(name) << make;
}

void TestTranslations::germanCaptions()
{
    QFETCH(MakeWindow, make);
    ProgramFolderFixture folder;
    folder.copyAssets();
    std::unique_ptr<QWidget> window = make(folder.platform);
    window->show();
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QStringList before = english.value(name);
    QVERIFY(!before.isEmpty());
    const QStringList now = captions(*window);
    for (const QString &item : now)
        QVERIFY2(!before.contains(item), qPrintable(QStringLiteral("still English: ") + item));
    for (QWidget *control : captioned(*window)) {
        if (markOnly(control))
            continue;
        const QString text = caption(control);
        const QSize room = control->size().expandedTo(englishRoom.value(name).value(control->objectName()));
        const QSize need = needed(control);
        QVERIFY2(need.width() <= room.width() && need.height() <= room.height(),
                 qPrintable(QStringLiteral("%1: \"%2\" needs %3 x %4 pixels, it has %5 x %6")
                                .arg(control->objectName(), text)
                                .arg(need.width())
                                .arg(need.height())
                                .arg(room.width())
                                .arg(room.height())));
    }
}

void TestTranslations::englishWithoutCatalogue()
{
    // A language the kit has no catalogue for keeps the English texts, and
    // so does a kit whose catalogues are missing.
    const QStringList folders = {QStringLiteral(MINDLOOM_TRANSLATIONS)};
    QVERIFY(KitTranslations::install(QLocale(QLocale::Japanese), folders).isEmpty());
    QVERIFY(KitTranslations::install(QLocale(QLocale::German), {QStringLiteral("/nonexistent")}).isEmpty());
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
