#include "run/rounding.h"

#include <cmath>

long long roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    auto result = static_cast<long long>(below);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0))
        ++result;
    return result;
}
