// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScenePreview.h"

#include "CanvasPicture.h"
#include "SceneFile.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

namespace {

constexpr qint64 Never = std::numeric_limits<qint64>::max();
// The animation clock stops here (in hundredths, some 29 centuries): far
// enough for any preview left open, near enough that every time the
// schedules add to it stays a number.
constexpr qint64 LatestClock = std::numeric_limits<qint64>::max() / 1000;
// Schedules this far behind the clock start afresh at it instead of drawing
// every blink and run of the time between (a clock set forward by years).
constexpr qint64 LongGapMs = 3600 * 1000;

// A part lands on the canvas exactly as CanvasPicture::copyPicture puts it
// there (composeScene draws through it): each coordinate and size on the
// nearest whole pixel, halves up; nothing for a value that is not finite.
bool toPixel(float value, double *pixel)
{
    if (!std::isfinite(value))
        return false;
    *pixel = std::floor(double(value) + 0.5);
    return true;
}

qint64 toIndex(double pixel)
{
    constexpr double FarAway = 1099511627776.0; // 2^40: no sum of these overflows
    return qint64(std::clamp(pixel, -FarAway, FarAway));
}

QImage toRgb32(const QImage &image)
{
    if (image.isNull() || image.format() == QImage::Format_RGB32)
        return image;
    return image.convertToFormat(QImage::Format_RGB32);
}

ScenePreview::RandomSource seeded(quint32 seed)
{
    auto generator = std::make_shared<QRandomGenerator>(seed);
    return [generator](quint32 bound) { return generator->bounded(bound); };
}

// A text quoted in a note: a long one is cut, so the note stays one line or two.
QString quoted(const QString &text)
{
    constexpr qsizetype Longest = 24;
    return text.size() <= Longest ? text : text.left(Longest) + QStringLiteral("...");
}

// A reading as a whole number of at most `most`: digits only, with spaces
// around them; anything else is a problem, named with the reading's caption.
bool wholeNumber(const QString &caption, const QString &text, qint64 most, qint64 *value, QString *problem)
{
    const QString trimmed = text.trimmed();
    const bool digits = !trimmed.isEmpty() && std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!digits) {
        *problem = QStringLiteral("%1 \"%2\" is not a whole number").arg(caption, quoted(text));
        return false;
    }
    bool ok = false;
    const qint64 number = trimmed.toLongLong(&ok);
    if (!ok || number > most) {
        *problem = QStringLiteral("%1 %2 is more than %3").arg(caption, quoted(trimmed)).arg(most);
        return false;
    }
    *value = number;
    return true;
}

} // namespace

bool ScenePreview::Layer::sameLook(const Layer &o) const
{
    if (shown != o.shown)
        return false;
    return !shown || (source.cacheKey() == o.source.cacheKey() && from == o.from && to == o.to);
}

ScenePreview::ScenePreview(RandomSource blinks, RandomSource runs)
    : m_blinkRandom(blinks ? std::move(blinks) : seeded(0x0b11c4u)),
      m_runRandom(runs ? std::move(runs) : seeded(0x57a1f5u)), m_frame(CanvasPicture().image())
{
    m_readings = {m_record.MiscFrames, m_record.MiscSpeed, m_record.MiscRndm, m_record.MiscDelay};
    m_blinkStart = -qint64(BlinkMs);
    m_nextBlink = BlinkGapMinMs + qint64(m_blinkRandom(BlinkGapMaxMs - BlinkGapMinMs + 1));
    timingChanged();
}

// ---------------------------------------------------------------------------
// Inputs

QRegion ScenePreview::setScene(const SceneRecord &record, const ScenePictures &pictures)
{
    // Pictures are compared by identity: the editor's holders share their
    // pixels, so a picture that was not loaded again keeps its key, and its
    // part is composed again only where its place changed.
    bool everything = false;
    if (pictures.background.image.cacheKey() != m_pictures.background.image.cacheKey()) {
        m_background = toRgb32(pictures.background.image);
        everything = true;
    }
    for (size_t id = 0; id < m_sources.size(); ++id) {
        if (pictures.parts[id].image.cacheKey() != m_pictures.parts[id].image.cacheKey())
            m_sources[id] = toRgb32(pictures.parts[id].image);
    }
    m_record = record;
    m_pictures = pictures;
    const QString *texts[] = {&record.MiscFrames, &record.MiscSpeed, &record.MiscRndm, &record.MiscDelay};
    for (size_t i = 0; i < m_readings.size(); ++i) {
        if (!m_own[i])
            m_readings[i] = *texts[i];
    }
    timingChanged();
    return refresh(everything);
}

