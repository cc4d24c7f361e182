// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnnouncedFlag.h"
#include "PersonalityDocument.h"
#include "PersonalityFile.h"
#include "ProgramFolderFixture.h"
#include "SamplePersonality.h"
#include "TestFiles.h"

#include <QDir>
#include <QSignalSpy>
#include <QTextCursor>
#include <QtTest>

using namespace TestFiles;
using View = PersonalityDocument::View;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

struct Texts
{
    QString memory, matchWords, wontSay, qandA, name;
    bool operator==(const Texts &o) const
    {
        return memory == o.memory && matchWords == o.matchWords && wontSay == o.wontSay && qandA == o.qandA &&
               name == o.name;
    }
};

char *toString(const Texts &t)
{
    QString shown;
    QDebug(&shown) << "memory" << t.memory << "match words" << t.matchWords << "won't say" << t.wontSay
                   << "q/a" << t.qandA << "name" << t.name;
    return QTest::toString(shown);
}

Texts texts(const PersonalityDocument &d)
{
    return {d.memory(), d.matchWords(), d.wontSayData(), d.qandA(), d.personalityName()};
}

// A personality document and a program folder to load from and save to.
struct Fixture : ProgramFolderFixture
{
    PersonalityDocument doc;

    void copySample()
    {
        copyAssets({SamplePersonality::name() + QStringLiteral(".mem"),
                    SamplePersonality::name() + QStringLiteral(".qas")});
    }

    void write(const QString &name, const QString &memory, const QString &matchWords = QString(),
               const QString &wontSay = QString(), const QString &qandA = QString())
    {
        QCOMPARE(PersonalityFile::save(folder(), name, memory, matchWords, wontSay, qandA), QString());
    }

    // Types at the end of the shown text, as the text area does.
    void type(const QString &text)
    {
        QTextCursor cursor(doc.shownText());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(text);
    }

    // Runs a script of user actions, one a step:
    //   "general", "qanda"      choose the view
    //   "swap", "no swap"       tick or untick the second-person box
    //   ">line"                 enter a line in the entry line
    //   "+text"                 type text at the end of the shown text
    //   "undo"                  undo the last edit of the shown text
    //   "load NAME", "save NAME", "export"
    void run(const QStringList &steps)
    {
        for (const QString &step : steps) {
            if (step == QStringLiteral("general"))
                doc.setView(View::General);
            else if (step == QStringLiteral("qanda"))
                doc.setView(View::QuestionAnswer);
            else if (step == QStringLiteral("swap") || step == QStringLiteral("no swap"))
                doc.setSecondPerson(step == QStringLiteral("swap"));
            else if (step.startsWith(QLatin1Char('>')))
                doc.takeEntry(step.mid(1));
            else if (step.startsWith(QLatin1Char('+')))
                type(step.mid(1));
            else if (step == QStringLiteral("undo"))
                doc.shownText()->undo();
            else if (step.startsWith(QStringLiteral("load ")))
                QCOMPARE(doc.load(folder(), step.mid(5)), QString());
            else if (step.startsWith(QStringLiteral("save ")))
                doc.save(folder(), step.mid(5));
            else if (step == QStringLiteral("export"))
                QCOMPARE(doc.exportMemory(path(QStringLiteral("Export.mem"))), QString());
            else
                QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
    }
};

} // namespace

// The personality the editor edits: its texts, views, entries and files,
// without a window.
class TestPersonalityDocument : public QObject
{
    Q_OBJECT
private slots:
    void startsEmpty();
    void entries_data();
    void entries();
    void typedTextSurvivesViewChanges();
    void load_data();
    void load();
    void loadNothingChosen();
    void loadFailuresChangeNothing_data();
    void loadFailuresChangeNothing();
    void loneLineBreaksInLoadedFile();
    void sectionsTakenOutOnRequest_data();
    void sectionsTakenOutOnRequest();
    void saveAndLoadAgain();
    void saveUnderNewName();
    void saveFailuresChangeNothing_data();
    void saveFailuresChangeNothing();
    void exports_data();
    void exports();
    void nameForSave_data();
    void nameForSave();
    void listed_data();
    void listed();
    void modified_data();
    void modified();
};

