#pragma once

#include "player/playmodes.h"
#include "player/playorder.h"
#include "player/sequencerhost.h"
#include "player/shufflecontrol.h"

namespace klangtruhe {

class Program;
class RandomSource;

// The main window's Timer1: notices the end of a track, chooses the next one
// by the play-mode boxes, waits the pause between tracks and starts it (or
// stops at the end of the list). Also the boxes' click handling.
class PlaySequencer {
public:
    PlaySequencer(Program &program, SequencerHost &host, PlayerDialogs &dialogs, RandomSource &random,
                  SequencerClock clock = SequencerClock::real());

    // One tick of Timer1 (interval 1000 ms).
    void Timer1_Timer();

    // A click that left `which` at `newValue`: the interlocks and what
    // follows them (Timer1 off, the questions, Stop).
    void playModeClicked(PlayModeBox which, bool newValue);

    ShuffleControl &shuffle() { return m_shuffle; }

private:
    bool trackEnded(const PlayModes &modes) const;
    // Steps of the tick after the end was found. Returns the choice; Nothing
    // ends the tick without Start or Stop.
    TrackChoice nextFromTrackList(const PlayModes &modes);
    TrackChoice nextFromPlaylist(const PlayModes &modes);
    bool currentEntryExcluded() const;
    void pauseBetweenTracks();
    void endOfList();

    Program &m_program;
    SequencerHost &m_host;
    PlayerDialogs &m_dialogs;
    RandomSource &m_random;
    SequencerClock m_clock;
    ShuffleControl m_shuffle;
};

} // namespace klangtruhe
