#pragma once

#include <QString>
#include <QStringList>

namespace klangtruhe {

// Which file pair an exclusion dialog edits, from its mode setting.
enum class ExclusionMode { None, Abspielen, CDErstellen };
ExclusionMode exclusionMode(const QString &setting);

// "AusschlussAbspielliste.ini" / "Ausschlussliste.ini" for styles,
// "BandAusschlussAbspielliste.ini" / "BandAusschlussliste.ini" for bands; "" for None.
QString exclusionFileName(bool bands, ExclusionMode mode);

// "Stilrichtung.ini", the style names both the style dialog and the search
// dialog offer: the one beside the open catalogue, else the program folder's
// (shared by every catalogue). The path beside the catalogue when neither exists.
QString styleListFile(const QString &databaseFolder, const QString &programFolder);

// An entry is excluded when its style cell contains an item of the style list
// or its band cell an item of the band list: case-sensitive substrings, so an
// empty item excludes everything.
bool containsAnyOf(const QString &cell, const QStringList &items);
bool isExcluded(const QString &styleCell, const QString &bandCell, const QStringList &styles,
                const QStringList &bands);

// The band dialog's list from the table's first column (header first): a
// band is added when it differs from the row above, so a table sorted by
// band lists each band once.
QStringList bandsOfTable(const QString &header, const QStringList &column);

// The items of a list that are ticked by a file's lines (exact comparison).
QList<bool> tickedBy(const QStringList &items, const QStringList &lines);

} // namespace klangtruhe
