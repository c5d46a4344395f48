#pragma once

#include <QString>
#include <array>

namespace klangtruhe {

// The ten recently opened catalogues, newest first; an empty slot is hidden.
using RecentList = std::array<QString, 10>;

// Two spellings of one file: links, "..", and on Windows the letter case.
bool sameCatalogueFile(const QString &a, const QString &b);

// Puts a path at the top: removes it (in any spelling) where it stood, closes gaps with one
// forward sweep, shifts everything down by one (slot 9 drops out) and puts
// the path into slot 0.
RecentList OrdnerMenuPfad(RecentList entries, const QString &path);

} // namespace klangtruhe
