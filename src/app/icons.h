#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

namespace klangtruhe {

// The program's own SVG icons (src/app/icons/, 24 × 24, one palette), by file
// name without ".svg": "play", "stern-gold", "klangtruhe-player" (the
// program's icon) ... An unknown name gives a null icon.
QIcon klangtruheIcon(const QString &name);

// Every icon name the program ships.
QStringList klangtruheIconNames();

// The picture of the main window's tool button cmdButton_<index>; "" for an
// index without one.
QString toolButtonIconName(int index);

} // namespace klangtruhe
