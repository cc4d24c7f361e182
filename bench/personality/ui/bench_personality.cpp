// SPDX-License-Identifier: GPL-3.0-or-later
// Personality Editor timings: Load Personality against putting the same text
// into the text area alone, Save Personality, and a keystroke in a large text.
// Run by hand: bench_personality [sizes in MB...]  (default 2 20 40)

#include "BenchApplication.h"
#include "BenchSupport.h"
#include "FakePlatform.h"
#include "MemoryEd.h"
#include "PersonalityFile.h"
#include "TextArea.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

const QSize kAreaSize(365, 281);

using BenchSupport::ms;

QString statements(qsizetype size)
{
    QString text;
    text.reserve(size + 100);
    BenchSupport::appendStatements(text, size);
    return text;
}

// The fastest of a few runs.
double best(int runs, const std::function<double()> &run)
{
    double result = 1e300;
    for (int i = 0; i < runs; ++i)
        result = std::min(result, run());
    return result;
}

struct Editor
{
    explicit Editor(const QString &folder)
    {
        platform.folder = folder;
        window = std::make_unique<MemoryEd>(platform);
        window->show();
        QCoreApplication::processEvents();
        auto *list = window->findChild<QListWidget *>(QStringLiteral("List1"));
        list->setCurrentRow(0);
    }
    QPushButton *button(const char *name) const
    {
        return window->findChild<QPushButton *>(QLatin1String(name));
    }
    TextArea *area() const { return window->findChild<TextArea *>(QStringLiteral("RichTextBox1")); }

    FakePlatform platform;
    std::unique_ptr<MemoryEd> window;
};

void loadAndSave(int megabytes)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const QString memory = statements(qsizetype(megabytes) * 1000 * 1000);
    const QString qandA = QStringLiteral("\r\n#Do you like cats?&Yes, very much.%").repeated(1000);
    const auto write = [&] {
        PersonalityFile::save(folder, QStringLiteral("Bench"), memory, QStringLiteral("cats\r\n"),
                              QStringLiteral("never\r\n"), qandA);
    };
    write();

    // The text the window shows after the load.
    const QString shown = PersonalityFile::read(folder, QStringLiteral("Bench")).texts.memory;

    // Side by side, alternating: the text area alone, then a whole load.
    double floor = 1e300;
    double load = 1e300;
    double save = 1e300;
    for (int run = 0; run < 3; ++run) {
        {
            TextArea area;
            area.resize(kAreaSize);
            area.show();
            QCoreApplication::processEvents();
            floor = std::min(floor, ms([&] {
                                 area.setText(shown);
                                 QCoreApplication::processEvents();
                             }));
        }
        write(); // the previous run's save changed it
        Editor editor(folder);
        load = std::min(load, ms([&] {
                            editor.button("Command1")->click();
                            QCoreApplication::processEvents();
                        }));
        if (editor.window->Memory() != shown)
            std::printf("  load gave a different text!\n");
        save = std::min(save, ms([&] { editor.button("Command5")->click(); }));
        if (editor.platform.messages.size() != 1 ||
            editor.platform.messages[0].title != QStringLiteral("Personality Saved"))
            std::printf("  save failed!\n");
    }
    std::printf(
        "%3d MB  text area alone %8.1f ms   Load Personality %8.1f ms (%.2fx)   Save Personality %7.1f ms\n",
        megabytes, floor, load, load / floor, save);
    std::fflush(stdout);
}

void keystrokes()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const QString memory = statements(5 * 1000 * 1000);
    PersonalityFile::save(folder, QStringLiteral("Bench"), memory, QString(), QString(), QString());
    Editor editor(folder);
    editor.button("Command1")->click();
    QCoreApplication::processEvents();
    TextArea *area = editor.area();
    const QString text = area->text();

    TextArea alone;
    alone.resize(kAreaSize);
    alone.show();
    alone.setText(text);
    QCoreApplication::processEvents();

    auto typeInMiddle = [](TextArea *target) {
        return best(20, [target] {
            QTextCursor cursor = target->textCursor();
            cursor.setPosition(target->document()->characterCount() / 2);
            target->setTextCursor(cursor);
            return ms([target] { QTest::keyClick(target, Qt::Key_X); });
        });
    };
    const double inWindow = typeInMiddle(area);
    const double inArea = typeInMiddle(&alone);
    std::printf(
        "5 MB    key typed in RichTextBox1: %.3f ms (the text area alone: %.3f ms; the window's part %.3f "
        "ms)\n",
        inWindow, inArea, inWindow - inArea);

    auto *entry = editor.window->findChild<QLineEdit *>(QStringLiteral("Text2"));
    const double entryKey = best(20, [entry] { return ms([entry] { QTest::keyClick(entry, Qt::Key_A); }); });
    std::printf("5 MB    key typed in Text2: %.3f ms\n", entryKey);
    const double enter = best(20, [entry] {
        entry->setText(QStringLiteral("I love you."));
        return ms([entry] { QTest::keyClick(entry, Qt::Key_Return); });
    });
    std::printf("5 MB    Enter in Text2 (statement appended): %.3f ms\n", enter);
    QTest::keyClick(area, Qt::Key_X);
    const double materialise = ms([&] { (void)editor.window->Memory(); });
    std::printf("5 MB    Memory read once after an edit (paid on demand only): %.1f ms\n", materialise);
}

} // namespace

int main(int argc, char *argv[])
{
    BenchApplication app(argc, argv);
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << QString::fromLocal8Bit(argv[i]).toInt();
    if (sizes.isEmpty())
        sizes = {2, 20, 40};
    for (const int size : sizes)
        loadAndSave(size);
    keystrokes();
    return 0;
}
