// SPDX-License-Identifier: GPL-3.0-or-later
#include "Backups.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// The copies a save keeps of what it replaces.
class TestBackups : public QObject
{
    Q_OBJECT

    static QByteArray bytesOf(const QString &path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    static void put(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void keepsTheNewestFiveOfEachFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("Juniper.mem");
        QTest::newRow("spaces, brackets and accents") << QStringLiteral("My [first] caf\u00e9 (v2).kba");
        QTest::newRow("no extension") << QStringLiteral("Options");
        QTest::newRow("dots and a tilde") << QStringLiteral("a.b~c..scn");
        QTest::newRow("pattern characters") << QStringLiteral("*?^$+.scn");
    }
    void keepsTheNewestFiveOfEachFile()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        // A file whose name is this one's plus a backup's time: its backups
        // are its own.
        const QString lookalike = path + QStringLiteral("~2026-01-01_00-00-00-000");
        put(lookalike, "other");
        QVERIFY(!Backups::keep(lookalike, "other 2").isEmpty());

        QDateTime time(QDate(2026, 12, 10), QTime(12, 0));
        put(path, "version 0");
        for (int i = 1; i <= 7; ++i) {
            const QByteArray next = "version " + QByteArray::number(i);
            QString error;
            const QString kept = Backups::keep(path, next, &error, Backups::DefaultKept, time.addSecs(i));
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QCOMPARE(QFileInfo(kept).dir().dirName(), QStringLiteral("Backups"));
            QVERIFY(QFileInfo(kept).fileName().startsWith(name + QLatin1Char('~')));
            QCOMPARE(bytesOf(kept), "version " + QByteArray::number(i - 1));
            put(path, next);
        }
        const QStringList backups = Backups::list(path);
        QCOMPARE(backups.size(), 5);
        // Oldest first: versions 2 to 6 are kept, 0 and 1 are gone.
        for (int i = 0; i < 5; ++i)
            QCOMPARE(bytesOf(backups[i]), "version " + QByteArray::number(i + 2));
        QCOMPARE(Backups::list(lookalike).size(), 1);
    }

    void noBackupWithoutAChange()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("facts.kba"));
        // No file yet: nothing to keep, and no folder made.
        QCOMPARE(Backups::keep(path, "new"), QString());
        QVERIFY(!QFileInfo::exists(Backups::folderFor(path)));
        put(path, "same");
        // The same bytes saved again.
        QCOMPARE(Backups::keep(path, "same"), QString());
        QVERIFY(Backups::list(path).isEmpty());
        QVERIFY(!Backups::keep(path, "changed").isEmpty());
        // The file still holds what its newest backup holds (the save that
        // followed the backup failed, say): no second copy of it.
        QCOMPARE(Backups::keep(path, "changed again"), QString());
        QCOMPARE(Backups::list(path).size(), 1);
    }

    void savesKeepTheVersionTheyReplace()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Options.Cfg"));
        QCOMPARE(TextFile::writeWithBackup(path, QStringLiteral("one")), QString());
        QVERIFY(Backups::list(path).isEmpty());
        QCOMPARE(TextFile::writeWithBackup(path, QStringLiteral("two")), QString());
        QCOMPARE(TextFile::writeWithBackup(path, QStringLiteral("two")), QString());
        const QStringList backups = Backups::list(path);
        QCOMPARE(backups.size(), 1);
        QCOMPARE(bytesOf(backups.first()), QByteArray("one\r\n"));
        // A text the file cannot hold writes nothing, and keeps no copy.
        QVERIFY(!TextFile::writeWithBackup(path, QStringLiteral("\u4e2d")).isEmpty());
        QCOMPARE(Backups::list(path).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestBackups)
#include "tst_backups.moc"
