#include "player/mpegaudio.h"
#include "player/tracklength.h"
#include "support/audiofixtures.h"
#include "support/tempfolders.h"

#include <array>

#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

// Half a frame: the counter must hit the frame exactly, not roughly.
constexpr double kFrameExact = 0.5 * kMp3FrameSamples / kMp3SampleRate;

double measure(const TestEnvironment &env, const QString &name, const QByteArray &bytes)
{
    writeFile(env.path(name), bytes);
    return trackLength(env.path(name));
}

} // namespace

TEST(TrackLength, WavIsReadExactlyFromItsHeader)
{
    TestEnvironment env;
    EXPECT_DOUBLE_EQ(measure(env, QStringLiteral("a.wav"), wavSine(1.5)), 1.5);
    EXPECT_DOUBLE_EQ(measure(env, QStringLiteral("mono.wav"), wavSine(2.0, 22050, 1)), 2.0);

    // A data chunk cut short plays what is there; a header cut short is no file.
    const QByteArray wav = wavSine(2.0, 8000, 1);
    EXPECT_DOUBLE_EQ(measure(env, QStringLiteral("cut.wav"), wav.left(44 + 8000)), 0.5);
    EXPECT_EQ(measure(env, QStringLiteral("header.wav"), wav.left(30)), -1);
    // The ending does not matter, the header does.
    EXPECT_DOUBLE_EQ(measure(env, QStringLiteral("named.mp3"), wavSine(0.25)), 0.25);
}

TEST(TrackLength, Mp3FramesAreCountedExactlyOrTakenFromTheVbrHeader)
{
    TestEnvironment env;
    const QList<int> cbr = constantBitrate(2.0);
    const QList<int> vbr = variableBitrate(77);
    const QByteArray whole = mp3Silence(cbr);
    const struct {
        const char *name;
        QByteArray bytes;
        qsizetype frames;
    } cases[] = {
        {"cbr.mp3", whole, cbr.size()},
        // VBR without a Xing header: the first frame's bitrate says nothing about the rest.
        {"vbr.mp3", mp3Silence(vbr), 77},
        // Tags before and after the audio are not audio; the ending is not case-sensitive.
        {"tagged.MP3", id3v2Tag(300000, true) + id3v2Tag(50) + mp3Silence(vbr) + id3v1Tag(), 77},
        {"ape.mp3", whole + "APETAGEX" + QByteArray(200, '\x01'), cbr.size()},
        {"big.mp3", id3v2Tag(4 << 20) + mp3Silence(variableBitrate(25000)) + id3v1Tag(), 25000},
        // A cut-off last frame does not count.
        {"cut.mp3", whole.left(whole.size() - 100), cbr.size() - 1},
        // The header frame itself holds no audio, and it is trusted over the frames
        // present: a download cut short still tells its length.
        {"xing.mp3", mp3XingFrame(77) + mp3Silence(vbr), 77},
        {"vbri.mp3", mp3VbriFrame(77) + mp3Silence(vbr), 77},
        {"short.mp3", id3v2Tag(1000) + mp3XingFrame(1000) + mp3Silence(vbr), 1000},
    };
    for (const auto &c : cases) {
        const double seconds = double(c.frames) * kMp3FrameSamples / kMp3SampleRate;
        EXPECT_NEAR(measure(env, QString::fromLatin1(c.name), c.bytes), seconds, kFrameExact) << c.name;
    }
}

