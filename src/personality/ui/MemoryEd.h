// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EditorWindow.h"
#include "PersonalityDocument.h"

#include <QPixmap>

#include <memory>

class DocumentRecovery;
class FileDialog;
struct RecoveryRecord;
class QCheckBox;
class QLabel;
class EntryLine;
class QListWidget;
class QPushButton;
class QRadioButton;
class TextArea;

// The Personality Editor: lists the personalities of the program folder, loads
// one, shows its memory (general view) or its questions and answers in one text
// area, extends them from the entry line and saves them. The personality is a
// PersonalityDocument; the window shows it and forwards the user's actions.
class MemoryEd : public EditorWindow
{
    Q_OBJECT
public:
    explicit MemoryEd(Platform &platform, QWidget *parent = nullptr);
    ~MemoryEd() override;

    PersonalityDocument &document() { return m_document; }
    const PersonalityDocument &document() const { return m_document; }

    // The window's texts, as the document holds them.
    QString Memory() const { return m_document.memory(); }
    QString MatchWords() const { return m_document.matchWords(); }
    QString WontSayData() const { return m_document.wontSayData(); }
    QString QandAFile() const { return m_document.qandA(); }
    QString PersonalityName() const { return m_document.personalityName(); }
    QString InText() const { return m_document.inText(); }
    int quest() const { return m_document.quest(); }

    // Opens recovered changes as unsaved changes, once the window's own
    // unsaved work may go; false when the user kept it.
    bool recover(const RecoveryRecord &record);
    DocumentRecovery *recovery() const { return m_recovery.get(); }
    // Selects the personality `entry` in the list and loads it as Load
    // Personality does, asking first about unsaved work.
    void openPersonality(const QString &entry);

    // Take the "* MatchWords:" and the "* WontSay:" section out of Memory.
    void GetStoredMatchWords() { m_document.takeOutMatchWords(); }
    void GetWontSayData() { m_document.takeOutWontSay(); }

protected:
    bool hasUnsavedWork() const override { return m_document.modified(); }
    bool saveWork() override { return savePersonality(); }
    QString unsavedWorkQuestion() const override;
    void paintEvent(QPaintEvent *event) override;

private:
    void createControls();
    void createKeys();
    void styleControls();
    void translatePaintedCaptions();
    void showState();

    void listPersonalities();
    void addToList(const QString &fileName);
    void loadPersonality();
    bool savePersonality();
    // Shows why the texts cannot be saved under name, if they cannot.
    bool refuseUnsavable(const QString &folder, const QString &name);
    QString askNewPersonalityName(const QString &folder);
    void savePersonalityAs();
    void saveQandAAs();
    QString chooseExportTarget(const QString &filter);
    void exported(const QString &error, const QString &target);

    void takeEntryLine();
    void showError(const QString &text);

    PersonalityDocument m_document;
    // Goes before the document it reads.
    std::unique_ptr<DocumentRecovery> m_recovery;
    std::unique_ptr<FileDialog> cdl;
    QPixmap m_background;

    TextArea *RichTextBox1 = nullptr;
    QListWidget *List1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    EntryLine *Text2 = nullptr;
    QLabel *Label3 = nullptr;
    QCheckBox *Check1 = nullptr;
};
