#include "bank/permutations.h"
#include "run/questionorder.h"
#include "run/runstate.h"
#include "support/scriptedrandom.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>

namespace {

TextList storedCandidates()
{
    return RunState().List2[StateList::kStepCandidates];
}

struct StepRow
{
    const char *name;
    int n;
    std::vector<double> draws;
    int step;
    int drawsUsed;
    int candidatesLeft;
};

class ChooseOrderStep : public ::testing::TestWithParam<StepRow>
{
};

TEST_P(ChooseOrderStep, TrimsDrawsAndRedrawsDividingSteps)
{
    const StepRow &row = GetParam();
    TextList candidates = storedCandidates();
    ScriptedRandom random(row.draws);
    const qint16 step = chooseOrderStep(candidates, row.n, random);
    EXPECT_EQ(step, row.step);
    EXPECT_EQ(random.drawn(), row.drawsUsed);
    EXPECT_EQ(candidates.rowCount(), row.candidatesLeft);
    ASSERT_TRUE(candidates.cursor().has_value());
    EXPECT_EQ(candidates.row(*candidates.cursor()), QString::number(row.step));
}

INSTANTIATE_TEST_SUITE_P(Rows, ChooseOrderStep,
    ::testing::Values(
        // Only "2" is below 3.
        StepRow { "ThreeTakesTwo", 3, { 0.93 }, 2, 1, 1 },
        // 2 divides 4, so every draw of row 0 is drawn again until "3".
        StepRow { "FourRedrawsTwo", 4, { 0.0, 0.5, 0.05 }, 3, 2, 2 },
        StepRow { "SixOnlyFive", 6, { 0.0, 0.1, 0.2 }, 5, 3, 3 },
        // r = 0.25 gives 2.5, rounded to 2: row 2 is step 5.
        StepRow { "TwentyOneQuarterGivesFive", 21, { 0.25 }, 5, 1, 8 },
        // r = 0.75 gives 7.5, rounded to 8, mod 8: row 0 is step 2.
        StepRow { "TwentyOneThreeQuartersGivesTwo", 21, { 0.75 }, 2, 1, 8 },
        // Row 1 ("3") and row 3 ("7") divide 21 and are drawn again.
        StepRow { "TwentyOneRedrawsThreeAndSeven", 21, { 0.1, 0.3, 0.4 }, 11, 3, 8 },
        StepRow { "TwentyOneTopDrawWraps", 21, { 0.999 }, 5, 1, 8 },
        StepRow { "ThirtyRedrawsTwoThreeFive", 30, { 0.0, 0.1, 0.2, 0.9 }, 29, 4, 10 },
        // "31" equals N and goes.
        StepRow { "ThirtyOneDropsItself", 31, { 0.96 }, 2, 1, 10 },
        StepRow { "ThirtyFiveKeepsAll", 35, { 0.95 }, 31, 1, 11 },
        StepRow { "ThirtyFiveJustBelow", 35, { 0.94 }, 29, 1, 11 }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ChooseOrderStepLimits, TooFewQuestionsFallBackToStepOneWithoutDrawing)
{
    TextList candidates = storedCandidates();
    ScriptedRandom random({});
    EXPECT_EQ(chooseOrderStep(candidates, 2, random), 1);
    EXPECT_EQ(random.drawn(), 0);
}

// The chance of each step for N = 21, from the width of the r-range that
// lands on each integer: a midpoint grid of 2000 steps never meets a
// rounding boundary, so counting it gives the exact widths.
TEST(ChooseOrderStepLimits, TwentyOneGivesTwoAndFiveMoreOftenThanTheRest)
{
    constexpr int grid = 2000;
    TextList trimmed = storedCandidates();
    {
        ScriptedRandom warmUp({ 0.25 });
        chooseOrderStep(trimmed, 21, warmUp);
    }
    std::map<int, int> width;
    for (int i = 0; i < grid; ++i) {
        const double r = (i + 0.5) / grid;
        const int step = trimmed.row(stepDrawIndex(r, trimmed.rowCount())).toInt();
        if (21 % step != 0)
            ++width[step];
    }
    const int accepted = std::accumulate(
        width.begin(), width.end(), 0, [](int sum, const auto &entry) { return sum + entry.second; });
    const std::map<int, std::pair<int, int>> expected = { { 2, { 3, 14 } }, { 5, { 3, 14 } },
        { 11, { 1, 7 } }, { 13, { 1, 7 } }, { 17, { 1, 7 } }, { 19, { 1, 7 } } };
    ASSERT_EQ(width.size(), expected.size());
    for (const auto &[step, fraction] : expected)
        EXPECT_EQ(width[step] * fraction.second, fraction.first * accepted) << "step " << step;
}

std::vector<int> walk(int step, int n)
{
    std::vector<int> order;
    for (int i = 1; i <= n; ++i)
        order.push_back(questionAtPosition(step, i, n));
    return order;
}

TEST(QuestionOrder, StepTwoOfTwentyOne)
{
    EXPECT_EQ(walk(2, 21),
        (std::vector<int> { 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 0 }));
}

TEST(QuestionOrder, StepFiveOfTwentyOne)
{
    EXPECT_EQ(walk(5, 21),
        (std::vector<int> { 5, 10, 15, 20, 4, 9, 14, 19, 3, 8, 13, 18, 2, 7, 12, 17, 1, 6, 11, 16, 0 }));
}

TEST(QuestionOrder, ReversedForFourAndSix)
{
    EXPECT_EQ(walk(3, 4), (std::vector<int> { 3, 2, 1, 0 }));
    EXPECT_EQ(walk(5, 6), (std::vector<int> { 5, 4, 3, 2, 1, 0 }));
    EXPECT_EQ(walk(2, 3), (std::vector<int> { 2, 1, 0 }));
}

struct AnswerOrderRow
{
    const char *name;
    int k;
    double r;
    const char *order;
};

class AnswerOrder : public ::testing::TestWithParam<AnswerOrderRow>
{
};

TEST_P(AnswerOrder, DrawsARowOfThePermutationTable)
{
    const AnswerOrderRow &row = GetParam();
    EXPECT_EQ(permutationsOf(row.k).value(answerOrderIndex(row.r, row.k)), QString::fromLatin1(row.order));
}

INSTANTIATE_TEST_SUITE_P(Rows, AnswerOrder,
    ::testing::Values(AnswerOrderRow { "HalfGives4213", 4, 0.5, "4213" }, // 500 mod 24 = 20
        AnswerOrderRow { "ZeroGivesTheFirst", 4, 0.0, "1234" },
        AnswerOrderRow { "TwoAnswersEven", 2, 0.5, "12" }, AnswerOrderRow { "TwoAnswersOdd", 2, 0.001, "21" },
        AnswerOrderRow { "TopGivesThousand", 5, 0.9999, "24513" }, // 1000 mod 120 = 40
        AnswerOrderRow { "FiveAnswers", 5, 0.119, "54321" }), // 119
    [](const auto &info) { return std::string(info.param.name); });

TEST(AnswerOrder, FactorialOfTwoToFive)
{
    EXPECT_EQ(factorial(2), 2);
    EXPECT_EQ(factorial(3), 6);
    EXPECT_EQ(factorial(4), 24);
    EXPECT_EQ(factorial(5), 120);
}

} // namespace