void TestPersonalityDocument::startsEmpty()
{
    const PersonalityDocument doc;
    QCOMPARE(texts(doc), Texts{});
    QCOMPARE(doc.view(), View::General);
    QCOMPARE(doc.quest(), 0);
    QCOMPARE(doc.entryMark(), QStringLiteral("?"));
    QVERIFY(!doc.secondPerson());
    QVERIFY(!doc.modified());
    QCOMPARE(doc.inText(), QString());
}

void TestPersonalityDocument::entries_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("memory");
    QTest::addColumn<QString>("qandA");
    QTest::addColumn<int>("quest");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("inText");

    const QString q = QStringLiteral("?");
    const QString a = QStringLiteral("!");
    QTest::newRow("statement as typed")
        << QStringList{QStringLiteral(">I love you.")} << QStringLiteral("I love you.\r\n\r\n") << QString()
        << 0 << q << QStringLiteral("I love you.");
    QTest::newRow("statement in the second person")
        << QStringList{QStringLiteral("swap"), QStringLiteral(">I love you.")}
        << QStringLiteral("You love me.\r\n\r\n") << QString() << 0 << q << QStringLiteral("You love me.");
    QTest::newRow("empty statement") << QStringList{QStringLiteral("swap"), QStringLiteral(">")}
                                     << QStringLiteral("\r\n\r\n") << QString() << 0 << q << QString();
    QTest::newRow("statement after typed text")
        << QStringList{QStringLiteral("+Before."), QStringLiteral(">After.")}
        << QStringLiteral("Before.After.\r\n\r\n") << QString() << 0 << q << QStringLiteral("After.");
    QTest::newRow("question waits for its answer")
        << QStringList{QStringLiteral("qanda"), QStringLiteral(">First?")} << QString()
        << QStringLiteral("\r\n#First?&") << 1 << a << QStringLiteral("First?");
    QTest::newRow("the answer keeps its persons")
        << QStringList{QStringLiteral("qanda"), QStringLiteral("swap"), QStringLiteral(">Do you like me?"),
                       QStringLiteral(">Yes, I do.")}
        << QString() << QStringLiteral("\r\n#Do I like you?&Yes, I do.%") << 0 << q
        << QStringLiteral("Yes, I do.");
    QTest::newRow("empty question and answer")
        << QStringList{QStringLiteral("qanda"), QStringLiteral(">"), QStringLiteral(">")} << QString()
        << QStringLiteral("\r\n#&%") << 0 << q << QString();
    // A view change between a question and its answer makes the next line a
    // new question; the mark still shows "!" until then.
    QTest::newRow("view change before the answer")
        << QStringList{QStringLiteral("qanda"), QStringLiteral(">First?"), QStringLiteral("general"),
                       QStringLiteral("qanda")}
        << QString() << QStringLiteral("\r\n#First?&") << 0 << a << QStringLiteral("First?");
    QTest::newRow("next line after the view change")
        << QStringList{QStringLiteral("qanda"), QStringLiteral(">First?"), QStringLiteral("general"),
                       QStringLiteral("qanda"), QStringLiteral(">Second?")}
        << QString() << QStringLiteral("\r\n#First?&\r\n#Second?&") << 1 << a << QStringLiteral("Second?");
    QTest::newRow("choosing the shown view changes nothing")
        << QStringList{QStringLiteral("qanda"), QStringLiteral(">First?"), QStringLiteral("qanda")}
        << QString() << QStringLiteral("\r\n#First?&") << 1 << a << QStringLiteral("First?");
    QTest::newRow("each view keeps its own entries")
        << QStringList{QStringLiteral(">Memory."), QStringLiteral("qanda"),   QStringLiteral(">Q?"),
                       QStringLiteral(">A."),      QStringLiteral("general"), QStringLiteral(">More.")}
        << QStringLiteral("Memory.\r\n\r\nMore.\r\n\r\n") << QStringLiteral("\r\n#Q?&A.%") << 0 << q
        << QStringLiteral("More.");
    QTest::newRow("unticked again") << QStringList{QStringLiteral("swap"), QStringLiteral("no swap"),
                                                   QStringLiteral(">I am here.")}
                                    << QStringLiteral("I am here.\r\n\r\n") << QString() << 0 << q
                                    << QStringLiteral("I am here.");
}

