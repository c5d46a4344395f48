#pragma once

#include <QRectF>
#include <QSizeF>

namespace klangtruhe {

// The parts of the main window that follow its size, in twips, as a plain
// function of the inner size (the area below the menu bar, status bar included).
struct MainWindowGeometry {
    QRectF grid;
    QRectF tableNameLabel;
};

MainWindowGeometry mainWindowGeometry(const QSizeF &inner, double statusBarHeight);

} // namespace klangtruhe
