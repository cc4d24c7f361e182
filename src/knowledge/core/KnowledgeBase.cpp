// SPDX-License-Identifier: GPL-3.0-or-later
#include "KnowledgeBase.h"

#include "PlainTextDocument.h"
#include "ProgramFolder.h"
#include "SourceText.h"
#include "TextFile.h"

#include <QElapsedTimer>
#include <QTimer>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// Each slice of the split (cutting and appending) aims at this much time, so
// the window handles its events many times a second, STOP included, while
// large slices keep the fixed cost per append small. The first slice of a run
// has no measurement yet and takes a fixed number of characters.
constexpr double kSliceNs = 10e6;
constexpr qsizetype kFirstSliceChars = 64 * 1024;
constexpr qsizetype kMinSliceChars = 1024;
constexpr qsizetype kMaxSliceChars = 32 * 1024 * 1024;

// The split grows the document by many megabytes in small steps, and the
// document grows its buffers by reallocation. glibc raises its mmap threshold
// to the largest block freed so far (a file read whole, a batch of
// sentences), after which every growth of a multi-megabyte buffer is a copy
// into fresh heap pages that stalls the window for 100 ms and more. A fixed
// threshold keeps large blocks mapped, where growing them remaps instead of
// copying.
void keepLargeBlocksMapped()
{
#if defined(__GLIBC__)
    static const bool once = mallopt(M_MMAP_THRESHOLD, 128 * 1024) != 0;
    Q_UNUSED(once);
#endif
}

} // namespace

KnowledgeBase::KnowledgeBase(QObject *parent)
    : QObject(parent), m_document(new PlainTextDocument(this)), m_splitTimer(new QTimer(this))
{
    keepLargeBlocksMapped();
    m_document->setUndoRedoEnabled(true);
    connect(m_document, &QTextDocument::modificationChanged, this, &KnowledgeBase::updateModified);
    connect(m_document, &QTextDocument::contentsChanged, this, &KnowledgeBase::contentChanged);
    m_splitTimer->setInterval(0);
    connect(m_splitTimer, &QTimer::timeout, this, &KnowledgeBase::splitSlice);
}

KnowledgeBase::~KnowledgeBase() = default;

QString KnowledgeBase::text() const
{
    return m_document->text();
}

bool KnowledgeBase::modified() const
{
    return m_document->isModified() || m_splitting;
}

void KnowledgeBase::startOver(const QString &text)
{
    m_document->setText(text);
    m_document->setModified(false);
    updateModified();
}

void KnowledgeBase::clear()
{
    m_path.clear();
    m_stamp = FileStamp();
    startOver(QString());
}

QString KnowledgeBase::textOfFile(QString fileText)
{
    if (fileText.endsWith(QLatin1String("\r\n")))
        fileText.chop(2);
    return fileText;
}

QString KnowledgeBase::load(const QString &path)
{
    const TextFile::ReadResult file = TextFile::read(path);
    if (file.ok()) {
        // Set first: what follows the new text (the recovery) reads them.
        m_path = path;
        m_stamp = file.stamp;
        startOver(textOfFile(file.text));
    }
    return file.error;
}

QString KnowledgeBase::save(const QString &path)
{
    FileStamp stamp;
    const QString error = TextFile::writeWithBackup(path, text(), &stamp);
    if (error.isEmpty()) {
        m_path = path;
        m_stamp = stamp;
        m_document->setModified(false);
    }
    return error;
}

QString KnowledgeBase::saveTarget(const QString &programFolder, const QString &chosen)
{
    return programFolder + ProgramFolder::fileNameWithoutFolder(chosen);
}

void KnowledgeBase::addFact(const QString &fact)
{
    m_document->appendText(fact + SentenceSplitter::factEnd());
}

QString KnowledgeBase::importFile(const QString &path)
{
    // Sources come from any program, so UTF-8 is recognised; the knowledge
    // base is still saved in the code page.
    SourceText::ReadResult file = SourceText::read(path);
    if (!file.ok())
        return file.error;
    m_textData = std::move(file.text);
    // Emptying the text is part of the import, not a new start: the import's
    // facts are new work.
    m_document->setText(QString());
    getFacts();
    return QString();
}

void KnowledgeBase::getFacts()
{
    m_splitTimer->stop();
    m_splitter = SentenceSplitter(m_textData);
    m_droppedNuls = m_splitter.drops();
    m_nsPerChar = 0;
    m_percentage = -1;
    setSplitting(true);
    splitSlice();
    if (m_splitting && m_holds == 0)
        m_splitTimer->start();
}

void KnowledgeBase::splitSlice()
{
    QElapsedTimer clock;
    clock.start();
    const qsizetype chars = m_nsPerChar > 0
                                ? qBound(kMinSliceChars, qsizetype(kSliceNs / m_nsPerChar), kMaxSliceChars)
                                : kFirstSliceChars;
    m_batch.truncate(0);
    // The run ends in the slice that finds no sentence, so the percentage of
    // the last sentences stays on show until the window has handled its events.
    if (m_splitter.appendFacts(&m_batch, chars) == 0) {
        stop();
        return;
    }
    m_document->appendText(m_batch);
    m_percentage = SentenceSplitter::percentage(m_document->textLength(), m_textData.size());
    emit percentageChanged(m_percentage);
    const double nsPerChar = double(clock.nsecsElapsed()) / double(m_batch.size());
    m_nsPerChar = m_nsPerChar > 0 ? (m_nsPerChar + nsPerChar) / 2 : nsPerChar;
}

void KnowledgeBase::stop()
{
    m_splitTimer->stop();
    m_splitter = SentenceSplitter();
    m_batch = QString();
    m_percentage = -1;
    setSplitting(false);
}

void KnowledgeBase::setSplitting(bool splitting)
{
    if (m_splitting == splitting)
        return;
    m_splitting = splitting;
    emit splittingChanged(splitting);
    updateModified();
}

void KnowledgeBase::updateModified()
{
    const bool now = modified();
    if (now == m_modified)
        return;
    m_modified = now;
    emit modifiedChanged(now);
}

void KnowledgeBase::release()
{
    if (--m_holds == 0 && m_splitting)
        m_splitTimer->start();
}

KnowledgeBase::Hold::Hold(KnowledgeBase &knowledgeBase) : m_knowledgeBase(knowledgeBase)
{
    ++m_knowledgeBase.m_holds;
    m_knowledgeBase.m_splitTimer->stop();
}

KnowledgeBase::Hold::~Hold()
{
    m_knowledgeBase.release();
}

QList<RecoveryRecord::Text> KnowledgeBase::recoveryTexts() const
{
    return {{QStringLiteral("text"), text()}};
}

void KnowledgeBase::restore(const RecoveryRecord &recovered)
{
    stop();
    m_path = recovered.file;
    m_stamp = recovered.stamp;
    m_document->setText(recovered.text(QStringLiteral("text")));
    m_document->setModified(true);
    updateModified();
}
