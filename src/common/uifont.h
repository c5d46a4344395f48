#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace klangtruhe {

// The family to draw with when `wanted` is asked for: `wanted` itself (in the
// system's spelling) when one of `installed` has that name, otherwise the
// system's fixed-pitch family for a fixed-pitch Windows font (Courier New,
// Consolas, …) and its UI family for everything else. Settings keep what the
// user chose; only the drawing falls back, so the same settings still work
// on a system that has the font.
QString usableFontFamily(const QString &wanted, const QStringList &installed, const QString &uiFamily,
                         const QString &fixedFamily);
// The same with this system's families and its general and fixed fonts.
QString usableFontFamily(const QString &wanted);

// The font of the given family and size, in the usable family.
QFont uiFont(const QString &family, qreal pointSize);

// The font of the program's own dialogs.
QFont dialogFont();

} // namespace klangtruhe
