#pragma once

#include "player/playorderrandom.h"

#include <QList>

namespace klangtruhe::test {

// Hands out the given numbers in turn (the last one again when they run out)
// and records every reseed.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(QList<double> draws) : m_draws(std::move(draws)) {}
    double next() override
    {
        ++drawn;
        return m_draws.at(m_next < m_draws.size() ? m_next++ : m_draws.size() - 1);
    }
    void reseed(double seed) override { seeds.append(seed); }

    int drawn = 0;
    QList<double> seeds;

private:
    QList<double> m_draws;
    qsizetype m_next = 0;
};

} // namespace klangtruhe::test
