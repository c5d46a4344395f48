#pragma once

#include <cstdint>
#include <random>

namespace klangtruhe {

// The random numbers behind every random choice of the player. The rules take
// one by reference, so tests can script the draws and the player keeps one
// generator for its whole run.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // The next r in [0, 1).
    virtual double next() = 0;
    // Called before a draw with a number from the clock (the time of day,
    // or its negation where the shuffle asks for that).
    virtual void reseed(double seed) = 0;
};

// The player's generator. Reseeding mixes the clock value into the running
// state instead of restarting from it: two reseeds within one clock step
// (entry draw and song draw of the shuffle) must not repeat the same r.
// A given start value and sequence of seeds always gives the same numbers.
class MersenneRandom : public RandomSource {
public:
    explicit MersenneRandom(std::uint32_t start = 5489u);
    double next() override;
    void reseed(double seed) override;

private:
    std::mt19937 m_engine;
};

} // namespace klangtruhe
