#include "support/audiofixtures.h"

#include <QtEndian>
#include <cmath>

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

void appendLE16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
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

} // namespace

QByteArray wavSine(double seconds, int sampleRate, int channels, double frequency)
{
    const int frames = int(std::lround(seconds * sampleRate));
    const quint32 dataBytes = quint32(frames * channels * 2);
    QByteArray out;
    out.append("RIFF");
    appendLE32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    appendLE32(out, 16);
    appendLE16(out, 1);
    appendLE16(out, quint16(channels));
    appendLE32(out, quint32(sampleRate));
    appendLE32(out, quint32(sampleRate * channels * 2));
    appendLE16(out, quint16(channels * 2));
    appendLE16(out, 16);
    out.append("data");
    appendLE32(out, dataBytes);
    out.reserve(out.size() + int(dataBytes));
    for (int i = 0; i < frames; ++i) {
        const auto sample = qint16(std::lround(8000.0 * std::sin(2.0 * M_PI * frequency * i / sampleRate)));
        for (int c = 0; c < channels; ++c)
            appendLE16(out, quint16(sample));
    }
    return out;
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

} // namespace klangtruhe::test
