#pragma once

namespace klangtruhe {

// Where the song list and its neighbours stand on the page "Daten" (twips),
// enlarged over the detail fields or in its normal place.
struct SongListPlacement {
    int songsTop;
    int songsHeight;
    int buttonsTop;      // cmdTextSmall and cmdTextBig
    int songsLabelTop;   // Bez_3
    bool bandAndDateShown; // Bez_0 and Bez_7
};

SongListPlacement songListPlacement(bool enlarged);

} // namespace klangtruhe
