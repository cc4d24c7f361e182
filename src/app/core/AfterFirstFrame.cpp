// SPDX-License-Identifier: GPL-3.0-or-later
#include "AfterFirstFrame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <utility>

void AfterFirstFrame::run(std::function<void()> work)
{
    new AfterFirstFrame(std::move(work));
}

AfterFirstFrame::AfterFirstFrame(std::function<void()> work)
    : QObject(QCoreApplication::instance()), m_work(std::move(work))
{
    QCoreApplication::instance()->installEventFilter(this);
    QTimer::singleShot(1000, this, &AfterFirstFrame::runOnce);
}

bool AfterFirstFrame::eventFilter(QObject *watched, QEvent *event)
{
    // A window draws its first picture while it handles its first expose; the
    // work is queued behind that.
    if (!m_queued && event->type() == QEvent::Expose && watched->isWindowType() &&
        static_cast<QWindow *>(watched)->isExposed()) {
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
