#include "run/rounding.h"

#include <gtest/gtest.h>

namespace {

struct RoundingRow
{
    const char *name;
    double value;
    long long rounded;
};

class RoundHalfEven : public ::testing::TestWithParam<RoundingRow>
{
};

TEST_P(RoundHalfEven, GoesToTheNearestAndHalvesToEven)
{
    EXPECT_EQ(roundHalfEven(GetParam().value), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(Rows, RoundHalfEven,
    ::testing::Values(RoundingRow { "Zero", 0.0, 0 }, RoundingRow { "HalfToZero", 0.5, 0 },
        RoundingRow { "OneAndAHalfToTwo", 1.5, 2 }, RoundingRow { "TwoAndAHalfToTwo", 2.5, 2 },
        RoundingRow { "SevenAndAHalfToEight", 7.5, 8 }, RoundingRow { "NineAndAHalfToTen", 9.5, 10 },
        RoundingRow { "JustBelowHalf", 2.4999, 2 }, RoundingRow { "JustAboveHalf", 2.5001, 3 },
        RoundingRow { "AnswerDrawHalf", 500.5, 500 }, RoundingRow { "AnswerDrawOddHalf", 999.5, 1000 },
        RoundingRow { "NegativeHalf", -2.5, -2 }, RoundingRow { "NegativeOddHalf", -1.5, -2 }),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
