#include "player/playorder.h"

#include "player/playorderrandom.h"

namespace klangtruhe {

namespace {

bool isChecked(const QList<bool> &checked, int item)
{
    return item >= 1 && item <= checked.size() && checked.at(item - 1);
}

// First checked item in from..to (upwards when from <= to, else downwards), or 0.
int firstChecked(const QList<bool> &checked, int from, int to)
{
    const int step = from <= to ? 1 : -1;
    for (int item = from;; item += step) {
        if (isChecked(checked, item))
            return item;
        if (item == to)
            return 0;
    }
}

bool unplayed(const QList<int> &trackGespielt, int index)
{
    return index >= 0 && index < trackGespielt.size() && trackGespielt.at(index) == 0;
}

TrackChoice takeAndMark(QList<int> &trackGespielt, int index)
{
    if (index >= 0 && index < trackGespielt.size())
        trackGespielt[index] = 1;
    return TrackChoice::take(index);
}

} // namespace

TrackChoice nextTrackInOrder(int aktuellerTrack, int trackCount, bool repeat)
{
    if (aktuellerTrack >= trackCount - 1)
        return repeat ? TrackChoice::take(0) : TrackChoice::endOfList();
    return TrackChoice::take(aktuellerTrack + 1);
}

TrackChoice nextRandomTrack(QList<int> &trackGespielt, int trackCount, bool repeat, RandomSource &random,
                            double timeOfDay)
{
    random.reseed(timeOfDay);
    const float r = static_cast<float>(random.next());
    // Single precision on purpose: the candidates are computed so, and must stay so.
    // An r that rounds up to 1.0f gives the number of tracks, which is no
    // track: the scan below then finds one.
    const int candidate = static_cast<int>(static_cast<float>(trackCount - 1) * r + 1.0f);
    if (unplayed(trackGespielt, candidate))
        return takeAndMark(trackGespielt, candidate);
    for (int index = 0; index < trackGespielt.size(); ++index) {
        if (trackGespielt.at(index) == 0)
            return takeAndMark(trackGespielt, index);
    }
    trackGespielt.fill(0);
    return repeat ? TrackChoice::take(0) : TrackChoice::endOfList();
}

TrackChoice nextPlaylistItemInOrder(int aktuellerTrack, const QList<bool> &checked, bool repeat)
{
    const int count = static_cast<int>(checked.size());
    int item = aktuellerTrack == 0 ? 1 : aktuellerTrack;
    if (item >= count) {
        if (!repeat)
            return TrackChoice::endOfList();
        // The caller selects item 1 here even when a later item was taken.
        const int found = count > 0 ? firstChecked(checked, 1, count) : 0;
        return TrackChoice::take(found > 0 ? found : 1);
    }
    item += 1;
    int found = firstChecked(checked, item, count);
    if (found > 0)
        return TrackChoice::take(found);
    if (!repeat)
        return TrackChoice::endOfList();
    found = firstChecked(checked, 1, count);
    return TrackChoice::take(found > 0 ? found : 1);
}

TrackChoice nextRandomPlaylistItem(QList<int> &trackGespielt, const QList<bool> &checked, bool repeat,
                                   RandomSource &random, double timeOfDay)
{
    const auto eligible = [&](int item) { return isChecked(checked, item) && unplayed(trackGespielt, item); };
    random.reseed(timeOfDay);
    const double r = random.next();
    const int candidate = static_cast<int>(r * (static_cast<double>(checked.size()) - 1.0) + 1.0);
    if (eligible(candidate))
        return takeAndMark(trackGespielt, candidate);
    for (int item = 1; item < trackGespielt.size(); ++item) {
        if (eligible(item))
            return takeAndMark(trackGespielt, item);
    }
    for (int item = 1; item < trackGespielt.size(); ++item)
        trackGespielt[item] = 0;
    return repeat ? takeAndMark(trackGespielt, 1) : TrackChoice::endOfList();
}

TrackChoice chooseAllowed(const std::function<TrackChoice()> &choose,
                          const std::function<bool()> &currentEntryExcluded, int limit)
{
    for (int rejections = 0; rejections <= limit; ++rejections) {
        const TrackChoice choice = choose();
        if (!choice.taken() || !currentEntryExcluded())
            return choice;
    }
    return TrackChoice::endOfList();
}

int exclusionRetryLimit(int trackCount, int songsPerEntry)
{
    return (trackCount > 0 ? trackCount : 0) + (songsPerEntry > 0 ? songsPerEntry : 0) + 1;
}

TrackChoice markedTrackForStart(int aktuellerTrack, const QList<bool> &marked)
{
    for (int index = aktuellerTrack < 0 ? 0 : aktuellerTrack; index < marked.size(); ++index) {
        if (marked.at(index))
            return TrackChoice::take(index);
    }
    return TrackChoice::endOfList();
}

TrackChoice checkedItemForStart(int aktuellerTrack, const QList<bool> &checked)
{
    const int count = static_cast<int>(checked.size());
    const int from = aktuellerTrack < 1 ? 1 : aktuellerTrack;
    const int found = from <= count ? firstChecked(checked, from, count) : 0;
    return found > 0 ? TrackChoice::take(found) : TrackChoice::endOfList();
}

TrackChoice backInTrackList(int aktuellerTrack, const QList<bool> &marked, bool markTracks)
{
    const int count = static_cast<int>(marked.size());
    if (count == 0)
        return TrackChoice::nothing();
    const auto lastMarkedFrom = [&](int from) {
        for (int index = from; index >= 0; --index) {
            if (index < count && marked.at(index))
                return index;
        }
        return -1;
    };
    if (aktuellerTrack > 0) {
        if (!markTracks)
            return TrackChoice::take(aktuellerTrack - 1);
        const int found = lastMarkedFrom(aktuellerTrack - 1);
        return TrackChoice::take(found >= 0 ? found : aktuellerTrack);
    }
    if (aktuellerTrack == 0) {
        if (!markTracks)
            return TrackChoice::take(count - 1);
        const int found = lastMarkedFrom(count - 1);
        return TrackChoice::take(found >= 0 ? found : 0);
    }
    return TrackChoice::take(aktuellerTrack);
}

TrackChoice forwardInTrackList(int aktuellerTrack, int trackCount)
{
    if (trackCount <= 0)
        return TrackChoice::nothing();
    return TrackChoice::take(aktuellerTrack >= trackCount - 1 ? 0 : aktuellerTrack + 1);
}

TrackChoice backInPlaylist(int aktuellerTrack, const QList<bool> &checked)
{
    const int count = static_cast<int>(checked.size());
    if (count == 0)
        return TrackChoice::nothing();
    int item = aktuellerTrack - 1;
    if (item < 1)
        item = count;
    // Two passes at most: from here down, then once from the last item down.
    int found = firstChecked(checked, item > count ? count : item, 1);
    if (found == 0)
        found = firstChecked(checked, count, 1);
    return found > 0 ? TrackChoice::take(found) : TrackChoice::nothing();
}

TrackChoice forwardInPlaylist(int aktuellerTrack, const QList<bool> &checked)
{
    const int count = static_cast<int>(checked.size());
    if (count == 0)
        return TrackChoice::nothing();
    int item = aktuellerTrack + 1;
    if (item > count || item < 1)
        item = 1;
    int found = firstChecked(checked, item, count);
    if (found == 0)
        found = firstChecked(checked, 1, count);
    return found > 0 ? TrackChoice::take(found) : TrackChoice::nothing();
}

TrackChoice stepBackInTrackList(int aktuellerTrack, int trackCount)
{
    if (trackCount <= 0)
        return TrackChoice::nothing();
    return TrackChoice::take(aktuellerTrack != 0 ? aktuellerTrack - 1 : trackCount - 1);
}

TrackChoice stepBackInPlaylist(int aktuellerTrack, const QList<bool> &checked)
{
    const int count = static_cast<int>(checked.size());
    if (count == 0)
        return TrackChoice::nothing();
    if (aktuellerTrack == 1)
        return TrackChoice::take(count);
    return backInPlaylist(aktuellerTrack, checked);
}

TrackChoice stepForwardInPlaylist(int aktuellerTrack, const QList<bool> &checked)
{
    const int count = static_cast<int>(checked.size());
    if (count == 0)
        return TrackChoice::nothing();
    if (aktuellerTrack == count)
        return TrackChoice::take(1);
    return forwardInPlaylist(aktuellerTrack, checked);
}

} // namespace klangtruhe