QRegion ScenePreview::advanceTo(qint64 ms)
{
    if (ms > m_wall) {
        // A far-future time stops the clock at its latest time instead of
        // wrapping it round to the past.
        qint64 step = 0;
        qint64 gain = 0;
        if (__builtin_sub_overflow(ms, m_wall, &step) ||
            __builtin_mul_overflow(step, qint64(m_pace), &gain) || gain > LatestClock - m_clock)
            m_clock = LatestClock;
        else
            m_clock += gain;
        m_wall = ms;
    }
    catchUp(animationTime());
    return refresh(false);
}

QRegion ScenePreview::setAnimation(Animation animation, bool on)
{
    if (animation == Talking && on != m_animations[Talking])
        m_talkStart = -1;
    m_animations[size_t(animation)] = on;
    updateNote();
    return refresh(false);
}

QRegion ScenePreview::say(const QString &text)
{
    m_animations[Talking] = true;
    m_talk = TalkSchedule(text, SyllableMs);
    m_talkStart = animationTime();
    return refresh(false);
}

bool ScenePreview::saying() const
{
    return m_talkStart >= 0 && m_talk.nextChangeAfter(animationTime() - m_talkStart) >= 0;
}

void ScenePreview::setPace(int percent)
{
    m_pace = std::clamp(percent, SlowestPace, FastestPace);
}

QRegion ScenePreview::setReading(Reading reading, const QString &text)
{
    m_own[size_t(reading)] = true;
    m_readings[size_t(reading)] = text;
    timingChanged();
    return refresh(false);
}

// ---------------------------------------------------------------------------
// Timing

// The readings as the playing program gets them: written into a scene file
// (which stores an empty text as its substitute) and read back from it (which
// ends a value at its first ";").
ScenePreview::StripTiming ScenePreview::readStripTiming() const
{
    SceneRecord written;
    written.part(ScenePart::Misc).on = true;
    written.MiscFrames = m_readings[Frames];
    written.MiscSpeed = m_readings[Speed];
    written.MiscRndm = m_readings[Rndm];
    written.MiscDelay = m_readings[Delay];
    const SceneFile::SceneContent stored = SceneFile::readScene(BuildSceneText(written));

    StripTiming timing;
    qint64 frames = 0, speed = 0, delay = 0, rndm = 0;
    if (!wholeNumber(QStringLiteral("Frames"), stored.miscFrames, 100000, &frames, &timing.problem) ||
        !wholeNumber(QStringLiteral("Speed"), stored.miscSpeed, 3600000, &speed, &timing.problem) ||
        !wholeNumber(QStringLiteral("Delay"), stored.miscDelay, 86400, &delay, &timing.problem) ||
        !wholeNumber(QStringLiteral("Rndm"), stored.miscRndm, std::numeric_limits<qint32>::max(), &rndm,
                     &timing.problem))
        return timing;
    const QImage &strip = m_sources[ScenePart::Misc];
    if (frames == 0)
        timing.problem = QStringLiteral("Frames is 0");
    else if (speed == 0)
        timing.problem = QStringLiteral("Speed is 0");
    else if (!strip.isNull() && frames > strip.width())
        timing.problem = QStringLiteral("%1 frames do not fit into a picture %2 pixels wide")
                             .arg(frames)
                             .arg(strip.width());
    timing.frames = int(frames);
    timing.speedMs = speed;
    timing.delayMs = delay * 1000;
    timing.rndm = rndm;
    return timing;
}

// New readings start a run at once, so the user sees what they do.
void ScenePreview::timingChanged()
{
    // Read again only when what it is read from changed (not at every step of a drag).
    const int stripWidth = m_sources[ScenePart::Misc].width();
    if (m_timingRead && m_readFrom == m_readings && m_readWidth == stripWidth) {
        updateNote();
        return;
    }
    m_timingRead = true;
    m_readFrom = m_readings;
    m_readWidth = stripWidth;
    const StripTiming timing = readStripTiming();
    if (!(timing == m_timing)) {
        m_timing = timing;
        if (m_timing.valid()) {
            m_runStart = animationTime();
            m_nextRun = nextRunAfter(m_runStart);
        }
    }
    updateNote();
}

