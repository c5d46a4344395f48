#pragma once

#include <QString>
#include <QStringList>

namespace klangtruhe {

// The 18 fields of an entry in their table order, which is also the default
// column layout; then the embedded picture.
inline constexpr int kFieldCount = 18;
QStringList catalogueFieldNames();   // Band ... SonstigesTab
QString pictureFieldName();          // "Bilder"
bool isRichTextField(const QString &field);

inline constexpr const char *kCatalogueTable = "Schallplatten";
QString standardStatement(); // "select * from Schallplatten order by Band, LPTitel"

// The schema version this program writes; a newer file is refused.
inline constexpr int kSchemaVersion = 1;

// Creates an empty catalogue file (the template "Archiv_leer.mdb" is one).
// Returns false and leaves nothing behind when the file cannot be written.
bool createEmptyCatalogue(const QString &path, QString *error = nullptr);

} // namespace klangtruhe
