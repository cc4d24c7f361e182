// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecoveryRecord.h"

#include <QList>
#include <QString>

#include <future>
#include <memory>

class QLockFile;

// The recovery folder of one running program. Each document has its own file,
// "PROGRAM-PID-N.recovery", so no two running copies (nor two documents of
// one) ever share a file, and the running program holds the lock file
// "PROGRAM-PID.lock" for as long as it lives. A recovery file whose lock no
// running copy holds is left over from a run that ended without closing its
// document: an orphan, which the next start offers back.
class RecoveryStore
{
public:
    // folder: where the files go (made when missing); program: the running
    // program's name. Starts taking this process's lock at once, on a thread
    // of its own: the lock file is written through to the disk, which the
    // program's first window need not wait for. Whatever needs the lock
    // (usable(), takeOrphans()) waits for it.
    RecoveryStore(const QString &folder, const QString &program);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    // The per-user folder the programs keep recovery files in: the state
    // folder ($XDG_STATE_HOME, ~/.local/state), else the application's local
    // data folder, with "Mindloom/recovery" below it.
    static QString defaultFolder();

    QString folder() const { return m_folder; }
    QString program() const { return m_program; }
    // Whether the folder could be made and the lock taken: without them
    // nothing is written, so no file is ever taken for an orphan.
    bool usable() const;

    // A new document's file; each call gives another name.
    QString newDocumentPath();

    struct Orphan
    {
        QString path;
        RecoveryRecord record; // valid when error is empty
        QString error;
    };
    // The program's orphans, oldest change first. Each one's lock is taken
    // over for as long as this store lives, so a second copy started meanwhile
    // does not offer them too. Files that cannot be read are listed with
    // their error.
    QList<Orphan> takeOrphans();

    // Deletes an orphan's file (Discard, or once it was recovered).
    static bool remove(const QString &path);

private:
    QString m_folder;
    QString m_program;
    qint64 m_pid;
    int m_nextDocument = 1;
    void waitForLock() const;

    mutable std::future<std::unique_ptr<QLockFile>> m_locking;
    mutable std::unique_ptr<QLockFile> m_lock;
    std::vector<std::unique_ptr<QLockFile>> m_taken;
};
