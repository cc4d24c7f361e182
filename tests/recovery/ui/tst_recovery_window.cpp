// SPDX-License-Identifier: GPL-3.0-or-later
#include "Controls.h"
#include "DocumentRecovery.h"
#include "Form1.h"
#include "KBEd.h"
#include "KnowledgeBase.h"
#include "LocationsDocument.h"
#include "Locs.h"
#include "MemoryEd.h"
#include "PersonalityDocument.h"
#include "ProgramFolderFixture.h"
#include "RecoveryFile.h"
#include "RecoverySession.h"
#include "RecoveryWindow.h"
#include "SuiteMain.h"

#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using Answer = Platform::Answer;

// What the recovery window offers and does, and each editor's road from an
// unsaved change to its recovery file and back into a window of its kind.
class TestRecoveryWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecoverySession> m_session;

    QString folder() const { return m_dir->filePath(QStringLiteral("recovery")); }

    // The record an editor's recovery file holds now.
    static RecoveryRecord written(DocumentRecovery *recovery)
    {
        recovery->writeNow();
        RecoverySession::current()->writer().flush();
        const RecoveryFile::ReadResult read = RecoveryFile::read(recovery->path());
        if (!read.ok())
            qWarning("%s", qPrintable(read.error));
        return read.record;
    }

    QString orphanFile(const QString &text, int n)
    {
        RecoveryRecord r;
        r.program = QStringLiteral("Mindloom");
        r.kind = RecoveryKind::KnowledgeBase;
        r.changed = QDateTime::currentDateTimeUtc();
        r.texts = {{QStringLiteral("text"), text}};
        const QString path = folder() + QStringLiteral("/Mindloom-99999%1-1.recovery").arg(n);
        RecoveryFile::write(path, RecoveryFile::toBytes(r));
        return path;
    }

