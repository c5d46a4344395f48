#include "common/soundsynth.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace klangtruhe {

namespace {

constexpr double Pi = 3.14159265358979323846;

double envelope(const Tone &tone, double t)
{
    const double total = tone.duration + tone.release;
    if (t < 0 || t >= total)
        return 0;
    double level = std::exp(-tone.decay * t);
    if (tone.attack > 0 && t < tone.attack) {
        const double rise = std::sin(0.5 * Pi * t / tone.attack);
        level *= rise * rise;
    }
    if (t > tone.duration && tone.release > 0) {
        const double fall = std::cos(0.5 * Pi * (t - tone.duration) / tone.release);
        level *= fall * fall;
    }
    return level;
}

void appendLe32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void appendLe16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

} // namespace

double noteFrequency(double midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69.0) / 12.0);
}

std::vector<float> renderSamples(const std::vector<Tone> &tones, int sampleRate)
{
    double end = 0;
    for (const Tone &tone : tones)
        end = std::max(end, tone.start + tone.duration + tone.release);
    std::vector<double> mix(static_cast<size_t>(std::ceil(end * sampleRate)), 0.0);
    const double nyquist = sampleRate / 2.0;

    for (const Tone &tone : tones) {
        const auto first = static_cast<size_t>(std::max(0.0, tone.start * sampleRate));
        const auto count = static_cast<size_t>((tone.duration + tone.release) * sampleRate);
        for (double frequency : tone.frequencies) {
            for (size_t h = 0; h < tone.harmonics.size(); ++h) {
                const double partial = frequency * static_cast<double>(h + 1);
                const double weight = tone.harmonics[h] * tone.volume;
                if (weight == 0 || partial >= nyquist)
                    continue;
                // Rotating a phasor is exact enough for a second of sound and
                // much cheaper than a sine per sample.
                const double step = 2 * Pi * partial / sampleRate;
                const double cosStep = std::cos(step);
                const double sinStep = std::sin(step);
                double re = 1.0;
                double im = 0.0;
                for (size_t i = 0; i < count && first + i < mix.size(); ++i) {
                    const double t = static_cast<double>(i) / sampleRate;
                    mix[first + i] += weight * im * envelope(tone, t);
                    const double nextRe = re * cosStep - im * sinStep;
                    im = re * sinStep + im * cosStep;
                    re = nextRe;
                }
            }
        }
    }

    double peak = 0;
    for (double value : mix)
        peak = std::max(peak, std::abs(value));
    const double scale = peak > 0.9 ? 0.9 / peak : 1.0;
    std::vector<float> samples(mix.size());
    std::transform(mix.begin(), mix.end(), samples.begin(),
                   [scale](double value) { return static_cast<float>(value * scale); });
    return samples;
}

QByteArray wavFile(const std::vector<float> &samples, int sampleRate, int channels)
{
    const auto dataBytes = static_cast<quint32>(samples.size() * 2);
    const auto frameBytes = static_cast<quint16>(channels * 2);
    QByteArray out;
    out.reserve(static_cast<int>(44 + dataBytes));
    out.append("RIFF", 4);
    appendLe32(out, 36 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    appendLe32(out, 16);
    appendLe16(out, 1); // PCM
    appendLe16(out, static_cast<quint16>(channels));
    appendLe32(out, static_cast<quint32>(sampleRate));
    appendLe32(out, static_cast<quint32>(sampleRate) * frameBytes);
    appendLe16(out, frameBytes);
    appendLe16(out, 16); // bits per sample
    out.append("data", 4);
    appendLe32(out, dataBytes);
    for (float sample : samples) {
        const double clamped = std::clamp(static_cast<double>(sample), -1.0, 1.0);
        appendLe16(out, static_cast<quint16>(static_cast<qint16>(std::lround(clamped * 32767.0))));
    }
    return out;
}

QByteArray renderWav(const std::vector<Tone> &tones, int sampleRate)
{
    return wavFile(renderSamples(tones, sampleRate), sampleRate);
}

} // namespace klangtruhe
