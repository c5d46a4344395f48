#include "texts/songlistsize.h"

#include <algorithm>

namespace klangtruhe {

SongListPlacement songListPlacement(bool enlarged)
{
    if (enlarged)
        return {660, 4860, 405, 405, false};
    return {3735, 1790, 3480, 3480, true};
}

SongListPlacement clearOfFields(SongListPlacement place, int fieldsBottom)
{
    constexpr int leastHeight = 900;
    const int shift = fieldsBottom - place.buttonsTop;
    if (!place.bandAndDateShown || shift <= 0)
        return place; // enlarged, the list lies over the fields on purpose
    place.buttonsTop += shift;
    place.songsLabelTop += shift;
    place.songsTop += shift;
    place.songsHeight = std::max(leastHeight, place.songsHeight - shift);
    return place;
}

} // namespace klangtruhe