void TestPersonalityDocument::entries()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, memory);
    QFETCH(QString, qandA);
    QFETCH(int, quest);
    QFETCH(QString, mark);
    QFETCH(QString, inText);
    Fixture f;
    f.run(steps);
    QCOMPARE(f.doc.memory(), memory);
    QCOMPARE(f.doc.qandA(), qandA);
    QCOMPARE(f.doc.quest(), quest);
    QCOMPARE(f.doc.entryMark(), mark);
    QCOMPARE(f.doc.inText(), inText);
    // The shown text is the text of the view.
    QCOMPARE(f.doc.shownText()->text(), f.doc.view() == View::General ? memory : qandA);
}

void TestPersonalityDocument::typedTextSurvivesViewChanges()
{
    Fixture f;
    QSignalSpy replaced(&f.doc, &PersonalityDocument::shownTextReplaced);
    QSignalSpy viewChanged(&f.doc, &PersonalityDocument::viewChanged);
    f.run({QStringLiteral("+Hi\r\n"), QStringLiteral("qanda")});
    QCOMPARE(f.doc.shownText()->text(), QString());
    QCOMPARE(replaced.size(), 1);
    QCOMPARE(viewChanged.size(), 1);
    f.run({QStringLiteral("+#Q"), QStringLiteral("general")});
    QCOMPARE(f.doc.shownText()->text(), QStringLiteral("Hi\r\n"));
    QCOMPARE(f.doc.memory(), QStringLiteral("Hi\r\n"));
    QCOMPARE(f.doc.qandA(), QStringLiteral("#Q"));
    QCOMPARE(viewChanged.size(), 2);
}

void TestPersonalityDocument::load_data()
{
    QTest::addColumn<bool>("questionAnswerView");
    QTest::newRow("general view") << false;
    QTest::newRow("question/answer view") << true;
}

void TestPersonalityDocument::load()
{
    QFETCH(bool, questionAnswerView);
    Fixture f;
    f.copySample();
    if (questionAnswerView)
        f.doc.setView(View::QuestionAnswer);
    f.run({QStringLiteral("+edited")});
    QSignalSpy replaced(&f.doc, &PersonalityDocument::shownTextReplaced);
    QCOMPARE(f.doc.load(f.folder(), SamplePersonality::name()), QString());
    // A file written by Save Personality gives back exactly what was written.
    const Texts loaded{SamplePersonality::memory(), SamplePersonality::matchWords(),
                       SamplePersonality::wontSay(), SamplePersonality::qandA(), SamplePersonality::name()};
    QCOMPARE(texts(f.doc), loaded);
    QCOMPARE(f.doc.shownText()->text(), questionAnswerView ? loaded.qandA : loaded.memory);
    QCOMPARE(replaced.size(), 1);
    QVERIFY(!f.doc.modified());
}

void TestPersonalityDocument::loadNothingChosen()
{
    // Nothing chosen in the list: the name, the sections and the hidden
    // view's text go; the shown text stays, and is what a save writes.
    Fixture f;
    f.copySample();
    f.run({QStringLiteral("load Juniper"), QStringLiteral("+ typed")});
    const QString shown = f.doc.shownText()->text();
    QCOMPARE(f.doc.load(f.folder(), QString()), QString());
    QCOMPARE(texts(f.doc), (Texts{shown, QString(), QString(), QString(), QString()}));
    QCOMPARE(f.doc.shownText()->text(), shown);
    QVERIFY(!f.doc.modified());
}

