// SPDX-License-Identifier: GPL-3.0-or-later
#include "PersonalityFile.h"
#include "ProgramFolderFixture.h"
#include "RecoveryFile.h"
#include "RecoveryStore.h"
#include "SceneRecord.h"
#include "SceneRecovery.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>

namespace {
// The system's steady clock, which the driver and the test share.
qint64 steadyMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

// The safety net under SIGKILL: a driver edits each kind of document with a
// short autosave schedule and is killed at random moments. After each kill the
// recovery file left behind must be whole, must hold exactly the document as
// it was after some change, and no change older than the schedule's longest
// wait may be missing; the user's files are never touched.
class TestRecoveryKill : public QObject
{
    Q_OBJECT

    // The driver's longest wait before a write, and what the test allows on
    // top for the write itself and a busy machine.
    static constexpr qint64 MostMs = 150;
    static constexpr qint64 SlackMs = 600;

    static QByteArray digestOfFolder(const QString &folder)
    {
        QCryptographicHash hash(QCryptographicHash::Sha256);
        QStringList files;
        QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        files.sort();
        for (const QString &f : files) {
            QFile file(f);
            file.open(QIODevice::ReadOnly);
            hash.addData(f.toUtf8());
            hash.addData(file.readAll());
        }
        return hash.result();
    }

