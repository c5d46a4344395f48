#pragma once

#include <QByteArray>

namespace klangtruhe {

// The picture bytes inside an Access "OLE Object" field: the Access header
// and the OLE1 wrapper are taken off (a Paint picture holds a BMP file).
// A bare JPEG/PNG/BMP/GIF comes back unchanged, as does anything that cannot
// be unwrapped; `unwrapped` says whether a wrapper was removed.
QByteArray unwrapOlePicture(const QByteArray &field, bool *unwrapped = nullptr);

// True when the bytes start like a JPEG, PNG, BMP or GIF file.
bool looksLikeImage(const QByteArray &bytes);

} // namespace klangtruhe
