#include "player/playorderrandom.h"

#include <cstring>

namespace klangtruhe {

MersenneRandom::MersenneRandom(std::uint32_t start)
    : m_engine(start)
{
}

double MersenneRandom::next()
{
    // 32 random bits over 2^32: never reaches 1, as the draws' arithmetic needs.
    return static_cast<double>(m_engine()) / 4294967296.0;
}

void MersenneRandom::reseed(double seed)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &seed, sizeof bits);
    std::seed_seq sequence{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32),
                           static_cast<std::uint32_t>(m_engine()), static_cast<std::uint32_t>(m_engine())};
    m_engine.seed(sequence);
}

} // namespace klangtruhe