    // The number of the last change the recovered document holds, checked
    // against the content every change before it gives; -1 when it holds
    // something no series of changes gives.
    static int changesIn(const QString &kind, const RecoveryRecord &r, const QString &base,
                         const SceneRecord &baseScene)
    {
        if (kind == QLatin1String("personality") || kind == QLatin1String("kbase")) {
            const QString text =
                r.text(kind == QLatin1String("kbase") ? QStringLiteral("text") : QStringLiteral("memory"));
            if (!text.startsWith(base))
                return -1;
            QString expected = base;
            int k = 0;
            while (expected.size() < text.size())
                expected += QStringLiteral("change %1\r\n\r\n").arg(++k);
            return expected == text ? k : -1;
        }
        if (kind == QLatin1String("locations")) {
            int k = 0;
            for (int n = 1; n <= 5; ++n) {
                const QString t = r.text(QStringLiteral("location %1 text").arg(n));
                if (t.startsWith(QLatin1String("change ")))
                    k = qMax(k, t.mid(7).toInt());
            }
            for (int n = 1; n <= 5; ++n) {
                const QString t = r.text(QStringLiteral("location %1 text").arg(n));
                // The last change to location n was the largest j <= k with 1 + j % 5 == n.
                int j = k;
                while (j > 0 && 1 + j % 5 != n)
                    --j;
                if (j > 0 && t != QStringLiteral("change %1").arg(j))
                    return -1;
            }
            return k;
        }
        SceneRecord scene = SceneRecovery::record(r, QString());
        const int k = int(scene.part(0).x - baseScene.part(0).x);
        scene.part(0).x = baseScene.part(0).x;
        return scene == baseScene ? k : -1;
    }

private slots:
    void killedAtRandomMoments()
    {
        const QString driver = QCoreApplication::applicationDirPath() + QStringLiteral("/recovery_driver");
        QVERIFY(QFile::exists(driver));
        ProgramFolderFixture fixture;
        fixture.copyAssets();
        const QByteArray before = digestOfFolder(fixture.folder());
        QTemporaryDir recoveryDir;
        const QString recovery = recoveryDir.filePath(QStringLiteral("recovery"));

        const PersonalityFile::ReadResult juniper =
            PersonalityFile::read(fixture.folder(), QStringLiteral("Juniper"));
        // The memory as the editor shows it: the sections taken out.
        const QString memoryBase = juniper.texts.memory;
        QFile kba(fixture.path(QStringLiteral("Astronomy.kba")));
        QVERIFY(kba.open(QIODevice::ReadOnly));
        // The driver makes the knowledge base large first, so that kills
        // often come in the middle of a write.
        const QString kbaBase = QString::fromLatin1(kba.readAll()) +
                                QStringLiteral("padding ").repeated(500000) + QStringLiteral("\r\n\r\n");

        const QStringList kinds{QStringLiteral("personality"), QStringLiteral("kbase"),
                                QStringLiteral("locations"), QStringLiteral("scene")};
        QRandomGenerator random(19);
        int kills = 0, midWrite = 0;
        SceneRecord baseScene; // read from the first scene's recovery
        bool haveBaseScene = false;
        for (int round = 0; round < 13; ++round) {
            for (const QString &kind : kinds) {
                const QString logPath = recoveryDir.filePath(QStringLiteral("log"));
                QFile::remove(logPath);
                QProcess process;
                process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
                process.start(driver, {kind, fixture.folder(), recovery, logPath});
                QVERIFY(process.waitForStarted());
                // Mostly once the document is open and changing (a busy
                // machine starts the driver slowly), now and then during its start.
                if (kills % 5 != 0)
                    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(logPath), 10000);
                QTest::qWait(int(random.bounded(kills % 5 != 0 ? 50 : 100, 400)));
                const qint64 killedAt = steadyMs();
                process.kill(); // SIGKILL
                QVERIFY(process.waitForFinished());
                ++kills;
                QCOMPARE(process.exitStatus(), QProcess::CrashExit);

                QFile log(logPath);
                // No log: killed before its first change.
                const QByteArray lines = log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
                int logged = 0, required = 0;
                for (const QByteArray &line : lines.split('\n')) {
                    const QList<QByteArray> fields = line.split(' ');
                    if (fields.size() != 2)
                        continue;
                    logged = fields[0].toInt();
                    if (fields[1].toLongLong() <= killedAt - MostMs - SlackMs)
                        required = logged;
                }

                const QString program =
                    kind == QLatin1String("scene") ? QStringLiteral("Frameloft") : QStringLiteral("Mindloom");
                // A write cut short leaves only its temporary file, never a
                // broken recovery file; the next start clears it away.
                for (const QString &name : QDir(recovery).entryList(QDir::Files | QDir::Hidden)) {
                    if (name.contains(QLatin1String(".recovery.")))
                        ++midWrite;
                }
                RecoveryStore store(recovery, program);
                const QList<RecoveryStore::Orphan> orphans = store.takeOrphans();
                QVERIFY2(orphans.size() <= 1, qPrintable(kind));
                if (orphans.isEmpty()) {
                    QVERIFY2(
                        required == 0,
                        qPrintable(
                            QStringLiteral("%1: no recovery file, %2 changes due").arg(kind).arg(required)));
                    continue;
                }
                const RecoveryStore::Orphan &orphan = orphans.first();
                QVERIFY2(orphan.error.isEmpty(), qPrintable(orphan.error));
                if (kind == QLatin1String("scene") && !haveBaseScene) {
                    // The default scene the composer opens with, read from
                    // what was saved (nothing): the record before change 1.
                    baseScene = SceneRecovery::record(orphan.record, QStringLiteral("saved "));
                    haveBaseScene = true;
                }
                // The document names the file it was loaded from, as that file was then.
                if (kind == QLatin1String("kbase") || kind == QLatin1String("personality")) {
                    QVERIFY2(QFileInfo(orphan.record.file).isFile(), qPrintable(kind));
                    QVERIFY(!orphan.record.stamp.changedOnDisk(orphan.record.file));
                }
                const QString base = kind == QLatin1String("kbase") ? kbaBase : memoryBase;
                const int held = changesIn(kind, orphan.record, base, baseScene);
                QVERIFY2(held >= 0, qPrintable(kind + QStringLiteral(": a state no change gave")));
                QVERIFY2(held >= required && held <= logged + 1,
                         qPrintable(QStringLiteral("%1: holds %2 changes; %3 were due, %4 made")
                                        .arg(kind)
                                        .arg(held)
                                        .arg(required)
                                        .arg(logged)));
                QVERIFY(RecoveryStore::remove(orphan.path));
            }
        }
        // Nothing is left behind: no temporary of a write, no lock of a run
        // that is gone.
        RecoveryStore last(recovery, QStringLiteral("Mindloom"));
        last.takeOrphans();
        for (const QString &name : QDir(recovery).entryList(QDir::Files | QDir::Hidden)) {
            QVERIFY2(!name.contains(QLatin1String(".recovery.")), qPrintable(name));
            QVERIFY2(!name.startsWith(QLatin1String("Mindloom-")) ||
                         name == QStringLiteral("Mindloom-%1.lock").arg(QCoreApplication::applicationPid()),
                     qPrintable(name));
        }
        QVERIFY(kills >= 50);
        // The safety net never writes into the user's folder.
        QCOMPARE(digestOfFolder(fixture.folder()), before);
        qInfo("%d kills, %d left a write's temporary behind", kills, midWrite);
    }
};

QTEST_GUILESS_MAIN(TestRecoveryKill)
#include "tst_recovery_kill.moc"