void TestPersonalityDocument::loadFailuresChangeNothing_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("message");

    const QString missing =
        QStringLiteral("The Personality's .qas file is missing! Unable to load Personality. Sorry!");
    QTest::newRow("q/a file missing") << QStringLiteral("NoQandA") << missing;
    QTest::newRow("q/a file is a folder") << QStringLiteral("QandAFolder") << missing;
    // The message names the file that could not be read.
    QTest::newRow("entry from a name not ending in .mem")
        << QStringLiteral("notes.") << QStringLiteral("notes..mem");
    QTest::newRow("memory file missing") << QStringLiteral("Gone") << QStringLiteral("Gone.mem");
}

void TestPersonalityDocument::loadFailuresChangeNothing()
{
    QFETCH(QString, entry);
    QFETCH(QString, message);
    Fixture f;
    f.copySample();
    f.write(QStringLiteral("NoQandA"), QStringLiteral("x"));
    QVERIFY(QFile::remove(f.path(QStringLiteral("NoQandA.qas"))));
    f.write(QStringLiteral("QandAFolder"), QStringLiteral("x"));
    QVERIFY(QFile::remove(f.path(QStringLiteral("QandAFolder.qas"))));
    QVERIFY(QDir().mkdir(f.path(QStringLiteral("QandAFolder.qas"))));
    writeBytes(f.path(QStringLiteral("notes.memo")), "x\r\n");
    writeBytes(f.path(QStringLiteral("notes..qas")), "x\r\n");

    f.run({QStringLiteral("load Juniper"), QStringLiteral("qanda"), QStringLiteral("+typed")});
    const Texts before = texts(f.doc);
    const QString error = f.doc.load(f.folder(), entry);
    if (message.startsWith(QStringLiteral("The Personality")))
        QCOMPARE(error, message);
    else
        QVERIFY2(error.contains(message), qPrintable(error));
    QCOMPARE(texts(f.doc), before);
    QVERIFY(f.doc.modified());
}

void TestPersonalityDocument::loneLineBreaksInLoadedFile()
{
    // A plain memory file with a lone CR and a lone LF: the shown text keeps
    // the LF and takes the CR as a line break (CR LF); the hidden
    // question/answer text keeps its bytes until its view is shown.
    Fixture f;
    writeBytes(f.path(QStringLiteral("Odd.mem")), "a\rb\nc\r\n");
    writeBytes(f.path(QStringLiteral("Odd.qas")), "q\ra\n");
    f.run({QStringLiteral("load Odd")});
    QCOMPARE(f.doc.memory(), QStringLiteral("a\r\nb\nc\r\n"));
    QCOMPARE(f.doc.qandA(), QStringLiteral("q\ra\n"));
    f.run({QStringLiteral("qanda")});
    QCOMPARE(f.doc.qandA(), QStringLiteral("q\r\na\n"));
    QCOMPARE(f.doc.memory(), QStringLiteral("a\r\nb\nc\r\n"));
}

void TestPersonalityDocument::sectionsTakenOutOnRequest_data()
{
    QTest::addColumn<bool>("questionAnswerView");
    QTest::newRow("memory shown") << false;
    QTest::newRow("memory hidden") << true;
}

void TestPersonalityDocument::sectionsTakenOutOnRequest()
{
    // The window's GetStoredMatchWords and GetWontSayData, on whatever memory
    // text there is, shown or not.
    QFETCH(bool, questionAnswerView);
    Fixture f;
    f.run({QStringLiteral("+A\r\n\r\n* WontSay:\r\nno\r\n\r\n* MatchWords:\r\nyes\r\n\r\nB")});
    if (questionAnswerView)
        f.run({QStringLiteral("qanda")});
    f.doc.takeOutMatchWords();
    f.doc.takeOutWontSay();
    QCOMPARE(f.doc.memory(), QStringLiteral("A\r\n\r\n\r\n\r\nB"));
    QCOMPARE(f.doc.matchWords(), QStringLiteral("yes\r\n"));
    QCOMPARE(f.doc.wontSayData(), QStringLiteral("no\r\n"));
    // Nothing more to take out: nothing changes.
    f.doc.takeOutMatchWords();
    QCOMPARE(f.doc.matchWords(), QStringLiteral("yes\r\n"));
    QCOMPARE(f.doc.memory(), QStringLiteral("A\r\n\r\n\r\n\r\nB"));
}

