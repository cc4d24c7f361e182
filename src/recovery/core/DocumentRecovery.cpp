// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocumentRecovery.h"

#include "RecoverySession.h"

#include <QFileInfo>
#include <QTimer>

DocumentRecovery::DocumentRecovery(Document document, QObject *parent)
    : QObject(parent), m_document(std::move(document)), m_session(RecoverySession::current()),
      m_schedule(m_session ? m_session->idleMs() : 0, m_session ? m_session->mostMs() : 0),
      m_timer(new QTimer(this))
{
    m_clock.start();
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &DocumentRecovery::due);
    if (m_session && m_session->store().usable())
        m_path = m_session->store().newDocumentPath();
    else
        m_session = nullptr;
    m_stampedFile = m_document.file ? m_document.file() : QString();
    m_stamp = FileStamp::of(m_stampedFile);
}

DocumentRecovery::~DocumentRecovery()
{
    // A document destroyed without being closed by the user (the program
    // ends some other way) keeps its newest changes for the next start.
    if (m_session && !m_closed && m_document.modified())
        writeNow();
    else
        discard();
}

void DocumentRecovery::changed()
{
    if (!m_session)
        return;
    if (!m_document.modified()) {
        // Loaded, or undone back to the saved text: the document matches its
        // file, and there is nothing to recover.
        if (!m_recovered)
            clean();
        else
            discard();
        return;
    }
    m_lastChange = QDateTime::currentDateTimeUtc();
    m_schedule.changed(now());
    arm();
}

void DocumentRecovery::clean()
{
    m_recovered = false;
    discard();
    m_stampedFile = m_document.file ? m_document.file() : QString();
    m_stamp = FileStamp::of(m_stampedFile);
}

void DocumentRecovery::closed()
{
    m_closed = true;
    discard();
}

void DocumentRecovery::discard()
{
    m_schedule.written();
    m_timer->stop();
    if (m_session && m_written)
        m_session->writer().remove(m_path);
    m_written = false;
}

void DocumentRecovery::takeRecovered(const RecoveryRecord &record)
{
    m_stampedFile = record.file;
    m_stamp = record.stamp;
    m_recovered = true;
    m_lastChange = record.changed;
    writeNow();
}

bool DocumentRecovery::fileChangedSince(const QString &path) const
{
    if (m_stampedFile.isEmpty() ||
        QFileInfo(path).absoluteFilePath() != QFileInfo(m_stampedFile).absoluteFilePath())
        return false;
    return m_stamp.changedOnDisk(path);
}

void DocumentRecovery::arm()
{
    if (!m_schedule.pending())
        return;
    m_timer->start(int(qBound(qint64(0), m_schedule.dueAt() - now(), qint64(24 * 3600 * 1000))));
}

void DocumentRecovery::due()
{
    if (!m_schedule.due(now())) {
        arm();
        return;
    }
    writeNow();
}

void DocumentRecovery::writeNow()
{
    m_schedule.written();
    m_timer->stop();
    if (!m_session)
        return;
    if (!m_document.modified()) {
        discard();
        return;
    }
    RecoveryRecord record;
    record.program = m_session->store().program();
    record.kind = m_document.kind;
    record.file = m_stampedFile;
    record.stamp = m_stamp;
    record.changed = m_lastChange.isValid() ? m_lastChange : QDateTime::currentDateTimeUtc();
    record.texts = m_document.texts();
    m_session->writer().write(m_path, std::move(record));
    m_written = true;
}
