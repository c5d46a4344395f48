#pragma once

#include <QRectF>
#include <QSizeF>

namespace klangtruhe {

// What the layout needs to know besides the window size.
struct LayoutInputs {
    double trackListHeight = 0; // 15 rows, in twips
    int coverFiles = 0;          // files in the cover folder
};

// The parts of the main window that follow its size, in twips, as a plain
// function of the inner size (the area below the menu bar, status bar
// included). A rectangle with a negative width or height is invalid: the
// control keeps its place.
struct MainWindowGeometry {
    QRectF grid;
    QRectF titleStrip;
    QRectF playAsso;
    QRectF trackList;
    QRectF quickSearch;
    QRectF trackStars;
    bool trackStarsVisible = true;
    QRectF songText;
    int coverSlots = 0;
};

MainWindowGeometry mainWindowGeometry(const QSizeF &inner, double statusBarHeight, const LayoutInputs &inputs = {});

// Number of cover slots the strip shows: (inner height - 1900) div 970,
// at most the number of cover files - 1.
int coverSlotCount(double innerHeight, int coverFiles);

} // namespace klangtruhe
