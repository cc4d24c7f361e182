// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecoveryWriter.h"

#include "RecoveryFile.h"
#include "RecoveryStore.h"

RecoveryWriter::RecoveryWriter() : m_thread([this] { run(); }) {}

RecoveryWriter::~RecoveryWriter()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void RecoveryWriter::write(const QString &path, RecoveryRecord record)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_jobs[path] = Job{std::move(record)};
    }
    m_wake.notify_all();
}

void RecoveryWriter::remove(const QString &path)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_jobs[path] = Job{};
    }
    m_wake.notify_all();
}

void RecoveryWriter::flush()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_idle.wait(lock, [this] { return m_jobs.empty() && !m_busy; });
}

QString RecoveryWriter::lastError() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_lastError;
}

void RecoveryWriter::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (true) {
        m_wake.wait(lock, [this] { return m_stop || !m_jobs.empty(); });
        if (m_jobs.empty()) {
            if (m_stop)
                return;
            continue;
        }
        auto first = m_jobs.begin();
        const QString path = first->first;
        Job job = std::move(first->second);
        m_jobs.erase(first);
        m_busy = true;
        lock.unlock();

        QString error;
        if (job.record) {
            const QByteArray bytes = RecoveryFile::toBytes(*job.record);
            // The document's strings are let go as soon as they are copied, off
            // the window's thread: while this holds them, the window's next
            // edit of the text copies it instead of changing it in place.
            job = Job{};
            error = RecoveryFile::write(path, bytes);
        } else {
            RecoveryStore::remove(path);
        }

        lock.lock();
        m_busy = false;
        m_lastError = error;
        if (m_jobs.empty())
            m_idle.notify_all();
    }
}
