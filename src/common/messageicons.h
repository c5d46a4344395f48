#pragma once

#include <QPixmap>

namespace klangtruhe {

// The message dialog's icons, drawn at the size asked for so they stay crisp
// at any screen scale: 1 information, 2 question, 3 exclamation, 4 stop.
// Any other number gives a null pixmap.
QPixmap messageIcon(int icon, int sizePixels, qreal devicePixelRatio = 1.0);

} // namespace klangtruhe
