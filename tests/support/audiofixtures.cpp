#include "support/audiofixtures.h"

#include "common/soundsynth.h"

#include <QtEndian>
#include <cmath>
#include <random>

namespace klangtruhe::test {

namespace {

constexpr int kLayer3Bitrates[15] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
constexpr int kMonoSideInfo = 17;
constexpr int kVbrMix[] = {32, 128, 320, 64, 192, 40, 256, 96};

int bitrateIndex(int kbps)
{
    for (int i = 1; i < 15; ++i) {
        if (kLayer3Bitrates[i] == kbps)
            return i;
    }
    qFatal("no MPEG-1 layer III bitrate %d", kbps);
    return 0;
}

void appendLE32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void putBE32(QByteArray &out, int at, quint32 value)
{
    qToBigEndian(value, out.data() + at);
}

QByteArray silentFrame(int kbps)
{
    QByteArray frame(mp3FrameBytes(kbps), '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xFB);                    // MPEG-1, layer III, no CRC
    frame[2] = char(bitrateIndex(kbps) << 4); // 44.1 kHz, no padding
    frame[3] = char(0xC4);                    // mono, original
    return frame;
}

constexpr int kFlacBlock = 4096;

quint8 crc8(const QByteArray &bytes)
{
    quint8 crc = 0;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = quint8((crc & 0x80) ? (crc << 1) ^ 0x07 : crc << 1);
    }
    return crc;
}

quint16 crc16(const QByteArray &bytes)
{
    quint16 crc = 0;
    for (const char byte : bytes) {
        crc ^= quint16(quint8(byte) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = quint16((crc & 0x8000) ? (crc << 1) ^ 0x8005 : crc << 1);
    }
    return crc;
}

// FLAC writes frame numbers in the UTF-8 scheme.
void appendUtf8Number(QByteArray &out, quint32 value)
{
    if (value < 0x80) {
        out.append(char(value));
        return;
    }
    int continuation = value < 0x800 ? 1 : value < 0x10000 ? 2 : 3;
    const quint8 lead = quint8(0xFF00 >> (continuation + 1));
    out.append(char(lead | (value >> (6 * continuation))));
    while (continuation-- > 0)
        out.append(char(0x80 | ((value >> (6 * continuation)) & 0x3F)));
}

int flacRateCode(int sampleRate)
{
    switch (sampleRate) {
    case 8000: return 4;
    case 16000: return 5;
    case 22050: return 6;
    case 24000: return 7;
    case 32000: return 8;
    case 44100: return 9;
    case 48000: return 10;
    case 96000: return 11;
    default: qFatal("no FLAC sample rate code for %d", sampleRate);
    }
    return 0;
}

// STREAMINFO body (34 bytes) for 16-bit samples in fixed blocks.
QByteArray flacStreamInfo(qint64 totalSamples, int sampleRate, int channels)
{
    QByteArray info;
    for (int value : {kFlacBlock, kFlacBlock})
        info.append(char(value >> 8)).append(char(value & 0xFF));
    info.append(QByteArray(6, '\0')); // frame sizes unknown
    const quint64 packed = (quint64(sampleRate) << 44) | (quint64(channels - 1) << 41) | (quint64(15) << 36)
                           | quint64(totalSamples);
    for (int shift = 56; shift >= 0; shift -= 8)
        info.append(char((packed >> shift) & 0xFF));
    info.append(QByteArray(16, '\0')); // no MD5
    return info;
}

// One FLAC frame of silence per block, each with its CRCs.
QList<QByteArray> flacFrames(qint64 totalSamples, int sampleRate, int channels)
{
    QList<QByteArray> frames;
    quint32 frameNumber = 0;
    for (qint64 done = 0; done < totalSamples; done += kFlacBlock, ++frameNumber) {
        const int block = int(qMin<qint64>(kFlacBlock, totalSamples - done));
        QByteArray frame("\xFF\xF8", 2);
        // A full block by its code, the last one as "16-bit size follows".
        frame.append(char(((block == kFlacBlock ? 12 : 7) << 4) | flacRateCode(sampleRate)));
        frame.append(char(((channels - 1) << 4) | (4 << 1))); // independent channels, 16 bit
        appendUtf8Number(frame, frameNumber);
        if (block != kFlacBlock)
            frame.append(char((block - 1) >> 8)).append(char((block - 1) & 0xFF));
        frame.append(char(crc8(frame)));
        for (int c = 0; c < channels; ++c)
            frame.append(QByteArray(3, '\0')); // CONSTANT subframe, value 0
        const quint16 crc = crc16(frame);
        frame.append(char(crc >> 8)).append(char(crc & 0xFF));
        frames.append(frame);
    }
    return frames;
}

QByteArray metadataBlockHeader(bool last, int type, int length)
{
    QByteArray header;
    header.append(char((last ? 0x80 : 0x00) | type));
    header.append(char(length >> 16)).append(char((length >> 8) & 0xFF)).append(char(length & 0xFF));
    return header;
}

quint32 oggCrc(const QByteArray &page)
{
    quint32 crc = 0;
    for (const char byte : page) {
        crc ^= quint32(quint8(byte)) << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}

// One Ogg page holding exactly one packet.
QByteArray oggPage(const QByteArray &packet, quint8 flags, quint64 granule, quint32 sequence)
{
    QByteArray page("OggS", 4);
    page.append('\0');
    page.append(char(flags));
    char number[8];
    qToLittleEndian(granule, number);
    page.append(number, 8);
    appendLE32(page, 0x4B4C4E47); // stream serial
    appendLE32(page, sequence);
    appendLE32(page, 0);          // CRC, filled in below
    QByteArray lacing(packet.size() / 255, char(255));
    lacing.append(char(packet.size() % 255));
    page.append(char(lacing.size()));
    page.append(lacing);
    page.append(packet);
    qToLittleEndian(oggCrc(page), page.data() + 22);
    return page;
}

} // namespace

QByteArray flacSilence(double seconds, int sampleRate, int channels)
{
    const qint64 total = std::llround(seconds * sampleRate);
    QByteArray out("fLaC");
    out.append(metadataBlockHeader(true, 0, 34));
    out.append(flacStreamInfo(total, sampleRate, channels));
    for (const QByteArray &frame : flacFrames(total, sampleRate, channels))
        out.append(frame);
    return out;
}

QByteArray oggFlacSilence(double seconds, int sampleRate, int channels)
{
    const qint64 total = std::llround(seconds * sampleRate);
    // First packet: mapping header, one header packet to follow, the native
    // signature and STREAMINFO; then the comment block; then one frame a packet.
    QByteArray first("\x7F" "FLAC\x01\x00\x00\x01" "fLaC", 13);
    first.append(metadataBlockHeader(false, 0, 34));
    first.append(flacStreamInfo(total, sampleRate, channels));
    QByteArray comment;
    const QByteArray vendor("Klangtruhe-Tests");
    appendLE32(comment, quint32(vendor.size()));
    comment.append(vendor);
    appendLE32(comment, 0);
    comment.prepend(metadataBlockHeader(true, 4, int(comment.size())));

    quint32 sequence = 0;
    QByteArray out = oggPage(first, 0x02, 0, sequence++);
    out.append(oggPage(comment, 0x00, 0, sequence++));
    const QList<QByteArray> frames = flacFrames(total, sampleRate, channels);
    qint64 granule = 0;
    for (int i = 0; i < frames.size(); ++i) {
        granule = qMin<qint64>(granule + kFlacBlock, total);
        out.append(oggPage(frames.at(i), i + 1 == frames.size() ? 0x04 : 0x00, quint64(granule), sequence++));
    }
    return out;
}

QByteArray wavSine(double seconds, int sampleRate, int channels, double frequency)
{
    const int frames = int(std::lround(seconds * sampleRate));
    std::vector<float> samples;
    samples.reserve(size_t(frames) * size_t(channels));
    for (int i = 0; i < frames; ++i) {
        const auto sample = float(0.25 * std::sin(2.0 * M_PI * frequency * i / sampleRate));
        samples.insert(samples.end(), size_t(channels), sample);
    }
    return wavFile(samples, sampleRate, channels);
}

int mp3FrameBytes(int bitrateKbps)
{
    return 144 * bitrateKbps * 1000 / kMp3SampleRate;
}

QByteArray mp3Silence(const QList<int> &bitratesKbps)
{
    QByteArray out;
    for (int kbps : bitratesKbps)
        out.append(silentFrame(kbps));
    return out;
}

QByteArray mp3XingFrame(quint32 frameCount, int bitrateKbps)
{
    QByteArray frame = silentFrame(bitrateKbps);
    const int at = 4 + kMonoSideInfo;
    frame.replace(at, 4, "Xing");
    putBE32(frame, at + 4, 0x1);
    putBE32(frame, at + 8, frameCount);
    return frame;
}

QByteArray mp3VbriFrame(quint32 frameCount, int bitrateKbps)
{
    QByteArray frame = silentFrame(bitrateKbps);
    const int at = 4 + 32;
    frame.replace(at, 4, "VBRI");
    frame[at + 5] = 1; // version
    putBE32(frame, at + 14, frameCount);
    return frame;
}

QByteArray id3v2Tag(int payloadBytes, bool withFooter)
{
    QByteArray header("ID3\x04\x00", 5);
    header.append(char(withFooter ? 0x10 : 0x00));
    for (int shift : {21, 14, 7, 0})
        header.append(char((payloadBytes >> shift) & 0x7F));
    QByteArray tag = header + QByteArray(payloadBytes, '\0');
    if (withFooter) {
        QByteArray footer = header;
        footer.replace(0, 3, "3DI");
        tag.append(footer);
    }
    return tag;
}

QByteArray id3v1Tag()
{
    QByteArray tag(128, '\0');
    tag.replace(0, 3, "TAG");
    tag.replace(3, 5, "Titel");
    return tag;
}

QList<int> constantBitrate(double seconds, int bitrateKbps)
{
    const int frames = int(std::ceil(seconds * kMp3SampleRate / kMp3FrameSamples));
    return QList<int>(frames, bitrateKbps);
}

QList<int> variableBitrate(int frames)
{
    QList<int> rates;
    for (int i = 0; i < frames; ++i)
        rates.append(kVbrMix[i % 8]);
    return rates;
}

QByteArray randomBytes(int size, unsigned seed)
{
    std::mt19937 random(seed);
    QByteArray bytes(size, '\0');
    for (char &c : bytes)
        c = static_cast<char>(random() & 0xff);
    return bytes;
}

} // namespace klangtruhe::test
