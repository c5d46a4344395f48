// The pieces the synthesiser plays: the dialog sounds, the info window's blues
// and the demo catalogue's music.
#include "common/soundsynth.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace klangtruhe {

namespace {

constexpr int SampleRate = 22050;

using Harmonics = std::array<double, 4>;
constexpr Harmonics Bell{1.0, 0.18, 0.07, 0.02};
constexpr Harmonics Soft{1.0, 0.25, 0.08, 0.03};
constexpr Harmonics Firm{1.0, 0.45, 0.25, 0.1};
constexpr Harmonics Pure{1.0, 0.12, 0.0, 0.0};
constexpr Harmonics Piano{1.0, 0.35, 0.18, 0.07};
constexpr Harmonics Bass{1.0, 0.55, 0.22, 0.08};

Tone tone(double start, double duration, const std::vector<double> &midiNotes, double volume,
          const Harmonics &harmonics, double decay, double release = 0.12, double attack = 0.012)
{
    Tone t;
    t.start = start;
    t.duration = duration;
    for (double note : midiNotes)
        t.frequencies.push_back(noteFrequency(note));
    t.volume = volume;
    t.harmonics = harmonics;
    t.decay = decay;
    t.release = release;
    t.attack = attack;
    return t;
}

std::vector<Tone> informationTones()
{
    return {tone(0.0, 0.35, {79}, 0.32, Bell, 4.0, 0.25),
            tone(0.14, 0.42, {84}, 0.3, Bell, 3.5, 0.2)};
}

std::vector<Tone> questionTones()
{
    return {tone(0.0, 0.12, {72}, 0.28, Soft, 2.5, 0.06),
            tone(0.13, 0.12, {76}, 0.28, Soft, 2.5, 0.06),
            tone(0.26, 0.34, {81}, 0.3, Soft, 2.5, 0.2)};
}

std::vector<Tone> exclamationTones()
{
    return {tone(0.0, 0.18, {69, 76}, 0.22, Firm, 3.0, 0.08, 0.006),
            tone(0.28, 0.28, {69, 76}, 0.22, Firm, 3.0, 0.12, 0.006)};
}

std::vector<Tone> stopTones()
{
    return {tone(0.0, 0.18, {64, 71}, 0.2, Firm, 2.0, 0.06),
            tone(0.22, 0.18, {60, 67}, 0.2, Firm, 2.0, 0.06),
            tone(0.44, 0.3, {57, 64}, 0.22, Firm, 2.0, 0.2)};
}

std::vector<Tone> wrongTones()
{
    return {tone(0.0, 0.11, {57}, 0.4, Pure, 1.0, 0.05),
            tone(0.2, 0.16, {54}, 0.4, Pure, 1.0, 0.08)};
}

// Twelve short bars in A (two swung beats each): walking bass, off-beat chord
// stabs and a call-and-answer melody, ending on A7.
std::vector<Tone> bluesTones()
{
    const double beat = 0.33;
    // Roots of the twelve bars: I I I I IV IV I I V IV I V.
    const int roots[12] = {45, 45, 45, 45, 50, 50, 45, 45, 52, 50, 45, 52};
    auto voicing = [](int root) -> std::vector<double> {
        if (root == 50)
            return {60, 66, 69}; // D7: C F# A
        if (root == 52)
            return {62, 68, 71}; // E7: D G# B
        return {61, 64, 67};     // A7: C# E G
    };

    std::vector<Tone> tones;
    for (int bar = 0; bar < 12; ++bar) {
        const int root = roots[bar];
        const double barStart = bar * 2 * beat;
        const bool walkUp = bar % 2 == 0;
        tones.push_back(tone(barStart, beat * 0.85, {static_cast<double>(walkUp ? root : root + 7)}, 0.34, Bass,
                             1.5, 0.05));
        tones.push_back(tone(barStart + beat, beat * 0.85, {static_cast<double>(walkUp ? root + 4 : root + 9)}, 0.34,
                             Bass, 1.5, 0.05));
        for (int b = 0; b < 2; ++b)
            tones.push_back(tone(barStart + (b + 0.67) * beat, beat * 0.2, voicing(root), 0.06, Soft, 3.0, 0.06));
    }

    struct Note {
        double beat, length;
        int midi;
    };
    const Note melody[] = {
        {0, 0.67, 76},     {0.67, 0.33, 79},  {1, 1, 81},
        {2, 0.67, 79},     {2.67, 0.33, 76},  {3, 0.67, 74},   {3.67, 0.33, 72},
        {4, 1.5, 69},
        {6, 0.67, 67},     {6.67, 1.33, 69},
        {8, 0.67, 81},     {8.67, 0.33, 84},  {9, 0.67, 81},   {9.67, 0.33, 78},
        {10, 0.67, 76},    {10.67, 0.33, 74}, {11, 1, 72},
        {12, 0.67, 69},    {12.67, 0.33, 72}, {13, 1, 76},
        {14, 0.67, 75},    {14.67, 1.33, 76},
        {16, 0.67, 83},    {16.67, 0.33, 80}, {17, 1, 76},
        {18, 0.67, 81},    {18.67, 0.33, 78}, {19, 1, 74},
        {20, 0.67, 72},    {20.67, 0.33, 69}, {21, 0.67, 67},  {21.67, 0.33, 69},
        {22, 0.67, 68},    {22.67, 0.33, 71}, {23, 1, 76},
    };
    for (const Note &n : melody)
        tones.push_back(tone(n.beat * beat, n.length * beat * 0.9, {static_cast<double>(n.midi)}, 0.2, Piano, 1.8,
                             0.08));

    const double end = 24 * beat;
    tones.push_back(tone(end, 0.5, {45, 57}, 0.3, Bass, 1.2, 0.35));
    tones.push_back(tone(end, 0.5, {61, 64, 67}, 0.08, Soft, 1.5, 0.35));
    tones.push_back(tone(end, 0.5, {81}, 0.2, Piano, 1.2, 0.35));
    return tones;
}

// Major key, one chord per bar.
struct Chord {
    int degree; // index into the major scale
};

int scaleNote(int tonic, int degree)
{
    static constexpr int major[7] = {0, 2, 4, 5, 7, 9, 11};
    const int octave = degree >= 0 ? degree / 7 : -((6 - degree) / 7);
    const int step = degree - octave * 7;
    return tonic + octave * 12 + major[step];
}

} // namespace

