// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnnouncedFlag.h"
#include "KnowledgeBase.h"
#include "PlainTextDocument.h"
#include "ProgramFolderFixture.h"
#include "SampleTexts.h"
#include "SentenceSplitter.h"
#include "TestFiles.h"

#include <QDir>
#include <QSignalSpy>
#include <QTextCursor>
#include <QtTest>

using namespace TestFiles;

// The knowledge base model without a window: its files, its import and
// whether it holds unsaved work.
class TestKnowledgeBase : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void load_data();
    void load();
    void loadFailureChangesNothing_data();
    void loadFailureChangesNothing();
    void save_data();
    void save();
    void saveFailureKeepsFileAndChanges_data();
    void saveFailureKeepsFileAndChanges();
    void everyByteLoadsAndSavesBack();
    void sampleKnowledgeBase();
    void saveTarget_data();
    void saveTarget();
    void addFact_data();
    void addFact();

    void modified_data();
    void modified();

    void importSplitsTextData();
    void importFailureChangesNothing();
    void percentageOfEachSlice();
    void holdMakesTheSplitWait();
    void stopKeepsWholeFacts();
    void getFactsStartsOver();
    void clearDuringTheSplit();

private:
    // A knowledge base file in the program folder holding bytes.
    QString kba(const QByteArray &bytes, const QString &name = QStringLiteral("facts.kba"))
    {
        return writeBytes(m_fixture->path(name), bytes);
    }
    QString source(const QString &text)
    {
        return writeBytes(m_fixture->elsewhere(QStringLiteral("source.txt")), text.toLatin1());
    }
    void waitIdle() { QTRY_VERIFY_WITH_TIMEOUT(!m_kb->isSplitting(), 120000); }

    std::unique_ptr<ProgramFolderFixture> m_fixture;
    std::unique_ptr<KnowledgeBase> m_kb;
};

namespace {

// What a user's typing does: an edit of the document at its end.
void type(PlainTextDocument *document, const QString &text)
{
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
}

} // namespace

void TestKnowledgeBase::init()
{
    m_fixture = std::make_unique<ProgramFolderFixture>();
    m_kb = std::make_unique<KnowledgeBase>();
}

void TestKnowledgeBase::cleanup()
{
    m_kb.reset();
    m_fixture.reset();
}

void TestKnowledgeBase::load_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty file") << QByteArray() << QString();
    // The CR LF every save adds is not part of the text.
    QTest::newRow("saved facts with final crlf")
        << QByteArray("Stars shine.\r\n\r\nMoons orbit.\r\n\r\n\r\n")
        << QStringLiteral("Stars shine.\r\n\r\nMoons orbit.\r\n\r\n");
    QTest::newRow("only the final crlf") << QByteArray("\r\n") << QString();
    QTest::newRow("markup stays plain text") << QByteArray("{\\rtf1\\ansi {\\b bold}}<b>x</b>")
                                             << QStringLiteral("{\\rtf1\\ansi {\\b bold}}<b>x</b>");
    QTest::newRow("8-bit characters")
        << QByteArray("Caf\xe9 \x80 5\r\n") << QStringLiteral("Caf\u00e9 \u20ac 5");
    QTest::newRow("lone lf kept") << QByteArray("a\nb") << QStringLiteral("a\nb");
}

void TestKnowledgeBase::load()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    type(m_kb->document(), QStringLiteral("old text"));
    QCOMPARE(m_kb->load(kba(bytes)), QString());
    QCOMPARE(m_kb->text(), expected);
    QCOMPARE(m_kb->document()->textLength(), expected.size());
    QVERIFY(!m_kb->modified());
}

void TestKnowledgeBase::loadFailureChangesNothing_data()
{
    QTest::addColumn<bool>("isFolder");
    QTest::newRow("missing file") << false;
    QTest::newRow("a folder") << true;
}

