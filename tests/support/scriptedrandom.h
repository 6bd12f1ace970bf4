#pragma once

#include "run/randomsource.h"

#include <vector>

// Gives the values a test scripted, in order. Running out is a fault of the
// test: it throws, so a draw loop cannot spin on a made-up value.
class ScriptedRandom final : public RandomSource
{
public:
    explicit ScriptedRandom(std::vector<double> values);
    double next() override;
    int drawn() const { return m_next; }

private:
    std::vector<double> m_values;
    int m_next = 0;
};
