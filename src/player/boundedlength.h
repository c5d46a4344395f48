#pragma once

#include <QString>

namespace klangtruhe {

// trackLength() on a worker thread, waited for at most timeoutMs: a file on a
// share that hangs gives −1 instead of a frozen window. The worker is left to
// finish on its own; it holds nothing of the caller.
double boundedTrackLength(const QString &path, int timeoutMs = 1500);

} // namespace klangtruhe
