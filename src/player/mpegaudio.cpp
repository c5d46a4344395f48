#include "player/mpegaudio.h"

namespace klangtruhe {

namespace {

// kbit/s by bitrate index 1..14, for MPEG-1 layers I–III and MPEG-2/2.5 layer I, II/III.
constexpr int kBitratesV1[3][15] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
};
constexpr int kBitratesV2[2][15] = {
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
};
constexpr int kSampleRatesV1[3] = {44100, 48000, 32000};

// A first frame must be followed by a second one of the same stream, so that
// two bytes of text that happen to look like a header do not count as audio.
// Leading junk before the first frame is searched only this far.
constexpr qint64 kMaxLeadingJunk = 64 * 1024;

quint32 bigEndian32(const uchar *p)
{
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

bool sameStream(const MpegFrameHeader &a, const MpegFrameHeader &b)
{
    return a.version == b.version && a.layer == b.layer && a.sampleRate == b.sampleRate;
}

// Skips stacked ID3v2 tags at the start; returns the offset after them.
qint64 skipId3v2(const uchar *data, qint64 size)
{
    qint64 offset = 0;
    while (offset + 10 <= size && data[offset] == 'I' && data[offset + 1] == 'D' && data[offset + 2] == '3') {
        const uchar *p = data + offset;
        if (p[3] == 0xFF || p[4] == 0xFF || ((p[6] | p[7] | p[8] | p[9]) & 0x80))
            break;
        const qint64 tagSize = (qint64(p[6]) << 21) | (qint64(p[7]) << 14) | (qint64(p[8]) << 7) | qint64(p[9]);
        const bool footer = p[3] >= 4 && (p[5] & 0x10);
        offset += 10 + tagSize + (footer ? 10 : 0);
    }
    return offset;
}

bool headerAt(const uchar *data, qint64 size, qint64 pos, MpegFrameHeader &header)
{
    return pos >= 0 && pos + 4 <= size && parseMpegFrameHeader(data + pos, header);
}

// The frame count of a Xing/Info or VBRI header in the frame at pos, or −1.
qint64 vbrHeaderFrames(const uchar *data, qint64 size, qint64 pos, const MpegFrameHeader &first)
{
    const int sideInfo = first.version == 1 ? (first.mono ? 17 : 32) : (first.mono ? 9 : 17);
    const qint64 xing = pos + 4 + sideInfo;
    if (xing + 12 <= size && xing + 12 <= pos + first.length) {
        const uchar *p = data + xing;
        const bool tagged = (p[0] == 'X' && p[1] == 'i' && p[2] == 'n' && p[3] == 'g')
                            || (p[0] == 'I' && p[1] == 'n' && p[2] == 'f' && p[3] == 'o');
        if (tagged && (bigEndian32(p + 4) & 0x1))
            return bigEndian32(p + 8);
    }
    const qint64 vbri = pos + 4 + 32;
    if (vbri + 18 <= size && vbri + 18 <= pos + first.length) {
        const uchar *p = data + vbri;
        if (p[0] == 'V' && p[1] == 'B' && p[2] == 'R' && p[3] == 'I')
            return bigEndian32(p + 14);
    }
    return -1;
}

} // namespace

bool parseMpegFrameHeader(const uchar *p, MpegFrameHeader &header)
{
    if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0)
        return false;
    const int versionBits = (p[1] >> 3) & 0x3;
    const int layerBits = (p[1] >> 1) & 0x3;
    const int bitrateIndex = p[2] >> 4;
    const int rateIndex = (p[2] >> 2) & 0x3;
    if (versionBits == 1 || layerBits == 0 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3
        || (p[3] & 0x3) == 2)
        return false;

    header.version = versionBits == 3 ? 1 : versionBits == 2 ? 2 : 25;
    header.layer = 4 - layerBits;
    header.bitrate = header.version == 1 ? kBitratesV1[header.layer - 1][bitrateIndex]
                                         : kBitratesV2[header.layer == 1 ? 0 : 1][bitrateIndex];
    const int divisor = header.version == 1 ? 1 : header.version == 2 ? 2 : 4;
    header.sampleRate = kSampleRatesV1[rateIndex] / divisor;
    header.mono = ((p[3] >> 6) & 0x3) == 3;
    const int padding = (p[2] >> 1) & 0x1;
    const qint64 bitsPerSecond = qint64(header.bitrate) * 1000;
    if (header.layer == 1) {
        header.samples = 384;
        header.length = int((12 * bitsPerSecond / header.sampleRate + padding) * 4);
    } else {
        header.samples = (header.layer == 3 && header.version != 1) ? 576 : 1152;
        header.length = int(header.samples / 8 * bitsPerSecond / header.sampleRate + padding);
    }
    return header.length > 4;
}

double mpegAudioLength(const uchar *data, qint64 size)
{
    if (!data || size < 4)
        return -1;
    const qint64 start = skipId3v2(data, size);

    // Find the first frame that is followed by a second of the same stream,
    // or that ends exactly at the end of the file.
    MpegFrameHeader first;
    qint64 pos = -1;
    const qint64 searchEnd = qMin(size - 3, start + kMaxLeadingJunk);
    for (qint64 at = start; at < searchEnd; ++at) {
        if (data[at] != 0xFF || !headerAt(data, size, at, first))
            continue;
        MpegFrameHeader next;
        const qint64 following = at + first.length;
        if (following == size || (headerAt(data, size, following, next) && sameStream(first, next))) {
            pos = at;
            break;
        }
    }
    if (pos < 0)
        return -1;

    const qint64 headerFrames = vbrHeaderFrames(data, size, pos, first);
    if (headerFrames > 0)
        return double(headerFrames) * first.samples / first.sampleRate;

    qint64 samples = 0;
    MpegFrameHeader frame;
    while (headerAt(data, size, pos, frame) && sameStream(first, frame) && pos + frame.length <= size) {
        samples += frame.samples;
        pos += frame.length;
    }
    return samples > 0 ? double(samples) / first.sampleRate : -1;
}

} // namespace klangtruhe
