// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FileStamp.h"
#include "RecoveryRecord.h"
#include "SentenceSplitter.h"

#include <QObject>
#include <QString>

class PlainTextDocument;
class QTimer;

// A knowledge base being edited: its text (a document that a text area can
// show), the text last read for the import (TextData), the import that cuts
// TextData into facts, and whether the knowledge base changed since it was
// last loaded, saved or started anew.
//
// The import runs in slices on the thread's event loop: getFacts does the
// first slice and returns, and a zero timer runs the others, so that whatever
// the window's events do between two slices (STOP, New, Load, an entered fact,
// closing) acts between two sentences and never under a running slice.
class KnowledgeBase : public QObject
{
    Q_OBJECT
public:
    explicit KnowledgeBase(QObject *parent = nullptr);
    ~KnowledgeBase() override;

    // The text, owned by the knowledge base.
    PlainTextDocument *document() const { return m_document; }
    QString text() const;

    // The text last read by importFile; it keeps its value between imports.
    const QString &textData() const { return m_textData; }

    // Changed since the last load, save or new start, by any edit of the
    // document or an appended fact. A running import counts as a change too:
    // it goes on appending.
    bool modified() const;

    // New KBase...: an empty knowledge base, a new start. TextData stays.
    void clear();
    // Load KBase...: the file's text replaces the text, without the one CR LF
    // at its end that every save adds (textOfFile()). A file that cannot be
    // read changes nothing; the message names it and the reason.
    QString load(const QString &path);
    // Save KBase...: writes the text and one CR LF to path, replacing the file
    // atomically. Returns an empty string or the message of a failed write,
    // which leaves the old file whole and the knowledge base changed.
    QString save(const QString &path);
    // Where Save KBase... writes the name chosen in its dialog: the program
    // folder (ending in a separator), whatever folder the dialog showed, and
    // the name as typed, without an added extension.
    static QString saveTarget(const QString &programFolder, const QString &chosen);

    // The text a load gives for a file's text: the file without the CR LF
    // the writer adds, so that load then save gives back the loaded bytes.
    static QString textOfFile(QString fileText);

    // The file last loaded or saved (empty after New and at the start), and
    // what it was then.
    QString path() const { return m_path; }
    FileStamp stamp() const { return m_stamp; }

    // The entry line: appends fact, used exactly as typed, and the empty line
    // that ends a fact.
    void addFact(const QString &fact);

    // Read From Text File, once a file was chosen: reads it into TextData (as
    // UTF-8 or in the code page, see SourceText), empties the text and runs
    // getFacts. A file that cannot be read changes nothing and starts
    // nothing; the message names it and the reason.
    QString importFile(const QString &path);

    // Cuts TextData into sentences and appends each to the text as a fact,
    // from the beginning of TextData; called while a split runs, it starts
    // over. Does the first slice and returns; the split goes on from the event
    // loop until no sentence remains or stop() is called.
    void getFacts();
    // Ends a running split at once, between two sentences: what was appended
    // stays.
    void stop();

    bool isSplitting() const { return m_splitting; }
    // The NUL characters of TextData that the last split left out (no
    // knowledge base holds one), or 0 before any split.
    qsizetype droppedNuls() const { return m_droppedNuls; }

    // The file last loaded or saved; "" for a new knowledge base.
    const QString &file() const { return m_path; }
    // What a recovery file keeps: the text, whatever an import has appended
    // so far. restore() puts it back as an unsaved change.
    QList<RecoveryRecord::Text> recoveryTexts() const;
    void restore(const RecoveryRecord &recovered);
    // Where the next sentence of the running split begins, 1-based.
    qsizetype scanPosition() const { return m_splitter.scanPosition(); }
    // The progress of the running split after its last slice (text length
    // against TextData's), or -1 before its first slice.
    int percentage() const { return m_percentage; }

    // While a hold lives, a running split waits: a command holds it while its
    // dialog, question or message is open, and the split goes on afterwards
    // unless it was stopped meanwhile. Holds may nest.
    class Hold
    {
    public:
        explicit Hold(KnowledgeBase &knowledgeBase);
        ~Hold();
        Hold(const Hold &) = delete;
        Hold &operator=(const Hold &) = delete;

    private:
        KnowledgeBase &m_knowledgeBase;
    };

signals:
    // The text changed, by an edit, a fact or an import's slice.
    void contentChanged();
    void splittingChanged(bool splitting);
    void percentageChanged(int percentage);
    void modifiedChanged(bool modified);

private:
    void startOver(const QString &text);
    void splitSlice();
    void setSplitting(bool splitting);
    void updateModified();
    void release();

    PlainTextDocument *m_document;
    QString m_textData;
    // The file last loaded or saved, as it was then.
    QString m_path;
    FileStamp m_stamp;

    SentenceSplitter m_splitter;
    QTimer *m_splitTimer;
    QString m_batch;
    bool m_splitting = false;
    int m_percentage = -1;
    qsizetype m_droppedNuls = 0;
    int m_holds = 0;
    double m_nsPerChar = 0;  // measured cost of a slice per appended character
    bool m_modified = false; // as last announced
};
