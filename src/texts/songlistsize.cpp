#include "texts/songlistsize.h"

namespace klangtruhe {

SongListPlacement songListPlacement(bool enlarged)
{
    if (enlarged)
        return {660, 4860, 405, 405, false};
    return {3735, 1790, 3480, 3480, true};
}

} // namespace klangtruhe