void TestPersonalityDocument::saveAndLoadAgain()
{
    Fixture f;
    f.write(QStringLiteral("Cats"), QStringLiteral("Something else"), QString(), QString(),
            QStringLiteral("\r\n#q&a%"));
    f.run({QStringLiteral("load Cats")});
    f.doc.shownText()->setText(QStringLiteral("I like cats.\r\n\r\n"));
    f.run({QStringLiteral("qanda")});
    f.doc.shownText()->setText(QString());
    f.run({QStringLiteral("general")});
    const Texts before = texts(f.doc);

    QCOMPARE(f.doc.save(f.folder(), QStringLiteral("Cats")), QString());
    QCOMPARE(texts(f.doc), before); // saving works on copies
    const QByteArray stored = readBytes(f.path(QStringLiteral("Cats.mem")));
    QCOMPARE(stored.size(), 47);
    QCOMPARE(stored, readBytes(QStringLiteral(MINDLOOM_TEST_DATA "/Cats.mem")));
    QCOMPARE(readBytes(f.path(QStringLiteral("Cats.qas"))), QByteArray("\r\n"));

    f.run({QStringLiteral("load Cats")});
    QCOMPARE(texts(f.doc), before);
    QCOMPARE(f.doc.save(f.folder(), QStringLiteral("Cats")), QString());
    QCOMPARE(readBytes(f.path(QStringLiteral("Cats.mem"))), stored);
}

void TestPersonalityDocument::saveUnderNewName()
{
    // Typed without a load, saved under a new name: both files in the stored
    // form, and from then on it is that personality.
    Fixture f;
    f.run({QStringLiteral(">I like cats."), QStringLiteral("qanda"), QStringLiteral(">Why?"),
           QStringLiteral(">Fur.")});
    QCOMPARE(f.doc.personalityName(), QString());
    QCOMPARE(f.doc.save(f.folder(), QStringLiteral("Fresh")), QString());
    QCOMPARE(f.doc.personalityName(), QStringLiteral("Fresh"));
    QVERIFY(!f.doc.modified());
    QCOMPARE(f.entries(), (QStringList{QStringLiteral("Fresh.mem"), QStringLiteral("Fresh.qas")}));

    Fixture other;
    other.write(QStringLiteral("Fresh"), QStringLiteral("I like cats.\r\n\r\n"), QString(), QString(),
                QStringLiteral("\r\n#Why?&Fur.%"));
    for (const char *file : {"Fresh.mem", "Fresh.qas"})
        QCOMPARE(readBytes(f.path(QLatin1String(file))), readBytes(other.path(QLatin1String(file))));
}

void TestPersonalityDocument::saveFailuresChangeNothing_data()
{
    QTest::addColumn<QString>("blocked"); // a folder where the file goes
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("messageHas");
    QTest::newRow(".qas is a folder")
        << QStringLiteral("Juniper.qas") << QString() << QStringLiteral("Juniper.qas");
    QTest::newRow(".mem is a folder")
        << QStringLiteral("Juniper.mem") << QString() << QStringLiteral("Juniper.mem");
    QTest::newRow("a character the code page cannot store")
        << QString() << QStringLiteral("I \u2665 you.") << QStringLiteral("U+2665");
    QTest::newRow("a line reading a section marker")
        << QString() << QStringLiteral("\r\n* MatchWords:\r\nMore.") << QStringLiteral("\"* MatchWords:\"");
}

