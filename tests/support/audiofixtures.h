#pragma once

#include <QByteArray>
#include <QList>

namespace klangtruhe::test {

// Our own sound files for tests: generated, never recorded.

// A 16-bit PCM WAV of a sine tone.
QByteArray wavSine(double seconds, int sampleRate = 44100, int channels = 2, double frequency = 440.0);

// A FLAC file of silence, 16 bit: blocks of constant subframes, with CRCs
// and a STREAMINFO that gives the exact sample count.
QByteArray flacSilence(double seconds, int sampleRate = 44100, int channels = 2);
// The same frames in an Ogg stream (Ogg FLAC), one packet a page.
QByteArray oggFlacSilence(double seconds, int sampleRate = 44100, int channels = 2);

// MPEG-1 Layer III at 44.1 kHz, mono: one frame of silence per entry of
// bitrates (kbit/s from the layer III table). A zeroed side information and
// main data decode as silence, so players accept the frames as real audio.
inline constexpr int kMp3SampleRate = 44100;
inline constexpr int kMp3FrameSamples = 1152;
QByteArray mp3Silence(const QList<int> &bitratesKbps);

// Bytes of one such frame (without padding).
int mp3FrameBytes(int bitrateKbps);

// A leading frame that carries a Xing (VBR) header with the given frame count,
// as encoders put before the audio frames; it holds no audio itself.
QByteArray mp3XingFrame(quint32 frameCount, int bitrateKbps = 128);
// The same with a VBRI (Fraunhofer) header.
QByteArray mp3VbriFrame(quint32 frameCount, int bitrateKbps = 128);

// An ID3v2.4 tag with payloadBytes of padding, optionally with its footer.
QByteArray id3v2Tag(int payloadBytes, bool withFooter = false);
// A 128-byte ID3v1 tag.
QByteArray id3v1Tag();

// CBR frames for the given seconds (rounded up to whole frames).
QList<int> constantBitrate(double seconds, int bitrateKbps = 128);
// A fixed mix of bitrates, as a VBR encoder writes.
QList<int> variableBitrate(int frames);

// Bytes of a fixed pseudo-random sequence: a damaged or foreign file.
QByteArray randomBytes(int size, unsigned seed = 1);

} // namespace klangtruhe::test