void TestKnowledgeBase::loadFailureChangesNothing()
{
    QFETCH(bool, isFolder);
    const QString path = m_fixture->elsewhere(QStringLiteral("facts.kba"));
    if (isFolder)
        QVERIFY(QDir().mkdir(path));
    type(m_kb->document(), QStringLiteral("keep\r\n\r\n"));
    const QString error = m_kb->load(path);
    QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
    QCOMPARE(m_kb->text(), QStringLiteral("keep\r\n\r\n"));
    QVERIFY(m_kb->modified());
}

void TestKnowledgeBase::save_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty text writes crlf") << QString() << QByteArray("\r\n");
    QTest::newRow("facts get one more crlf")
        << QStringLiteral("Stars shine.\r\n\r\n") << QByteArray("Stars shine.\r\n\r\n\r\n");
    QTest::newRow("8-bit characters") << QStringLiteral("Caf\u00e9 \u20ac") << QByteArray("Caf\xe9 \x80\r\n");
}

void TestKnowledgeBase::save()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    type(m_kb->document(), text);
    const QString target = m_fixture->path(QStringLiteral("facts.kba"));
    QCOMPARE(m_kb->save(target), QString());
    QCOMPARE(readBytes(target), bytes);
    QCOMPARE(m_kb->text(), text);
    QVERIFY(!m_kb->modified());
}

void TestKnowledgeBase::saveFailureKeepsFileAndChanges_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("folderTarget"); // permissions do not stop root, a folder does
    QTest::addColumn<QString>("mentions");
    QTest::newRow("target is a folder") << QStringLiteral("Stars.\r\n") << true << QString();
    QTest::newRow("unstorable character")
        << QStringLiteral("Stars \u4e2d.\r\n") << false << QStringLiteral("U+4E2D");
}

void TestKnowledgeBase::saveFailureKeepsFileAndChanges()
{
    QFETCH(QString, text);
    QFETCH(bool, folderTarget);
    QFETCH(QString, mentions);
    const QString target = m_fixture->path(QStringLiteral("facts.kba"));
    if (folderTarget)
        QVERIFY(QDir().mkdir(target));
    else
        kba("Old.\r\n");
    type(m_kb->document(), text);

    const QString error = m_kb->save(target);
    QVERIFY2(error.contains(QDir::toNativeSeparators(target)), qPrintable(error));
    QVERIFY2(error.contains(mentions), qPrintable(error));
    QCOMPARE(QFileInfo(target).isDir(), folderTarget);
    if (!folderTarget)
        QCOMPARE(readBytes(target), QByteArray("Old.\r\n"));
    QCOMPARE(m_kb->text(), text);
    QVERIFY(m_kb->modified());
}

void TestKnowledgeBase::everyByteLoadsAndSavesBack()
{
    // One character per byte, NUL and the other control characters included,
    // and a save gives the same bytes back with the one CR LF it appends.
    QByteArray bytes;
    for (int i = 0; i < 256; ++i) {
        if (i != '\r')
            bytes += char(i);
    }
    bytes += "\r\nend";
    QCOMPARE(m_kb->load(kba(bytes, QStringLiteral("bytes.kba"))), QString());
    QCOMPARE(m_kb->text().size(), bytes.size());
    QCOMPARE(m_kb->document()->textLength(), bytes.size());
    const QString copy = m_fixture->path(QStringLiteral("copy.kba"));
    QCOMPARE(m_kb->save(copy), QString());
    QCOMPARE(readBytes(copy), bytes + "\r\n");
}