void TestPersonalityDocument::saveFailuresChangeNothing()
{
    QFETCH(QString, blocked);
    QFETCH(QString, typed);
    QFETCH(QString, messageHas);
    Fixture f;
    f.copySample();
    f.run({QStringLiteral("load Juniper"), QStringLiteral("+New line.") + typed});
    const Texts before = texts(f.doc);
    const QByteArray oldMemory = readBytes(f.path(QStringLiteral("Juniper.mem")));
    const QByteArray oldQandA = readBytes(f.path(QStringLiteral("Juniper.qas")));
    if (!blocked.isEmpty()) {
        QVERIFY(QFile::remove(f.path(blocked)));
        QVERIFY(QDir().mkdir(f.path(blocked)));
    }
    const QString error = f.doc.save(f.folder(), QStringLiteral("Juniper"));
    QVERIFY2(error.contains(messageHas), qPrintable(error));
    QCOMPARE(texts(f.doc), before);
    QVERIFY(f.doc.modified());
    // The .qas file is written first: when it fails, the .mem file is untouched.
    if (blocked != QStringLiteral("Juniper.mem"))
        QCOMPARE(readBytes(f.path(QStringLiteral("Juniper.mem"))), oldMemory);
    if (blocked.isEmpty())
        QCOMPARE(readBytes(f.path(QStringLiteral("Juniper.qas"))), oldQandA);
}

void TestPersonalityDocument::exports_data()
{
    QTest::addColumn<bool>("memory");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");

    const QByteArray memory =
        "I like cats.\r\n\r\n\r\n\r\n* MatchWords:\r\ncat dog\r\n\r\n* WontSay:\r\nno\r\n\r\n\r\n";
    const QString otherFolder = QDir::tempPath() + QStringLiteral("/elsewhere/");
    QTest::newRow("memory, another folder")
        << true << otherFolder + QStringLiteral("Export.mem") << QStringLiteral("Export.mem") << memory;
    QTest::newRow("memory, no extension")
        << true << QStringLiteral("Plain") << QStringLiteral("Plain") << memory;
    QTest::newRow("q/a") << false << otherFolder + QStringLiteral("Export.qas")
                         << QStringLiteral("Export.qas") << QByteArray("\r\n#q&a%\r\n");
}

void TestPersonalityDocument::exports()
{
    // Save Personality As... and Save Q/A As... write plain text into the
    // program folder under the chosen name; the personality stays as it was.
    QFETCH(bool, memory);
    QFETCH(QString, chosen);
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    Fixture f;
    f.write(QStringLiteral("Cats"), QStringLiteral("I like cats.\r\n\r\n"), QStringLiteral("cat dog"),
            QStringLiteral("no"), QStringLiteral("\r\n#q&a%"));
    f.run({QStringLiteral("load Cats")});
    const Texts before = texts(f.doc);
    const QString target = PersonalityDocument::exportTarget(f.folder(), chosen);
    QCOMPARE(target, f.path(file));
    QCOMPARE(memory ? f.doc.exportMemory(target) : f.doc.exportQandA(target), QString());
    QCOMPARE(readBytes(f.path(file)), content);
    QCOMPARE(texts(f.doc), before);

    // A file that cannot be written: the message names it.
    QVERIFY(QFile::remove(target));
    QVERIFY(QDir().mkdir(target));
    const QString error = memory ? f.doc.exportMemory(target) : f.doc.exportQandA(target);
    QVERIFY2(error.contains(file), qPrintable(error));
}

void TestPersonalityDocument::nameForSave_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("name");
    QTest::newRow("with .mem") << QStringLiteral("/somewhere/Fresh.mem") << QStringLiteral("Fresh");
    QTest::newRow("without extension") << QStringLiteral("Fresh") << QStringLiteral("Fresh");
    QTest::newRow("other extension") << QStringLiteral("Fresh.txt") << QStringLiteral("Fresh.txt");
    QTest::newRow("only the last .mem") << QStringLiteral("a.mem.mem") << QStringLiteral("a.mem");
    QTest::newRow("case matters") << QStringLiteral("Loud.MEM") << QStringLiteral("Loud.MEM");
    QTest::newRow(".mem alone") << QStringLiteral(".mem") << QString();
}

