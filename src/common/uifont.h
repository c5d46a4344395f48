#pragma once

#include <QFont>
#include <QString>

namespace klangtruhe {

// The font of the given family and size, or the system's UI font at that size
// when the family is not installed (Segoe UI exists only on Windows).
QFont uiFont(const QString &family, qreal pointSize);

// The font of the program's own dialogs.
QFont dialogFont();

} // namespace klangtruhe
