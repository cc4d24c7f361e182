// SPDX-License-Identifier: GPL-3.0-or-later
#include "AfterFirstFrame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <utility>

void AfterFirstFrame::run(std::function<void()> work)
{
    new AfterFirstFrame(std::move(work));
}

AfterFirstFrame::AfterFirstFrame(std::function<void()> work)
    : QObject(QCoreApplication::instance()), m_work(std::move(work))
{
    QCoreApplication::instance()->installEventFilter(this);
    // The second is counted from the start of the event loop: building the
    // first window can itself take a second on a busy machine, and the work
    // must not then be done before that window's first picture.
    QTimer::singleShot(0, this, [this] { QTimer::singleShot(1000, this, &AfterFirstFrame::runOnce); });
}

bool AfterFirstFrame::eventFilter(QObject *, QEvent *event)
{
    // A window's first expose only asks for its first picture, which is drawn
    // and put on the screen later; the work waits for the first paint, and is
    // queued behind the screen update that paint belongs to.
    if (!m_queued && event->type() == QEvent::Paint) {
        m_queued = true;
        QTimer::singleShot(0, this, &AfterFirstFrame::runOnce);
    }
    return false;
}

void AfterFirstFrame::runOnce()
{
    if (!m_work)
        return;
    QCoreApplication::instance()->removeEventFilter(this);
    std::exchange(m_work, nullptr)();
    deleteLater();
}
