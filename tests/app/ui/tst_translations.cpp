// SPDX-License-Identifier: GPL-3.0-or-later
#include "KBEd.h"
#include "KitTranslations.h"
#include "Locs.h"
#include "ProgramFolderFixture.h"

#include <QAbstractButton>
#include <QLabel>
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

} // namespace

Q_DECLARE_METATYPE(MakeWindow)

namespace {

// Every window, as the programs open them.
const QList<QPair<const char *, MakeWindow>> &windows()
{
    static const QList<QPair<const char *, MakeWindow>> list = {
        {"Locs", [](Platform &platform) { return std::unique_ptr<QWidget>(new Locs(platform)); }},
        {"KBEd", [](Platform &platform) { return std::unique_ptr<QWidget>(new KBEd(platform)); }},
    };
    return list;
}

// The window's title and captions, each with the control's name.
QStringList captions(QWidget &window)
{
    QStringList list{QStringLiteral("title=") + window.windowTitle()};
    for (QWidget *control : captioned(window))
        list << control->objectName() + QLatin1Char('=') + caption(control);
    return list;
}

QHash<QString, QStringList> english;

} // namespace

void TestTranslations::initTestCase()
{
    // CTest starts the test with LANGUAGE=de, as a German user's session
    // would; the English captions are read before the catalogue is loaded.
    QCOMPARE(QLocale::system().uiLanguages().value(0), QStringLiteral("de"));
    ProgramFolderFixture folder;
    for (const auto &[name, make] : windows()) {
        std::unique_ptr<QWidget> window = make(folder.platform);
        window->show();
        english.insert(QLatin1String(name), captions(*window));
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
    std::unique_ptr<QWidget> window = make(folder.platform);
    window->show();
    const QStringList before = english.value(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(!before.isEmpty());
    const QStringList now = captions(*window);
    for (const QString &item : now)
        QVERIFY2(!before.contains(item), qPrintable(QStringLiteral("still English: ") + item));
    for (QWidget *control : captioned(*window)) {
        const QString text = caption(control);
        // A caption that wraps must fit in width and height, any other on one line.
        const auto *label = qobject_cast<const QLabel *>(control);
        const bool wraps = control->inherits("WrappingButton") || (label && label->wordWrap());
        const QSize needed =
            wraps ? control->fontMetrics()
                        .boundingRect(QRect(0, 0, control->width(), 10000), Qt::TextWordWrap, text)
                        .size()
                  : QSize(control->fontMetrics().horizontalAdvance(text), 0);
        QVERIFY2(needed.width() <= control->width() && needed.height() <= control->height(),
                 qPrintable(QStringLiteral("%1: \"%2\" needs %3 x %4 pixels, the control has %5 x %6")
                                .arg(control->objectName(), text)
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(control->width())
                                .arg(control->height())));
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
