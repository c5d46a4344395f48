#pragma once

#include <QString>
#include <QtGlobal>

namespace klangtruhe {

// The playing time of a sound file in seconds, or −1 when the file cannot be
// measured (missing, empty, cut off before its first frame, not audio).
// WAV is read from its header, MPEG audio (.mp3/.mp2/.mp1/.mpga) by counting
// frames, everything else through TagLib. Nothing stays open between calls.
double trackLength(const QString &path);

// Whether a file is surely no sound or film: its first bytes say no media
// type (unknown bytes or text) and it cannot be measured either. Such a file
// is refused without asking the media backend, which would hold the window
// for about a second before it gives up.
bool surelyNoMedia(const QString &path);

// The playing time of a RIFF/WAVE image in seconds, or −1 when its "fmt " or
// "data" chunk is missing or damaged. A data chunk that claims more bytes than
// the file holds counts only what is there, as a player would play it.
double wavLength(const uchar *data, qint64 size);

} // namespace klangtruhe