void TestKnowledgeBase::sampleKnowledgeBase()
{
    // The shipped knowledge base is what the editor writes: facts as
    // paragraphs with one empty line between them, and the final CR LF of the
    // save. Loading and saving it again gives the same bytes.
    const QString sample = QStringLiteral(MINDLOOM_ASSETS_DIR "/Astronomy.kba");
    const QByteArray bytes = readBytes(sample);
    QCOMPARE(m_kb->load(sample), QString());
    const QString text = m_kb->text();
    QVERIFY(text.endsWith(QStringLiteral(".\r\n\r\n")) && !text.endsWith(QStringLiteral("\r\n\r\n\r\n")));
    const QStringList facts = text.chopped(4).split(QStringLiteral("\r\n\r\n"));
    QVERIFY(facts.size() >= 10);
    for (const QString &fact : facts)
        QVERIFY2(!fact.isEmpty() && !fact.contains(QLatin1Char('\r')) && !fact.contains(QLatin1Char('\n')),
                 qPrintable(fact));
    const QString copy = m_fixture->path(QStringLiteral("Copy.kba"));
    QCOMPARE(m_kb->save(copy), QString());
    QCOMPARE(readBytes(copy), bytes);
}

void TestKnowledgeBase::saveTarget_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("target"); // in the program folder
    const QString sep = QDir::separator();
    QTest::newRow("in the program folder")
        << QStringLiteral("/prog/facts.kba") << QStringLiteral("facts.kba");
    QTest::newRow("other folder ignored")
        << QStringLiteral("/elsewhere/deep/facts.kba") << QStringLiteral("facts.kba");
    QTest::newRow("no extension added") << QStringLiteral("/elsewhere/facts") << QStringLiteral("facts");
    QTest::newRow("name alone") << QStringLiteral("facts.kba") << QStringLiteral("facts.kba");
    QTest::newRow("native separators")
        << QDir::toNativeSeparators(QStringLiteral("/a/b/x.kba")) << QStringLiteral("x.kba");
}

void TestKnowledgeBase::saveTarget()
{
    QFETCH(QString, chosen);
    QFETCH(QString, target);
    const QString folder = m_fixture->folder();
    QCOMPARE(KnowledgeBase::saveTarget(folder, chosen), folder + target);
}

void TestKnowledgeBase::addFact_data()
{
    QTest::addColumn<QString>("fact");
    QTest::newRow("as typed, not trimmed") << QStringLiteral("  I like stars. ");
    QTest::newRow("empty") << QString();
    QTest::newRow("8-bit") << QStringLiteral("Caf\u00e9.");
}

void TestKnowledgeBase::addFact()
{
    QFETCH(QString, fact);
    QCOMPARE(m_kb->load(kba("Old.\r\n\r\n\r\n")), QString());
    m_kb->addFact(fact);
    QCOMPARE(m_kb->text(), QStringLiteral("Old.\r\n\r\n") + fact + QStringLiteral("\r\n\r\n"));
    QVERIFY(m_kb->modified());
}

void TestKnowledgeBase::modified_data()
{
    // Steps: type (an edit as from the text area), fact, undo, load, badLoad,
    // save, badSave, clear, import (run to its end), split (still running),
    // stop.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("modified");
    const auto steps = AnnouncedFlag::steps;
    QTest::newRow("started") << QStringList() << false;
    QTest::newRow("typed") << steps("type") << true;
    QTest::newRow("fact") << steps("fact") << true;
    QTest::newRow("typing undone") << steps("type undo") << false;
    QTest::newRow("loaded") << steps("type load") << false;
    QTest::newRow("loaded, then typed") << steps("load type") << true;
    QTest::newRow("loaded, typed, undone") << steps("load type undo") << false;
    QTest::newRow("failed load keeps the change") << steps("type badLoad") << true;
    QTest::newRow("failed load keeps none") << steps("load badLoad") << false;
    QTest::newRow("saved") << steps("fact save") << false;
    QTest::newRow("failed save") << steps("fact badSave") << true;
    QTest::newRow("new") << steps("fact clear") << false;
    QTest::newRow("imported") << steps("import") << true;
    QTest::newRow("imported, saved") << steps("import save") << false;
    QTest::newRow("split running") << steps("split") << true;
    QTest::newRow("saved while the split runs") << steps("split save") << true;
    QTest::newRow("new while the split runs") << steps("split clear") << true;
    QTest::newRow("stopped") << steps("split stop") << true;
    QTest::newRow("stopped after new") << steps("split clear stop") << false;
}

