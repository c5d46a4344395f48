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

// The row of the detail fields' grid in which the song list begins; the rows
// above hold the fields, the stars and the cover and eBook choosers.
inline constexpr int kSongListRow = 8;

// The normal place moved down below the detail fields when a large program
// font makes them taller than the table assumes (all in twips); the song
// list gives up the height, down to a few lines.
SongListPlacement clearOfFields(SongListPlacement place, int fieldsBottom);

} // namespace klangtruhe