void TestPersonalityDocument::nameForSave()
{
    QFETCH(QString, chosen);
    QFETCH(QString, name);
    QCOMPARE(PersonalityDocument::nameForSave(chosen), name);
}

void TestPersonalityDocument::listed_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("listed");
    QTest::newRow("memory file") << QStringLiteral("Alice.mem") << true;
    QTest::newRow(".mem alone") << QStringLiteral(".mem") << true;
    QTest::newRow("longer extension") << QStringLiteral("notes.memo") << true;
    QTest::newRow("q/a file") << QStringLiteral("Alice.qas") << false;
    QTest::newRow("no extension") << QStringLiteral("Plain") << false;
    QTest::newRow("capitals") << QStringLiteral("Loud.MEM") << false;
}

void TestPersonalityDocument::listed()
{
    QFETCH(QString, fileName);
    QFETCH(bool, listed);
    QCOMPARE(PersonalityDocument::listed(fileName), listed);
    // As the listing of the folder has it.
    Fixture f;
    writeBytes(f.path(fileName), "x\r\n");
    QCOMPARE(PersonalityDocument::list(f.folder()).size(), listed ? 1 : 0);
}

void TestPersonalityDocument::modified_data()
{
    // Steps: type, entry, undo, qanda, general, swap, load (Juniper), save
    // (as Juniper), saveNew (as Fresh), unstorable (type a character the code
    // page cannot store), export (Save Personality As...).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("modified");
    const auto steps = AnnouncedFlag::steps;
    QTest::newRow("started") << QStringList() << false;
    QTest::newRow("typed") << steps("type") << true;
    QTest::newRow("typing undone") << steps("type undo") << false;
    QTest::newRow("entry") << steps("entry") << true;
    QTest::newRow("entry undone") << steps("entry undo") << false;
    QTest::newRow("empty question") << steps("qanda entry") << true;
    QTest::newRow("views only") << steps("qanda general") << false;
    QTest::newRow("person swap choice") << steps("swap") << false;
    QTest::newRow("loaded") << steps("load") << false;
    QTest::newRow("typed, then loaded") << steps("type load") << false;
    QTest::newRow("typed in the other view") << steps("load qanda type general") << true;
    QTest::newRow("typed in both views, one undone") << steps("type qanda type undo") << true;
    QTest::newRow("back in a view whose typing was undone") << steps("qanda type undo general") << false;
    QTest::newRow("saved") << steps("load type save") << false;
    QTest::newRow("saved in the other view") << steps("load type qanda save general") << false;
    QTest::newRow("saved under a new name") << steps("type saveNew") << false;
    QTest::newRow("save failed") << steps("load unstorable save") << true;
    // A plain export is not the personality saved.
    QTest::newRow("exported") << steps("type export") << true;
}

void TestPersonalityDocument::modified()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, modified);
    Fixture f;
    f.copySample();
    const AnnouncedFlag announced(&f.doc, &PersonalityDocument::modifiedChanged, f.doc.modified());
    const QMap<QString, QString> script = {
        {QStringLiteral("type"), QStringLiteral("+x")},
        {QStringLiteral("entry"), QStringLiteral(">x")},
        {QStringLiteral("load"), QStringLiteral("load Juniper")},
        {QStringLiteral("save"), QStringLiteral("save Juniper")},
        {QStringLiteral("saveNew"), QStringLiteral("save Fresh")},
        {QStringLiteral("unstorable"), QStringLiteral("+\u2665")},
    };
    for (const QString &step : steps) {
        f.run({script.value(step, step)});
        QVERIFY2(announced.value() == f.doc.modified(), qPrintable(step));
    }
    QCOMPARE(f.doc.modified(), modified);
}

QTEST_MAIN(TestPersonalityDocument)
#include "tst_personality_document.moc"
