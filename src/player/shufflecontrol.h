#pragma once

#include "player/sequencerhost.h"

namespace klangtruhe {

class Program;
class RandomSource;

// Shuffle across the catalogue: TontraegerZufaellig, the random song button
// and switching chkShuffle on and off.
class ShuffleControl {
public:
    // What one choice did; the sequencing tick goes on according to it.
    enum class Outcome {
        Unchanged,     // empty selection
        Song,          // a song of the same or a new entry is AktuellerTrack
        PlaylistItem,  // a playlist item is AktuellerTrack
        StyleNotice,   // only excluded styles drawn: StilAusgeschlossen, Timer1 off
        BandNotice,    // only excluded bands drawn
        Stopped        // playlist marks used up without Repeat: stopped
    };

    ShuffleControl(Program &program, SequencerHost &host, PlayerDialogs &dialogs, RandomSource &random,
                   SequencerClock clock);

    // Moves the catalogue to a random entry (or stays on the current one for
    // its next song) and sets AktuellerTrack; in playlist mode picks an item
    // and starts it when something plays.
    void TontraegerZufaellig() { choose(true); }
    // The same; `startPlaylistItem` false leaves the start to the caller.
    Outcome choose(bool startPlaylistItem);

    void imgLiedzufall_Click();

    // After the interlocks of the check boxes.
    void chkShuffleSwitchedOn();
    void chkShuffleSwitchedOff();

    // Songs played from the current entry. Starts at the setting so that the
    // first choice draws a new entry.
    int SongsAufTontraeger = 1;

    // The style notice that blocks shuffling while StilAusgeschlossen is set.
    void styleNotice(const QString &title);

private:
    Outcome choosePlaylistItem(bool startPlaylistItem);

    Program &m_program;
    SequencerHost &m_host;
    PlayerDialogs &m_dialogs;
    RandomSource &m_random;
    SequencerClock m_clock;
};

// The rounded number of songs per entry from setting "ShuffleSongProCD".
int songsPerEntry(Program &program);

} // namespace klangtruhe