void TestKnowledgeBase::modified()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, modified);
    const AnnouncedFlag announced(m_kb.get(), &KnowledgeBase::modifiedChanged, m_kb->modified());
    for (const QString &step : steps) {
        if (step == QLatin1String("type"))
            type(m_kb->document(), QStringLiteral("Typed."));
        else if (step == QLatin1String("fact"))
            m_kb->addFact(QStringLiteral("A fact."));
        else if (step == QLatin1String("undo"))
            m_kb->document()->undo();
        else if (step == QLatin1String("load"))
            QCOMPARE(m_kb->load(kba("Loaded.\r\n")), QString());
        else if (step == QLatin1String("badLoad"))
            QVERIFY(!m_kb->load(m_fixture->elsewhere(QStringLiteral("missing.kba"))).isEmpty());
        else if (step == QLatin1String("save"))
            QCOMPARE(m_kb->save(m_fixture->path(QStringLiteral("saved.kba"))), QString());
        else if (step == QLatin1String("badSave"))
            QVERIFY(!m_kb->save(m_fixture->folder()).isEmpty());
        else if (step == QLatin1String("clear"))
            m_kb->clear();
        else if (step == QLatin1String("import") || step == QLatin1String("split"))
            QCOMPARE(m_kb->importFile(source(SampleTexts::manySentences())), QString());
        else if (step == QLatin1String("stop"))
            m_kb->stop();
        else
            QFAIL(qPrintable(step));
        if (step == QLatin1String("import"))
            waitIdle();
        else if (step == QLatin1String("split"))
            QVERIFY(m_kb->isSplitting());
        QCOMPARE(announced.value(), m_kb->modified());
    }
    QCOMPARE(m_kb->modified(), modified);
}

void TestKnowledgeBase::importSplitsTextData()
{
    // Whatever the rules of the split, the import appends exactly its facts
    // and keeps TextData.
    const QString text = SampleTexts::manySentences();
    type(m_kb->document(), QStringLiteral("replaced"));
    QSignalSpy splitting(m_kb.get(), &KnowledgeBase::splittingChanged);
    QCOMPARE(m_kb->importFile(source(text)), QString());
    QVERIFY(m_kb->isSplitting());
    QCOMPARE(splitting.size(), 1);
    const QString first = m_kb->text();
    QVERIFY(!first.isEmpty() && SentenceSplitter::facts(text).startsWith(first));
    waitIdle();
    QCOMPARE(splitting.size(), 2);
    QCOMPARE(m_kb->text(), SentenceSplitter::facts(text));
    QCOMPARE(m_kb->textData(), text);
    QCOMPARE(m_kb->percentage(), -1);
}

void TestKnowledgeBase::importFailureChangesNothing()
{
    QCOMPARE(m_kb->importFile(source(QStringLiteral("First. Second."))), QString());
    waitIdle();
    m_kb->clear();
    type(m_kb->document(), QStringLiteral("Mine.\r\n\r\n"));
    const QString missing = m_fixture->elsewhere(QStringLiteral("missing.txt"));
    const QString error = m_kb->importFile(missing);
    QVERIFY2(error.contains(QDir::toNativeSeparators(missing)), qPrintable(error));
    QVERIFY(!m_kb->isSplitting());
    QCOMPARE(m_kb->text(), QStringLiteral("Mine.\r\n\r\n"));
    QCOMPARE(m_kb->textData(), QStringLiteral("First. Second."));
}

