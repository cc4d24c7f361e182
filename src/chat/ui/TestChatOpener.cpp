// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestChatOpener.h"

#include "KBEd.h"
#include "MemoryEd.h"
#include "TestChat.h"
#include "TextArea.h"

#include <QCoreApplication>
#include <QMenu>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <utility>

namespace {

const QList<QKeySequence> &keys()
{
    static const QList<QKeySequence> list = {QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_T)};
    return list;
}

} // namespace

TestChatOpener::TestChatOpener(Platform &platform, QWidget *launcher, OpenFile openFile)
    : QObject(launcher), m_platform(platform), m_launcher(launcher), m_openFile(std::move(openFile))
{
    addKeys(launcher);
}

void TestChatOpener::addKeys(QWidget *window)
{
    for (const QKeySequence &key : keys()) {
        auto *shortcut = new QShortcut(key, window);
        connect(shortcut, &QShortcut::activated, this, [this, window] { open(window); });
    }
}

void TestChatOpener::addMenuEntry(QWidget *window)
{
    auto *area = window->findChild<TextArea *>(QStringLiteral("RichTextBox1"));
    if (!area)
        return;
    area->addMenuExtension([this, window](QMenu &menu, const QPoint &) {
        menu.addSeparator();
        QAction *action = menu.addAction(tr("Test Chat..."));
        action->setShortcut(keys().constFirst());
        connect(action, &QAction::triggered, this, [this, window] { open(window); });
    });
}

void TestChatOpener::follow(MemoryEd *memoryEd)
{
    m_memoryEd = memoryEd;
    addKeys(memoryEd);
    addMenuEntry(memoryEd);
    connect(memoryEd, &QObject::destroyed, this, &TestChatOpener::editorsChanged, Qt::QueuedConnection);
    editorsChanged();
}

void TestChatOpener::follow(KBEd *kbEd)
{
    m_kbEd = kbEd;
    addKeys(kbEd);
    addMenuEntry(kbEd);
    connect(kbEd, &QObject::destroyed, this, &TestChatOpener::editorsChanged, Qt::QueuedConnection);
    editorsChanged();
}

void TestChatOpener::editorsChanged()
{
    if (m_window)
        m_window->setEditors(m_memoryEd, m_kbEd);
}

void TestChatOpener::open(QWidget *from)
{
    if (!m_window) {
        m_window = new TestChat(m_platform);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, m_window, &QObject::deleteLater);
        m_window->setFileOpener(m_openFile);
        m_window->setEditors(m_memoryEd, m_kbEd);
        connect(m_window, &EditorWindow::launcherRequested, this, [this] {
            m_launcher->setWindowState(m_launcher->windowState() & ~Qt::WindowMinimized);
            m_launcher->show();
            m_launcher->raise();
            m_launcher->activateWindow();
        });
        // Beside the window it was opened from, so both stay in view, as
        // far as the screen allows.
        const QRect beside = from->frameGeometry();
        QPoint at(beside.right() + 8, beside.top());
        if (const QScreen *screen = from->screen()) {
            const QRect room = screen->availableGeometry();
            at.setX(
                std::max(room.left(), std::min(at.x(), room.right() - m_window->frameGeometry().width())));
            at.setY(
                std::max(room.top(), std::min(at.y(), room.bottom() - m_window->frameGeometry().height())));
        }
        m_window->move(at);
    }
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

TestChat *TestChatOpener::window() const
{
    return m_window;
}
