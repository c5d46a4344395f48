#pragma once

#include <QString>

namespace klangtruhe {

// The program's version as major.minor.revision, each number without blanks
// ("1.4.0"); missing parts count as 0.
QString programVersionText(const QString &packageVersion);
QString programVersionText(); // of this build

} // namespace klangtruhe
