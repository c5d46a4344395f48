// Temporary until the synthesiser lands.
#include "common/soundsynth.h"
#include <QtEndian>
#include <cmath>
namespace klangtruhe {
QByteArray demoTrack(int seed, double seconds)
{
    const int rate = 22050;
    const int n = static_cast<int>(seconds * rate);
    QByteArray wav(44 + n * 2, 0);
    char *d = wav.data();
    memcpy(d, "RIFF", 4); qToLittleEndian<quint32>(36 + n * 2, d + 4); memcpy(d + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, d + 16); qToLittleEndian<quint16>(1, d + 20); qToLittleEndian<quint16>(1, d + 22);
    qToLittleEndian<quint32>(rate, d + 24); qToLittleEndian<quint32>(rate * 2, d + 28); qToLittleEndian<quint16>(2, d + 32);
    qToLittleEndian<quint16>(16, d + 34); memcpy(d + 36, "data", 4); qToLittleEndian<quint32>(n * 2, d + 40);
    for (int i = 0; i < n; ++i)
        qToLittleEndian<qint16>(static_cast<qint16>(6000 * std::sin(2 * M_PI * (220 + 20 * seed) * i / rate)), d + 44 + 2 * i);
    return wav;
}
}
