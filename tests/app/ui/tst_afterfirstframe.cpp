// SPDX-License-Identifier: GPL-3.0-or-later
#include "AfterFirstFrame.h"

#include <QApplication>
#include <QThread>
#include <QWidget>
#include <QtTest>

namespace {

// A window that notes whether the deferred work had run when it was first drawn.
class Window : public QWidget
{
public:
    explicit Window(const bool &workRan) : m_workRan(workRan) { resize(200, 100); }
    bool painted = false;
    bool workRanBeforePaint = false;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!painted)
            workRanBeforePaint = m_workRan;
        painted = true;
    }

private:
    const bool &m_workRan;
};

} // namespace

// Start-up work deferred until the first window has drawn its first picture.
class TestAfterFirstFrame : public QObject
{
    Q_OBJECT
private slots:
    void waitsForTheFirstPaintOfASlowWindow();
    void runsWithoutAWindow();
};

// Building the window took longer than the fallback's second: the work still
// waits for the window's first picture.
void TestAfterFirstFrame::waitsForTheFirstPaintOfASlowWindow()
{
    bool workRan = false;
    AfterFirstFrame::run([&workRan] { workRan = true; });
    QThread::msleep(1200);
    Window window(workRan);
    window.show();
    QVERIFY(QTest::qWaitFor([&] { return workRan; }, 5000));
    QVERIFY(window.painted);
    QVERIFY(!window.workRanBeforePaint);
}

// A program whose window is never drawn (started minimised) still does the work.
void TestAfterFirstFrame::runsWithoutAWindow()
{
    bool workRan = false;
    AfterFirstFrame::run([&workRan] { workRan = true; });
    QVERIFY(QTest::qWaitFor([&] { return workRan; }, 5000));
}

QTEST_MAIN(TestAfterFirstFrame)
#include "tst_afterfirstframe.moc"
