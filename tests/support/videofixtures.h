#pragma once

#include <QByteArray>

namespace klangtruhe::test {

// A Motion-JPEG AVI of coloured frames at 25 per second, with no sound
// stream at all (a film without audio).
QByteArray mjpegAviWithoutSound(double seconds, int width = 64, int height = 48);

} // namespace klangtruhe::test
