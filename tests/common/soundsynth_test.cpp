#include "common/soundsynth.h"

#include <QStringList>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace klangtruhe;

namespace {

struct Wav {
    bool valid = false;
    int sampleRate = 0;
    std::vector<qint16> samples;
    double seconds() const { return sampleRate ? static_cast<double>(samples.size()) / sampleRate : 0; }
};

QByteArray le(quint32 value, int bytes)
{
    QByteArray out(4, '\0');
    qToLittleEndian(value, out.data());
    return out.left(bytes);
}

// Reads back what a player needs: a RIFF frame of mono 16-bit PCM and its samples.
Wav readWav(const QByteArray &bytes)
{
    Wav wav;
    if (bytes.size() < 44)
        return wav;
    const auto *raw = reinterpret_cast<const uchar *>(bytes.constData());
    const quint32 rate = qFromLittleEndian<quint32>(raw + 24), data = quint32(bytes.size() - 44);
    const QByteArray header = "RIFF" + le(data + 36, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(rate, 4)
                              + le(rate * 2, 4) + le(2, 2) + le(16, 2) + "data" + le(data, 4);
    if (bytes.left(44) != header || data % 2 != 0)
        return wav;
    wav.sampleRate = int(rate);
    for (quint32 i = 0; i < data; i += 2)
        wav.samples.push_back(qFromLittleEndian<qint16>(raw + 44 + i));
    wav.valid = true;
    return wav;
}

int peak(const Wav &wav)
{
    int result = 0;
    for (qint16 s : wav.samples)
        result = std::max(result, std::abs(static_cast<int>(s)));
    return result;
}

} // namespace

TEST(SoundSynth, ProgramSoundsAreAudibleWithoutClicksOrClippingAndNamedAsTheProgramLooksForThem)
{
    QStringList names;
    for (ProgramSound which : allProgramSounds()) {
        const QString name = programSoundFileName(which);
        names << name;
        SCOPED_TRACE(name.toStdString());
        const Wav wav = readWav(programSound(which));
        ASSERT_TRUE(wav.valid);
        EXPECT_GT(peak(wav), 6000);
        EXPECT_LE(peak(wav), 32767 * 9 / 10 + 1); // chords are scaled down, never clipped
        // Soft start and end: no click.
        EXPECT_LT(std::abs(wav.samples.front()), 200);
        EXPECT_LT(std::abs(wav.samples.back()), 200);
        EXPECT_LT(wav.seconds(), which == ProgramSound::Blues ? 10.0 : 1.0);
    }
    EXPECT_EQ(names, QStringList({"Infozeichen.wav", "Fragezeichen.wav", "Ausrufezeichen.wav", "Stoppzeichen.wav",
                                  "false.wav", "Blues.wav"}));
}

TEST(SoundSynth, DemoTracksLastTheirLengthAndDependOnlyOnTheSeed)
{
    const QByteArray first = demoTrack(7, 4.0);
    const Wav wav = readWav(first);
    ASSERT_TRUE(wav.valid);
    EXPECT_NEAR(wav.seconds(), 4.0, 0.01);
    EXPECT_GT(peak(wav), 6000);
    EXPECT_EQ(wav.samples.back(), 0); // faded out
    EXPECT_EQ(demoTrack(7, 4.0), first);
    EXPECT_NE(demoTrack(8, 4.0), first);
}
