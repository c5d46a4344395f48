#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

// A small synthesiser for the sounds the program ships: notes made of a sine
// and a few harmonics under a soft envelope, mixed and written as mono 16-bit
// PCM WAV.
namespace klangtruhe {

struct Tone {
    double start = 0;                 // seconds from the beginning
    double duration = 0.3;            // seconds until the release begins
    std::vector<double> frequencies;  // Hz; more than one sounds as a chord
    double volume = 0.3;              // peak of one frequency, 0..1
    double attack = 0.012;            // seconds of fade-in
    double release = 0.12;            // seconds of fade-out after duration
    double decay = 2.0;               // exponential fall per second (bell-like when high)
    std::array<double, 4> harmonics{1.0, 0.3, 0.12, 0.05}; // fundamental, 2f, 3f, 4f
};

// Frequency of a MIDI note number (69 = A4 = 440 Hz).
double noteFrequency(double midiNote);

// Mixes the tones into samples in -1..1 (scaled down if they would clip).
std::vector<float> renderSamples(const std::vector<Tone> &tones, int sampleRate = 22050);

// A complete WAV file (RIFF, "fmt " PCM 16-bit, "data") of the samples;
// with more than one channel the samples are interleaved frame by frame.
QByteArray wavFile(const std::vector<float> &samples, int sampleRate, int channels = 1);

QByteArray renderWav(const std::vector<Tone> &tones, int sampleRate = 22050);

enum class ProgramSound {
    Information, // Infozeichen.wav: a soft two-note chime
    Question,    // Fragezeichen.wav: rising
    Exclamation, // Ausrufezeichen.wav: two firm notes
    Stop,        // Stoppzeichen.wav: low and falling
    Wrong,       // false.wav: a short low double tone
    Blues,       // Blues.wav: a little blues for the info window
};

// The file name the program looks for in its folder.
QString programSoundFileName(ProgramSound which);
QByteArray programSound(ProgramSound which);
std::vector<ProgramSound> allProgramSounds();

// A short piece of music (chord progression, bass and melody) for demo
// catalogues; the seed chooses key, tempo, progression and melody, and the same
// seed always gives the same file.
QByteArray demoTrack(int seed, double seconds);

} // namespace klangtruhe
