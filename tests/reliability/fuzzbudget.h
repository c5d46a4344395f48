#pragma once

// The reliability tests run small and fast in the ordinary test run; the
// reliability script makes them long by environment variables and collects
// the figures they print ("name: value unit", one per line).

#include <QByteArray>
#include <QString>
#include <cstdio>

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

} // namespace klangtruhe::test
