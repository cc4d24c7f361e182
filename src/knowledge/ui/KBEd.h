// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EditorWindow.h"

#include <QPixmap>

#include <memory>

class DocumentRecovery;
class EntryLine;
class FileDialog;
class KnowledgeBase;
class QLabel;
class QPushButton;
class TextArea;
struct RecoveryRecord;

// The Knowledge Base Editor: shows a KnowledgeBase (its text in the text
// area, the import's state in the labels and the STOP button) and forwards
// the user's commands to it: the entry line that appends a fact, New/Load/Save
// of ".kba" files, and the import that builds a knowledge base from a text
// file, one sentence per fact.
//
// Keys: Ctrl+N, Ctrl+O and Ctrl+S are New, Load and Save KBase..., Escape
// ends a running import like STOP, and the buttons carry mnemonics (Alt+N,
// Alt+L, Alt+S, Alt+R, Alt+T). Unsaved work is asked about before New, Load,
// Read From Text File and closing.
class KBEd : public EditorWindow
{
    Q_OBJECT
public:
    explicit KBEd(Platform &platform, QWidget *parent = nullptr);
    ~KBEd() override;

    // Cuts TextData into sentences and appends each to the text area as a fact
    // (KnowledgeBase::getFacts): the split does its first slice and goes on
    // between the window's events, with STOP shown, Label1 reading
    // "Working..." and Label2 the percentage.
    void GetFacts();

    KnowledgeBase &knowledgeBase() const { return *m_knowledgeBase; }

    // Opens recovered changes as unsaved changes, once the window's own
    // unsaved work may go; false when the user kept it.
    bool recover(const RecoveryRecord &record);
    DocumentRecovery *recovery() const { return m_recovery.get(); }
    // Loads the knowledge base `file` as Load KBase... does with that file
    // chosen, asking first about unsaved work.
    void openKBase(const QString &file);

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool hasUnsavedWork() const override;
    bool saveWork() override;
    QString unsavedWorkQuestion() const override;

private:
    void newKBase();
    void loadKBase();
    void loadChosen(const QString &chosen);
    bool saveKBase();
    void readFromTextFile();
    void addEntry();
    void stopImport();

    void showSplitting(bool splitting);
    // Label1's text, with details on hovering and for screen readers.
    void showNote(const QString &note, const QString &details);
    void showPercentage(int percentage);
    void showError(const QString &text, const QString &title);

    std::unique_ptr<KnowledgeBase> m_knowledgeBase;
    std::unique_ptr<FileDialog> cdl;
    // Goes before the document it reads.
    std::unique_ptr<DocumentRecovery> m_recovery;

    TextArea *RichTextBox1;
    EntryLine *Text2;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
    QPushButton *Command4;
    QPushButton *Command5;
    QLabel *Label1;
    QLabel *Label2;

    QPixmap m_background;
};
