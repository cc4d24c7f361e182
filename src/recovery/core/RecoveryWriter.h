// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecoveryRecord.h"

#include <QString>

#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

// Writes and deletes recovery files on a thread of its own, so that turning a
// large document into bytes and writing them never holds up the window. The
// caller hands over a record of implicitly shared strings (a cheap copy).
// Work is kept per file, latest first: a newer record replaces one not yet
// written, and a removal wins over an earlier write, so a file deleted after a
// save never comes back.
class RecoveryWriter
{
public:
    RecoveryWriter();
    // Finishes what was handed over, then stops.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter &) = delete;
    RecoveryWriter &operator=(const RecoveryWriter &) = delete;

    void write(const QString &path, RecoveryRecord record);
    void remove(const QString &path);
    // Returns once everything handed over so far is done.
    void flush();

    // The last error of a write, "" when the last write succeeded.
    QString lastError() const;

private:
    void run();

    struct Job
    {
        std::optional<RecoveryRecord> record; // none: remove
    };

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::map<QString, Job> m_jobs;
    bool m_busy = false;
    bool m_stop = false;
    QString m_lastError;
    std::thread m_thread;
};
