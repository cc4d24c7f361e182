#pragma once

#include <QString>

#include <vector>

// When a talking mouth is drawn while a line of text is spoken: the one
// schedule behind both the scene preview's "Say:" line and the chat window's
// face, so the two always move alike.
//
// Every syllable takes one syllable time: the mouth part is drawn (the mouth
// is open) for its first half and left out (the background's closed mouth
// shows) for its second half. Syllables follow one another at that steady
// rate. Between two syllables, punctuation holds the mouth closed for longer:
// - a short pause of ShortPauseSyllables syllable times at ",", ";", ":" and
//   a line break;
// - a long pause of LongPauseSyllables syllable times at ".", "!", "?", "..."
//   and the ellipsis character.
// Several marks in a row make one pause, the longest of them ("?!", ", ...").
// A mark between two letters or digits is part of the word ("3.5", "e.g",
// "1,000") and no pause. Marks before the first syllable wait for
// nothing, and after the last syllable the mouth simply rests closed.
//
// Syllables are counted the way one reads aloud, roughly: in each word (a run
// of letters and digits, with apostrophes inside it), every group of vowels
// is one syllable ("a e i o u", accented ones too, and "y" except where it
// starts the word or comes before a vowel, "yes", "player"); a silent final
// "e" is not counted ("make", "they're", but "table", "the"); a word without
// vowels ("hmm", "Mr") is one syllable, and every digit is one.
//
// Times are in milliseconds from the start of the text, on whatever clock the
// caller keeps (the preview's runs at its pace).
class TalkSchedule
{
public:
    static constexpr int ShortPauseSyllables = 2;
    static constexpr int LongPauseSyllables = 4;

    // Nothing to say: the mouth is never drawn, and the duration is 0.
    TalkSchedule() = default;
    // text spoken at syllableMs per syllable (at least 2, so both halves last).
    TalkSchedule(const QString &text, int syllableMs);

    // Whether the mouth part is drawn at time t. False before 0 and from
    // duration() on.
    bool mouthDrawnAt(qint64 t) const;
    // The first time after t at which mouthDrawnAt changes, or -1 when it
    // never does again.
    qint64 nextChangeAfter(qint64 t) const;
    // From the start to the end of the last syllable (its closed half
    // included); 0 for a text without syllables.
    qint64 duration() const { return m_duration; }
    int syllables() const { return int(m_changes.size() / 2); }
    int syllableMs() const { return m_syllableMs; }

    bool operator==(const TalkSchedule &o) const
    {
        return m_syllableMs == o.m_syllableMs && m_changes == o.m_changes && m_duration == o.m_duration;
    }

private:
    int m_syllableMs = 0;
    // The times the mouth opens and closes, in turn: open from m_changes[2k]
    // up to m_changes[2k + 1].
    std::vector<qint64> m_changes;
    qint64 m_duration = 0;
};
