// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class KBEd;
class MemoryEd;
class Platform;
class QWidget;
class TestChat;

// Opens the Test Chat: F5 or Ctrl+T in the launcher, the Personality Editor
// and the Knowledge Base Editor, and "Test Chat..." in their text areas'
// context menus. One window at a time, placed beside the window that first
// opened it. Ctrl+L in it brings the launcher back, and a click on a reply's
// source opens the file in its editor the way the launcher opens files.
class TestChatOpener : public QObject
{
    Q_OBJECT
public:
    using OpenFile = std::function<void(const QString &file)>;
    TestChatOpener(Platform &platform, QWidget *launcher, OpenFile openFile);

    // An editor window as it is created.
    void follow(MemoryEd *memoryEd);
    void follow(KBEd *kbEd);

    void open(QWidget *from);
    TestChat *window() const;

private:
    void addKeys(QWidget *window);
    void addMenuEntry(QWidget *window);
    void editorsChanged();

    Platform &m_platform;
    QWidget *m_launcher;
    OpenFile m_openFile;
    QPointer<MemoryEd> m_memoryEd;
    QPointer<KBEd> m_kbEd;
    QPointer<TestChat> m_window;
};
