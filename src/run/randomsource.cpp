#include "run/randomsource.h"

#include <chrono>

ClockRandomSource::ClockRandomSource()
    : m_engine(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()))
{
}

double ClockRandomSource::next()
{
    // 53 random bits scaled by 2^-53 can never reach 1, which a floating
    // point distribution does not promise on every library.
    return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
}
