// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AutosaveSchedule.h"
#include "RecoveryRecord.h"

#include <QElapsedTimer>
#include <QObject>

#include <functional>

class QTimer;
class RecoverySession;

// One open document's recovery file. The document's model tells it of every
// change (changed()) and of every moment it matches its file again (clean():
// loaded, saved, started anew); it writes the document's snapshot on the
// schedule while there are unsaved changes, and deletes the file when there
// are none or the document is closed (discard()). Without a current
// RecoverySession it does nothing.
class DocumentRecovery : public QObject
{
    Q_OBJECT
public:
    struct Document
    {
        QString kind;
        // The document's texts as its model names them.
        std::function<QList<RecoveryRecord::Text>()> texts;
        std::function<bool()> modified;
        // The file the document belongs to, "" when none.
        std::function<QString()> file;
    };

    DocumentRecovery(Document document, QObject *parent = nullptr);
    ~DocumentRecovery() override;

    // Follows a model: changedSignal on every change of its content,
    // modifiedChangedSignal(bool) when its unsaved state changes.
    template <class Model, class Changed, class ModifiedChanged>
    void follow(Model *model, Changed changedSignal, ModifiedChanged modifiedChangedSignal)
    {
        connect(model, changedSignal, this, &DocumentRecovery::changed);
        connect(model, modifiedChangedSignal, this, [this](bool modified) {
            if (modified)
                changed();
            else
                clean();
        });
    }

    void changed();
    // The document matches its file: nothing to recover any more, and the
    // file is taken as the one now known.
    void clean();
    // The document goes away by the user's choice (closed after Save or
    // Discard, or with nothing to save): its recovery file too.
    void closed();
    // Writes the snapshot at once (when modified), without waiting.
    void writeNow();

    // What the document's file was when it was last loaded or saved.
    const FileStamp &stamp() const { return m_stamp; }
    QString stampedFile() const { return m_stampedFile; }
    // A recovered document takes the file and stamp its recovery file kept,
    // and writes its own recovery file at once.
    void takeRecovered(const RecoveryRecord &record);
    // Holds recovered changes not saved since: before its file is replaced,
    // the user is told when another program changed it since it was loaded.
    bool recovered() const { return m_recovered; }
    // The file was changed on disk since the document was loaded from it or
    // saved to it (as the stamp tells), and path is that file.
    bool fileChangedSince(const QString &path) const;

    QString path() const { return m_path; }
    bool active() const { return m_session != nullptr; }

private:
    qint64 now() const { return m_clock.elapsed(); }
    void arm();
    void due();
    void discard();

    Document m_document;
    RecoverySession *m_session;
    AutosaveSchedule m_schedule;
    QElapsedTimer m_clock;
    QTimer *m_timer;
    QString m_path;
    bool m_closed = false;
    bool m_recovered = false;
    bool m_written = false; // the file exists (or a write of it is on its way)
    QDateTime m_lastChange;
    FileStamp m_stamp;
    QString m_stampedFile;
};
