#pragma once

#include <cstdint>
#include <random>

// Where the run's random values come from: values r with 0 <= r < 1. The
// program seeds one from the clock; tests script the values they need.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

class ClockRandomSource final : public RandomSource
{
public:
    ClockRandomSource();
    double next() override;

private:
    std::mt19937_64 m_engine;
};