QString programSoundFileName(ProgramSound which)
{
    switch (which) {
    case ProgramSound::Information: return QStringLiteral("Infozeichen.wav");
    case ProgramSound::Question: return QStringLiteral("Fragezeichen.wav");
    case ProgramSound::Exclamation: return QStringLiteral("Ausrufezeichen.wav");
    case ProgramSound::Stop: return QStringLiteral("Stoppzeichen.wav");
    case ProgramSound::Wrong: return QStringLiteral("false.wav");
    case ProgramSound::Blues: return QStringLiteral("Blues.wav");
    }
    return QString();
}

std::vector<ProgramSound> allProgramSounds()
{
    return {ProgramSound::Information, ProgramSound::Question, ProgramSound::Exclamation,
            ProgramSound::Stop,        ProgramSound::Wrong,    ProgramSound::Blues};
}

QByteArray programSound(ProgramSound which)
{
    switch (which) {
    case ProgramSound::Information: return renderWav(informationTones(), SampleRate);
    case ProgramSound::Question: return renderWav(questionTones(), SampleRate);
    case ProgramSound::Exclamation: return renderWav(exclamationTones(), SampleRate);
    case ProgramSound::Stop: return renderWav(stopTones(), SampleRate);
    case ProgramSound::Wrong: return renderWav(wrongTones(), SampleRate);
    case ProgramSound::Blues: return renderWav(bluesTones(), SampleRate);
    }
    return QByteArray();
}

