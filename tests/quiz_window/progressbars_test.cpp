#include "quiz_window/progressbars.h"

#include <gtest/gtest.h>

namespace {

using ProgressBars::answeredBarCount;
using ProgressBars::parts;

// The bar end with the design layout: the Back button's right edge, 10575
// twips, less 50.
constexpr double kBarEnd = 10525;
constexpr double kLeft = 240;
constexpr double kTolerance = 0.005;

struct BarRow
{
    const char *name;
    int count;
    int n;
    double doneWidth;
    double restLeft;
    double restWidth;
};

class BarParts : public ::testing::TestWithParam<BarRow>
{
};

TEST_P(BarParts, DonePartGrowsWithTheCount)
{
    const BarRow &row = GetParam();
    const ProgressBars::Parts bar = parts(kLeft, row.count, row.n, kBarEnd);
    EXPECT_NEAR(bar.doneWidth, row.doneWidth, kTolerance);
    EXPECT_NEAR(bar.restLeft, row.restLeft, kTolerance);
    EXPECT_NEAR(bar.restWidth, row.restWidth, kTolerance);
}

INSTANTIATE_TEST_SUITE_P(Rows, BarParts,
    ::testing::Values(BarRow { "PositionFive", 5, 21, 2555.95, 2795.95, 7729.05 },
        BarRow { "TwoAnswersDrawn", 2, 21, 1052.38, 1292.38, 9232.62 },
        BarRow { "AtTheStart", 0, 21, 50, 290, 10235 },
        BarRow { "LastOfTwentyOne", 20, 21, 10073.81, 10313.81, 211.19 },
        BarRow { "LastOfTwentyNine", 28, 29, 10212.07, 10452.07, 72.93 }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(AnsweredBar, OneAnswerLooksLikeNone)
{
    EXPECT_EQ(answeredBarCount(0), 0);
    EXPECT_EQ(answeredBarCount(1), 0);
    EXPECT_EQ(answeredBarCount(3), 2);
}

TEST(AnsweredBar, AllAnsweredMatchesTheLastPosition)
{
    for (int n : { 3, 21, 29 }) {
        const auto all = parts(kLeft, answeredBarCount(n), n, kBarEnd);
        const auto last = parts(kLeft, n - 1, n, kBarEnd);
        EXPECT_DOUBLE_EQ(all.doneWidth, last.doneWidth) << "n = " << n;
    }
}

} // namespace
