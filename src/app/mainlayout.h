#pragma once

// Design positions of the main window's controls in twips (left, top, width,
// height), relative to the window's inner area below the menu bar. The resize
// rules move only some of them; everything else keeps its place here.
namespace klangtruhe::layout {

struct TwipsRect {
    double left, top, width, height;
};

// Tool buttons along the top edge.
inline constexpr TwipsRect kToolButtonFirst{60, 45, 540, 540};
inline constexpr double kToolButtonStep = 570;

// Cover strip down the left edge.
inline constexpr TwipsRect kCoverStrip{60, 675, 930, 970};

// Text pages (and the playlist view, which takes their place).
inline constexpr TwipsRect kTextPages{1050, 675, 7440, 5640};

// Player area to the right of the text pages.
inline constexpr TwipsRect kTitleStrip{8610, 45, 0, 540}; // width follows the window
inline constexpr TwipsRect kTransportRow{8610, 675, 4150, 480};
inline constexpr TwipsRect kCover{8610, 1380, 4150, 4150};
inline constexpr TwipsRect kPlayModeRows{8610, 5640, 4150, 600};
inline constexpr TwipsRect kTrackCaption{12880, 1380, 2000, 300};
inline constexpr TwipsRect kTrackList{12880, 2030, 0, 0}; // width follows, height is 15 rows

// Letter buttons, table option and selection name above the grid.
inline constexpr TwipsRect kLetterButtonFirst{1050, 6420, 330, 360};
inline constexpr double kLetterButtonStep = 330;
inline constexpr TwipsRect kTableNameLabel{12480, 6450, 3000, 300}; // after chkTabelle and the refresh button

// The record table fills the rest.
inline constexpr TwipsRect kGrid{1050, 6900, 0, 0};

// The lyrics box takes the table's place while it is switched on.
inline constexpr TwipsRect kSongText{1050, 6900, 0, 0};

// Play with the associated program, right of the title strip.
inline constexpr double kPlayAssoWidth = 1200;
// The quick search under the track list.
inline constexpr double kQuickSearchGap = 60;
inline constexpr double kQuickSearchHeight = 330;
// The six stars of the current track, right-aligned over the track list,
// between its caption and its first row.
inline constexpr TwipsRect kTrackStars{0, 1700, 1860, 300};
// Cover strip slots.
inline constexpr double kCoverSlotHeight = 970;
inline constexpr double kCoverStripReserve = 1900;

} // namespace klangtruhe::layout