QByteArray demoTrack(int seed, double seconds)
{
    seconds = std::max(0.5, seconds);
    std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
    auto pick = [&random](int count) { return static_cast<int>(random() % static_cast<unsigned>(count)); };

    const int tonic = 60 + pick(12) - 5; // somewhere from G3 to F#4
    const double beat = 60.0 / (84 + pick(48));
    static constexpr int progressions[][4] = {{0, 4, 5, 3}, {0, 5, 3, 4}, {5, 3, 0, 4}, {0, 3, 4, 3}, {1, 4, 0, 0}};
    const auto &progression = progressions[pick(5)];

    std::vector<Tone> tones;
    const int pentatonic[5] = {0, 1, 2, 4, 5}; // major scale degrees of the pentatonic
    int melodyIndex = 5;                       // position in the pentatonic, one octave up
    const int bars = std::max(1, static_cast<int>(std::ceil(seconds / (4 * beat))));
    for (int bar = 0; bar < bars; ++bar) {
        const bool last = bar == bars - 1;
        const int degree = last ? 0 : progression[bar % 4];
        const double barStart = bar * 4 * beat;
        const int root = scaleNote(tonic, degree);
        const int third = scaleNote(tonic, degree + 2);
        const int fifth = scaleNote(tonic, degree + 4);

        // Pad: the triad held through the bar.
        tones.push_back(tone(barStart, 4 * beat * 0.95, {static_cast<double>(root), static_cast<double>(third),
                                                          static_cast<double>(fifth)},
                             0.06, Soft, 0.4, 0.3, 0.08));
        // Bass: root on one, fifth or root on three.
        tones.push_back(tone(barStart, beat * 1.6, {static_cast<double>(root - 24)}, 0.3, Bass, 1.2, 0.1));
        const int bassThree = pick(2) ? fifth - 24 : root - 24;
        tones.push_back(tone(barStart + 2 * beat, beat * 1.6, {static_cast<double>(bassThree)}, 0.28, Bass, 1.2, 0.1));

        // Melody: a pentatonic walk, landing on chord tones on the strong beats.
        for (int b = 0; b < 4; ++b) {
            const double beatStart = barStart + b * beat;
            if (beatStart >= seconds)
                break;
            if (pick(10) == 0 && b != 0)
                continue; // a breath
            const int pieces = (pick(10) < 4) ? 2 : 1;
            for (int piece = 0; piece < pieces; ++piece) {
                melodyIndex = std::clamp(melodyIndex + pick(5) - 2, 2, 10);
                const int octave = melodyIndex / 5;
                int note = scaleNote(tonic, pentatonic[melodyIndex % 5] + 7 * octave);
                if (piece == 0 && (b == 0 || b == 2)) {
                    // Snap to the nearest chord tone in this octave.
                    int best = note;
                    int bestDistance = 100;
                    for (int chordTone : {root, third, fifth}) {
                        for (int shift = -24; shift <= 24; shift += 12) {
                            if (std::abs(chordTone + shift - note) < bestDistance) {
                                bestDistance = std::abs(chordTone + shift - note);
                                best = chordTone + shift;
                            }
                        }
                    }
                    note = best;
                }
                if (last && b == 0)
                    note = tonic + 12;
                const double length = beat / pieces;
                tones.push_back(tone(beatStart + piece * length, length * (last && b == 0 ? 3.5 : 0.85),
                                     {static_cast<double>(note)}, 0.18, Piano, 1.6, 0.08));
            }
            if (last && b == 0)
                break;
        }
    }

    std::vector<float> samples = renderSamples(tones, SampleRate);
    samples.resize(static_cast<size_t>(seconds * SampleRate), 0.0F);
    // Fade the end so a track cut mid-bar does not stop abruptly.
    const size_t fade = std::min(samples.size(), static_cast<size_t>(0.6 * SampleRate));
    for (size_t i = 0; i < fade; ++i)
        samples[samples.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
    return wavFile(samples, SampleRate);
}

} // namespace klangtruhe
