#pragma once

// The reliability tests run small and fast in the ordinary test run; the
// reliability script makes them long by environment variables and collects
// the figures they print ("name: value unit", one per line).

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdio>
#include <random>
#include <type_traits>

namespace klangtruhe::test {

// How many inputs (or trials) a test runs: its own bounded number unless
// KLANGTRUHE_FUZZ_SCALE multiplies it for a long run.
inline int fuzzCount(int bounded)
{
    bool ok = false;
    const int scale = qEnvironmentVariableIntValue("KLANGTRUHE_FUZZ_SCALE", &ok);
    return ok && scale > 0 ? bounded * scale : bounded;
}

// The seed of every random source; KLANGTRUHE_FUZZ_SEED shifts it so a long
// run sees other inputs than the ordinary one.
inline unsigned fuzzSeed(unsigned fixed)
{
    return fixed + static_cast<unsigned>(qEnvironmentVariableIntValue("KLANGTRUHE_FUZZ_SEED"));
}

inline void reportFigure(const char *name, qint64 value, const char *unit)
{
    std::printf("%s: %lld %s\n", name, static_cast<long long>(value), unit);
    std::fflush(stdout);
}

// A random index below size (0 for an empty range).
inline qsizetype below(std::mt19937 &random, qsizetype size)
{
    return size <= 0 ? 0 : static_cast<qsizetype>(random() % static_cast<quint64>(size));
}

// One to maxSteps random edits of a text or of bytes: an element flipped, the
// end cut, a slice doubled or removed, or one of the pieces put in.
template <typename Text>
Text mutated(Text text, std::mt19937 &random, const QList<Text> &pieces, int maxSteps)
{
    const int steps = 1 + static_cast<int>(random() % static_cast<unsigned>(maxSteps));
    for (int i = 0; i < steps; ++i) {
        const qsizetype at = below(random, text.size());
        switch (random() % 6) {
        case 0:
            if constexpr (std::is_same_v<Text, QString>)
                text.insert(at, QChar(static_cast<char16_t>(random() % 0x180)));
            else
                text.insert(at, static_cast<char>(random() & 0xff));
            text.remove(at + 1, 1);
            break;
        case 1:
            text.truncate(at);
            break;
        case 2:
            text.insert(at, text.mid(below(random, text.size()), below(random, 200)));
            break;
        case 3:
            text.remove(at, below(random, 50));
            break;
        default:
            text.insert(at, pieces.at(below(random, pieces.size())));
            break;
        }
    }
    return text;
}

} // namespace klangtruhe::test
