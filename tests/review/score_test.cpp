#include "review/score.h"

#include <gtest/gtest.h>

namespace {

struct PercentRow
{
    const char *name;
    int right;
    int n;
    const char *text;
};

class ResultText : public ::testing::TestWithParam<PercentRow>
{
};

TEST_P(ResultText, DropsTheFraction)
{
    EXPECT_EQ(Score::resultText(GetParam().right, GetParam().n), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Rows, ResultText,
    ::testing::Values(PercentRow { "None", 0, 21, "0/21 = 0%" },
        PercentRow { "OneOfThree", 1, 3, "1/3 = 33%" }, PercentRow { "TwoOfThree", 2, 3, "2/3 = 66%" },
        PercentRow { "FifteenOfTwentyOne", 15, 21, "15/21 = 71%" },
        PercentRow { "TwentyOfTwentyOne", 20, 21, "20/21 = 95%" },
        PercentRow { "All", 21, 21, "21/21 = 100%" },
        PercentRow { "AllOfTwentyNine", 29, 29, "29/29 = 100%" }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CountRight, CountsOnlyRowsThatReadExactlyOne)
{
    const TextList verdicts({ QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("-1"),
        QStringLiteral("1 "), QStringLiteral("01"), QStringLiteral("1"), QStringLiteral("1") });
    EXPECT_EQ(Score::countRight(verdicts, 6), 2);
    EXPECT_EQ(Score::countRight(verdicts, 7), 3);
}

struct VerdictRow
{
    const char *name;
    const char *first;
    const char *last;
    int answered;
    const char *verdict;
};

class GuessVerdict : public ::testing::TestWithParam<VerdictRow>
{
};

TEST_P(GuessVerdict, ComparesTheTwoCopies)
{
    const VerdictRow &row = GetParam();
    EXPECT_EQ(
        Score::guessVerdict(QString::fromUtf8(row.first), QString::fromUtf8(row.last), row.answered, 21),
        QString::fromUtf8(row.verdict));
}

INSTANTIATE_TEST_SUITE_P(Rows, GuessVerdict,
    ::testing::Values(VerdictRow { "Alike", "108°;", "108°;", 21, "Проверка - Да" },
        VerdictRow { "Different", "108°;", "92°;", 21, "Вероятно!" },
        VerdictRow { "TrailingBlankDiffers", "108°;", "108°; ", 21, "Вероятно!" },
        VerdictRow { "AlikeButOneOpen", "108°;", "108°;", 20, "Частично!" },
        VerdictRow { "NothingAnswered", "Pyrwi", "Posleden", 0, "Частично!" }),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
