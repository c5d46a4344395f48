#pragma once

#include "catalogue/pathmap.h"

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace klangtruhe {

// The strip has 22 picture slots; CoverSlots counts the slots in use minus one.
inline constexpr int kCoverStripSlots = 22;
// Members of a file list inside a database field each end with this sign.
inline constexpr QChar kListSeparator{0x00B0};

// The covers beside the catalogue: databaseFolder + "Bilder"; "" without a database.
QString coverFolder(const QString &databaseFolder);
// A file inside a folder given without its trailing separator.
QString pathInFolder(const QString &folder, const QString &fileName);

// The name a strip cover carries for an entry: band, " - ", title.
QString coverName(const QString &band, const QString &title);
// A file name without its extension (up to the last dot; the whole name without one).
QString withoutExtension(const QString &fileName);

// The cover list: for each file of the folder (in the folder list's order),
// the file name once per table row whose band and title name it exactly.
// rows holds (band, title) of every row, first to last.
QStringList coverListFor(const QStringList &files, const std::vector<std::pair<QString, QString>> &rows);

// The files of the cover folder in the file list's order; empty when the folder is missing.
QStringList coverFolderFiles(const QString &folder);

// CoverSlots for an inner height in twips and a cover list of `covers`
// items; never more than the strip's slots allow. -1 for an empty list.
int coverSlotsFor(double innerHeight, int covers);

// CoverStart after paging forward (CoverDown) or back (CoverUp).
int coverStartDown(int start, int lastSlot, int covers);
int coverStartUp(int start, int lastSlot);

// The strip position for the entry's cover: the first item that contains
// band and title (without regard to case, trimmed); -1 when none does.
int coverIndexForEntry(const QStringList &covers, const QString &band, const QString &title);

// The members of a "°"-separated list: every part followed by the sign; the
// text after the last one is no member. Blanks at both ends of the whole
// text are dropped first.
QStringList separatedMembers(const QString &text);

// Where a listed file is looked for: with "Cover vom Datenbankpfad laden"
// checked, its file name in the given folder ("" without a folder);
// otherwise the stored path, through the path map.
QString lookupPath(const QString &member, bool fromDatabaseFolder, const QString &folder, const PathMap &map = {});

// The existing files of a "°"-separated list (BildPfad, eBook), in their
// order, each looked up as lookupPath says; missing files are left out.
QStringList existingListedFiles(const QString &field, bool fromDatabaseFolder, const QString &folder,
                                const PathMap &map = {});

// Caption of chkBildpfad after listing `count` external covers.
QString externalCoverCaption(int count);

// The enlarged view over a cover picture: right edges aligned, top on the
// picture's top, as large a square as fits left of that edge and above the
// window's bottom, never smaller than the picture.
QRectF enlargedViewRect(const QRectF &picture, const QSizeF &inner);

// Loads a picture for display, read at most at `bound` (aspect kept); a
// null image when the file is missing, damaged, not a picture or too large.
QImage loadPicture(const QString &path, const QSize &bound);

} // namespace klangtruhe
