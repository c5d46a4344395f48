#include "app/mainwindowlayout.h"

#include "app/mainlayout.h"

namespace klangtruhe {

MainWindowGeometry mainWindowGeometry(const QSizeF &inner, double statusBarHeight)
{
    MainWindowGeometry g;
    const auto &grid = layout::kGrid;
    g.grid = QRectF(grid.left, grid.top, inner.width() - grid.left - 100,
                    inner.height() - grid.top - statusBarHeight);
    const auto &label = layout::kTableNameLabel;
    g.tableNameLabel = QRectF(label.left, label.top, label.width, label.height);
    return g;
}

} // namespace klangtruhe
