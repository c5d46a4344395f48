#pragma once

#include <QString>
#include <array>

namespace klangtruhe {

// The mini player's two forms and where its buttons sit in them (twips).
enum class MiniPlayerForm { Horizontal, Vertical };

namespace miniplayer {

// Outer window sizes; the form is told apart by the height.
constexpr int HorizontalWidth = 5235;
constexpr int HorizontalHeight = 885;
constexpr int VerticalWidth = 510;
constexpr int VerticalHeight = 4875;
// Title bar and border of the outer size.
constexpr int FrameWidth = 90;
constexpr int FrameHeight = 395;
constexpr int ButtonSize = 345;
constexpr int RowTop = 45;      // every button's top in the horizontal form
constexpr int ColumnLeft = 30;  // every button's left in the vertical form
constexpr int LautsprecherIndex = 13; // imgLautsprecherregler, after imgVorBack(0..12)

struct ButtonSpec {
    int index;          // imgVorBack(index); 13 = imgLautsprecherregler
    const char *tip;
    int horizontalLeft;
    int verticalTop;
    bool visibleAtFirst;
};
// In the order the row reads; buttons that share a place replace each other.
const std::array<ButtonSpec, 14> &buttons();

} // namespace miniplayer

// Which of imgVorBack(7), (8), (9) shows for the A-B loop's state:
// no A point and no loop → 7 ("Pos-A"), A set → 8 ("Pos-B"), loop running → 9.
struct AbPictures {
    bool posA = true;
    bool posB = false;
    bool exitAb = false;
};
AbPictures abPicturesFor(bool posAGesetzt, double posA);

// The first top (twips) from the stored "MiniPlayerTop": empty, unreadable
// or exactly 0 gives the screen height − the window height − 550.
double miniPlayerFirstTop(const QString &stored, double screenHeightTwips, double windowHeightTwips);

// Where the volume tool places itself beside the mini player: "MiniplayerLeft"
// and "MiniplayerTop" in pixels as decimal text, from the window's outer
// left, top and width in twips (the tool's own unit conversion, unrounded).
struct VolumeToolPlace {
    QString left;
    QString top;
};
VolumeToolPlace volumeToolPlace(double leftTwips, double topTwips, double widthTwips);

// The ticker's next phase 1..3 (the counter starts at 0 and is never reset).
inline int nextTickerPhase(int phase) { return phase >= 3 ? 1 : phase + 1; }

} // namespace klangtruhe
