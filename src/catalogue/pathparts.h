#pragma once

#include <QString>

namespace klangtruhe {

// Path splitting that also understands "\" (catalogues written on Windows).
// FileNamePart: the text after the last separator (the whole text without one).
// FolderPart: the text up to and including the last separator ("" without one).
QString FileNamePart(const QString &path);
QString FolderPart(const QString &path);

// A folder text with the platform's separator at its end.
QString withTrailingSeparator(const QString &folder);

} // namespace klangtruhe
