#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace klangtruhe {

// Where folders of another machine lie here: pairs of a stored prefix
// ("D:\Musik\") and a local folder ("/home/anna/Musik/").
using PathMap = QList<QPair<QString, QString>>;

// The local path for a path as the catalogue or a list file stores it. The
// longest matching prefix wins; it is compared without regard to case and
// to the kind of slash, and only at a folder boundary. The rest of the path
// follows the local folder with backslashes turned into slashes (on Windows
// into backslashes). A path no pair matches comes back unchanged.
QString mapStoredPath(const PathMap &map, const QString &stored);

// The map as one settings text, "from|to|from|to" ("|" is in no Windows
// path), and back; pairs without a prefix are dropped.
QString formatPathMap(const PathMap &map);
PathMap parsePathMap(const QString &text);

// The drive roots ("D:\") the map has no pair for yet.
QStringList unmappedDriveRoots(const PathMap &map, const QStringList &roots);

} // namespace klangtruhe
