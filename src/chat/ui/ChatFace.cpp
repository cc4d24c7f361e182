// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChatFace.h"

#include "SceneRender.h"

#include <QPainter>

#include <algorithm>

ChatFace::ChatFace(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picFace"));
    setAccessibleName(tr("The companion's face"));
    setMinimumSize(140, 100);
    m_clock.start();
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ChatFace::advance);
}

QString ChatFace::setScene(const QString &sceneText, const QString &programFolder)
{
    const SceneRender::Loaded loaded = SceneRender::load(sceneText, programFolder);
    if (!loaded.ok())
        return loaded.errors.join(QLatin1Char('\n'));
    m_preview.advanceTo(m_clock.elapsed());
    m_preview.setScene(loaded.scene, loaded.pictures);
    update();
    schedule();
    return QString();
}

void ChatFace::say(const QString &text)
{
    m_preview.advanceTo(m_clock.elapsed());
    m_preview.say(text);
    update();
    schedule();
}

void ChatFace::advance()
{
    if (!m_preview.advanceTo(m_clock.elapsed()).isEmpty())
        update();
    schedule();
}

void ChatFace::schedule()
{
    const qint64 due = m_preview.nextChangeAt();
    if (due < 0) {
        m_timer.stop();
        return;
    }
    // About 60 pictures a second at most, as a screen shows them.
    constexpr qint64 ShortestTick = 15;
    m_timer.start(int(std::clamp<qint64>(due - m_clock.elapsed(), ShortestTick, 24 * 3600 * 1000)));
}

void ChatFace::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QImage &frame = m_preview.frame();
    if (frame.isNull())
        return;
    QSize size = frame.size().scaled(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, frame);
}
