// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PersonalityFile.h"
#include "PlainTextDocument.h"
#include "RecoveryRecord.h"

#include <QObject>
#include <QString>
#include <QStringList>

// The personality the Personality Editor edits: the memory text with its two
// sections, the question/answer text, which of the two texts is shown (the
// view), the question/answer entry state, the person-swap choice, the entry
// line's formatting, and the file steps (list, load, save and the two plain
// exports). Window-free: the window shows shownText() in its text area,
// mirrors the rest into its controls and forwards the user's actions here.
//
// The shown view's text lives in shownText(), which the text area edits in
// place; the other view's text is kept aside until its view is shown.
class PersonalityDocument : public QObject
{
    Q_OBJECT
public:
    enum class View { General, QuestionAnswer };

    explicit PersonalityDocument(QObject *parent = nullptr);

    // The text of the selected view: the memory (general view) or the
    // question/answer text.
    PlainTextDocument *shownText() { return &m_shown; }

    QString memory() const;
    QString matchWords() const { return m_matchWords; }
    QString wontSayData() const { return m_wontSayData; }
    QString qandA() const;
    // The base name of the personality last loaded or saved under a name of
    // its own; empty before that.
    QString personalityName() const { return m_personalityName; }
    // The line last taken from the entry line, after the person swap.
    QString inText() const { return m_inText; }
    // 0 when the next line of the question/answer view is a question, 1 when
    // it answers the question just entered.
    int quest() const { return m_quest; }
    // "?" or "!": what the entry indicator shows. It follows the entries, not
    // the view: after a view change between a question and its answer it
    // still shows "!" though a question comes next.
    QString entryMark() const { return m_entryMark; }
    View view() const { return m_view; }
    bool secondPerson() const { return m_secondPerson; }

    // Whether the texts changed since they were last loaded or saved (Save
    // Personality), or since the start; undoing an edit back to that state
    // makes them unchanged again.
    bool modified() const { return m_modified; }

    // Shows the other text; choosing the shown view changes nothing. Showing
    // the question/answer view makes the next line a question.
    void setView(View view);
    // Whether statements and questions go through the person swap.
    void setSecondPerson(bool on)
    {
        if (on == m_secondPerson)
            return;
        m_secondPerson = on;
        emit contentChanged();
    }

    // Takes a line from the entry line: a statement (general view), or a
    // question or its answer (question/answer view), appended to the shown
    // text in the layout the companion reads.
    void takeEntry(const QString &line);

    // Adds a statement to the memory as the general view's entry line does
    // (the statement, then an empty line), whichever view is shown.
    void appendStatement(const QString &statement);

    // Take the "* MatchWords:" and the "* WontSay:" section out of the memory.
    void takeOutMatchWords();
    void takeOutWontSay();

    // The list of personalities in the program folder.
    static QStringList list(const QString &programFolder);
    // Whether the list shows a file of this name (its entry is
    // PersonalityFile::listEntry(fileName)).
    static bool listed(const QString &fileName);

    // Load Personality: reads the personality of the list entry `entry` and
    // takes its sections out. An empty entry (nothing chosen) empties the
    // name, the sections and the hidden view's text; the shown text stays,
    // and is what a save then writes. Returns an empty string, or the message
    // to show; nothing changes on a failure.
    QString load(const QString &programFolder, const QString &entry);

    // Whether Save Personality may write the texts under `name`
    // (PersonalityFile::checkSave()).
    PersonalityFile::SaveCheck checkSave(const QString &programFolder, const QString &name) const;
    // The texts as a save would write them.
    PersonalityFile::Texts texts() const;

    // The files of the personality `name` that another program changed since
    // this document loaded or saved them; none for a personality it has not.
    QStringList changedOnDisk(const QString &programFolder, const QString &name) const;

    // Save Personality under `name` (the loaded personality's, or a new one):
    // both files in their stored form. On success the personality is the one
    // called `name` and counts as unchanged. Returns an empty string or the
    // message to show; the texts never change, and texts that checkSave()
    // refuses are not written.
    QString save(const QString &programFolder, const QString &name);

    // The base name a personality saved under the file name chosen in a save
    // dialog gets: the name without its folder and without a final ".mem".
    static QString nameForSave(const QString &chosen);

    // Where the plain exports go: the program folder and the chosen file's
    // name, whatever folder the dialog ended in.
    static QString exportTarget(const QString &programFolder, const QString &chosen);
    // Save Personality As...: the memory file's content, unencoded.
    QString exportMemory(const QString &path) const;
    // Save Q/A As...: the question/answer text, unencoded.
    QString exportQandA(const QString &path) const;

    // What a recovery file keeps of the personality: the texts of both views,
    // the sections, the name, the view, the entry state and the person-swap
    // choice. restore() puts them back as unsaved changes (the undo history
    // starts afresh); the file the personality belongs to is its memory file.
    QList<RecoveryRecord::Text> recoveryTexts() const;
    void restore(const QList<RecoveryRecord::Text> &texts);
    QString memoryFile(const QString &programFolder) const;

signals:
    // Any change of what recoveryTexts() holds.
    void contentChanged();
    void viewChanged();
    // quest() or entryMark() changed.
    void entryStateChanged();
    // The shown text was replaced as a whole (a load, a view change): the
    // insertion point goes back to its start.
    void shownTextReplaced();
    void modifiedChanged(bool modified);

private:
    // changed: whether the text counts as changed since the last load or save.
    void replaceShown(const QString &text, bool changed);
    void updateModified();
    void markUnmodified();
    void takeOutSection(QString &section, QLatin1String marker);
    void setQuest(int quest, const QString &mark);
    void setModified(bool modified);

    PlainTextDocument m_shown;
    // The text of the view that is not shown, and whether it changed since
    // the last load or save.
    QString m_hidden;
    bool m_hiddenModified = false;
    QString m_matchWords;
    QString m_wontSayData;
    QString m_personalityName;
    // Both files of m_personalityName as last loaded or saved.
    FileStamp m_memoryStamp;
    FileStamp m_qandAStamp;
    QString m_inText;
    QString m_entryMark = QStringLiteral("?");
    View m_view = View::General;
    int m_quest = 0;
    bool m_secondPerson = false;
    bool m_modified = false;
    bool m_replacing = false;
};
