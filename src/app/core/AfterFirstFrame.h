// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

// Runs a piece of start-up work once the program's first window has drawn its
// first picture, so that the window does not wait for it; also when no window
// is drawn within a second of the event loop's start (a program started
// minimised).
class AfterFirstFrame : public QObject
{
public:
    // Owned by the application object; deletes itself once the work ran.
    static void run(std::function<void()> work);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit AfterFirstFrame(std::function<void()> work);
    void runOnce();

    std::function<void()> m_work;
    bool m_queued = false;
};
