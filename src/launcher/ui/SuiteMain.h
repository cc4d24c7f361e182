// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class KBEd;
class Locs;
class MemoryEd;
class Platform;
struct RecoveryRecord;
class TestChatOpener;

// The launcher: the first window of Mindloom. Its picture buttons start the
// scene composer and show the Knowledge Base Editor, the Personality Editor and
// the Locations window, one of each, as independent windows.
class SuiteMain : public QWidget
{
    Q_OBJECT
public:
    explicit SuiteMain(Platform &platform, QWidget *parent = nullptr);
    ~SuiteMain() override;

    // Opens a recovered document in the editor of its kind (Recover in the
    // recovery window); false when it was not opened.
    bool recover(const RecoveryRecord &record);
    // Opens a file given to the program in the window that edits its kind
    // (KitFile): a knowledge base in the Knowledge Base Editor, a personality
    // in the Personality Editor, the settings in the Locations window. The
    // work folder is the file's folder.
    void openFile(const QString &file);
    // Tells the user what is wrong with the data folder the kit works in (it
    // could not be made or filled, or its disk is full:
    // WorkFolder::dataFolderProblem), unless problem is empty.
    void reportDataFolder(const QString &problem);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The scene composer's program file in the program folder.
    QString frameloftPath() const;
    void startFrameloft();
    template <class Window> void showOne(QPointer<Window> &window);

    Platform &m_platform;
    QPixmap m_background;
    QPointer<KBEd> m_kbEd;
    QPointer<MemoryEd> m_memoryEd;
    QPointer<Locs> m_locs;
    TestChatOpener *m_testChat = nullptr;
};