private slots:
    void init()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_dir = std::make_unique<QTemporaryDir>();
        m_session = std::make_unique<RecoverySession>(folder(), QStringLiteral("Mindloom"));
        m_session->makeCurrent();
    }
    void cleanup()
    {
        m_session.reset();
        m_dir.reset();
    }

    void choices()
    {
        const QString a = orphanFile(QStringLiteral("first fact\r\n\r\n"), 1);
        const QString b = orphanFile(QStringLiteral("second fact\r\n\r\n"), 2);
        const QString c = orphanFile(QStringLiteral("third fact\r\n\r\n"), 3);
        ProgramFolderFixture fixture;
        QStringList recovered;
        bool editorTakesIt = false;
        QPointer<RecoveryWindow> window =
            RecoveryWindow::offer(fixture.platform, [&](const RecoveryRecord &r) {
                recovered << r.text(QStringLiteral("text"));
                return editorTakesIt;
            });
        QVERIFY(window);
        auto *list = Controls::find<QTreeWidget>(*window, "documents");
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Knowledge base"));
        QVERIFY(list->topLevelItem(0)->text(3).startsWith(QStringLiteral("first fact")));

        // An editor that keeps its own work: the recovered file stays offered.
        list->clearSelection();
        list->topLevelItem(0)->setSelected(true);
        Controls::find<QPushButton>(*window, "recover")->click();
        QCOMPARE(recovered, QStringList{QStringLiteral("first fact\r\n\r\n")});
        QVERIFY(QFile::exists(a));
        QCOMPARE(list->topLevelItemCount(), 3);

        editorTakesIt = true;
        Controls::find<QPushButton>(*window, "recover")->click();
        QVERIFY(!QFile::exists(a));
        QCOMPARE(list->topLevelItemCount(), 2);

        // Discard asks first; No keeps the file.
        list->clearSelection();
        list->topLevelItem(0)->setSelected(true);
        fixture.platform.answers = {Answer::No, Answer::Yes};
        Controls::find<QPushButton>(*window, "discard")->click();
        QVERIFY(QFile::exists(b));
        Controls::find<QPushButton>(*window, "discard")->click();
        QVERIFY(!QFile::exists(b));

        // Later keeps the rest for the next start.
        Controls::find<QPushButton>(*window, "later")->click();
        QTRY_VERIFY(!window);
        QVERIFY(QFile::exists(c));
    }

    void personalityComesBackExactly()
    {
        ProgramFolderFixture fixture;
        RecoveryRecord record;
        {
            MemoryEd editor(fixture.platform);
            editor.show();
            PersonalityDocument &doc = editor.document();
            doc.takeEntry(QStringLiteral("I like caf\u00e9 \u20ac."));
            doc.setView(PersonalityDocument::View::QuestionAnswer);
            doc.takeEntry(QStringLiteral("Who are you?"));
            record = written(editor.recovery());
            QCOMPARE(record.kind, RecoveryKind::Personality);
            fixture.platform.answers = {Answer::Discard};
            QVERIFY(editor.close());
            QCOMPARE(fixture.platform.questions.size(), 1);
            RecoverySession::current()->writer().flush();
            QVERIFY(!QFile::exists(editor.recovery()->path()));
        }
        MemoryEd editor(fixture.platform);
        editor.show();
        QVERIFY(editor.recover(record));
        QCOMPARE(editor.Memory(), QStringLiteral("I like caf\u00e9 \u20ac.\r\n\r\n"));
        QCOMPARE(editor.QandAFile(), QStringLiteral("\r\n#Who are you?&"));
        QCOMPARE(editor.quest(), 1);
        QVERIFY(editor.document().modified());
        // Unsaved: closing asks.
        fixture.platform.answers = {Answer::Cancel};
        QVERIFY(!editor.close());
        QCOMPARE(fixture.platform.questions.size(), 2);
    }

    void knowledgeBaseAndLocationsComeBack()
    {
        ProgramFolderFixture fixture;
        const QString kba = fixture.path(QStringLiteral("facts.kba"));
        {
            QFile f(kba);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Old fact.\r\n\r\n\r\n");
        }
        RecoveryRecord kbRecord, locRecord;
        {
            KBEd kbEd(fixture.platform);
            QVERIFY(kbEd.knowledgeBase().load(kba).isEmpty());
            kbEd.knowledgeBase().addFact(QStringLiteral("New fact."));
            kbRecord = written(kbEd.recovery());
            Locs locs(fixture.platform);
            locs.document().setText(3, QStringLiteral("A quiet lake"));
            locRecord = written(locs.recovery());
            // The windows go without being closed: as in a crash, the files stay.
        }
        QCOMPARE(kbRecord.file, kba);
        KBEd kbEd(fixture.platform);
        QVERIFY(kbEd.recover(kbRecord));
        // The load dropped the CR LF its save adds again.
        QCOMPARE(kbEd.knowledgeBase().text(), QStringLiteral("Old fact.\r\n\r\nNew fact.\r\n\r\n"));
        QVERIFY(kbEd.knowledgeBase().modified());

        // The file changed meanwhile: saving over it asks, and No keeps it.
        {
            QFile f(kba);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Changed by another program.\r\n");
        }
        fixture.platform.dialogAnswers = {QStringLiteral("facts.kba")};
        fixture.platform.answers = {Answer::No};
        Controls::find<QPushButton>(kbEd, "Command2")->click();
        QCOMPARE(fixture.platform.questions.size(), 1);
        QVERIFY(
            fixture.platform.questions.last().text.contains(QStringLiteral("changed by another program")));
        QFile f(kba);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("Changed by another program.\r\n"));

        Locs locs(fixture.platform);
        QVERIFY(locs.recover(locRecord));
        QCOMPARE(locs.document().text(3), QStringLiteral("A quiet lake"));
        QCOMPARE(Controls::find<QLineEdit>(locs, "Text3")->text(), QStringLiteral("A quiet lake"));
        QVERIFY(locs.document().modified());
    }

    void sceneComesBackUnsaved()
    {
        ProgramFolderFixture fixture;
        fixture.copyAssets({QStringLiteral("Images")});
        RecoveryRecord record;
        SceneRecord scene;
        {
            Form1 form(fixture.platform);
            form.editor().switchPart(ScenePart::UserMouth, true);
            form.editor().nudge(3, -2);
            form.editor().setAnimationText(SceneEditor::Frames, QStringLiteral("12"));
            scene = form.scene();
            record = written(form.recovery());
        }
        QCOMPARE(record.kind, RecoveryKind::Scene);
        Form1 form(fixture.platform);
        QVERIFY(form.recover(record));
        QCOMPARE(form.scene(), scene);
        QVERIFY(form.editor().isModified());
        QVERIFY(form.windowTitle().endsWith(QLatin1Char('*')));
    }
};

QTEST_MAIN(TestRecoveryWindow)
#include "tst_recovery_window.moc"
