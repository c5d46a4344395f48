#pragma once

#include <QtGlobal>

namespace klangtruhe {

// The playing time of an MPEG audio stream (MP3, MP2, MP1) in seconds, or −1
// when no frames are found. A Xing/Info or VBRI header's frame count is taken
// when present; otherwise every frame is counted, because the first frame's
// bitrate says nothing about the rest of a VBR file. Leading ID3v2 tags are
// skipped; counting stops at the first byte that is not a frame of the same
// stream (ID3v1, APE, Lyrics tags, garbage) and at a cut-off last frame.
// Work is bounded by the size: every step moves forward.
double mpegAudioLength(const uchar *data, qint64 size);

// One MPEG audio frame header, decoded.
struct MpegFrameHeader {
    int version = 0;     // 1, 2, or 25 for MPEG 2.5
    int layer = 0;       // 1, 2 or 3
    int bitrate = 0;     // kbit/s
    int sampleRate = 0;  // Hz
    bool mono = false;
    int length = 0;      // bytes, header and padding included
    int samples = 0;     // samples per channel in the frame
};

// Decodes the four bytes at p; false for anything that is not a valid header
// (free format counts as invalid: its frame length is not in the header).
bool parseMpegFrameHeader(const uchar *p, MpegFrameHeader &header);

} // namespace klangtruhe
