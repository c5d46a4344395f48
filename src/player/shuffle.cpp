#include "player/shuffle.h"

#include "player/playorderrandom.h"

namespace klangtruhe {

EntryChoice chooseShuffleEntry(int entryCount, int songsPerEntry, int songsAufTontraeger,
                               const std::function<RowExclusion(int row)> &exclusionOfRow,
                               RandomSource &random, double timeOfDay)
{
    if (entryCount <= 0)
        return {EntryChoice::Kind::NoEntries, 0, songsAufTontraeger};
    if (songsAufTontraeger < songsPerEntry)
        return {EntryChoice::Kind::SameEntry, 0, songsAufTontraeger + 1};

    random.reseed(-timeOfDay);
    int styleRejections = 0;
    int bandRejections = 0;
    for (;;) {
        int row = static_cast<int>(random.next() * entryCount + 1.0);
        if (row > entryCount) // r can round up to the row count in the product
            row = entryCount;
        switch (exclusionOfRow(row)) {
        case RowExclusion::Allowed:
            return {EntryChoice::Kind::NewEntry, row, 1};
        case RowExclusion::StyleRejected:
            if (++styleRejections >= entryCount)
                return {EntryChoice::Kind::StyleNotice, row, 1};
            break;
        case RowExclusion::BandRejected:
            if (++bandRejections >= entryCount)
                return {EntryChoice::Kind::BandNotice, row, 1};
            break;
        }
    }
}

int chooseShuffleSong(int fileCount, RandomSource &random, double timeOfDay)
{
    if (fileCount - 1 < 1)
        return -1;
    random.reseed(-timeOfDay);
    const float r = static_cast<float>(random.next());
    // Single precision, as the track draw; an r that rounds to 1.0f would
    // name a file past the last.
    const int song = static_cast<int>(static_cast<float>(fileCount - 1) * r + 1.0f);
    return song < fileCount ? song : fileCount - 1;
}

TrackChoice chooseShufflePlaylistItem(QList<int> &trackGespielt, const QList<bool> &checked, bool repeat,
                                      RandomSource &random, double timeOfDay)
{
    return nextRandomPlaylistItem(trackGespielt, checked, repeat, random, timeOfDay);
}

} // namespace klangtruhe