// A run lasts Frames x Speed; then its first frame rests for Delay seconds, and
// at the end of each whole second of that rest the next run starts early with
// a chance of one in Rndm.
qint64 ScenePreview::nextRunAfter(qint64 start)
{
    const qint64 end = start + qint64(m_timing.frames) * m_timing.speedMs;
    if (m_timing.rndm > 0) {
        for (qint64 second = 1000; second < m_timing.delayMs; second += 1000) {
            if (m_runRandom(quint32(m_timing.rndm)) == 0)
                return end + second;
        }
    }
    return end + m_timing.delayMs;
}

// Brings the schedules up to animation time t, in the order they were drawn,
// so where they stand never depends on how often they were looked at.
void ScenePreview::catchUp(qint64 t)
{
    if (t - m_nextBlink > LongGapMs)
        m_nextBlink = t;
    while (m_nextBlink <= t) {
        m_blinkStart = m_nextBlink;
        m_nextBlink += BlinkGapMinMs + qint64(m_blinkRandom(BlinkGapMaxMs - BlinkGapMinMs + 1));
    }
    if (!m_timing.valid())
        return;
    // Without a chance of early runs the runs are periodic: skip the ones long gone.
    const qint64 period = qint64(m_timing.frames) * m_timing.speedMs + m_timing.delayMs;
    if ((m_timing.rndm == 0 || m_timing.delayMs <= 1000) && m_nextRun <= t) {
        m_runStart = m_nextRun + (t - m_nextRun) / period * period;
        m_nextRun = m_runStart + period;
    }
    if (t - m_nextRun > LongGapMs)
        m_nextRun = t;
    while (m_nextRun <= t) {
        m_runStart = m_nextRun;
        m_nextRun = nextRunAfter(m_runStart);
    }
}

int ScenePreview::stripFrameAt(qint64 t) const
{
    const qint64 k = (t - m_runStart) / m_timing.speedMs;
    return k < m_timing.frames ? int(k) : 0;
}

int ScenePreview::stripFrame() const
{
    if (!m_animations[Strip] || !m_timing.valid() || m_sources[ScenePart::Misc].isNull())
        return -1;
    return stripFrameAt(animationTime());
}

bool ScenePreview::partDrawnNow(int id) const
{
    const qint64 t = animationTime();
    switch (id) {
    case ScenePart::ZumiMouth:
    case ScenePart::UserMouth:
        if (!m_animations[Talking])
            return true;
        return m_talkStart >= 0 ? m_talk.mouthDrawnAt(t - m_talkStart) : t % SyllableMs < SyllableMs / 2;
    case ScenePart::ZumiBlink:
    case ScenePart::UserBlink:
        return !m_animations[Blinking] || (t >= m_blinkStart && t < m_blinkStart + BlinkMs);
    default:
        return true;
    }
}

qint64 ScenePreview::nextChangeAt() const
{
    auto drawable = [this](int id) { return m_record.inScene(id) && !m_sources[size_t(id)].isNull(); };
    const qint64 t = animationTime();
    qint64 due = Never;
    if (m_animations[Talking] && (drawable(ScenePart::ZumiMouth) || drawable(ScenePart::UserMouth))) {
        if (m_talkStart < 0) {
            const qint64 half = SyllableMs / 2;
            due = std::min(due, (t / half + 1) * half);
        } else if (const qint64 next = m_talk.nextChangeAfter(t - m_talkStart); next >= 0) {
            due = std::min(due, m_talkStart + next);
        }
    }
    if (m_animations[Blinking] && (drawable(ScenePart::ZumiBlink) || drawable(ScenePart::UserBlink)))
        due = std::min(due, t < m_blinkStart + BlinkMs ? m_blinkStart + BlinkMs : m_nextBlink);
    if (stripFrame() >= 0 && drawable(ScenePart::Misc) && m_timing.frames > 1) {
        const qint64 end = m_runStart + qint64(m_timing.frames) * m_timing.speedMs;
        // A run starts on the frame the rest shows: the first change is its second frame.
        const qint64 next = t < end
                                ? m_runStart + ((t - m_runStart) / m_timing.speedMs + 1) * m_timing.speedMs
                                : m_nextRun + m_timing.speedMs;
        due = std::min(due, next);
    }
    if (due == Never)
        return -1;
    // The wall-clock time at which the animation clock reaches due.
    const qint64 hundredths = std::max<qint64>(due * 100 - m_clock, 0);
    const qint64 wait = (hundredths + m_pace - 1) / m_pace;
    return wait > Never - m_wall ? Never : m_wall + wait;
}

