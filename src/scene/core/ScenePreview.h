#pragma once

#include "ScenePictures.h"
#include "SceneRecord.h"
#include "TalkSchedule.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>

#include <array>
#include <functional>

// The scene as the playing program shows it, moving: the background holder's
// picture (the alternative background while it is swapped in), then every
// part that is in the scene, in part order, each copied as composeScene
// copies it. Three animations can run over it:
// - talking: the mouths (the Zumi mouth, and the user mouth when it is in the
//   scene) are drawn for the first half of every syllable and left out for
//   the second, so the background's own closed mouth shows through; steadily,
//   or by a line of text given to say() (see TalkSchedule), after which they
//   rest closed;
// - blinking: the blink parts are drawn for BlinkMs at random gaps of
//   BlinkGapMinMs to BlinkGapMaxMs, and left out in between;
// - the strip: the miscellaneous part's picture is a horizontal strip of
//   `Frames` equal frames, shown one after another, `Speed` milliseconds
//   each; a run is followed by `Delay` seconds of its first frame, and in each
//   whole second of that wait a run starts early with a chance of one in
//   `Rndm`.
// An animation that is switched off leaves its parts drawn steadily, as
// composeScene draws them.
//
// The four strip readings are the preview's own: they follow the scene's
// texts until the user sets one, and they never change the scene. They are
// read as the playing program reads the scene file: up to a ";", an empty text
// as the writer's substitute. A reading that is not a whole number, or that
// leaves no frame to show, stops the strip: the picture is drawn whole and
// still, and note() says why.
//
// Time is given by the caller, in milliseconds; nothing here runs by itself.
// Every call that can change the picture returns the region that changed, so
// a window repaints just that; only the parts whose look changed are composed
// again.
class ScenePreview
{
public:
    enum Animation { Talking = 0, Blinking, Strip };
    static constexpr int AnimationCount = 3;
    // The strip readings, in the order of SceneEditor::AnimationText.
    enum Reading { Frames = 0, Speed, Rndm, Delay };
    static constexpr int ReadingCount = 4;

    static constexpr int SyllableMs = 200; // the mouth is drawn for the first half
    static constexpr int BlinkMs = 150;
    static constexpr int BlinkGapMinMs = 2000; // from one blink's start to the next
    static constexpr int BlinkGapMaxMs = 6000;
    // The pace of every animation, in per cent of real time.
    static constexpr int SlowestPace = 25;
    static constexpr int FastestPace = 400;

    // A uniformly distributed number in [0, bound), bound >= 1.
    using RandomSource = std::function<quint32(quint32 bound)>;

    // Blinks and early runs draw from separate sources, so the schedule of one
    // never depends on how often the other was looked at. Sources not given
    // are seeded generators: every preview runs the same schedule.
    explicit ScenePreview(RandomSource blinks = RandomSource(), RandomSource runs = RandomSource());

    // The scene to show. Returns the region whose pixels changed.
    QRegion setScene(const SceneRecord &record, const ScenePictures &pictures);

    // Lets the animations run up to wall-clock time ms. An earlier time than
    // the last one is taken as no time passed.
    QRegion advanceTo(qint64 ms);
    // The wall-clock time at which the picture next changes by itself, or -1
    // when it never will (no animation running over a part that is drawn).
    qint64 nextChangeAt() const;

    // Switching Talking off or on forgets a text given to say(): on again, the
    // mouths talk steadily.
    QRegion setAnimation(Animation animation, bool on);
    bool animation(Animation animation) const { return m_animations[size_t(animation)]; }
    // From now on the animations run at percent of real time, clamped to
    // SlowestPace..FastestPace.
    void setPace(int percent);
    int pace() const { return m_pace; }

    // The user's own reading: from now on it no longer follows the scene.
    QRegion setReading(Reading reading, const QString &text);
    const QString &reading(Reading reading) const { return m_readings[size_t(reading)]; }
    bool ownsReading(Reading reading) const { return m_own[size_t(reading)]; }

    // From the current animation time the mouths talk by text, one syllable
    // every SyllableMs (at the pace in force, like every animation), and then
    // rest closed until the next say() or a switch of Talking. Switches
    // Talking on. A text without syllables closes the mouths at once. Returns
    // the region whose pixels changed.
    QRegion say(const QString &text);
    // While the text given to say() still moves the mouths: false from its
    // last closing on.
    bool saying() const;

    // Why the strip stands still although its animation is on; empty otherwise.
    const QString &note() const { return m_note; }

    // What is drawn now: 700 x 500, RGB32.
    const QImage &frame() const { return m_frame; }
    // The strip frame drawn now, from 0; -1 while the whole picture is drawn.
    int stripFrame() const;
    // The animation time, milliseconds since the start at the pace in force.
    qint64 animationTime() const { return m_clock / 100; }

private:
    // The strip's timing as read; valid() when it can run.
    struct StripTiming
    {
        int frames = 0;
        qint64 speedMs = 0;
        qint64 delayMs = 0;
        qint64 rndm = 0; // 0: runs never start early
        QString problem; // why the strip cannot run, when it was read
        bool valid() const { return problem.isEmpty() && frames > 0 && speedMs > 0; }
        bool operator==(const StripTiming &o) const
        {
            return frames == o.frames && speedMs == o.speedMs && delayMs == o.delayMs && rndm == o.rndm &&
                   problem == o.problem;
        }
    };

    // One part as drawn: where its pixels come from and where they go, both
    // clipped; shown is false when no pixel of it is drawn.
    struct Layer
    {
        QImage source;
        QPoint from;
        QRect to;
        bool shown = false;
        bool sameLook(const Layer &o) const;
    };

    StripTiming readStripTiming() const;
    void timingChanged();
    void catchUp(qint64 t);
    qint64 nextRunAfter(qint64 start);
    bool partDrawnNow(int id) const;
    int stripFrameAt(qint64 t) const;
    Layer layerFor(int id) const;
    QRegion refresh(bool everything);
    void compose(const QRect &area);
    void updateNote();

    RandomSource m_blinkRandom;
    RandomSource m_runRandom;

    SceneRecord m_record;
    ScenePictures m_pictures;
    QImage m_background;                            // RGB32
    std::array<QImage, ScenePart::Count> m_sources; // RGB32
    std::array<Layer, ScenePart::Count> m_layers;
    QImage m_frame;

    std::array<bool, AnimationCount> m_animations{{true, true, true}};
    int m_pace = 100;
    qint64 m_wall = 0;  // the last wall-clock time given
    qint64 m_clock = 0; // animation time in hundredths of a millisecond

    std::array<QString, ReadingCount> m_readings;
    std::array<bool, ReadingCount> m_own{};
    StripTiming m_timing;
    bool m_timingRead = false;
    std::array<QString, ReadingCount> m_readFrom; // the readings m_timing was read from
    int m_readWidth = 0;                          // and the strip's width
    QString m_note;

    // Schedules, in animation milliseconds.
    qint64 m_blinkStart;
    qint64 m_nextBlink;
    qint64 m_runStart = 0;
    qint64 m_nextRun = 0;
    // What say() was given, from m_talkStart on; m_talkStart is -1 while the
    // mouths talk steadily.
    TalkSchedule m_talk;
    qint64 m_talkStart = -1;
};
