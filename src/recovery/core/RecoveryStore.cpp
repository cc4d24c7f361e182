// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecoveryStore.h"

#include "RecoveryFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <system_error>

namespace {

QString lockName(const QString &program, const QString &pid)
{
    return program + QLatin1Char('-') + pid + QStringLiteral(".lock");
}

} // namespace

RecoveryStore::RecoveryStore(const QString &folder, const QString &program)
    : m_folder(QDir::cleanPath(folder) + QLatin1Char('/')), m_program(program),
      m_pid(QCoreApplication::applicationPid())
{
    // The folder is there once the store is: callers put files in it.
    if (!QDir().mkpath(m_folder))
        return;
    const auto take = [path = m_folder + lockName(m_program, QString::number(m_pid))] {
        auto lock = std::make_unique<QLockFile>(path);
        // A stale lock of an earlier process that had this id is taken over.
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            lock.reset();
        return lock;
    };
    try {
        m_locking = std::async(std::launch::async, take);
    } catch (const std::system_error &) {
        // No thread to spare: the lock is taken here.
        m_lock = take();
    }
}

RecoveryStore::~RecoveryStore()
{
    waitForLock();
}

void RecoveryStore::waitForLock() const
{
    if (m_locking.valid())
        m_lock = m_locking.get();
}

QString RecoveryStore::defaultFolder()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    if (QStandardPaths::isTestModeEnabled())
        state =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/state");
    return state + QStringLiteral("/Mindloom/recovery");
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
#endif
}

bool RecoveryStore::usable() const
{
    waitForLock();
    return m_lock != nullptr;
}

QString RecoveryStore::newDocumentPath()
{
    return m_folder + QStringLiteral("%1-%2-%3.recovery").arg(m_program).arg(m_pid).arg(m_nextDocument++);
}

QList<RecoveryStore::Orphan> RecoveryStore::takeOrphans()
{
    QList<Orphan> orphans;
    if (!usable())
        return orphans;
    const QRegularExpression pattern(
        QStringLiteral("^%1-(\\d+)-\\d+\\.recovery$").arg(QRegularExpression::escape(m_program)));
    const QRegularExpression leftover(
        QStringLiteral("^%1-(\\d+)-\\d+\\.recovery\\..+$").arg(QRegularExpression::escape(m_program)));
    const QStringList names = QDir(m_folder).entryList({m_program + QStringLiteral("-*.recovery*")},
                                                       QDir::Files | QDir::Hidden, QDir::Name);
    // Whether no running copy holds the lock of process pid; its lock is then
    // kept by this store.
    const auto gone = [this](const QString &pid) {
        const QString lockPath = m_folder + lockName(m_program, pid);
        if (std::any_of(m_taken.begin(), m_taken.end(),
                        [&](const auto &lock) { return lock->fileName() == lockPath; }))
            return true;
        // A lock whose process is gone counts as stale at once; one held by
        // a running copy is not taken.
        auto lock = std::make_unique<QLockFile>(lockPath);
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            return false;
        m_taken.push_back(std::move(lock));
        return true;
    };
    for (const QString &name : names) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (!match.hasMatch()) {
            // What a write cut short left of a process that is gone: its
            // temporary file, never a recovery file.
            const QRegularExpressionMatch cut = leftover.match(name);
            if (cut.hasMatch() && cut.captured(1) != QString::number(m_pid) && gone(cut.captured(1)))
                QFile::remove(m_folder + name);
            continue;
        }
        const QString pid = match.captured(1);
        if (pid == QString::number(m_pid) || !gone(pid))
            continue;
        Orphan orphan;
        orphan.path = m_folder + name;
        RecoveryFile::ReadResult read = RecoveryFile::read(orphan.path);
        orphan.record = std::move(read.record);
        orphan.error = std::move(read.error);
        orphans.append(std::move(orphan));
    }
    // The locks of runs that ended without documents to recover go too.
    for (const QString &name :
         QDir(m_folder).entryList({m_program + QStringLiteral("-*.lock")}, QDir::Files | QDir::Hidden)) {
        const QString pid = name.mid(m_program.size() + 1).chopped(5);
        const QString lockPath = m_folder + name;
        if (pid == QString::number(m_pid) ||
            std::any_of(m_taken.begin(), m_taken.end(),
                        [&](const auto &lock) { return lock->fileName() == lockPath; }))
            continue;
        QLockFile stale(lockPath);
        stale.setStaleLockTime(0);
        if (stale.tryLock(0))
            stale.unlock();
    }
    std::stable_sort(orphans.begin(), orphans.end(),
                     [](const Orphan &a, const Orphan &b) { return a.record.changed < b.record.changed; });
    return orphans;
}

bool RecoveryStore::remove(const QString &path)
{
    return QFile::remove(path) || !QFileInfo::exists(path);
}