void ScenePreview::updateNote()
{
    const bool stands = m_animations[Strip] && m_record.inScene(ScenePart::Misc) &&
                        !m_sources[ScenePart::Misc].isNull() && !m_timing.valid();
    m_note =
        stands ? QStringLiteral("Misc. Part is shown whole and still: %1.").arg(m_timing.problem) : QString();
}

// ---------------------------------------------------------------------------
// Drawing

ScenePreview::Layer ScenePreview::layerFor(int id) const
{
    Layer layer;
    const QImage &source = m_sources[size_t(id)];
    if (!m_record.inScene(id) || source.isNull() || !partDrawnNow(id))
        return layer;
    qint64 sourceLeft = 0;
    qint64 sourceWidth = source.width();
    if (id == ScenePart::Misc) {
        const int k = stripFrame();
        if (k >= 0) {
            sourceWidth = source.width() / m_timing.frames;
            sourceLeft = k * sourceWidth;
        }
    }
    const SceneRecord::Part &part = m_record.part(id);
    double left, top, width, height;
    if (!toPixel(part.x, &left) || !toPixel(part.y, &top) || !toPixel(part.w, &width) ||
        !toPixel(part.h, &height))
        return layer;
    // The stored size may reach past the picture (or the frame): only its own
    // pixels are drawn, as on the canvas.
    const qint64 x = toIndex(left);
    const qint64 y = toIndex(top);
    const qint64 right =
        std::min<qint64>(x + std::min<qint64>(toIndex(width), sourceWidth), CanvasPicture::Width);
    const qint64 bottom =
        std::min<qint64>(y + std::min<qint64>(toIndex(height), source.height()), CanvasPicture::Height);
    const qint64 clippedLeft = std::max<qint64>(x, 0);
    const qint64 clippedTop = std::max<qint64>(y, 0);
    if (right <= clippedLeft || bottom <= clippedTop)
        return layer;
    layer.source = source;
    layer.from = QPoint(int(sourceLeft + clippedLeft - x), int(clippedTop - y));
    layer.to = QRect(int(clippedLeft), int(clippedTop), int(right - clippedLeft), int(bottom - clippedTop));
    layer.shown = true;
    return layer;
}

// Works out how each part looks now; where a part's look changed, the
// places it left and took are composed again.
QRegion ScenePreview::refresh(bool everything)
{
    QRegion dirty;
    for (size_t id = 0; id < m_layers.size(); ++id) {
        Layer next = layerFor(int(id));
        if (everything || !next.sameLook(m_layers[id])) {
            if (m_layers[id].shown)
                dirty += m_layers[id].to;
            if (next.shown)
                dirty += next.to;
        }
        m_layers[id] = std::move(next);
    }
    if (everything)
        dirty = QRegion(m_frame.rect());
    for (const QRect &area : dirty)
        compose(area);
    return dirty;
}

namespace {

void blit(QImage &to, const QImage &from, QPoint fromCorner, const QRect &area)
{
    const size_t bytes = size_t(area.width()) * sizeof(QRgb);
    for (int row = 0; row < area.height(); ++row) {
        const auto *source =
            reinterpret_cast<const QRgb *>(from.constScanLine(fromCorner.y() + row)) + fromCorner.x();
        auto *target = reinterpret_cast<QRgb *>(to.scanLine(area.top() + row)) + area.left();
        std::memcpy(target, source, bytes);
    }
}

} // namespace

void ScenePreview::compose(const QRect &area)
{
    const QRgb plain = CanvasPicture::plainColour().rgb();
    for (int row = area.top(); row <= area.bottom(); ++row) {
        auto *line = reinterpret_cast<QRgb *>(m_frame.scanLine(row));
        std::fill(line + area.left(), line + area.left() + area.width(), plain);
    }
    const QRect background = m_background.rect() & m_frame.rect() & area;
    if (!background.isEmpty())
        blit(m_frame, m_background, background.topLeft(), background);
    for (const Layer &layer : m_layers) {
        const QRect part = layer.to & area;
        if (!layer.shown || part.isEmpty())
            continue;
        blit(m_frame, layer.source, layer.from + (part.topLeft() - layer.to.topLeft()), part);
    }
}
