#pragma once

#include <QString>

namespace klangtruhe {

// Writes the demo catalogue "Beispielsammlung.mdb" into the program folder:
// a dozen invented entries with painted covers (in "Bilder") and music
// folders of short tracks made by our own synthesiser. Returns the
// catalogue's path, or "" when it could not be written.
QString createDemoCatalogue(const QString &programFolder);

} // namespace klangtruhe
