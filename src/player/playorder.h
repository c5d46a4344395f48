#pragma once

#include <QList>

#include <functional>

namespace klangtruhe {

class RandomSource;

// Which track comes next. Track numbers are those of `AktuellerTrack`:
// 0-based in the track list, 1-based item numbers in the playlist.
struct TrackChoice {
    enum class Kind {
        Take,        // play `track`
        EndOfList,   // nothing more to play: Stop
        Nothing      // no track to go to (no checked item, empty list): start nothing
    };
    Kind kind = Kind::EndOfList;
    int track = 0;

    static TrackChoice take(int track) { return {Kind::Take, track}; }
    static TrackChoice endOfList() { return {Kind::EndOfList, 0}; }
    static TrackChoice nothing() { return {Kind::Nothing, 0}; }
    bool taken() const { return kind == Kind::Take; }
    bool operator==(const TrackChoice &other) const { return kind == other.kind && track == other.track; }
};

// Marks are passed as lists: `marked.at(i)` is track i of the track list;
// `checked.at(i)` is playlist item i + 1. `trackGespielt` is the player's
// array of played marks (track list: 0 .. tracks − 1; playlist: 0 .. items,
// element 0 unused) and is updated in place.

// --- Sequencing tick ---

// Track list in order: the next index, 0 after the last with Repeat.
TrackChoice nextTrackInOrder(int aktuellerTrack, int trackCount, bool repeat);

// Track list at random: a candidate 1 .. tracks − 1 (index 0 is never drawn),
// else the first unplayed track; when all have played the marks start afresh.
TrackChoice nextRandomTrack(QList<int> &trackGespielt, int trackCount, bool repeat, RandomSource &random,
                            double timeOfDay);

// Playlist in order over the checked items.
TrackChoice nextPlaylistItemInOrder(int aktuellerTrack, const QList<bool> &checked, bool repeat);

// Playlist at random over checked items not played yet. The shuffle's
// playlist source makes the same choice.
TrackChoice nextRandomPlaylistItem(QList<int> &trackGespielt, const QList<bool> &checked, bool repeat,
                                   RandomSource &random, double timeOfDay);

// A choice of the track list whose entry is on an exclusion list is replaced
// by the next choice. An excluded entry would reject every choice for ever
// with Repeat on, so after `limit` rejections the list ends.
TrackChoice chooseAllowed(const std::function<TrackChoice()> &choose,
                          const std::function<bool()> &currentEntryExcluded, int limit);
// Enough rejections to try every track of the entry once and, in shuffle
// mode, to use up the songs of the current entry.
int exclusionRetryLimit(int trackCount, int songsPerEntry);

// --- Start with chkMarkTracks on ---

// The first marked track from `aktuellerTrack` on. EndOfList: Stop unless
// Repeat, AktuellerTrack = 0, nothing plays.
TrackChoice markedTrackForStart(int aktuellerTrack, const QList<bool> &marked);
// The first checked item from `aktuellerTrack` (0 counts as 1) on. EndOfList:
// Stop unless Repeat, AktuellerTrack = 1, nothing plays.
TrackChoice checkedItemForStart(int aktuellerTrack, const QList<bool> &checked);

// --- Back and Forward of the main window ---

// With chkMarkTracks on Back goes to the previous marked track (none: stays).
TrackChoice backInTrackList(int aktuellerTrack, const QList<bool> &marked, bool markTracks);
// Also the mini player's step forward. Start then moves on to a marked track itself.
TrackChoice forwardInTrackList(int aktuellerTrack, int trackCount);
// The previous checked item, round to the last; Nothing when no item is checked.
TrackChoice backInPlaylist(int aktuellerTrack, const QList<bool> &checked);
// The next checked item, round to the first; Nothing when no item is checked.
TrackChoice forwardInPlaylist(int aktuellerTrack, const QList<bool> &checked);

// --- Step back / step forward of the mini player ---

// Marked tracks play no part here.
TrackChoice stepBackInTrackList(int aktuellerTrack, int trackCount);
// Item 1 steps back to the last item, checked or not; else as backInPlaylist.
TrackChoice stepBackInPlaylist(int aktuellerTrack, const QList<bool> &checked);
// The last item steps forward to item 1, checked or not; else as forwardInPlaylist.
TrackChoice stepForwardInPlaylist(int aktuellerTrack, const QList<bool> &checked);

} // namespace klangtruhe
