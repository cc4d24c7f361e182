// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class KBEd;
class MemoryEd;
class Platform;
class QWidget;
class TestChat;

// Opens the Test Chat: F5 or Ctrl+T in the launcher, the Personality Editor
// and the Knowledge Base Editor, and "Test Chat..." in their text areas'
// context menus. One window at a time, placed beside the window that first
// opened it.
class TestChatOpener : public QObject
{
    Q_OBJECT
public:
    TestChatOpener(Platform &platform, QWidget *launcher);

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
    QPointer<MemoryEd> m_memoryEd;
    QPointer<KBEd> m_kbEd;
    QPointer<TestChat> m_window;
};
