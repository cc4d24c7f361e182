// SPDX-License-Identifier: GPL-3.0-or-later
#include "AutosaveSchedule.h"
#include "RecoveryFile.h"
#include "RecoveryStore.h"
#include "RecoveryWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

class TestRecovery : public QObject
{
    Q_OBJECT

private:
    static RecoveryRecord sample(const QString &text)
    {
        RecoveryRecord r;
        r.program = QStringLiteral("Mindloom");
        r.kind = RecoveryKind::KnowledgeBase;
        r.file = QStringLiteral("/data/facts.kba");
        r.stamp.exists = true;
        r.stamp.size = 12;
        r.stamp.modified = QDateTime::fromMSecsSinceEpoch(1700000000123, Qt::UTC);
        r.changed = QDateTime::fromMSecsSinceEpoch(1700000005456, Qt::UTC);
        r.texts = {{QStringLiteral("text"), text}, {QStringLiteral("empty"), QString()}};
        return r;
    }

private slots:
    void formatKeepsEveryCharacter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("line ends of every kind") << QStringLiteral("a\r\nb\nc\rd\r\n\r\n");
        QTest::newRow("lines that look like the format")
            << QStringLiteral("end\ntext memory 3\nabc\nMindloom recovery file 1\n");
        QTest::newRow("beyond the code page") << QStringLiteral("caf\u00e9 \u20ac \u4e2d \U0001F600 \u2028");
        QTest::newRow("no line end at the end") << QStringLiteral("x");
    }
    void formatKeepsEveryCharacter()
    {
        QFETCH(QString, text);
        const RecoveryRecord record = sample(text);
        const QByteArray bytes = RecoveryFile::toBytes(record);
        const RecoveryFile::ReadResult read = RecoveryFile::fromBytes(bytes, QStringLiteral("x.recovery"));
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.record, record);
        // Readable in a text editor: the text stands in the file as it is.
        QVERIFY(bytes.contains(text.toUtf8()));
    }

    void cutOrDamagedFilesAreRefused()
    {
        const QByteArray whole = RecoveryFile::toBytes(sample(QStringLiteral("one\r\ntwo\r\n")));
        // Every cut short of the whole file is told from a whole one.
        for (qsizetype length = 0; length < whole.size(); ++length)
            QVERIFY2(!RecoveryFile::fromBytes(whole.left(length), QStringLiteral("x")).ok(),
                     qPrintable(QString::number(length)));
        QByteArray longer = whole;
        longer.replace("text text 10", "text text 99");
        QVERIFY(!RecoveryFile::fromBytes(longer, QStringLiteral("x")).ok());
        QVERIFY(!RecoveryFile::fromBytes(whole + "x", QStringLiteral("x")).ok());
        const RecoveryFile::ReadResult bad =
            RecoveryFile::fromBytes("junk\n", QStringLiteral("/r/x.recovery"));
        QVERIFY(bad.error.contains(QStringLiteral("x.recovery")));
    }

    void scheduleWaitsForAPauseButNotForever_data()
    {
        QTest::addColumn<QList<qint64>>("changes");
        QTest::addColumn<qint64>("dueAt");
        QTest::newRow("one change: idle time after it") << QList<qint64>{100} << qint64(2100);
        QTest::newRow("a pause restarts the wait") << QList<qint64>{0, 1500, 3000} << qint64(5000);
        QTest::newRow("changes without a pause: at most 10 s after the first")
            << QList<qint64>{0, 1900, 3800, 5700, 7600, 9500} << qint64(10000);
    }
    void scheduleWaitsForAPauseButNotForever()
    {
        QFETCH(QList<qint64>, changes);
        QFETCH(qint64, dueAt);
        AutosaveSchedule schedule;
        QVERIFY(!schedule.pending());
        for (qint64 t : changes)
            schedule.changed(t);
        QCOMPARE(schedule.dueAt(), dueAt);
        QVERIFY(!schedule.due(dueAt - 1));
        QVERIFY(schedule.due(dueAt));
        schedule.written();
        QVERIFY(!schedule.due(dueAt + 100000));
        // The next change starts a new round from itself.
        schedule.changed(dueAt + 50);
        QCOMPARE(schedule.dueAt(), dueAt + 50 + AutosaveSchedule::DefaultIdleMs);
    }

    void storeNamesFilesPerProcessAndFindsOrphans()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/recovery");
        RecoveryStore store(folder, QStringLiteral("Mindloom"));
        QVERIFY(store.usable());
        const QString a = store.newDocumentPath(), b = store.newDocumentPath();
        QVERIFY(a != b);
        QVERIFY(a.contains(QString::number(QCoreApplication::applicationPid())));
        QCOMPARE(RecoveryFile::write(a, RecoveryFile::toBytes(sample(QStringLiteral("mine")))), QString());

        // A run that ended without closing: its lock names a process that is
        // gone (pid 1 is never ours; a lock file it "holds" of another name
        // is stale for us).
        const QString left = folder + QStringLiteral("/Mindloom-999999-1.recovery");
        QCOMPARE(RecoveryFile::write(left, RecoveryFile::toBytes(sample(QStringLiteral("left over")))),
                 QString());
        QFile damaged(folder + QStringLiteral("/Mindloom-999998-1.recovery"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("Mindloom recovery file 1\nprogram: Mind");
        damaged.close();
        // Another program's files are never offered.
        QVERIFY(QFile::copy(left, folder + QStringLiteral("/Frameloft-999999-1.recovery")));

        // A copy still running holds its lock: its files are not orphans.
        QLockFile running(folder + QStringLiteral("/Mindloom-999997.lock"));
        QVERIFY(running.tryLock(0));
        QVERIFY(QFile::copy(left, folder + QStringLiteral("/Mindloom-999997-4.recovery")));

        const QList<RecoveryStore::Orphan> orphans = store.takeOrphans();
        QCOMPARE(orphans.size(), 2);
        QStringList paths;
        for (const RecoveryStore::Orphan &o : orphans)
            paths << QFileInfo(o.path).fileName();
        QVERIFY(paths.contains(QStringLiteral("Mindloom-999999-1.recovery")));
        QVERIFY(paths.contains(QStringLiteral("Mindloom-999998-1.recovery")));
        for (const RecoveryStore::Orphan &o : orphans) {
            if (o.path.endsWith(QLatin1String("999999-1.recovery")))
                QCOMPARE(o.record.text(QStringLiteral("text")), QStringLiteral("left over"));
            else
                QVERIFY(!o.error.isEmpty());
        }

        // While this store holds them, a second copy starting does not offer them.
        RecoveryStore second(folder, QStringLiteral("Mindloom"));
        QVERIFY(second.takeOrphans().isEmpty());
    }

    void writerKeepsTheLatestAndARemovalWins()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("doc.recovery"));
        RecoveryWriter writer;
        for (int i = 0; i < 50; ++i)
            writer.write(path, sample(QString::number(i)));
        writer.flush();
        QCOMPARE(RecoveryFile::read(path).record.text(QStringLiteral("text")), QStringLiteral("49"));
        writer.write(path, sample(QStringLiteral("late")));
        writer.remove(path);
        writer.flush();
        QVERIFY(!QFile::exists(path));
        // Nothing but the file itself is left in the folder.
        QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRecovery)
#include "tst_recovery.moc"
