// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ChatSession.h"
#include "EditorWindow.h"
#include "KnowledgeFileCache.h"

#include <QPointer>

#include <functional>

class ChatFace;
class KBEd;
class MemoryEd;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The Test Chat: the writer says a line and sees what the tester answers
// from the personality and the knowledge bases, where it comes from (a click
// goes there in the editor), and what a statement would leave in the memory.
// It reads the Personality Editor's and the Knowledge Base Editor's texts as
// they are, saved or not, or the folder's files chosen in its lists.
class TestChat : public EditorWindow
{
    Q_OBJECT
public:
    explicit TestChat(Platform &platform, QWidget *parent = nullptr);

    // The open editors, or nullptr; the window follows them as they come and go.
    void setEditors(MemoryEd *memoryEd, KBEd *kbEd);
    // How a source that is in no open editor gets there: the launcher opens
    // the file (a personality's .mem or .qas, a .kba) in the editor of its
    // kind, which then comes to setEditors().
    void setFileOpener(std::function<void(const QString &file)> openFile);
    // The lists again: the folder's personalities and knowledge bases, and
    // the editors' texts.
    void refreshSources();

    const ChatSession &session() const { return m_session; }

    // The entries of the lists that stand for the editors' texts.
    static QString personalityEditorEntry();
    static QString knowledgeEditorEntry();
    // The scene list's entry for the composer's start-up scene.
    static QString startupSceneEntry();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void say();
    void keep();
    void saveAsTest();
    void clear();
    void goToSource(QListWidgetItem *item);
    bool fromEditor() const;
    // The Knowledge Base Editor's file when it is one of the folder's .kba
    // files, by name: that entry of the list is the editor's text.
    QString editorsFolderFile() const;
    QWidget *editorFor(const ChatSource &source);
    void addReply(const ChatSession::Exchange &exchange, int index);
    void showScene();

    ChatSession m_session;
    KnowledgeFileCache m_files;
    QPointer<MemoryEd> m_memoryEd;
    QPointer<KBEd> m_kbEd;
    std::function<void(const QString &file)> m_openFile;
    QComboBox *cboPersonality = nullptr;
    QListWidget *lstKnowledge = nullptr;
    QListWidget *lstChat = nullptr;
    QLineEdit *txtSay = nullptr;
    QPushButton *cmdKeep = nullptr;
    QPushButton *cmdSaveTest = nullptr;
    QPushButton *cmdClear = nullptr;
    QLabel *lblStatus = nullptr;
    QComboBox *cboScene = nullptr;
    ChatFace *picFace = nullptr;
};