TEST(TrackLength, FrameHeadersOfEveryMpegVersionAndLayer)
{
    // Version, layer, bitrate, sample rate, frame length and samples of each header.
    const struct {
        quint8 bytes[4];
        std::array<int, 6> fields;
    } cases[] = {
        {{0xFF, 0xFB, 0x92, 0x44}, {1, 3, 128, 44100, 418, 1152}}, // padded
        {{0xFF, 0xFD, 0xA4, 0x00}, {1, 2, 192, 48000, 576, 1152}}, // layer II, CRC
        {{0xFF, 0xFF, 0x18, 0xC0}, {1, 1, 32, 32000, 48, 384}},    // layer I
        {{0xFF, 0xF3, 0x80, 0x40}, {2, 3, 64, 22050, 208, 576}},   // MPEG-2
        {{0xFF, 0xE3, 0x18, 0xC0}, {25, 3, 8, 8000, 72, 576}},     // MPEG-2.5
    };
    for (const auto &c : cases) {
        MpegFrameHeader h;
        ASSERT_TRUE(parseMpegFrameHeader(c.bytes, h)) << c.fields[2];
        EXPECT_EQ((std::array<int, 6>{h.version, h.layer, h.bitrate, h.sampleRate, h.length, h.samples}), c.fields);
    }
    // Reserved version, layer, bitrate, sample rate and emphasis; free format.
    const quint8 invalid[][4] = {{0xFF, 0xEB, 0x90, 0x00}, {0xFF, 0xF9, 0x90, 0x00}, {0xFF, 0xFB, 0xF0, 0x00},
                                 {0xFF, 0xFB, 0x9C, 0x00}, {0xFF, 0xFB, 0x90, 0x02}, {0xFF, 0xFB, 0x00, 0x00},
                                 {0xFE, 0xFB, 0x90, 0x00}};
    for (const auto &bytes : invalid) {
        MpegFrameHeader header;
        EXPECT_FALSE(parseMpegFrameHeader(bytes, header)) << int(bytes[1]) << " " << int(bytes[2]);
    }
}

TEST(TrackLength, OtherFormatsAreMeasuredByTheirTags)
{
    TestEnvironment env;
    EXPECT_NEAR(measure(env, QStringLiteral("a.flac"), flacSilence(1.5)), 1.5, 0.001);
    EXPECT_NEAR(measure(env, QStringLiteral("d.ogg"), oggFlacSilence(2.5)), 2.5, 0.001);
    EXPECT_NEAR(measure(env, QStringLiteral("e.oga"), oggFlacSilence(0.75, 22050, 1)), 0.75, 0.001);
    // STREAMINFO alone: no samples, nothing to measure.
    EXPECT_EQ(measure(env, QStringLiteral("c.flac"), flacSilence(0).left(42)), -1);
}

TEST(TrackLength, FilesThatCannotBeMeasuredGiveMinusOne)
{
    TestEnvironment env;
    EXPECT_EQ(trackLength(env.path(QStringLiteral("missing.mp3"))), -1);
    EXPECT_EQ(measure(env, QStringLiteral("empty.mp3"), QByteArray()), -1);
    EXPECT_EQ(measure(env, QStringLiteral("text.mp3"), QByteArray("Dies ist kein Lied.\r\n").repeated(5000)), -1);
    EXPECT_EQ(measure(env, QStringLiteral("text.ogg"), QByteArray("Auch kein Lied.\n").repeated(100)), -1);
    EXPECT_EQ(measure(env, QStringLiteral("text.flac"), QByteArray("fLaC und dann nichts")), -1);
    // Bytes that look like one header but are followed by no second frame.
    EXPECT_EQ(measure(env, QStringLiteral("one.mp3"), QByteArray("\xFF\xFB\x90\xC4", 4) + QByteArray(50, 'x')), -1);
    // Less than one frame left after cutting.
    EXPECT_EQ(measure(env, QStringLiteral("stub.mp3"), mp3Silence({128, 128}).left(200)), -1);
    // An ID3v2 tag that claims more bytes than the file has, and nothing else.
    EXPECT_EQ(measure(env, QStringLiteral("tagonly.mp3"), id3v2Tag(100).left(10) + QByteArray(100, 'a')), -1);
    // Random bytes full of sync-like patterns.
    QByteArray noise;
    for (int i = 0; i < 200000; ++i)
        noise.append(char((i * 7919) % 251 == 0 ? 0xFF : (i * 31) & 0xFF));
    EXPECT_EQ(measure(env, QStringLiteral("noise.mp3"), noise), -1);
}