void TestKnowledgeBase::percentageOfEachSlice()
{
    // 10 characters in the text against 6 read: 166, capped at 100. The run
    // ends in a later slice, so the figure stays until the events ran.
    QSignalSpy percentages(m_kb.get(), &KnowledgeBase::percentageChanged);
    QCOMPARE(m_kb->importFile(source(QStringLiteral("First."))), QString());
    QVERIFY(m_kb->isSplitting());
    QCOMPARE(m_kb->document()->textLength(), qsizetype(10));
    QCOMPARE(m_kb->percentage(), 100);
    QCOMPARE(percentages.size(), 1);
    QCOMPARE(percentages.first().at(0).toInt(), 100);
    waitIdle();

    QCOMPARE(m_kb->importFile(source(SampleTexts::manySentences())), QString());
    const int first = m_kb->percentage();
    QVERIFY2(first >= 0 && first < 100, qPrintable(QString::number(first)));
    QCOMPARE(first, SentenceSplitter::percentage(m_kb->document()->textLength(), m_kb->textData().size()));
    waitIdle();
    for (const QList<QVariant> &shown : percentages)
        QVERIFY(shown.at(0).toInt() >= 0 && shown.at(0).toInt() <= 100);
}

void TestKnowledgeBase::holdMakesTheSplitWait()
{
    QCOMPARE(m_kb->importFile(source(SampleTexts::manySentences())), QString());
    const qsizetype length = m_kb->document()->textLength();
    {
        const KnowledgeBase::Hold outer(*m_kb);
        {
            const KnowledgeBase::Hold inner(*m_kb);
            QTest::qWait(30);
        }
        QTest::qWait(30); // the outer hold still holds
        QCOMPARE(m_kb->document()->textLength(), length);
        QVERIFY(m_kb->isSplitting());
    }
    QTRY_VERIFY(m_kb->document()->textLength() > length);

    // Stopped while held: nothing goes on afterwards.
    {
        const KnowledgeBase::Hold hold(*m_kb);
        m_kb->stop();
    }
    const QString kept = m_kb->text();
    QTest::qWait(30);
    QCOMPARE(m_kb->text(), kept);
    QVERIFY(!m_kb->isSplitting());
}

void TestKnowledgeBase::stopKeepsWholeFacts()
{
    const QString text = SampleTexts::manySentences();
    const QString facts = SentenceSplitter::facts(text);
    QCOMPARE(m_kb->importFile(source(text)), QString());
    QTest::qWait(1);
    m_kb->stop();
    QVERIFY(!m_kb->isSplitting());
    QCOMPARE(m_kb->percentage(), -1);
    const QString kept = m_kb->text();
    QVERIFY(!kept.isEmpty() && kept.size() < facts.size());
    QCOMPARE(kept, facts.left(kept.size()));
    QVERIFY(kept.endsWith(QStringLiteral(".\r\n\r\n")));
    QTest::qWait(30);
    QCOMPARE(m_kb->text(), kept);
    QCOMPARE(m_kb->textData(), text);
}

void TestKnowledgeBase::getFactsStartsOver()
{
    // GetFacts splits TextData from its beginning, appending to whatever the
    // text holds; called again while a split runs, it starts over.
    const QString text = SampleTexts::manySentences();
    const QString facts = SentenceSplitter::facts(text);
    QCOMPARE(m_kb->importFile(source(text)), QString());
    const QString firstSlice = m_kb->text();
    QCOMPARE(m_kb->scanPosition() > 1, true);
    m_kb->getFacts();
    QCOMPARE(m_kb->text(), firstSlice + firstSlice);
    waitIdle();
    QCOMPARE(m_kb->text(), firstSlice + facts);
}

void TestKnowledgeBase::clearDuringTheSplit()
{
    // New KBase... acts between two sentences: the split goes on into the
    // empty text, and the knowledge base stays changed while it runs.
    const QString text = SampleTexts::manySentences();
    const QString facts = SentenceSplitter::facts(text);
    QCOMPARE(m_kb->importFile(source(text)), QString());
    const qsizetype first = m_kb->document()->textLength();
    m_kb->clear();
    QVERIFY(m_kb->text().isEmpty());
    QVERIFY(m_kb->modified());
    waitIdle();
    QCOMPARE(m_kb->text(), facts.mid(first));
    QVERIFY(m_kb->modified());
}

QTEST_MAIN(TestKnowledgeBase)
#include "tst_knowledge_base.moc"
