#include "app/mainwindowlayout.h"

#include "app/mainlayout.h"

#include <algorithm>
#include <cmath>

namespace klangtruhe {

int coverSlotCount(double innerHeight, int coverFiles)
{
    const long long height = std::llround(innerHeight - layout::kCoverStripReserve);
    const long long count = height / static_cast<long long>(layout::kCoverSlotHeight); // truncates toward zero
    return static_cast<int>(std::min<long long>(count, coverFiles - 1));
}

MainWindowGeometry mainWindowGeometry(const QSizeF &inner, double statusBarHeight, const LayoutInputs &inputs)
{
    using namespace layout;
    MainWindowGeometry g;
    const double w = inner.width();
    const double h = inner.height();

    // 1. The table fills the rest of the window.
    g.grid = QRectF(kGrid.left, kGrid.top, w - kGrid.left - 100, h - kGrid.top - statusBarHeight);

    // 2. The title strip reaches the button that is right-aligned beside it.
    g.playAsso = QRectF(w - kPlayAssoWidth, kTitleStrip.top, kPlayAssoWidth, kTitleStrip.height);
    g.titleStrip = QRectF(kTitleStrip.left, kTitleStrip.top, w - kTitleStrip.left - kPlayAssoWidth, kTitleStrip.height);

    // 3. The track list and the quick search reach the right edge.
    const double listWidth = w - kTrackList.left - 100;
    g.trackList = QRectF(kTrackList.left, kTrackList.top, listWidth, inputs.trackListHeight);
    g.quickSearch = QRectF(kTrackList.left, kTrackList.top + inputs.trackListHeight + kQuickSearchGap, listWidth,
                           kQuickSearchHeight);

    // 4. The track stars sit right-aligned over the list while it is wide enough for them.
    g.trackStars = QRectF(kTrackList.left + listWidth - kTrackStars.width, kTrackStars.top, kTrackStars.width,
                          kTrackStars.height);
    g.trackStarsVisible = listWidth + 20 >= kTrackStars.width;

    // 5. The lyrics box.
    g.songText = QRectF(kSongText.left, kSongText.top, w - kSongText.left - 1700, h - kSongText.top - 620);

    // 7. The cover strip.
    g.coverSlots = coverSlotCount(h, inputs.coverFiles);
    return g;
}

} // namespace klangtruhe
